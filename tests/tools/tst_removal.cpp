// SPDX-License-Identifier: GPL-3.0-or-later
// plumetdel: deleting everything or only the live TOP-10 table, from the logic and from the
// window's buttons; and what it does with a store it must not or cannot change: nothing, and
// it says so.
#include <sys/stat.h>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <optional>

#include "common/protectedfile.h"
#include "common/smalldisk.h"
#include "removal.h"
#include "removalwindow.h"
#include "toolfixture.h"

using toolfixture::openStore;
using toolfixture::section;
using Pairs = QMap<QString, QString>;

namespace {

const QString kApp = QStringLiteral("plumet2");

Pairs liveTable() {
    Pairs keys;
    for (int n = 1; n <= 10; ++n) {
        keys[QStringLiteral("name%1").arg(n)] = QStringLiteral("ＲＯＫＥＮ");
        keys[QStringLiteral("date%1").arg(n)] = QStringLiteral("1997-04-01");
        keys[QStringLiteral("ten%1").arg(n)] = QString::number((11 - n) * 10);
        keys[QStringLiteral("def%1").arg(n)] = toolfixture::checkString((11 - n) * 10);
    }
    return keys;
}

// Settings of the live profile, the statistics among them: the TOP-10 deletion leaves them.
const Pairs kSettings = {{"top4", "4423"},
                         {"cap4", "あなた"},
                         {"sp", "1"},
                         {"tenka1", "5"},
                         {"seiseki", "games=1 matches=0 places=1,0,0,0"},
                         {"seiseki_classic_ak0_jokerdo_ps3", "games=1 places=1,0,0,0"}};

void store(const QString& name, const Pairs& pairs) {
    const auto settings = openStore(kApp);
    for (auto it = pairs.begin(); it != pairs.end(); ++it) {
        settings->setValue(name + u'/' + it.key(), it.value());
    }
}

// Keeps only the pairs whose key starts with one of the prefixes.
Pairs only(const Pairs& pairs, const QStringList& prefixes) {
    Pairs kept;
    for (auto it = pairs.begin(); it != pairs.end(); ++it) {
        for (const QString& prefix : prefixes) {
            if (it.key().startsWith(prefix)) kept.insert(it.key(), it.value());
        }
    }
    return kept;
}

}  // namespace

class TestRemoval : public QObject {
    Q_OBJECT

  private slots:
    void init() { store_.clear(); }
    void cleanup() { store_.flushUnwrittenChanges(); }

    void deleteEverything_data();
    void deleteEverything();
    void deleteTop10_data();
    void deleteTop10();

    void showsItsTextsCentred();
    void buttonsReportAndClose_data();
    void buttonsReportAndClose();
    void cancelCloses();
    void failedDeletionIsReported_data();
    void failedDeletionIsReported();
    void onlyTheStoreFileCounts_data();
    void onlyTheStoreFileCounts();
    void nearlyFullDisk_data();
    void nearlyFullDisk();
    void storeThatCannotBeRead_data();
    void storeThatCannotBeRead();
    void readOnlyStoreIsKept_data();
    void readOnlyStoreIsKept();
    void throughALink_data();
    void throughALink();

  private:
    // Clicks a button of a fresh window; returns the one message box it showed.
    toolfixture::MessageBoxAnswerer::Shown click(const QString& button, bool* closed = nullptr);
    QByteArray storeBytes() const;
    toolfixture::StoreFolder store_;
};

Pairs merged(Pairs a, const Pairs& b) {
    a.insert(b);
    return a;
}

// A stashed group profile and the group names, which only "全削除" may touch.
const Pairs kStash = merged(liveTable(), {{"ckkc", "1234"}, {"top4", "100"}});
const Pairs kNames = {{"grmdi0", "家族"}};

void storeAll(const Pairs& live) {
    store("form2", live);
    store("form4", kStash);
    store("formm", kNames);
}

