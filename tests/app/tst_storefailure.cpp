// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program over a settings store it cannot use, as a player meets it: a folder the
// player may not write (what the game saves fails; one message names the file, the action
// does not pretend, the file stays byte for byte) and a file that cannot be read (the game
// starts on the defaults, says so once, and leaves the file alone at exit).
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <optional>

#include "app/japaneseui.h"
#include "common/modalanswers.h"
#include "common/readonlyfolder.h"
#include "common/tempstore.h"
#include "data/store.h"
#include "programfixture.h"
#include "rules/laying.h"
#include "ui/dialogs/namesdialog.h"
#include "ui/inputblock.h"
#include "ui/table/handwindow.h"
#include "ui/toolbar.h"
#include "ui/windows/nameentry.h"
#include "ui/windows/resultswindow.h"
#include "ui/windows/top10dialog.h"

using namespace plumet;
using plumet::test::isUnsavedMessage;
using plumet::test::Run;
using plumet::test::shownWindow;

namespace {}  // namespace

class StoreFailureTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<TempStore> dir_;
    QFont platformFont_;  // the application's font before any program set up its own

  private slots:
    void initTestCase() { platformFont_ = QApplication::font(); }
    void init() {
        dir_ = std::make_unique<TempStore>();
        QApplication::setFont(platformFont_);
    }
    void cleanup() { dir_.reset(); }

    void unwritableStore_data();
    void unwritableStore();
    void unreadableStore();
};

void StoreFailureTest::unwritableStore_data() {
    QTest::addColumn<QString>("action");
    for (const char* action : {"settings at exit", "names", "group switch", "game end",
                               "saved match", "TOP-10 entry", "name registration"})
        QTest::newRow(action) << action;
}

// What a player saves into a folder they may not write: one message naming the file per
// action, the action reports its failure, and nothing stored changes.
void StoreFailureTest::unwritableStore() {
    QFETCH(QString, action);
    {
        Run first;  // the data initialised
    }
    // The folder becomes read-only before the program starts, or (for the name of a new
    // TOP-10 entry) just before the name is registered.
    std::optional<ReadOnlyFolder> readOnly;
    QByteArray bytes;
    const auto lock = [this, &readOnly, &bytes] {
        bytes = TempStore::fileBytes();
        QVERIFY(!bytes.isEmpty());
        readOnly.emplace(dir_->path() + QStringLiteral("/plumet"), dir_->path());
        QVERIFY(readOnly->inForce());
    };
    if (action != u"name registration") lock();
    Run run;
    QVERIFY(run.started);
    ModalAnswers answers;
    int questions = 0;  // boxes of the game's own before the message

    if (action == u"settings at exit") {
        run.items().aceKing->trigger();
        answers.box(QMessageBox::Ok);  // "終了？"
        answers.box(QMessageBox::Ok);
        questions = 1;
        QVERIFY(run.main().close());
    } else if (action == u"names") {
        run.items().changeNames->trigger();
        auto* names = shownWindow<NamesDialog>();
        QVERIFY(names);
        names->findChild<QLineEdit*>(QStringLiteral("Text1_0"))->setText(QStringLiteral("はな"));
        answers.box(QMessageBox::Ok);
        QTest::mouseClick(names->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);
        QCOMPARE(run.program->session().human().windowTitle(), QStringLiteral("はな"));
    } else if (action == u"group switch") {
        run.items().changeGroup->trigger();
        auto* dialog = shownWindow<Top10Dialog>();
        QVERIFY(dialog);
        answers.box(QMessageBox::Ok);
        dialog->groupList()->setCurrentIndex(2);
        // The group in use stays, with its table and its name in the caption.
        QCOMPARE(run.state().group, std::int16_t{0});
        QCOMPARE(dialog->groupList()->currentIndex(), 0);
        QCOMPARE(run.main().windowTitle(), QStringLiteral("カドリオ   （ グループ１ ）"));
        QCOMPARE(dialog->nameLabel(0)->text(), QStringLiteral("ＲＯＫＥＮ"));
    } else if (action == u"game end") {
        // The game is counted in the statistics when it ends: not stored, said once, and the
        // results show all the same.
        run.startSilentMatch(3);
        answers.box(QMessageBox::Ok);
        QVERIFY(run.playToResults());
    } else if (action == u"saved match") {
        run.startSilentMatch(3);
        answers.box(QMessageBox::Ok);  // the game's end, not counted
        questions = 1;
        ResultsWindow* results = run.playToResults();
        QVERIFY(results);
        answers.box(QMessageBox::Ok);
        QTest::mouseClick(results->button(ResultsWindow::Button::SaveToTitle), Qt::LeftButton);
        // Not stored: the results window stays, the match with it, and nothing offers to
        // continue a match that is not there.
        QCOMPARE(shownWindow<ResultsWindow>(), results);
        QCOMPARE(run.state().gameNumber, std::int16_t{1});
        QCOMPARE(run.state().savedGameNumber, std::int16_t{0});
        QVERIFY(!run.items().continueMatch->isEnabled());
        QTest::mouseClick(results->button(ResultsWindow::Button::Proceed),
                          Qt::LeftButton);  // the next game goes on
        QTRY_COMPARE(run.state().gameNumber, std::int16_t{2});
        QVERIFY(!run.items().continueMatch->isEnabled());
    } else if (action == u"TOP-10 entry") {
        run.startSilentMatch(3);
        run.state().gameNumber = 10;
        run.state().score[kHuman] = 500;
        answers.box(QMessageBox::Ok);  // the game's and the match's end, not counted
        questions = 1;
        ResultsWindow* results = run.playToResults();
        QVERIFY(results);
        answers.box(QMessageBox::Ok);
        QTest::mouseClick(results->button(ResultsWindow::Button::Proceed), Qt::LeftButton);
        // The table as stored, without the entry and without a name to enter.
        auto* table = shownWindow<Top10Dialog>();
        QVERIFY(table);
        QVERIFY(!shownWindow<NameEntry>());
        QCOMPARE(table->rowLabel(0)->text(), QStringLiteral("1997-04-01  100  "));
        QTest::mouseClick(table->button(Top10Dialog::Button::Ok), Qt::LeftButton);
        QTRY_VERIFY(acceptsInput(&run.main()));
    } else if (action == u"name registration") {
        NameEntry* entry = run.playToNameEntry();
        QVERIFY(entry);
        lock();
        entry->nameEdit()->setText(QStringLiteral("やまだ"));
        answers.box(QMessageBox::Ok);
        QTest::mouseClick(entry->registerButton(), Qt::LeftButton);
        // The window stays for another try; closing it gives up and gives the main window
        // back, with no second message.
        QVERIFY(entry->isVisible());
        QVERIFY(!acceptsInput(&run.main()));
        QVERIFY(entry->close());
        QTRY_VERIFY(!shownWindow<Top10Dialog>() && !shownWindow<NameEntry>());
        QVERIFY(acceptsInput(&run.main()));
    }

    QVERIFY(answers.done());
    QVERIFY2(answers.unexpected.isEmpty(), qPrintable(answers.unexpected.join(u'\n')));
    QCOMPARE(answers.boxes.size(), questions + 1);
    QVERIFY2(isUnsavedMessage(answers.boxes.last()), qPrintable(answers.boxes.last().text));
    QCOMPARE(TempStore::fileBytes(), bytes);
}

