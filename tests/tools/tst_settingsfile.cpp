// SPDX-License-Identifier: GPL-3.0-or-later
// The store file as both companion programs read, write and delete it: the very text the game
// writes, whole or not at all, never a file that is not the store's plain file.
#include <sys/stat.h>
#include <QDateTime>
#include <QPoint>
#include <QRandomGenerator>
#include <QRect>
#include <QTest>
#include <optional>

#include "common/protectedfile.h"
#include "common/settingsfile.h"
#include "common/smalldisk.h"
#include "data/inifile.h"
#include "toolfixture.h"

using namespace Qt::Literals::StringLiterals;
using toolcommon::SettingsFile;

namespace {

// The bytes of a plain file (nothing for anything else: a named pipe would keep the open
// waiting).
QByteArray bytesOf(const QString& file) {
    QFile read(file);
    if (!QFileInfo(file).isFile() || !read.open(QIODevice::ReadOnly)) return {};
    return read.readAll();
}

// What the store's folder holds besides the store files and a small disk's filler.
QStringList strayFiles(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                               QDir::NoDotAndDotDot);
    for (const char* name : {"plumet.ini", "plumet2.ini", "filler"})
        names.removeAll(QString::fromLatin1(name));
    return names;
}

}  // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

  private slots:
    void init() { store_.clear(); }
    void cleanup() { store_.flushUnwrittenChanges(); }

    void pathOfAnApplication();
    void writesTheGamesText();
    void readsAndWritesWhatQSettingsWrote();
    void failedSaveLeavesTheFile_data();
    void failedSaveLeavesTheFile();
    void savePutsChangesOnTopOfTheFile();
    void saveDeletesLeftTemporaryFiles();
    void removeFile_data();
    void removeFile();

  private:
    QString folder() const { return QFileInfo(store_.file("plumet2")).path(); }

    toolfixture::StoreFolder store_;
};

void TestSettingsFile::pathOfAnApplication() {
    QCOMPARE(toolcommon::settingsFilePath("plumet2"), store_.file("plumet2"));
    QCOMPARE(SettingsFile("plumet").fileName(), store_.file("plumet"));
}

// The companion programs write a store byte for byte as the game's own writer does, for
// values of every kind QSettings reads from a file.
void TestSettingsFile::writesTheGamesText() {
    const QList<QVariant> kinds = {u"ＲＯＫＥＮ, \"x\" \\ @"_s,
                                   u"@Invalid()"_s,
                                   u" blank "_s,
                                   QString(),
                                   QStringList{u"a"_s, u"b"_s},
                                   QStringList(),
                                   QVariantList{QVariant(u"x"_s)},
                                   QByteArray("\x01\xff"),
                                   QRect(1, 2, 3, 4),
                                   QPoint(5, 6),
                                   QDateTime(QDate(1997, 4, 1), QTime(1, 2, 3), Qt::UTC),
                                   QVariant()};
    const QStringList names = {u"form2"_s, u"formm"_s, u"General"_s, u"キー"_s, u"a b"_s};
    QRandomGenerator random(1997);
    for (int round = 0; round < 100; ++round) {
        QMap<QString, QVariant> entries;
        for (int k = random.bounded(12); k > 0; --k) {
            const QString path = names[random.bounded(names.size())] + u'/' +
                                 names[random.bounded(names.size())] +
                                 QString::number(random.bounded(3));
            entries.insert(path, kinds[random.bounded(kinds.size())]);
        }
        QCOMPARE(toolcommon::inifile::format(entries), plumet::inifile::format(entries));
    }
}

// A store QSettings wrote is read as QSettings reads it; a change saved keeps every other
// key as QSettings read it.
void TestSettingsFile::readsAndWritesWhatQSettingsWrote() {
    toolfixture::writeIni(store_.file("plumet2"),
                          "[form2]\ntop=1365\ncap4=\"a, b\"\nlist=a, b\nname1=ＲＯＫＥＮ\n"
                          "bytes=@ByteArray(raw)\n\n[formm]\ngrmdi0=家族\n");
    const auto before = toolfixture::openStore("plumet2");
    SettingsFile file("plumet2");
    QVERIFY(file.readable());
    for (const QString& key : before->allKeys()) QCOMPARE(file.value(key), before->value(key));
    QCOMPARE(file.childKeys("form2"), QStringList({"bytes", "cap4", "list", "name1", "top"}));
    file.setValue("form2/moves", "64");
    file.remove("formm");
    QVERIFY(file.save());
    const auto after = toolfixture::openStore("plumet2");
    QCOMPARE(after->value("form2/moves").toString(), u"64"_s);
    QVERIFY(!after->contains("formm/grmdi0"));
    for (const QString& key : before->allKeys()) {
        if (!key.startsWith(u"formm/")) QCOMPARE(after->value(key), before->value(key));
    }
}

// Whatever keeps a save from reaching the disk (a disk with too little room, a folder or a
// file the player may not write, something that is no plain file under the store's name),
// the file stays byte for byte, no temporary file is left, and the save says it failed.
void TestSettingsFile::failedSaveLeavesTheFile_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("small disk, nothing free") << "disk 0";
    QTest::newRow("small disk, half the file free") << "disk half";
    QTest::newRow("folder read-only") << "read-only folder";
    QTest::newRow("file read-only") << "read-only file";
    QTest::newRow("file not readable") << "no access";
    QTest::newRow("a folder in the file's place") << "folder";
    QTest::newRow("a named pipe in the file's place") << "pipe";
}

