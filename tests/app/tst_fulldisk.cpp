// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program on a small, nearly full disk, as a player meets one: what the player saves
// at quit, with "保存後タイトルへ", with "登録" in the name entry, at a group switch, and with
// "書出" over an earlier export does not fit. One message says so, the action does not pretend,
// and the store (and the earlier export) stays byte for byte, with no temporary file left. And
// "読込" of a named pipe is refused at once instead of waiting on it for ever.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <optional>

#include <sys/stat.h>

#include "common/modalanswers.h"
#include "common/smalldisk.h"
#include "common/tempstore.h"
#include "data/store.h"
#include "data/top10.h"
#include "data/topfile.h"
#include "programfixture.h"
#include "rules/laying.h"
#include "ui/windows/nameentry.h"
#include "ui/windows/resultswindow.h"
#include "ui/windows/top10dialog.h"

using namespace plumet;
using plumet::test::isUnsavedMessage;
using plumet::test::Run;
using plumet::test::shownWindow;

namespace {

// The store as a player family with all ten groups has it: the live profile stashed for each
// group as a group switch stashes it, each with its own TOP-10 names, and the groups' names:
// some 12 KB.
bool storeSeveralGroups() {
    Store store;
    const KeyValues live = store.list(u"form2");
    {
        Store::Batch batch(store);
        for (int group = 0; group <= 9; ++group) {
            const QString section = QStringLiteral("form%1").arg(group + 3);
            for (const auto& [key, value] : live) store.save(section, key, value);
            for (int place = 1; place <= 10; ++place) {
                store.save(section, QStringLiteral("name%1").arg(place),
                           QStringLiteral("やまだ　はなこ（グループ%1）").arg(group + 1));
            }
            store.save(u"formm", QStringLiteral("grmdi%1").arg(group),
                       QStringLiteral("家族%1").arg(group + 1));
        }
    }
    return store.ok();
}

QByteArray bytesOf(const QString& file) {
    QFile read(file);
    return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
}

}  // namespace

class FullDiskTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<TempStore> dir_;
    std::optional<SmallDisk> disk_;

    QString folder() const { return dir_->path() + QStringLiteral("/plumet"); }
    QString backup() const { return folder() + QStringLiteral("/backup.dat"); }
    // What the disk holds besides the store, the earlier export and the filler.
    QStringList strayFiles() const {
        QStringList names = QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden |
                                                     QDir::System | QDir::NoDotAndDotDot);
        for (const char* name : {"plumet2.ini", "backup.dat", "filler"})
            names.removeAll(QString::fromLatin1(name));
        return names;
    }

  private slots:
    void init() {
        dir_ = std::make_unique<TempStore>();
        disk_.emplace(folder(), 128 * 1024);
        qInfo("small disk: %s", qPrintable(disk_->kind()));
    }
    void cleanup() {
        disk_.reset();
        dir_.reset();
    }

    void nothingIsLost_data();
    void nothingIsLost();
    void exportKeepsTheEarlierFile_data();
    void exportKeepsTheEarlierFile();
    void namedPipeImportIsRefused();
};

void FullDiskTest::nothingIsLost_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("free");  // bytes
    for (const char* action : {"quit", "saved match", "name registration", "group switch"}) {
        QTest::addRow("%s, 4 KB free", action) << action << 4096;
        QTest::addRow("%s, 8 KB free", action) << action << 8192;
    }
}

void FullDiskTest::nothingIsLost() {
    QFETCH(QString, action);
    QFETCH(int, free);
    {
        Run first;  // the data initialised, and the settings stored at quit
        ModalAnswers answers;
        answers.box(QMessageBox::Ok);  // "終了？"
        QVERIFY(first.main().close());
    }
    QVERIFY(storeSeveralGroups());
    QByteArray bytes;
    // The disk fills before the program starts, or (for the name of a new TOP-10 entry) just
    // before the name is registered.
    const auto fill = [this, &bytes, free] {
        bytes = TempStore::fileBytes();
        QVERIFY2(bytes.size() > 12 * 1024, QByteArray::number(bytes.size()).constData());
        QVERIFY(disk_->leaveFree(free));
    };
    if (action != u"name registration") fill();
    Run run;
    QVERIFY(run.started);
    ModalAnswers answers;
    int questions = 0;  // boxes before the message

    if (action == u"quit") {
        run.items().aceKing->trigger();
        answers.box(QMessageBox::Ok);  // "終了？"
        answers.box(QMessageBox::Ok);
        questions = 1;
        QVERIFY(run.main().close());
    } else if (action == u"saved match") {
        run.startSilentMatch(3);
        // The game's end cannot store the game's statistics: said once, then the results.
        answers.box(QMessageBox::Ok);
        questions = 1;
        ResultsWindow* results = run.playToResults();
        QVERIFY(results);
        answers.box(QMessageBox::Ok);
        QTest::mouseClick(results->button(ResultsWindow::Button::SaveToTitle), Qt::LeftButton);
        // Not stored: the results window stays with the match, and nothing offers to
        // continue a match that is not there.
        QCOMPARE(shownWindow<ResultsWindow>(), results);
        QCOMPARE(run.state().savedGameNumber, std::int16_t{0});
        QVERIFY(!run.items().continueMatch->isEnabled());
    } else if (action == u"name registration") {
        NameEntry* entry = run.playToNameEntry();
        QVERIFY(entry);
        fill();
        entry->nameEdit()->setText(QStringLiteral("やまだ"));
        answers.box(QMessageBox::Ok);
        QTest::mouseClick(entry->registerButton(), Qt::LeftButton);
        // The window stays for another try.
        QVERIFY(entry->isVisible());
        QVERIFY(entry->close());
    } else if (action == u"group switch") {
        run.items().changeGroup->trigger();
        auto* dialog = shownWindow<Top10Dialog>();
        QVERIFY(dialog);
        answers.box(QMessageBox::Ok);
        dialog->groupList()->setCurrentIndex(2);
        // The group in use stays, with its table and its name in the caption.
        QCOMPARE(run.state().group, std::int16_t{0});
        QCOMPARE(dialog->groupList()->currentIndex(), 0);
        QCOMPARE(run.main().windowTitle(), QStringLiteral("カドリオ   （ 家族1 ）"));
    }

    QVERIFY(answers.done());
    QVERIFY2(answers.unexpected.isEmpty(), qPrintable(answers.unexpected.join(u'\n')));
    QCOMPARE(answers.boxes.size(), questions + 1);
    QVERIFY2(isUnsavedMessage(answers.boxes.last()), qPrintable(answers.boxes.last().text));
    QCOMPARE(TempStore::fileBytes(), bytes);
    QCOMPARE(strayFiles(), QStringList());
}