void TestRemoval::deleteEverything_data() {
    QTest::addColumn<Pairs>("live");
    QTest::addColumn<bool>("done");
    QTest::newRow("TOP-10 and settings") << merged(liveTable(), kSettings) << true;
    QTest::newRow("only a window position") << Pairs({{"top4", "4423"}}) << true;
    QTest::newRow("only check strings") << only(liveTable(), {"def"}) << true;
    QTest::newRow("settings without def1 or top4")
        << only(kSettings, {"cap", "sp", "seiseki"}) << false;
    QTest::newRow("empty live profile") << Pairs() << false;
}

void TestRemoval::deleteEverything() {
    QFETCH(Pairs, live);
    QFETCH(bool, done);
    storeAll(live);

    QCOMPARE(plumetdel::deleteEverything(*plumetdel::openStore()),
             done ? plumetdel::Outcome::Deleted : plumetdel::Outcome::NothingStored);

    QCOMPARE(QFile::exists(store_.file(kApp)), !done);
    if (done) {
        QVERIFY(openStore(kApp)->allKeys().isEmpty());
    } else {
        QCOMPARE(section(kApp, "form2"), live);
        QCOMPARE(section(kApp, "form4"), kStash);
        QCOMPARE(section(kApp, "formm"), kNames);
    }
}

void TestRemoval::deleteTop10_data() {
    QTest::addColumn<Pairs>("live");
    QTest::addColumn<bool>("done");
    QTest::newRow("table, marker and settings")
        << merged(merged(liveTable(), kSettings), {{"ckkc", "1234"}}) << true;
    QTest::newRow("table without check strings")
        << merged(only(liveTable(), {"name", "date", "ten"}), kSettings) << true;
    QTest::newRow("check strings only") << merged(only(liveTable(), {"def"}), kSettings) << true;
    QTest::newRow("only the marker") << merged(kSettings, {{"ckkc", "9999"}}) << true;
    QTest::newRow("no TOP-10 data") << kSettings << false;
}

void TestRemoval::deleteTop10() {
    QFETCH(Pairs, live);
    QFETCH(bool, done);
    storeAll(live);

    QCOMPARE(plumetdel::deleteTop10(*plumetdel::openStore()),
             done ? plumetdel::Outcome::Deleted : plumetdel::Outcome::NothingStored);

    QCOMPARE(section(kApp, "form2"), kSettings);
    QCOMPARE(section(kApp, "form4"), kStash);
    QCOMPARE(section(kApp, "formm"), kNames);
}

void TestRemoval::showsItsTextsCentred() {
    plumetdel::RemovalWindow window;
    QCOMPARE(window.objectName(), QStringLiteral("Form1"));
    QCOMPARE(window.windowTitle(), QStringLiteral("カドリオの登録データ削除？V3.00"));
    QCOMPARE(window.findChild<QLabel*>("Label1")->text(),
             QStringLiteral(
                 "カドリオ　for　Windows95のＶ３．ｘｘの名前、表示位置等のデータを削除します。"));
    QCOMPARE(window.findChild<QLabel*>("Label2")->text(),
             QStringLiteral("（アンインストール時や初期設定に戻したいときに実行して下さい。）"));
    QCOMPARE(window.findChild<QPushButton*>("Command1")->text(), QStringLiteral("全削除"));
    QCOMPARE(window.findChild<QPushButton*>("Command3")->text(),
             QStringLiteral("ＴＯＰ１０の削除"));
    QCOMPARE(window.findChild<QPushButton*>("Command2")->text(), QStringLiteral("キャンセル"));

    const QRect screen = window.screen()->geometry();
    QVERIFY(qAbs(window.geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(window.geometry().center().y() - screen.center().y()) <= 1);
}

void TestRemoval::buttonsReportAndClose_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("全削除, data") << "Command1" << true << "完了"
                                  << "カドリオのデータを削除しました。";
    QTest::newRow("全削除, no data") << "Command1" << false << "データ無し"
                                     << "カドリオのデータがありませんでした。";
    QTest::newRow("TOP-10, data") << "Command3" << true << "完了"
                                  << "ＴＯＰ１０データを削除しました。";
    QTest::newRow("TOP-10, no data") << "Command3" << false << "データ無し"
                                     << "ＴＯＰ１０データがありませんでした。";
}

