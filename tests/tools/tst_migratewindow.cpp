// SPDX-License-Identifier: GPL-3.0-or-later
// The window of plume1to3: its texts, its place on the screen, and a migration run from its
// buttons with the message boxes answered.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <optional>

#include "common/smalldisk.h"
#include "migrationwindow.h"
#include "toolfixture.h"

using Answerer = toolfixture::MessageBoxAnswerer;
using toolfixture::openStore;
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

class TestMigrateWindow : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { store_.flushUnwrittenChanges(); }

    void showsItsTextsCentred();
    void reportsMissingOldData_data();
    void reportsMissingOldData();
    void migratesAndAsksAboutTheOldData_data();
    void migratesAndAsksAboutTheOldData();
    void failedWriteKeepsTheOldData_data();
    void failedWriteKeepsTheOldData();
    void nearlyFullDiskKeepsBothStores_data();
    void nearlyFullDiskKeepsBothStores();
    void cancelCloses();

  private:
    QPushButton* button(QWidget& window, const char* name) {
        return window.findChild<QPushButton*>(QString::fromLatin1(name));
    }

    toolfixture::StoreFolder store_;
    std::unique_ptr<QTemporaryDir> workFolder_;
};

void TestMigrateWindow::init() {
    store_.clear();
    workFolder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(workFolder_->isValid());
    // The group files are looked for in the current folder.
    QVERIFY(QDir::setCurrent(workFolder_->path()));
}