// A folder in the file's place: the game starts on the defaults and says so once, naming
// the file, in the game's UI font although the title has not shown yet; it writes nothing at
// exit and says nothing more.
void StoreFailureTest::unreadableStore() {
    const QString uiFamily =
        chooseUiFamily(QFontDatabase::families(), QFontDatabase::families(QFontDatabase::Japanese));
    if (uiFamily.isEmpty()) QSKIP("no Japanese font installed");
    QVERIFY(QDir().mkpath(Store::filePath()));
    speeds::timing() = {0, 0, false, 0};
    ModalAnswers answers;
    answers.box(QMessageBox::Ok);
    Program program(test::buildData());
    QVERIFY(program.start());
    QTRY_VERIFY(program.main().isVisible());
    QCOMPARE(answers.boxes.size(), 1);
    QCOMPARE(answers.boxes[0].title, QStringLiteral("設定を読み込めません"));
    QVERIFY(answers.boxes[0].text.contains(Store::filePath()));
    QCOMPARE(answers.boxes[0].font, uiFamily);
    QCOMPARE(program.main().windowTitle(), QStringLiteral("カドリオ   （ グループ１ ）"));
    QVERIFY(!program.main().items().continueMatch->isEnabled());
    QVERIFY(program.main().items().paceNormal->isChecked());

    program.main().items().aceKing->trigger();
    answers.box(QMessageBox::Ok);  // "終了？"
    QVERIFY(program.main().close());
    QVERIFY(answers.done());
    QCOMPARE(answers.boxes.size(), 2);
    QCOMPARE(answers.boxes[1].title, QStringLiteral("終了？"));
    QVERIFY(answers.unexpected.isEmpty());
    QVERIFY(QFileInfo(Store::filePath()).isDir());
    QVERIFY(QDir(Store::filePath()).isEmpty());
}

QTEST_MAIN(StoreFailureTest)
#include "tst_storefailure.moc"