void TestRemoval::buttonsReportAndClose() {
    QFETCH(QString, button);
    QFETCH(bool, stored);
    QFETCH(QString, title);
    QFETCH(QString, text);
    if (stored) storeAll(merged(liveTable(), kSettings));

    plumetdel::RemovalWindow window;
    window.show();
    toolfixture::MessageBoxAnswerer answerer;
    window.findChild<QPushButton*>(button)->click();

    QCOMPARE(answerer.shown.size(), 1);
    QCOMPARE(answerer.shown[0].title, title);
    QCOMPARE(answerer.shown[0].text, text);
    QCOMPARE(answerer.shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!window.isVisible());
}

void TestRemoval::cancelCloses() {
    storeAll(merged(liveTable(), kSettings));
    plumetdel::RemovalWindow window;
    window.show();
    window.findChild<QPushButton*>("Command2")->click();
    QVERIFY(!window.isVisible());
    QCOMPARE(section(kApp, "form2"), merged(liveTable(), kSettings));
}

// A deletion that could not be written to the store file is reported as failed, naming the
// file, never as done; the file keeps what it held and the window stays for another try.
void TestRemoval::failedDeletionIsReported_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("全削除") << "Command1"
                            << "カドリオのデータを削除できませんでした。\n"
                               "次のファイルを削除できません：\n%1";
    QTest::newRow("TOP-10") << "Command3"
                            << "ＴＯＰ１０データを削除できませんでした。\n"
                               "次のファイルに書き込めません：\n%1";
}

void TestRemoval::failedDeletionIsReported() {
    QFETCH(QString, button);
    QFETCH(QString, text);
    storeAll(merged(merged(liveTable(), kSettings), {{"ckkc", "1234"}}));
    QFile file(store_.file(kApp));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    plumetdel::RemovalWindow window;
    window.show();
    toolfixture::MessageBoxAnswerer answerer;
    {
        toolfixture::ReadOnlyFolder readOnly(QFileInfo(file).path(), store_.path());
        QVERIFY(readOnly.inForce());
        window.findChild<QPushButton*>(button)->click();
    }

    QCOMPARE(answerer.shown.size(), 1);
    QCOMPARE(answerer.shown[0].title, QStringLiteral("削除失敗"));
    QCOMPARE(answerer.shown[0].text, text.arg(store_.file(kApp)));
    QCOMPARE(answerer.shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(window.isVisible());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

// A stray "plumet.ini" beside the store's folder or a system-wide copy of the store is not
// the game's data: neither button finds data in it, and it stays as it was.
void TestRemoval::onlyTheStoreFileCounts_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("noneText");
    const QString stray = store_.strayFile("plumet.ini");
    const QString systemApp = store_.systemFolder() + "/plumet/plumet2.ini";
    const QString systemOrg = store_.systemFolder() + "/plumet.ini";
    const QString all = "カドリオのデータがありませんでした。";
    const QString top10 = "ＴＯＰ１０データがありませんでした。";
    QTest::newRow("全削除, stray plumet.ini") << "Command1" << stray << all;
    QTest::newRow("全削除, system plumet2.ini") << "Command1" << systemApp << all;
    QTest::newRow("全削除, system plumet.ini") << "Command1" << systemOrg << all;
    QTest::newRow("TOP-10, stray plumet.ini") << "Command3" << stray << top10;
    QTest::newRow("TOP-10, system plumet2.ini") << "Command3" << systemApp << top10;
}

void TestRemoval::onlyTheStoreFileCounts() {
    QFETCH(QString, button);
    QFETCH(QString, file);
    QFETCH(QString, noneText);
    const QByteArray text = "[form2]\ndef1=32494848\nten1=100\nname1=ROKEN\ntop4=4423\nckkc=1234\n";
    toolfixture::writeIni(file, text);

    plumetdel::RemovalWindow window;
    window.show();
    toolfixture::MessageBoxAnswerer answerer;
    window.findChild<QPushButton*>(button)->click();

    QCOMPARE(answerer.shown.size(), 1);
    QCOMPARE(answerer.shown[0].title, QStringLiteral("データ無し"));
    QCOMPARE(answerer.shown[0].text, noneText);
    QFile read(file);
    QVERIFY(read.open(QIODevice::ReadOnly));
    QCOMPARE(read.readAll(), text);
    QVERIFY(!QFile::exists(store_.file(kApp)));
}

toolfixture::MessageBoxAnswerer::Shown TestRemoval::click(const QString& button, bool* closed) {
    plumetdel::RemovalWindow window;
    window.show();
    toolfixture::MessageBoxAnswerer answerer;
    window.findChild<QPushButton*>(button)->click();
    if (closed) *closed = !window.isVisible();
    if (answerer.shown.size() != 1) return {};
    return answerer.shown[0];
}

QByteArray TestRemoval::storeBytes() const {
    QFile file(store_.file(kApp));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the store's folder holds besides the store and a small disk's filler.
QStringList strayFiles(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                               QDir::NoDotAndDotDot);
    names.removeAll("plumet2.ini");
    names.removeAll("filler");
    return names;
}

// A disk without room for the store's new file: "ＴＯＰ１０の削除" fails, says so and leaves
// the file byte for byte; "全削除" needs no room and deletes it. No temporary file stays.
void TestRemoval::nearlyFullDisk_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("free");  // bytes; -1: half the file
    QTest::newRow("TOP-10, nothing free") << "Command3" << 0;
    QTest::newRow("TOP-10, half the file free") << "Command3" << -1;
    QTest::newRow("全削除, nothing free") << "Command1" << 0;
}

