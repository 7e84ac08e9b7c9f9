// SPDX-License-Identifier: GPL-3.0-or-later
// The TOP-10 dialog in its three uses and the name entry: the table view with export and
// import, the damaged table, the end of a match with and without a new entry, the group
// change with its rename.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "common/modalanswers.h"
#include "common/tempstore.h"
#include "data/store.h"
#include "data/top10.h"
#include "ui/windows/nameentry.h"
#include "ui/windows/top10dialog.h"

using namespace plumet;

namespace {

QColor textColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

}  // namespace

class TestTop10Dialog : public QObject {
    Q_OBJECT

    std::unique_ptr<TempStore> dir_;
    std::unique_ptr<Store> store_;
    GameState state_;
    // What the dialog asked of the program.
    int enabled_ = 0;
    int ended_ = 0;
    QStringList calls_;
    QString file_;  // what the file dialogs pick

    Top10Dialog::Hooks hooks() {
        Top10Dialog::Hooks h;
        h.enableMain = [this] { ++enabled_; };
        h.endProgram = [this] { ++ended_; };
        h.saveSettings = [this] { calls_ << QStringLiteral("save"); };
        h.loadSettings = [this] { calls_ << QStringLiteral("load"); };
        h.groupRenamed = [this](int group, const QString& name) {
            calls_ << QStringLiteral("renamed %1 %2").arg(group).arg(name);
        };
        h.chooseFile = [this](Top10Dialog::FileDialog) { return file_; };
        return h;
    }
    QString stored(const QString& key) const {
        return store_->get(u"form2", key, QStringLiteral("<none>"));
    }