// "書出" over an earlier export (the player's backup) with too little room: the earlier file
// stays byte for byte, no temporary file is left, and one message says the export failed.
void FullDiskTest::exportKeepsTheEarlierFile_data() {
    QTest::addColumn<int>("free");  // bytes; -1: half the file (an export is less than a page)
    QTest::newRow("nothing free") << 0;
    QTest::newRow("half the file free") << -1;
}

void FullDiskTest::exportKeepsTheEarlierFile() {
    QFETCH(int, free);
    { Run first; }
    GameState earlier;
    top10::setDefaultTable(earlier);
    earlier.topNames[1] = "前に書き出した表";
    QVERIFY(topfile::exportTable(backup(), earlier));
    const QByteArray backupBytes = bytesOf(backup());
    const QByteArray bytes = TempStore::fileBytes();
    QVERIFY(disk_->leaveFree(free < 0 ? backupBytes.size() / 2 : free));
    Run run;
    QVERIFY(run.started);
    run.items().showTop10->trigger();
    auto* dialog = shownWindow<Top10Dialog>();
    QVERIFY(dialog);

    // The player picks the earlier file, answers "replace it?" with yes, and reads what comes.
    // The file dialog's answer opens that question in a loop of its own, so it is given from
    // a timer of its own: a timer's handler does not run again while it runs.
    QList<QPointer<QWidget>> answered;
    QStringList questions;
    QList<ModalAnswers::Box> messages;
    QTimer player;
    player.setInterval(0);
    connect(&player, &QTimer::timeout, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || answered.contains(modal)) return;
        answered.append(modal);
        if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            QTimer::singleShot(0, files, [this, files] {
                // Typed into the name box: the dialog's list of the folder may not be read
                // yet, and an existing file is selected only from that list.
                files->setDirectory(folder());
                files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                    ->setText(QFileInfo(backup()).fileName());
                static_cast<QDialog*>(files)->accept();  // the file dialog's own accept
            });
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
                questions.append(box->text());
                yes->click();
            } else {
                messages.append(
                    {box->windowTitle(), box->text(), box->frameGeometry(), box->font().family()});
                box->button(QMessageBox::Ok)->click();
            }
        }
    });
    player.start();
    QTest::mouseClick(dialog->button(Top10Dialog::Button::Export), Qt::LeftButton);
    player.stop();

    QCOMPARE(questions.size(), 1);  // "backup.dat already exists. Do you want to replace it?"
    QCOMPARE(bytesOf(backup()), backupBytes);
    QCOMPARE(TempStore::fileBytes(), bytes);
    QCOMPARE(strayFiles(), QStringList());
    // The player is told, once, naming the file.
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].title, QStringLiteral("書き出せません"));
    QVERIFY(messages[0].text.contains(QDir::toNativeSeparators(backup())));
}

// "読込" of a named pipe: refused with the message of a file that is no TOP-10 file, at once
// (opening a pipe with no writer would wait for ever); the table and the store stay.
void FullDiskTest::namedPipeImportIsRefused() {
    { Run first; }
    const QString pipe = dir_->path() + QStringLiteral("/pipe.dat");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QByteArray bytes = TempStore::fileBytes();
    Run run;
    QVERIFY(run.started);
    run.items().showTop10->trigger();
    auto* dialog = shownWindow<Top10Dialog>();
    QVERIFY(dialog);
    ModalAnswers answers;
    answers.box(QMessageBox::Ok);  // "ベスト１０データを上書きします。…よろしいですか？"
    answers.file(pipe);
    answers.box(QMessageBox::Ok);
    QTest::mouseClick(dialog->button(Top10Dialog::Button::Import), Qt::LeftButton);
    QVERIFY(answers.done());
    QVERIFY2(answers.unexpected.isEmpty(), qPrintable(answers.unexpected.join(u'\n')));
    QCOMPARE(answers.boxes.size(), 2);
    QCOMPARE(answers.boxes[1].title, QStringLiteral("データ異常"));
    QCOMPARE(answers.boxes[1].text,
             QStringLiteral("データが異常です。\nベスト１０は更新されませんでした。"));
    QCOMPARE(dialog->nameLabel(0)->text(), QStringLiteral("ＲＯＫＥＮ"));
    QCOMPARE(TempStore::fileBytes(), bytes);
}

QTEST_MAIN(FullDiskTest)
#include "tst_fulldisk.moc"