void TestRemoval::nearlyFullDisk() {
    QFETCH(QString, button);
    QFETCH(int, free);
    const QString folder = QFileInfo(store_.file(kApp)).path();
    SmallDisk disk(folder, 128 * 1024);
    qInfo("small disk: %s", qPrintable(disk.kind()));
    storeAll(merged(merged(liveTable(), kSettings), {{"ckkc", "1234"}}));
    // Eight more groups, each with a note: a store of some 20 KB.
    Pairs noted = kStash;
    for (int k = 0; k < 30; ++k) noted[QStringLiteral("memo%1").arg(k)] = QString(20, u'メ');
    for (int group = 5; group <= 12; ++group) store(QStringLiteral("form%1").arg(group), noted);
    const QByteArray before = storeBytes();
    QVERIFY(before.size() > 16 * 1024);
    QVERIFY(disk.leaveFree(free < 0 ? before.size() / 2 : free));

    bool closed = false;
    const auto shown = click(button, &closed);
    if (button == "Command3") {
        QCOMPARE(shown.title, QStringLiteral("削除失敗"));
        QCOMPARE(shown.text, QStringLiteral("ＴＯＰ１０データを削除できませんでした。\n"
                                            "次のファイルに書き込めません：\n%1")
                                 .arg(store_.file(kApp)));
        QVERIFY(!closed);
        QCOMPARE(storeBytes(), before);
    } else {
        QCOMPARE(shown.title, QStringLiteral("完了"));
        QVERIFY(closed);
        QVERIFY(!QFile::exists(store_.file(kApp)));
    }
    QCOMPARE(strayFiles(folder), QStringList());
}

// A store file that is there but cannot be read (a folder or a named pipe in its place, no
// permission to read it) is not "データ無し": both buttons name the file and say they
// deleted nothing, never wait on a pipe, and leave it as it was.
void TestRemoval::storeThatCannotBeRead_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    const QString all =
        "カドリオのデータを読み込めませんでした。\n"
        "次のファイルを読み込めません：\n%1\n何も削除していません。";
    const QString top10 =
        "ＴＯＰ１０データを読み込めませんでした。\n"
        "次のファイルを読み込めません：\n%1\n何も削除していません。";
    for (const char* kind : {"folder", "pipe", "no access"}) {
        QTest::addRow("全削除, %s", kind) << "Command1" << kind << all;
        QTest::addRow("TOP-10, %s", kind) << "Command3" << kind << top10;
    }
}