void TestSettingsFile::failedSaveLeavesTheFile() {
    QFETCH(QString, fault);
    const QString path = store_.file("plumet2");
    std::optional<SmallDisk> disk;
    if (fault.startsWith(u"disk")) disk.emplace(folder());
    QByteArray text;
    for (int k = 0; k < 600; ++k) text += "key" + QByteArray::number(k) + "=値、ＲＯＫＥＮ\n";
    toolfixture::writeIni(path, "[form2]\n" + text);
    if (fault == u"folder") {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path));
    } else if (fault == u"pipe") {
        QVERIFY(QFile::remove(path));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    const QByteArray before = bytesOf(path);
    if (disk) QVERIFY(disk->leaveFree(fault == u"disk 0" ? 0 : before.size() / 2));
    std::optional<toolfixture::ReadOnlyFolder> readOnlyFolder;
    std::optional<ProtectedFile> protectedFile;
    if (fault == u"read-only folder") readOnlyFolder.emplace(folder(), store_.path());
    if (fault == u"read-only file")
        protectedFile.emplace(path, store_.path(), ProtectedFile::Protection::ReadOnly);
    if (fault == u"no access")
        protectedFile.emplace(path, store_.path(), ProtectedFile::Protection::NoAccess);

    SettingsFile file("plumet2");
    QCOMPARE(file.readable(), fault != u"no access" && fault != u"folder" && fault != u"pipe");
    for (int k = 0; k < 200; k += 2) file.setValue(QStringLiteral("form2/key%1").arg(k), "新");
    file.remove("form2/key1");
    QVERIFY(!file.save());
    readOnlyFolder.reset();
    protectedFile.reset();

    if (fault != u"folder" && fault != u"pipe") QCOMPARE(bytesOf(path), before);
    if (fault == u"folder") QVERIFY(QFileInfo(path).isDir() && QDir(path).isEmpty());
    if (fault == u"pipe") QVERIFY(!QFileInfo(path).isFile() && QFileInfo(path).exists());
    QCOMPARE(strayFiles(folder()), QStringList());
}

// The game may write the store while a program has it open: a save puts the program's
// changes on top of what the file holds then.
void TestSettingsFile::savePutsChangesOnTopOfTheFile() {
    toolfixture::writeIni(store_.file("plumet2"), "[form2]\nten1=100\nname1=a\n");
    SettingsFile file("plumet2");
    file.remove("form2/name1");
    {
        const auto game = toolfixture::openStore("plumet2");
        game->setValue("form2/cap4", "はな");
    }
    QVERIFY(file.save());
    const QMap<QString, QString> expected = {{"ten1", "100"}, {"cap4", "はな"}};
    QCOMPARE(toolfixture::section("plumet2", "form2"), expected);
}

// Temporary files a writer killed midway left beside the store ("plumet2.ini.XXXXXX") go
// with the next save; a lock file left empty by a crash does not keep it from the disk.
void TestSettingsFile::saveDeletesLeftTemporaryFiles() {
    toolfixture::writeIni(store_.file("plumet2"), "[form2]\nten1=100\n");
    for (const char* name : {"plumet2.ini.Xy12Zz", "plumet2.ini.lock", "plumet2.ini.keep"}) {
        QFile left(folder() + u'/' + QString::fromLatin1(name));
        QVERIFY(left.open(QIODevice::WriteOnly));
    }
    QFile lock(folder() + "/plumet2.ini.lock");
    QVERIFY(lock.open(QIODevice::ReadWrite));
    QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-5),
                             QFileDevice::FileModificationTime));
    lock.close();
    SettingsFile file("plumet2");
    file.setValue("form2/ten1", "90");
    QVERIFY(file.save());
    QCOMPARE(strayFiles(folder()), QStringList({"plumet2.ini.keep"}));
    QCOMPARE(toolfixture::section("plumet2", "form2").value("ten1"), u"90"_s);
}

// Deleting the store: through a link its target goes and the link stays; a read-only or an
// unreadable file is kept; deleting needs no room on the disk.
void TestSettingsFile::removeFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("removed");
    QTest::newRow("a plain file") << "file" << true;
    QTest::newRow("a link to a file elsewhere") << "link" << true;
    QTest::newRow("on a full disk") << "full disk" << true;
    QTest::newRow("read-only") << "read-only" << false;
    QTest::newRow("not readable") << "no access" << false;
}

void TestSettingsFile::removeFile() {
    QFETCH(QString, kind);
    QFETCH(bool, removed);
    const QString path = store_.file("plumet2");
    QString real = path;
    std::optional<SmallDisk> disk;
    if (kind == u"full disk") disk.emplace(folder());
    if (kind == u"link") {
        real = store_.path() + "/elsewhere/mine.ini";
        QVERIFY(QDir().mkpath(QFileInfo(real).path()));
        QVERIFY(QDir().mkpath(folder()));
        QVERIFY(QFile::link(real, path));
    }
    toolfixture::writeIni(real, "[form2]\ndef1=32494848\n");
    const QString left = real + ".AAAAAA";  // a temporary file a crashed writer left
    toolfixture::writeIni(left, "[form2]\n");
    if (disk) QVERIFY(disk->leaveFree(0));
    const QByteArray before = bytesOf(real);
    std::optional<ProtectedFile> protectedFile;
    if (kind == u"read-only")
        protectedFile.emplace(real, store_.path(), ProtectedFile::Protection::ReadOnly);
    if (kind == u"no access")
        protectedFile.emplace(real, store_.path(), ProtectedFile::Protection::NoAccess);

    SettingsFile file("plumet2");
    QCOMPARE(file.removeFile(), removed);
    protectedFile.reset();

    QCOMPARE(QFile::exists(real), !removed);
    QCOMPARE(QFile::exists(left), !removed);
    if (!removed) QCOMPARE(bytesOf(real), before);
    if (kind == u"link") QVERIFY(QFileInfo(path).isSymLink());
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