void TestMigrateWindow::showsItsTextsCentred() {
    plume1to3::MigrationWindow window;
    QCOMPARE(window.objectName(), QStringLiteral("Form1"));
    QCOMPARE(window.windowTitle(), QStringLiteral("カドリオデータ移行"));
    const QStringList lines = {
        "カドリオforWindows95 V2.xx以前のデータを", "V3.00以降のデータに変換致します。",
        "注意：V3.00以降のデータがあっても", "V2.xx以前のデータを上書きします。"};
    for (int i = 0; i < lines.size(); ++i) {
        const auto* label = window.findChild<QLabel*>(QStringLiteral("Label%1").arg(i + 1));
        QVERIFY(label);
        QCOMPARE(label->text(), lines[i]);
    }
    QCOMPARE(button(window, "Command1")->text(), QStringLiteral("実　行"));
    QCOMPARE(button(window, "Command2")->text(), QStringLiteral("キャンセル"));

    const QRect screen = window.screen()->geometry();
    QVERIFY(qAbs(window.geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(window.geometry().center().y() - screen.center().y()) <= 1);
}

// Only the old application's own file holds old data: a stray "plumet.ini" beside the
// store's folder or a system-wide copy is neither read nor touched.
void TestMigrateWindow::reportsMissingOldData_data() {
    QTest::addColumn<QString>("otherFile");
    QTest::newRow("nothing stored") << QString();
    QTest::newRow("stray plumet.ini") << store_.strayFile("plumet.ini");
    QTest::newRow("system plumet/plumet.ini") << store_.systemFolder() + "/plumet/plumet.ini";
    QTest::newRow("system plumet.ini") << store_.systemFolder() + "/plumet.ini";
}

void TestMigrateWindow::reportsMissingOldData() {
    QFETCH(QString, otherFile);
    const QByteArray text = "[form2]\ntop=1365\ndef1=32494848\n\n[mdiform1]\ntop=0\n";
    if (!otherFile.isEmpty()) toolfixture::writeIni(otherFile, text);

    plume1to3::MigrationWindow window;
    window.show();
    Answerer answerer;
    button(window, "Command1")->click();

    QCOMPARE(answerer.shown.size(), 1);
    QCOMPARE(answerer.shown[0].title, QStringLiteral("見つからない・・"));
    QCOMPARE(answerer.shown[0].text, QStringLiteral("旧バージョンが見つかりませんでした。"));
    QCOMPARE(answerer.shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(window.isVisible());
    QVERIFY(!QFile::exists(store_.file("plumet2")));
    if (!otherFile.isEmpty()) {
        QFile read(otherFile);
        QVERIFY(read.open(QIODevice::ReadOnly));
        QCOMPARE(read.readAll(), text);
    }
}

void TestMigrateWindow::migratesAndAsksAboutTheOldData_data() {
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("keep the old data") << QMessageBox::No;
    QTest::newRow("delete the old data") << QMessageBox::Yes;
}

void TestMigrateWindow::migratesAndAsksAboutTheOldData() {
    QFETCH(QMessageBox::StandardButton, answer);
    openStore("plumet")->setValue("form2/top", "1365");
    QByteArrayList damaged = toolfixture::groupFileLines(toolfixture::defaultEntries());
    damaged[0] = "-32143,1";
    toolfixture::writeLines(workFolder_->filePath("g12.cfg"), damaged);
    toolfixture::writeLines(workFolder_->filePath("g15.cfg"),
                            toolfixture::groupFileLines(toolfixture::defaultEntries()));

    plume1to3::MigrationWindow window;
    window.show();
    Answerer answerer({QMessageBox::Ok, answer});
    button(window, "Command1")->click();

    QCOMPARE(answerer.shown.size(), answer == QMessageBox::Yes ? 3 : 2);
    QCOMPARE(answerer.shown[0].title, QStringLiteral("データ異常"));
    QCOMPARE(answerer.shown[0].text,
             QStringLiteral("グループ3のデータが異常です。\nグループ3のデータ移行は行いません。"));
    QCOMPARE(answerer.shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(answerer.shown[1].title, QStringLiteral("元データの削除？"));
    QCOMPARE(answerer.shown[1].text,
             QStringLiteral("データ移行が完了致しました。\nV2.xx以前のデータを削除しますか？"));
    QCOMPARE(answerer.shown[1].buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(answerer.shown[1].defaultButton, QMessageBox::No);
    if (answer == QMessageBox::Yes) {
        QCOMPARE(answerer.shown[2].title, QStringLiteral("完了"));
        QCOMPARE(answerer.shown[2].text, QStringLiteral("V2.xx以前のデータを削除しました。"));
    }

    QVERIFY(!window.isVisible());
    QCOMPARE(openStore("plumet")->contains("form2/top"), answer == QMessageBox::No);
    QVERIFY(QFile::exists(workFolder_->filePath("g12.cfg")));
    QVERIFY(QFile::exists(workFolder_->filePath("g15.cfg")));
    const auto fresh = openStore("plumet2");
    QCOMPARE(fresh->value("form2/top").toString(), QStringLiteral("1365"));
    QVERIFY(!fresh->contains("form5/def1"));
    QCOMPARE(fresh->value("form8/def1").toString(), QStringLiteral("32494848"));
}

// A migration whose store file could not be written, or does not read back as written, ends
// in one message naming the file; the old data is not offered for deletion and stays whole.
void TestMigrateWindow::failedWriteKeepsTheOldData_data() {
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::newRow("plumet2.ini is a folder") << false;
    QTest::newRow("store folder read-only") << true;
}

void TestMigrateWindow::failedWriteKeepsTheOldData() {
    QFETCH(bool, readOnlyFolder);
    openStore("plumet")->setValue("form2/top", "1365");
    QFile oldFile(store_.file("plumet"));
    QVERIFY(oldFile.open(QIODevice::ReadOnly));
    const QByteArray oldBytes = oldFile.readAll();
    oldFile.close();
    const QString newFile = store_.file("plumet2");
    std::optional<toolfixture::ReadOnlyFolder> readOnly;
    if (readOnlyFolder) {
        readOnly.emplace(QFileInfo(newFile).path(), store_.path());
        QVERIFY(readOnly->inForce());
    } else {
        QVERIFY(QDir().mkpath(newFile));
    }

    plume1to3::MigrationWindow window;
    window.show();
    // Were the deletion offered, this answer would take it.
    Answerer answerer({QMessageBox::Yes, QMessageBox::Ok});
    button(window, "Command1")->click();
    readOnly.reset();

    QCOMPARE(answerer.shown.size(), 1);
    QCOMPARE(answerer.shown[0].title, QStringLiteral("データ移行失敗"));
    QCOMPARE(answerer.shown[0].text, QStringLiteral("データ移行に失敗しました。\n"
                                                    "次のファイルに書き込めませんでした：\n%1\n"
                                                    "V2.xx以前のデータは削除していません。")
                                         .arg(newFile));
    QCOMPARE(answerer.shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    // The window stays, so that the player can try again once the folder is writable.
    QVERIFY(window.isVisible());
    QVERIFY(oldFile.open(QIODevice::ReadOnly));
    QCOMPARE(oldFile.readAll(), oldBytes);
}

// A disk without room for the new store: the migration fails with its message, the existing
// plumet2.ini stays byte for byte (no empty or cut file), the old data is not offered for
// deletion and stays, and no temporary file is left.
void TestMigrateWindow::nearlyFullDiskKeepsBothStores_data() {
    QTest::addColumn<int>("free");  // bytes; -1: half the new store's present file
    QTest::newRow("nothing free") << 0;
    QTest::newRow("half the file free") << -1;
}

void TestMigrateWindow::nearlyFullDiskKeepsBothStores() {
    QFETCH(int, free);
    const QString folder = QFileInfo(store_.file("plumet2")).path();
    SmallDisk disk(folder);
    qInfo("small disk: %s", qPrintable(disk.kind()));
    {
        const auto old = openStore("plumet");
        for (int k = 0; k < 150; ++k)
            old->setValue(QStringLiteral("form2/key%1").arg(k), "古い値、ＲＯＫＥＮ");
        old->setValue("form2/top", "1365");
        const auto present = openStore("plumet2");
        for (int k = 0; k < 300; ++k)
            present->setValue(QStringLiteral("form%1/key%2").arg(k % 5 + 3).arg(k), "今の値");
        present->setValue("form2/def1", "32494848");
    }
    QFile oldFile(store_.file("plumet"));
    QVERIFY(oldFile.open(QIODevice::ReadOnly));
    const QByteArray oldBytes = oldFile.readAll();
    oldFile.close();
    QFile newFile(store_.file("plumet2"));
    QVERIFY(newFile.open(QIODevice::ReadOnly));
    const QByteArray newBytes = newFile.readAll();
    newFile.close();
    QVERIFY(disk.leaveFree(free < 0 ? newBytes.size() / 2 : free));

    plume1to3::MigrationWindow window;
    window.show();
    Answerer answerer({QMessageBox::Yes, QMessageBox::Ok});
    button(window, "Command1")->click();

    QCOMPARE(answerer.shown.size(), 1);
    QCOMPARE(answerer.shown[0].title, QStringLiteral("データ移行失敗"));
    QVERIFY(window.isVisible());
    QVERIFY(newFile.open(QIODevice::ReadOnly));
    QCOMPARE(newFile.readAll(), newBytes);
    QVERIFY(oldFile.open(QIODevice::ReadOnly));
    QCOMPARE(oldFile.readAll(), oldBytes);
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(files, QStringList({"filler", "plumet.ini", "plumet2.ini"}));
}

void TestMigrateWindow::cancelCloses() {
    openStore("plumet")->setValue("form2/top", "1365");
    plume1to3::MigrationWindow window;
    window.show();
    button(window, "Command2")->click();
    QVERIFY(!window.isVisible());
    QVERIFY(!QFile::exists(store_.file("plumet2")));
}

QTEST_MAIN(TestMigrateWindow)
#include "tst_migratewindow.moc"