void TestRemoval::storeThatCannotBeRead() {
    QFETCH(QString, button);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    const QString path = store_.file(kApp);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    std::optional<ProtectedFile> noAccess;
    if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == "pipe") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        storeAll(merged(liveTable(), kSettings));
        noAccess.emplace(path, store_.path(), ProtectedFile::Protection::NoAccess);
        QVERIFY(noAccess->inForce());
    }
    const QFileInfo before(path);

    bool closed = true;
    const auto shown = click(button, &closed);
    noAccess.reset();

    QCOMPARE(shown.title, QStringLiteral("読込失敗"));
    QCOMPARE(shown.text, text.arg(path));
    QVERIFY(!closed);
    const QFileInfo after(path);
    QVERIFY(after.exists());
    QCOMPARE(after.isDir(), before.isDir());
    QCOMPARE(after.size(), before.size());
    if (kind == "no access") QCOMPARE(section(kApp, "form2"), merged(liveTable(), kSettings));
}

// A store file the player made read-only is kept as it is by both buttons, which say they
// failed; nothing reappears or goes.
void TestRemoval::readOnlyStoreIsKept_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("全削除") << "Command1"
                            << "カドリオのデータを削除できませんでした。\n"
                               "次のファイルを削除できません：\n%1";
    QTest::newRow("TOP-10") << "Command3"
                            << "ＴＯＰ１０データを削除できませんでした。\n"
                               "次のファイルに書き込めません：\n%1";
}

void TestRemoval::readOnlyStoreIsKept() {
    QFETCH(QString, button);
    QFETCH(QString, text);
    storeAll(merged(merged(liveTable(), kSettings), {{"ckkc", "1234"}}));
    const QByteArray before = storeBytes();
    toolfixture::MessageBoxAnswerer::Shown shown;
    bool closed = true;
    {
        ProtectedFile readOnly(store_.file(kApp), store_.path(),
                               ProtectedFile::Protection::ReadOnly);
        QVERIFY(readOnly.inForce());
        shown = click(button, &closed);
    }
    QCOMPARE(shown.title, QStringLiteral("削除失敗"));
    QCOMPARE(shown.text, text.arg(store_.file(kApp)));
    QVERIFY(!closed);
    QCOMPARE(storeBytes(), before);
    QCOMPARE(strayFiles(QFileInfo(store_.file(kApp)).path()), QStringList());
}

// A store that is a link to a file kept elsewhere: "全削除" deletes that file and keeps the
// link; "ＴＯＰ１０の削除" writes the file through the link. Temporary files a crashed writer
// left beside the file go as well.
void TestRemoval::throughALink_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("全削除") << "Command1";
    QTest::newRow("TOP-10") << "Command3";
}

void TestRemoval::throughALink() {
    QFETCH(QString, button);
    const QString link = store_.file(kApp);
    const QString real = store_.path() + "/dotfiles/plumet2.ini";
    QVERIFY(QDir().mkpath(QFileInfo(real).path()));
    QVERIFY(QDir().mkpath(QFileInfo(link).path()));
    QVERIFY(QFile::link(real, link));
    storeAll(merged(merged(liveTable(), kSettings), {{"ckkc", "1234"}}));
    QVERIFY(QFileInfo(link).isSymLink());
    toolfixture::writeIni(real + ".Q1w2E3", "[form2]\n");

    const auto shown = click(button);
    QCOMPARE(shown.title, QStringLiteral("完了"));
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(!QFile::exists(real + ".Q1w2E3"));
    if (button == "Command1") {
        QVERIFY(!QFile::exists(real));
    } else {
        QCOMPARE(section(kApp, "form2"), kSettings);
        QCOMPARE(section(kApp, "form4"), kStash);
        QCOMPARE(section(kApp, "formm"), kNames);
    }
}

QTEST_MAIN(TestRemoval)
#include "tst_removal.moc"