  private slots:
    void init() {
        dir_ = std::make_unique<TempStore>();
        store_ = std::make_unique<Store>();
        state_ = GameState();
        enabled_ = ended_ = 0;
        calls_.clear();
        file_.clear();
    }
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets()) w->close();
        QTest::qWait(0);
        store_.reset();
        dir_.reset();
    }

    // The first opening makes the check strings; the table shows in its rows; "ＯＫ" closes.
    void viewFirstRun() {
        QPointer<Top10Dialog> window =
            Top10Dialog::open(state_, *store_, hooks(), Top10Dialog::Mode::Top10);
        QVERIFY(window);
        QCOMPARE(stored(QStringLiteral("ckkc")), QStringLiteral("1234"));
        QCOMPARE(stored(QStringLiteral("def1")), QStringLiteral("32494848"));
        QCOMPARE(window->windowTitle(), QStringLiteral("トップ１０ランキング"));
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("Label11"))->text(),
                 QStringLiteral("名前　 　　　　　　　日付  　   得点"));
        QCOMPARE(window->nameLabel(0)->text(), QStringLiteral("ＲＯＫＥＮ"));
        QCOMPARE(window->rowLabel(0)->text(), QStringLiteral("1997-04-01  100  "));
        QCOMPARE(window->rowLabel(9)->text(), QStringLiteral("1997-04-01   10  "));
        for (auto b :
             {Top10Dialog::Button::Ok, Top10Dialog::Button::Export, Top10Dialog::Button::Import})
            QVERIFY(window->button(b)->isVisible());
        for (auto b : {Top10Dialog::Button::GroupOk, Top10Dialog::Button::Rename,
                       Top10Dialog::Button::RenameOk, Top10Dialog::Button::RenameCancel})
            QVERIFY(!window->button(b)->isVisible());
        QVERIFY(!window->groupList()->isVisible());
        QCOMPARE(window->button(Top10Dialog::Button::Export)->text(), QStringLiteral("書出"));
        QCOMPARE(window->button(Top10Dialog::Button::Import)->text(), QStringLiteral("読込"));
        QTest::mouseClick(window->button(Top10Dialog::Button::Ok), Qt::LeftButton);
        QCOMPARE(enabled_, 1);
        QTRY_VERIFY(window.isNull());
    }

    // A total changed by hand: the message, the table reset, the program ends.
    void damagedTable() {
        GameState first;
        QCOMPARE(top10::loadTable(*store_, first), top10::Load::Sound);
        store_->save(u"form2", u"ten3", QStringLiteral("85"));
        ModalAnswers answers;
        answers.box(QMessageBox::Ok);
        QVERIFY(!Top10Dialog::open(state_, *store_, hooks(), Top10Dialog::Mode::Top10));
        QCOMPARE(answers.boxes.size(), 1);
        QCOMPARE(answers.boxes[0].title, QStringLiteral("データ異常"));
        QCOMPARE(answers.boxes[0].text,
                 QStringLiteral(
                     "データが異常です。\nベスト１０を初期化後終了します。\n再起動して下さい。"));
        QCOMPARE(ended_, 1);
        QCOMPARE(enabled_, 0);
        QCOMPARE(stored(QStringLiteral("ckkc")), QStringLiteral("9999"));
        for (const char* key : {"ten3", "def3", "name1", "date10"})
            QVERIFY(!store_->contains(u"form2", QString::fromLatin1(key)));
        QTest::qWait(0);
        QVERIFY(answers.unexpected.isEmpty());
    }

    // Export, change the table, import the file again: the old table is back. A file with
    // one sum changed is refused and nothing changes.
    void exportAndImport() {
        QTemporaryDir files;
        file_ = files.filePath(QStringLiteral("best.dat"));
        QPointer<Top10Dialog> window =
            Top10Dialog::open(state_, *store_, hooks(), Top10Dialog::Mode::Top10);
        QTest::mouseClick(window->button(Top10Dialog::Button::Export), Qt::LeftButton);
        QVERIFY(QFile::exists(file_));
        window->close();

        state_.score[1] = 95;
        top10::enterTotal(*store_, state_, 95, QStringLiteral("2024-05-06"));
        state_.topNames[2] = "変更";
        top10::registerName(*store_, state_);

        QFile good(file_);
        QVERIFY(good.open(QIODevice::ReadOnly));
        QByteArray bytes = good.readAll();
        good.close();
        // The second line's sum raised by one.
        const int start = bytes.indexOf('\n') + 1;
        const int comma = bytes.indexOf(',', start);
        const int end = bytes.indexOf('\r', comma);
        const int sum = bytes.mid(comma + 1, end - comma - 1).toInt();
        bytes.replace(comma + 1, end - comma - 1, QByteArray::number(sum + 1));
        const QString bad = files.filePath(QStringLiteral("bad.dat"));
        QFile badFile(bad);
        QVERIFY(badFile.open(QIODevice::WriteOnly));
        badFile.write(bytes);
        badFile.close();

        window = Top10Dialog::open(state_, *store_, hooks(), Top10Dialog::Mode::Top10);
        QCOMPARE(window->nameLabel(1)->text(), QStringLiteral("変更"));
        ModalAnswers answers;
        answers.box(QMessageBox::Cancel);  // the question: nothing happens
        file_ = bad;
        QTest::mouseClick(window->button(Top10Dialog::Button::Import), Qt::LeftButton);
        answers.box(QMessageBox::Ok);
        answers.box(QMessageBox::Ok);  // the refusal
        QTest::mouseClick(window->button(Top10Dialog::Button::Import), Qt::LeftButton);
        QCOMPARE(answers.boxes.size(), 3);
        QCOMPARE(answers.boxes[0].title, QStringLiteral("ベスト１０データの読み込み"));
        QCOMPARE(answers.boxes[0].text, QStringLiteral("ベスト１０データを上書きします。\n（元のデ"
                                                       "ータは消去されます。）\nよろしいですか？"));
        QCOMPARE(answers.boxes[2].title, QStringLiteral("データ異常"));
        QCOMPARE(answers.boxes[2].text,
                 QStringLiteral("データが異常です。\nベスト１０は更新されませんでした。"));
        QCOMPARE(window->nameLabel(1)->text(), QStringLiteral("変更"));
        QCOMPARE(stored(QStringLiteral("ten2")), QStringLiteral("95"));

        file_ = files.filePath(QStringLiteral("best.dat"));
        answers.box(QMessageBox::Ok);
        QTest::mouseClick(window->button(Top10Dialog::Button::Import), Qt::LeftButton);
        QCOMPARE(window->nameLabel(1)->text(), QStringLiteral("ＲＯＫＥＮ"));
        QCOMPARE(window->rowLabel(1)->text(), QStringLiteral("1997-04-01   90  "));
        QCOMPARE(stored(QStringLiteral("ten2")), QStringLiteral("90"));
        QCOMPARE(stored(QStringLiteral("name2")), QStringLiteral("ＲＯＫＥＮ"));
        QVERIFY(answers.unexpected.isEmpty());
        window->close();
        // The imported table passes the next check.
        window = Top10Dialog::open(state_, *store_, hooks(), Top10Dialog::Mode::Top10);
        QVERIFY(window);
        QCOMPARE(ended_, 0);
    }

    // Without the seam the platform's file dialogs open, with the filter of the data files,
    // in the player's documents folder (the home folder where there is none), then in the
    // folder last used; cancelling one ends the command quietly.
    void fileDialogs() {
        QTemporaryDir files;
        Top10Dialog::Hooks h = hooks();
        h.chooseFile = nullptr;
        QPointer<Top10Dialog> window =
            Top10Dialog::open(state_, *store_, h, Top10Dialog::Mode::Top10);
        ModalAnswers answers;
        const QString file = files.filePath(QStringLiteral("out.dat"));
        answers.file(file);
        QTest::mouseClick(window->button(Top10Dialog::Button::Export), Qt::LeftButton);
        QVERIFY(QFile::exists(file));
        answers.box(QMessageBox::Ok);
        answers.file(QString());
        QTest::mouseClick(window->button(Top10Dialog::Button::Import), Qt::LeftButton);
        QCOMPARE(answers.fileDialogs, QStringList({QStringLiteral("ﾃﾞｰﾀ ﾌｧｲﾙ (*.dat)"),
                                                   QStringLiteral("ﾃﾞｰﾀ ﾌｧｲﾙ (*.dat)")}));
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString first = answers.fileFolders.at(0);
        QVERIFY2(first == QDir(documents).absolutePath() || first == QDir::homePath(),
                 qPrintable(first));
        QCOMPARE(answers.fileFolders.at(1), QDir(files.path()).absolutePath());
        QCOMPARE(answers.boxes.size(), 1);
        QVERIFY(answers.unexpected.isEmpty());
    }

    // A name longer than its column ends in "…" before the date column, in the table and in
    // the row being entered; the tool tip and the store hold it whole.
    void longNameElided() {
        const QString name = QStringLiteral("とても長い名前のプレイヤーとその仲間たちとその友だち");
        state_.score = {0, 95, 7, 8, 9};
        QPointer<Top10Dialog> window = Top10Dialog::matchEnd(state_, *store_, hooks());
        QVERIFY(window);
        QPointer<NameEntry> entry = window->nameEntry();
        QVERIFY(entry);
        const int row = state_.newRank - 1;
        entry->nameEdit()->insert(name);
        const auto verifyElided = [&window, &name](int index) {
            const QLabel* label = window->nameLabel(index);
            QVERIFY(label->text() != name);
            QVERIFY(label->text().endsWith(QChar(0x2026)));
            QVERIFY(name.startsWith(label->text().chopped(1)));
            QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
            QVERIFY(label->geometry().right() < window->rowLabel(index)->geometry().left());
            QCOMPARE(label->toolTip(), name);
        };
        verifyElided(row);
        QTest::mouseClick(entry->registerButton(), Qt::LeftButton);
        QCOMPARE(stored(QStringLiteral("name%1").arg(row + 1)), name);
        // Shown again from the store.
        window->close();
        window = Top10Dialog::open(state_, *store_, hooks(), Top10Dialog::Mode::Top10);
        QVERIFY(window);
        verifyElided(row);
        QCOMPARE(window->nameLabel((row + 1) % 10)->toolTip(), QString());
    }

    // A total below the tenth: the table with the total in the caption, nothing stored.
    void matchEndWithoutEntry() {
        state_.score[1] = 5;
        const QByteArray before = TempStore::fileBytes();
        QPointer<Top10Dialog> window = Top10Dialog::matchEnd(state_, *store_, hooks());
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("あかんかったねぇ 5点"));
        QVERIFY(window->button(Top10Dialog::Button::Ok)->isVisible());
        QVERIFY(!window->button(Top10Dialog::Button::Export)->isVisible());
        QVERIFY(!window->button(Top10Dialog::Button::Import)->isVisible());
        QVERIFY(!window->nameEntry());
        QCOMPARE(stored(QStringLiteral("ten10")), QStringLiteral("<none>"));
        QTest::mouseClick(window->button(Top10Dialog::Button::Ok), Qt::LeftButton);
        QCOMPARE(enabled_, 1);
    }

    // A new entry: the row in red, NameEntry below the table, the name typed in, "登録".
    void matchEndWithEntry_data() {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("rank");
        QTest::addColumn<QString>("name");
        QTest::newRow("between two") << 95 << 2 << "山田花子";
        QTest::newRow("equal to an old total: above it") << 90 << 2 << "たろう";
        QTest::newRow("equal to the tenth") << 10 << 10 << "x";
        QTest::newRow("best of all, four digits") << 1234 << 1 << "ＡＢＣ";
        QTest::newRow("empty name") << 50 << 6 << "";
    }
    void matchEndWithEntry() {
        QFETCH(int, total);
        QFETCH(int, rank);
        QFETCH(QString, name);
        state_.score = {0, static_cast<std::int16_t>(total), 7, 8, 9};
        QPointer<Top10Dialog> window = Top10Dialog::matchEnd(state_, *store_, hooks());
        QVERIFY(window);
        QPointer<NameEntry> entry = window->nameEntry();
        QVERIFY(entry && entry->isVisible());
        QCOMPARE(state_.newRank, rank);
        QCOMPARE(entry->windowTitle(), QStringLiteral("おめでとう %1 位です").arg(rank));
        QCOMPARE(entry->promptLabel()->text(), QStringLiteral("名前を入力してください"));
        for (auto b :
             {Top10Dialog::Button::Ok, Top10Dialog::Button::Export, Top10Dialog::Button::Import})
            QVERIFY(!window->button(b)->isVisible());
        QCOMPARE(textColour(window->nameLabel(rank - 1)), QColor(255, 0, 0));
        QCOMPARE(textColour(window->rowLabel(rank - 1)), QColor(255, 0, 0));
        QVERIFY(textColour(window->nameLabel(rank % 10)) != QColor(255, 0, 0));
        QCOMPARE(entry->frameGeometry().left(), window->frameGeometry().left());
        QCOMPARE(entry->frameGeometry().top(), window->frameGeometry().bottom() + 1);
        QCOMPARE(window->nameLabel(rank - 1)->text(), QString());
        QCOMPARE(window->rowLabel(rank - 1)->text(), top10::rowText(state_, rank));
        QVERIFY(!entry->registerButton()->isEnabled());
        // Stored at once with the check string, before the name.
        QCOMPARE(stored(QStringLiteral("ten%1").arg(rank)), QString::number(total));

        QTest::keyClicks(entry->nameEdit(), QStringLiteral("zz"));
        QCOMPARE(window->nameLabel(rank - 1)->text(), QStringLiteral("zz"));
        entry->nameEdit()->clear();
        entry->nameEdit()->insert(name);  // as an input method commits Japanese text
        QCOMPARE(window->nameLabel(rank - 1)->text(), name);
        QVERIFY(entry->registerButton()->isEnabled());
        QCOMPARE(enabled_, 0);

        QTest::mouseClick(entry->registerButton(), Qt::LeftButton);
        QCOMPARE(enabled_, 1);
        QCOMPARE(stored(QStringLiteral("name%1").arg(rank)), name);
        QCOMPARE(state_.score, (PlayerInts{0, 0, 0, 0, 0}));
        QTRY_VERIFY(window.isNull() && entry.isNull());
        // The table with its new entry passes the check.
        QVERIFY(Top10Dialog::open(state_, *store_, hooks(), Top10Dialog::Mode::Top10));
        QCOMPARE(ended_, 0);
    }

    // Enter takes the name like "登録", once the name was touched (the button is enabled).
    void enterRegisters() {
        state_.score[1] = 95;
        QPointer<Top10Dialog> window = Top10Dialog::matchEnd(state_, *store_, hooks());
        QPointer<NameEntry> entry = window->nameEntry();
        QTest::keyClick(entry->nameEdit(), Qt::Key_Return);
        QCOMPARE(enabled_, 0);
        QVERIFY(entry->isVisible());
        QTest::keyClicks(entry->nameEdit(), QStringLiteral("ab"));
        QTest::keyClick(entry->nameEdit(), Qt::Key_Return);
        QCOMPARE(enabled_, 1);
        QCOMPARE(stored(QStringLiteral("name2")), QStringLiteral("ab"));
        QTRY_VERIFY(window.isNull() && entry.isNull());
    }

    // Enter and Esc in each use of the table window: Enter is the use's "ＯＫ"; Esc closes the
    // window as its close box does, except while a new entry's name is entered.
    void keysOfTheTable_data() {
        QTest::addColumn<int>("mode");  // Top10Dialog::Mode
        QTest::addColumn<int>("key");
        for (Top10Dialog::Mode mode :
             {Top10Dialog::Mode::Top10, Top10Dialog::Mode::Group, Top10Dialog::Mode::MatchEnd}) {
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
                QTest::addRow("%s, %s",
                              mode == Top10Dialog::Mode::Top10   ? "the table"
                              : mode == Top10Dialog::Mode::Group ? "the group change"
                                                                 : "a total that did not enter",
                              key == Qt::Key_Return ? "Enter" : "Esc")
                    << int(mode) << int(key);
            }
        }
    }
    void keysOfTheTable() {
        QFETCH(int, mode);
        QFETCH(int, key);
        state_.score[1] = 5;
        QPointer<Top10Dialog> window =
            Top10Dialog::Mode(mode) == Top10Dialog::Mode::MatchEnd
                ? Top10Dialog::matchEnd(state_, *store_, hooks())
                : Top10Dialog::open(state_, *store_, hooks(), Top10Dialog::Mode(mode));
        QVERIFY(window);
        if (Top10Dialog::Mode(mode) == Top10Dialog::Mode::Group)
            window->groupList()->setCurrentIndex(2);
        // The keyboard on the first button ("書出" in the table): Enter still means "ＯＫ".
        QWidget* keyboard = window->focusWidget() ? window->focusWidget() : window.data();
        QTest::keyClick(keyboard, Qt::Key(key));
        QCOMPARE(enabled_, 1);
        QVERIFY(calls_.isEmpty() || Top10Dialog::Mode(mode) == Top10Dialog::Mode::Group);
        if (Top10Dialog::Mode(mode) == Top10Dialog::Mode::Group)
            QCOMPARE(stored(QStringLiteral("plymdi")), QStringLiteral("2"));
        QTRY_VERIFY(window.isNull());
    }

    // Renaming a group: Esc is "ｷｬﾝｾﾙ", Enter is its "ＯＫ"; the window stays.
    void keysOfTheRename() {
        QPointer<Top10Dialog> window =
            Top10Dialog::open(state_, *store_, hooks(), Top10Dialog::Mode::Group);
        QTest::mouseClick(window->button(Top10Dialog::Button::Rename), Qt::LeftButton);
        window->groupNameEdit()->setText(QStringLiteral("いえ"));
        QTest::keyClick(window->groupNameEdit(), Qt::Key_Escape);
        QVERIFY(!window->groupNameEdit()->isVisible());
        QCOMPARE(window->groupList()->currentText(), QStringLiteral("グループ１"));
        QVERIFY(window->isVisible());
        QTest::mouseClick(window->button(Top10Dialog::Button::Rename), Qt::LeftButton);
        window->groupNameEdit()->setText(QStringLiteral("いえ"));
        QTest::keyClick(window->groupNameEdit(), Qt::Key_Return);
        QVERIFY(!window->groupNameEdit()->isVisible());
        QCOMPARE(window->groupList()->currentText(), QStringLiteral("いえ"));
        QCOMPARE(store_->get(u"formm", u"grmdi0", {}), QStringLiteral("いえ"));
        QVERIFY(window->isVisible());
        QCOMPARE(enabled_, 0);
    }

    // While a new entry's name is being entered, Esc on the table or in the name entry does
    // not register it (and Enter on the table, whose "ＯＫ" is hidden, does nothing).
    void escapeWaitsForTheName() {
        state_.score[1] = 95;
        QPointer<Top10Dialog> window = Top10Dialog::matchEnd(state_, *store_, hooks());
        QPointer<NameEntry> entry = window->nameEntry();
        QTest::keyClicks(entry->nameEdit(), QStringLiteral("ab"));
        QTest::keyClick(window, Qt::Key_Escape);
        QTest::keyClick(window, Qt::Key_Return);
        QTest::keyClick(entry->nameEdit(), Qt::Key_Escape);
        QVERIFY(window->isVisible() && entry->isVisible());
        QCOMPARE(enabled_, 0);
        QVERIFY(stored(QStringLiteral("name2")) != QStringLiteral("ab"));
    }

    // Closing the name entry by its close box registers the entry like "登録".
    void closingTheNameEntry() {
        state_.score[1] = 95;
        QPointer<Top10Dialog> window = Top10Dialog::matchEnd(state_, *store_, hooks());
        QPointer<NameEntry> entry = window->nameEntry();
        entry->nameEdit()->setText(QStringLiteral("あ"));
        window->close();
        QCOMPARE(enabled_, 1);
        QCOMPARE(stored(QStringLiteral("name2")), QStringLiteral("あ"));
        QTRY_VERIFY(window.isNull() && entry.isNull());
    }

    // The group change: the list, a fresh group, rename, and back to the first group.
    void groups() {
        QPointer<Top10Dialog> window =
            Top10Dialog::open(state_, *store_, hooks(), Top10Dialog::Mode::Group);
        QCOMPARE(window->windowTitle(), QStringLiteral("グループ変更＆ＴＯＰ１０"));
        for (auto b :
             {Top10Dialog::Button::Ok, Top10Dialog::Button::Export, Top10Dialog::Button::Import})
            QVERIFY(!window->button(b)->isVisible());
        QVERIFY(window->groupList()->isVisible());
        QVERIFY(window->button(Top10Dialog::Button::GroupOk)->isVisible() &&
                window->button(Top10Dialog::Button::GroupOk)->isDefault());
        QCOMPARE(window->button(Top10Dialog::Button::Rename)->text(), QStringLiteral("名前変更"));
        QCOMPARE(window->groupList()->count(), 10);
        QCOMPARE(window->groupList()->itemText(9), QStringLiteral("グループ１０"));
        QCOMPARE(window->groupList()->currentIndex(), 0);

        // Group 1's table differs from the default one.
        state_.score[1] = 95;
        top10::enterTotal(*store_, state_, 95, QStringLiteral("2024-05-06"));
        state_.topNames[2] = "いち";
        top10::registerName(*store_, state_);
        window->fillRows();

        window->groupList()->setCurrentIndex(0);  // the group in use: nothing
        QVERIFY(calls_.isEmpty());
        window->groupList()->setCurrentIndex(3);
        QCOMPARE(calls_, QStringList({QStringLiteral("save"), QStringLiteral("load")}));
        QCOMPARE(state_.group, 3);
        QCOMPARE(window->nameLabel(1)->text(), QStringLiteral("ＲＯＫＥＮ"));
        QCOMPARE(stored(QStringLiteral("ten2")), QStringLiteral("90"));

        // Rename: the window grows; "ＯＫ" only with a name.
        const int height = window->height();
        QTest::mouseClick(window->button(Top10Dialog::Button::Rename), Qt::LeftButton);
        QVERIFY(window->height() > height);
        QVERIFY(!window->groupList()->isEnabled());
        QCOMPARE(window->groupNameEdit()->text(), QStringLiteral("グループ４"));
        QVERIFY(window->button(Top10Dialog::Button::RenameOk)->isEnabled());
        QCOMPARE(window->button(Top10Dialog::Button::RenameCancel)->text(),
                 QStringLiteral("ｷｬﾝｾﾙ"));
        window->groupNameEdit()->clear();
        QVERIFY(!window->button(Top10Dialog::Button::RenameOk)->isEnabled());
        QTest::mouseClick(window->button(Top10Dialog::Button::RenameOk), Qt::LeftButton);
        QVERIFY(window->groupNameEdit()->isVisible());
        QTest::mouseClick(window->button(Top10Dialog::Button::RenameCancel), Qt::LeftButton);
        QCOMPARE(window->height(), height);
        QCOMPARE(window->groupList()->currentText(), QStringLiteral("グループ４"));
        QVERIFY(!store_->contains(u"formm", u"grmdi3"));

        QTest::mouseClick(window->button(Top10Dialog::Button::Rename), Qt::LeftButton);
        window->groupNameEdit()->setText(QStringLiteral("かぞく"));
        QTest::mouseClick(window->button(Top10Dialog::Button::RenameOk), Qt::LeftButton);
        QCOMPARE(window->height(), height);
        QVERIFY(window->groupList()->isEnabled() &&
                window->button(Top10Dialog::Button::GroupOk)->isVisible());
        QCOMPARE(window->groupList()->currentText(), QStringLiteral("かぞく"));
        QCOMPARE(store_->get(u"formm", u"grmdi3", {}), QStringLiteral("かぞく"));
        QCOMPARE(calls_.last(), QStringLiteral("renamed 3 かぞく"));

        // Back to group 0: its table returns.
        window->groupList()->setCurrentIndex(0);
        QCOMPARE(state_.group, 0);
        QCOMPARE(window->nameLabel(1)->text(), QStringLiteral("いち"));
        QCOMPARE(window->groupList()->itemText(3), QStringLiteral("かぞく"));
        window->groupList()->setCurrentIndex(3);
        QTest::mouseClick(window->button(Top10Dialog::Button::GroupOk), Qt::LeftButton);
        QCOMPARE(stored(QStringLiteral("plymdi")), QStringLiteral("3"));
        QCOMPARE(enabled_, 1);
        QTRY_VERIFY(window.isNull());
    }

    // A group whose stashed table was changed by hand: the message and the end.
    void damagedGroup() {
        QPointer<Top10Dialog> window =
            Top10Dialog::open(state_, *store_, hooks(), Top10Dialog::Mode::Group);
        window->groupList()->setCurrentIndex(1);
        window->groupList()->setCurrentIndex(0);  // group 1 is stashed now, with its table
        store_->save(u"form4", u"ten1", QStringLiteral("999"));
        ModalAnswers answers;
        answers.box(QMessageBox::Ok);
        window->groupList()->setCurrentIndex(1);
        QCOMPARE(answers.boxes.size(), 1);
        QCOMPARE(answers.boxes[0].title, QStringLiteral("データ異常"));
        QCOMPARE(ended_, 1);
        QCOMPARE(stored(QStringLiteral("ckkc")), QStringLiteral("9999"));
    }
};

QTEST_MAIN(TestTop10Dialog)
#include "tst_top10dialog.moc"
