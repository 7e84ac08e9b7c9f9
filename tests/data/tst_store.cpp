// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store on its real INI files in a private XDG_CONFIG_HOME: what it writes reads
// back through QSettings, files QSettings wrote read the same, and no fault of the disk, the
// folder, a lock or a crash loses or cuts what is stored.
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPoint>
#include <QProcess>
#include <QRandomGenerator>
#include <QRect>
#include <QRegularExpression>
#include <QSettings>
#include <QSysInfo>
#include <QTest>

#include "common/protectedfile.h"
#include "common/readonlyfolder.h"
#include "common/smalldisk.h"
#include "common/tempstore.h"
#include "data/inifile.h"
#include "data/store.h"

using namespace plumet;
using namespace Qt::Literals::StringLiterals;

namespace {

// The files in the store's folder other than the store itself and a small disk's filler:
// what a write left behind.
QStringList strayFiles() {
    QStringList names =
        QDir(QFileInfo(Store::filePath()).path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.removeAll(QStringLiteral("plumet2.ini"));
    names.removeAll(QStringLiteral("filler"));
    return names;
}

// Every key of the file with its value, as QSettings reads it from disk now.
inifile::Entries onDisk() {
    const QSettings settings(Store::filePath(), QSettings::IniFormat);
    inifile::Entries entries;
    for (const QString& key : settings.allKeys()) entries.insert(key, settings.value(key));
    return entries;
}

// A store as a player with several groups has it: the live profile and four stashed ones,
// some 20 KB.
void storeSeveralGroups() {
    Store store;
    Store::Batch batch(store);
    for (const char* section : {"form2", "form3", "form4", "form5", "form6"}) {
        for (int k = 0; k < 60; ++k) {
            store.save(QString::fromLatin1(section), QStringLiteral("key%1").arg(k),
                       QStringLiteral("値%1、ＲＯＫＥＮ, \"引用\" \\ 1997-04-01").arg(k));
        }
    }
    store.save(u"formm", u"grmdi0", QStringLiteral("家族"));
}

// Sets a file's modification time `seconds` into the past.
void age(const QString& file, int seconds) {
    QFile handle(file);
    QVERIFY(handle.open(QIODevice::ReadWrite));
    QVERIFY(handle.setFileTime(QDateTime::currentDateTime().addSecs(-seconds),
                               QFileDevice::FileModificationTime));
}

}  // namespace

class TestStore : public QObject {
    Q_OBJECT

  private slots:
    void applicationsAreFilesInThePlumetFolder() {
        TempStore temp;
        Store game;
        Store old(kOldApplication);
        game.save(u"form2", u"moves", QStringLiteral("64"));
        old.save(u"form2", u"moves", QStringLiteral("16"));
        QCOMPARE(Store::filePath(), temp.path() + "/plumet/plumet2.ini");
        QCOMPARE(Store::filePath(kOldApplication), temp.path() + "/plumet/plumet.ini");
        QVERIFY(TempStore::fileBytes().contains("[form2]\nmoves=64"));
        QVERIFY(TempStore::fileBytes(kOldApplication).contains("moves=16"));
        QCOMPARE(game.get(u"form2", u"moves", {}), QStringLiteral("64"));
        QCOMPARE(old.get(u"form2", u"moves", {}), QStringLiteral("16"));
    }

    void absentKeyGivesTheDefault() {
        TempStore temp;
        Store store;
        QCOMPARE(store.get(u"form2", u"ckkc", QStringLiteral("1968")), QStringLiteral("1968"));
        QVERIFY(!store.contains(u"form2", u"ckkc"));
        QVERIFY(!QFileInfo::exists(Store::filePath()));  // reading writes nothing
    }

    void valuesComeBackAsTheyWere_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("Japanese") << "ＲＯＫＥＮ山田";
        QTest::newRow("half-width katakana") << "ｷｬﾝｾﾙ";
        QTest::newRow("empty") << "";
        QTest::newRow("blanks around") << "  a b  ";
        QTest::newRow("comma") << "1, 2";
        QTest::newRow("semicolon and equals") << "a;b=c";
        QTest::newRow("quotes") << "\"q\"";
        QTest::newRow("at sign") << "@Variant(x)";
        QTest::newRow("backslash and slash") << "C:\\cards/set";
        QTest::newRow("line break") << "1 位\nあがり！";
        QTest::newRow("place text") << "1 位 / あがり！";
        QTest::newRow("emoji") << "🂡";
    }
    void valuesComeBackAsTheyWere() {
        QFETCH(QString, value);
        TempStore temp;
        {
            Store store;
            store.save(u"form2", u"name1", value);
        }
        Store fresh;  // read from the file, not from memory
        QCOMPARE(fresh.get(u"form2", u"name1", QStringLiteral("none")), value);
    }

    void keysAreCaseSensitive() {
        TempStore temp;
        Store store;
        store.save(u"form2", u"top", QStringLiteral("1"));
        store.save(u"form2", u"Top", QStringLiteral("2"));
        QCOMPARE(store.get(u"form2", u"top", {}), QStringLiteral("1"));
        QCOMPARE(store.get(u"form2", u"Top", {}), QStringLiteral("2"));
    }

    void removeKeySectionAndApplication() {
        TempStore temp;
        Store store;
        Store old(kOldApplication);
        store.save(u"form2", u"sp", QStringLiteral("3"));
        store.save(u"form2", u"p1", QStringLiteral("12"));
        store.save(u"form3", u"sp", QStringLiteral("5"));
        store.save(u"formm", u"grmdi0", QStringLiteral("家族"));
        old.save(u"form2", u"sp", QStringLiteral("1"));

        store.remove(u"form2", u"sp");
        QVERIFY(!store.contains(u"form2", u"sp"));
        QVERIFY(store.contains(u"form2", u"p1"));

        store.removeSection(u"form2");
        QVERIFY(!store.contains(u"form2", u"p1"));
        QCOMPARE(store.get(u"form3", u"sp", {}), QStringLiteral("5"));
        QVERIFY(!TempStore::fileBytes().contains("[form2]"));

        store.removeApplication();
        QVERIFY(!QFileInfo::exists(Store::filePath()));
        QVERIFY(!store.contains(u"formm", u"grmdi0"));
        QCOMPARE(old.get(u"form2", u"sp", {}), QStringLiteral("1"));  // the other application stays

        store.save(u"form2", u"sp", QStringLiteral("2"));  // and the store works on
        QCOMPARE(Store().get(u"form2", u"sp", {}), QStringLiteral("2"));
    }

    void listGivesEveryPairOfOneSection() {
        TempStore temp;
        Store store;
        store.save(u"form2", u"ten1", QStringLiteral("100"));
        store.save(u"form2", u"name1", QStringLiteral("ＲＯＫＥＮ"));
        store.save(u"form2", u"tenjun1", QString());
        store.save(u"form3", u"ten1", QStringLiteral("90"));
        const KeyValues pairs = store.list(u"form2");
        QCOMPARE(pairs.size(), 3);
        QVERIFY(pairs.contains(qMakePair(QStringLiteral("name1"), QStringLiteral("ＲＯＫＥＮ"))));
        QVERIFY(pairs.contains(qMakePair(QStringLiteral("ten1"), QStringLiteral("100"))));
        QVERIFY(pairs.contains(qMakePair(QStringLiteral("tenjun1"), QString())));
        QVERIFY(store.list(u"form9").isEmpty());
    }

    void aBatchIsOneWrite() {
        TempStore temp;
        Store store;
        store.save(u"form2", u"ten1", QStringLiteral("100"));
        {
            Store::Batch batch(store);
            store.save(u"form2", u"ten1", QStringLiteral("120"));
            {
                Store::Batch inner(store);
                store.save(u"form2", u"def1", QStringLiteral("32495048"));
            }
            QVERIFY(TempStore::fileBytes().contains("ten1=100"));  // nothing on disk yet
            QVERIFY(!TempStore::fileBytes().contains("def1"));
            QCOMPARE(store.get(u"form2", u"ten1", {}), QStringLiteral("120"));
        }
        QVERIFY(TempStore::fileBytes().contains("ten1=120"));
        QVERIFY(TempStore::fileBytes().contains("def1=32495048"));
    }

    // A file edited by hand into nonsense reads as well as it can and stays writable.
    void handEditedFileNeverCrashes() {
        TempStore temp;
        QDir().mkpath(temp.path() + "/plumet");
        QFile file(Store::filePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        static const char kText[] =
            "[form2]\nname1=a,b\nname2=@Invalid()\nname3=@Variant(\\0\\0\\0\\x7f\\0garbage)\n"
            "name4=@Rect(1 2 3 4)\nname5=@ByteArray(\xe5\xb1\xb1)\n\x01\xff\xfe=x\n"
            "no equals sign\n[broken\nten1=  90 \nname6=\"unterminated\n\0\0\0";
        file.write(kText, sizeof kText - 1);  // the NULs at its end included
        file.close();
        Store store;
        QCOMPARE(store.get(u"form2", u"name1", {}), QStringLiteral("a,b"));
        QCOMPARE(store.get(u"form2", u"name2", QStringLiteral("def")), QStringLiteral("def"));
        QCOMPARE(store.get(u"form2", u"name3", QStringLiteral("def")), QStringLiteral("def"));
        store.get(u"form2", u"name4", {});
        store.get(u"form2", u"name5", {});
        store.get(u"form2", u"name6", {});
        store.list(u"form2");
        store.list(u"broken");
        store.save(u"form2", u"moves", QStringLiteral("64"));
        QVERIFY(store.ok());
        QCOMPARE(Store().get(u"form2", u"moves", {}), QStringLiteral("64"));
    }

    // A plain file where the store's folder should be: no write can succeed.
    void unwritableFolderIsReportedNotFatal() {
        TempStore temp;
        QFile blocker(temp.path() + "/plumet");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Store store;
        store.save(u"form2", u"moves", QStringLiteral("64"));
        QVERIFY(!store.ok());
        QCOMPARE(store.get(u"form2", u"ckkc", QStringLiteral("1968")), QStringLiteral("1968"));
    }

    // A folder the player may not write: every write of a batch fails as one, the file stays
    // byte for byte, the store reads what the file holds; once the folder is writable again
    // the next write goes through. Also for a hand-edited file whose format error QSettings
    // reports first.
    void failedWriteIsTakenBack_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("clean file") << QByteArray("[form2]\nten1=100\nname1=a\n");
        QTest::newRow("format error") << QByteArray("[form2]\nten1=100\nname1=a\nno equals\n");
    }
    void failedWriteIsTakenBack() {
        QFETCH(QByteArray, text);
        TempStore temp;
        const QString folder = temp.path() + "/plumet";
        QDir().mkpath(folder);
        QFile file(Store::filePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        {
            ReadOnlyFolder readOnly(folder, temp.path());
            QVERIFY(readOnly.inForce());
            Store store;
            QVERIFY(store.readable());
            const Store::Watch watch(store);
            {
                Store::Batch batch(store);
                store.save(u"form2", u"ten1", QStringLiteral("120"));
                store.remove(u"form2", u"name1");
                store.save(u"form2", u"def1", QStringLiteral("32495048"));
            }
            QVERIFY(!watch.ok());
            QVERIFY(!store.ok());
            QCOMPARE(store.get(u"form2", u"ten1", {}), QStringLiteral("100"));
            QCOMPARE(store.get(u"form2", u"name1", {}), QStringLiteral("a"));
            QVERIFY(!store.contains(u"form2", u"def1"));
            const Store::Watch single(store);
            store.removeSection(u"form2");
            QVERIFY(!single.ok());
            QCOMPARE(store.get(u"form2", u"ten1", {}), QStringLiteral("100"));
            QCOMPARE(TempStore::fileBytes(), text);
        }
        Store store;
        const Store::Watch watch(store);
        store.save(u"form2", u"moves", QStringLiteral("64"));
        QVERIFY(watch.ok());
        QVERIFY(TempStore::fileBytes().contains("moves=64"));
        QVERIFY(TempStore::fileBytes().contains("ten1=100"));
        QVERIFY(!TempStore::fileBytes().contains("def1"));
    }

    // A file that is there but cannot be read: the store gives the defaults, never waits on
    // it (a named pipe would block an open for reading), never writes or deletes it.
    void unreadableFileIsLeftAlone_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a named pipe") << "pipe";
        QTest::newRow("no permission to read") << "no permission";
        QTest::newRow("a loop of links") << "link loop";
    }
    void unreadableFileIsLeftAlone() {
        QFETCH(QString, kind);
        TempStore temp;
        const QString file = Store::filePath();
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        const QByteArray native = QFile::encodeName(file);
        std::optional<ProtectedFile> protection;
        if (kind == u"folder") {
            QVERIFY(QDir().mkpath(file));
        } else if (kind == u"pipe") {
            QCOMPARE(::mkfifo(native.constData(), 0600), 0);
        } else if (kind == u"no permission") {
            TempStore::store("ckkc", QStringLiteral("1234"));
            protection.emplace(file, temp.path(), ProtectedFile::Protection::NoAccess);
            QVERIFY(protection->inForce());
        } else {
            QCOMPARE(::symlink("plumet2.ini", native.constData()), 0);
        }
        struct stat before {};
        QCOMPARE(::lstat(native.constData(), &before), 0);

        Store store;
        QVERIFY(!store.readable());
        QCOMPARE(store.get(u"form2", u"ckkc", QStringLiteral("1968")), QStringLiteral("1968"));
        const Store::Watch watch(store);
        store.save(u"form2", u"ckkc", QStringLiteral("1234"));
        QVERIFY(!watch.ok());
        QCOMPARE(store.get(u"form2", u"ckkc", QStringLiteral("1968")), QStringLiteral("1968"));
        store.removeApplication();
        QVERIFY(!Store().readable());

        struct stat after {};
        QCOMPARE(::lstat(native.constData(), &after), 0);
        protection.reset();
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_size, before.st_size);
        if (kind == u"folder") QVERIFY(QDir(file).isEmpty());
        QCOMPARE(strayFiles(), QStringList());
    }

    // A writer killed at random moments leaves a file that parses and holds one whole
    // generation of its values, never a mix or a torn line; the next writer goes on.
    void killedWriterLeavesOldOrNewFile() {
        TempStore temp;
        const QRegularExpression line(QStringLiteral("^k(\\d{3})=(\\d+)-(あ{200})$"));
        for (int round = 0; round < 12; ++round) {
            QProcess writer;
            writer.start(QStringLiteral(STOREWRITER));
            QVERIFY(writer.waitForStarted());
            // One generation is on disk (a lock the killed writer before left behind holds
            // this one up for a second at most).
            QVERIFY(writer.waitForReadyRead(60000));
            QTest::qWait(QRandomGenerator::global()->bounded(1, 40));
            writer.kill();
            QVERIFY(writer.waitForFinished());

            QFile file(Store::filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QStringList lines =
                QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
            QCOMPARE(lines.value(0), QStringLiteral("[form2]"));
            QCOMPARE(lines.size(), 201);
            QSet<QString> generations;
            for (int k = 1; k < lines.size(); ++k) {
                const auto match = line.match(lines[k]);
                QVERIFY2(match.hasMatch(), qPrintable(lines[k].left(40)));
                QCOMPARE(match.captured(1).toInt(), k - 1);
                generations.insert(match.captured(2));
            }
            QCOMPARE(generations.size(), 1);

            QSettings reader(Store::filePath(), QSettings::IniFormat);
            QCOMPARE(reader.status(), QSettings::NoError);
        }
        Store store;  // a lock left by the killed writer does not block the next write
        store.save(u"form2", u"moves", QStringLiteral("64"));
        QVERIFY(store.ok());
        QVERIFY(TempStore::fileBytes().contains("moves=64"));
        // and the temporary files of the writes it cut off are gone with that write
        QCOMPARE(strayFiles(), QStringList());
    }

    // Random keys and values of every kind of character: the file the store writes reads back
    // through QSettings (the reader of every version of the game and of the companion
    // programs) to the very values saved, all of them text.
    void writtenTextReadsBackThroughQSettings() {
        static const QStringList pieces = {u"ＲＯＫＥＮ"_s,
                                           u"山田"_s,
                                           u"ｷｬﾝｾﾙ"_s,
                                           u"あがり！"_s,
                                           u"🂡"_s,
                                           u"é"_s,
                                           u","_s,
                                           u", "_s,
                                           u";"_s,
                                           u"="_s,
                                           u"\""_s,
                                           u"'"_s,
                                           u"\\"_s,
                                           u"/"_s,
                                           u"@"_s,
                                           u"@@"_s,
                                           u"@Invalid()"_s,
                                           u"@ByteArray(x)"_s,
                                           u"@Variant(\x01)"_s,
                                           u" "_s,
                                           u"  "_s,
                                           u"\t"_s,
                                           u"\n"_s,
                                           u"\r\n"_s,
                                           u"\x01"_s,
                                           u"\x7f"_s,
                                           u"#"_s,
                                           u"[x]"_s,
                                           u"%"_s,
                                           u"%U0041"_s,
                                           u"a"_s,
                                           u"Z"_s,
                                           u"0"_s,
                                           u"9f"_s,
                                           u"1997-04-01"_s,
                                           u"-12"_s};
        static const QStringList sections = {u"form2"_s,   u"form12"_s, u"formm"_s,
                                             u"General"_s, u"x y"_s,    u"グループ"_s};
        static const QStringList keys = {u"name1"_s,   u"ten10"_s, u"a b"_s,  u"キー"_s,
                                         u"x.y-z_1"_s, u"%41"_s,   u"k;,="_s, u"Top"_s};
        QRandomGenerator random(20240611);
        for (int round = 0; round < 150; ++round) {
            TempStore temp;
            QMap<QString, QString> saved;
            {
                Store store;
                Store::Batch batch(store);
                for (int k = 0; k < 12; ++k) {
                    const QString section = sections[random.bounded(sections.size())];
                    const QString key = keys[random.bounded(keys.size())];
                    QString value;
                    for (int p = random.bounded(7); p > 0; --p)
                        value += pieces[random.bounded(pieces.size())];
                    store.save(section, key, value);
                    saved[section + u'/' + key] = value;
                }
            }
            const inifile::Entries read = onDisk();
            QCOMPARE(read.keys(), saved.keys());
            for (auto it = saved.cbegin(); it != saved.cend(); ++it) {
                const QVariant value = read.value(it.key());
                QCOMPARE(value.typeId(), int(QMetaType::QString));
                QCOMPARE(value.toString(), it.value());
            }
            const Store fresh;
            for (auto it = saved.cbegin(); it != saved.cend(); ++it) {
                const qsizetype slash = it.key().indexOf(u'/');
                QCOMPARE(fresh.get(it.key().first(slash), it.key().sliced(slash + 1), u"-"_s),
                         it.value());
            }
        }
    }

    // Values QSettings reads as something other than text (a list, bytes, a rectangle, a
    // data stream, "@Invalid()"), as a hand-edited or an old file holds them: written by
    // the store, they read back the same.
    void valuesOfEveryKindReadBackTheSame() {
        TempStore temp;
        const inifile::Entries entries = {
            {u"form2/list"_s, QStringList{u"a"_s, u"b, c"_s, u"@x"_s}},
            {u"form2/empty list"_s, QStringList()},
            {u"form2/one item"_s, QVariantList{QVariant(u"x"_s)}},
            {u"form2/items"_s, QVariantList{QVariant(1), QVariant(u"@y"_s)}},
            {u"form2/bytes"_s, QByteArray("\x01\xff@(),")},
            {u"form2/rect"_s, QRect(1, -2, 3, 4)},
            {u"form2/point"_s, QPoint(-5, 6)},
            {u"form2/time"_s, QDateTime(QDate(1997, 4, 1), QTime(12, 34, 56), Qt::UTC)},
            {u"form2/number"_s, QVariant(qint64(-12))},
            {u"form2/invalid"_s, QVariant()},
            {u"form2/text"_s, u"ＲＯＫＥＮ, \"@\""_s},
            {u"form2/nul"_s, QString(u"a\0b"_s)},
            {u"top"_s, u"outside any section"_s},
        };
        QVERIFY(QDir().mkpath(QFileInfo(Store::filePath()).path()));
        QFile file(Store::filePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(inifile::format(entries));
        file.close();
        const inifile::Entries read = onDisk();
        QCOMPARE(read.keys(), entries.keys());
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            if (it.key() == u"form2/number") {
                QCOMPARE(read.value(it.key()), QVariant(u"-12"_s));  // text, as QSettings writes it
            } else if (it.key() == u"form2/empty list") {
                QVERIFY(!read.value(it.key()).isValid());  // "@Invalid()", as QSettings writes it
            } else if (it.key() == u"form2/items") {
                QCOMPARE(read.value(it.key()).toList().value(1), QVariant(u"@y"_s));
            } else {
                QCOMPARE(read.value(it.key()), it.value());
            }
        }
        // What QSettings read, the store writes again as the same text.
        QCOMPARE(inifile::format(read), inifile::format(onDisk()));
        QCOMPARE(inifile::format(read), TempStore::fileBytes());
    }

    // A file QSettings wrote (as every earlier version of the game did) reads the same through
    // the store, and after the store has written it, QSettings reads every other key of it as
    // it did before.
    void filesQSettingsWroteReadTheSame() {
        TempStore temp;
        QRandomGenerator random(19970401);
        QMap<QString, QString> texts;
        {
            QSettings settings(Store::filePath(), QSettings::IniFormat);
            const QStringView characters = u" ,;=\"\\@あｱ字aZ09\n\t%[]";
            for (int k = 0; k < 80; ++k) {
                QString value;
                for (int c = random.bounded(12); c > 0; --c)
                    value += characters[random.bounded(int(characters.size()))];
                const QString where = QStringLiteral("form%1/key%2").arg(k % 4 + 2).arg(k);
                settings.setValue(where, value);
                texts[where] = value;
            }
            settings.setValue("form2/list", QStringList{u"a"_s, u"b"_s});
            settings.setValue("form2/bytes", QByteArray("raw"));
        }
        const inifile::Entries before = onDisk();
        Store store;
        for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
            const qsizetype slash = it.key().indexOf(u'/');
            QCOMPARE(store.get(it.key().first(slash), it.key().sliced(slash + 1), u"-"_s),
                     it.value());
        }
        QCOMPARE(store.get(u"form2", u"list", {}), u"a,b"_s);
        QCOMPARE(store.get(u"form2", u"bytes", {}), u"raw"_s);

        store.save(u"form2", u"moves", u"64"_s);
        QVERIFY(store.ok());
        inifile::Entries after = onDisk();
        QCOMPARE(after.take(u"form2/moves"_s), QVariant(u"64"_s));
        QCOMPARE(after, before);
    }

    // A small disk with less room than the store needs: every write of a batch fails as
    // one, the file stays byte for byte, the store takes the changes back, no temporary file
    // is left; with room again the same write goes through.
    void nearlyFullDiskLeavesTheFileWhole_data() {
        QTest::addColumn<int>("free");  // bytes; -1: half the file
        QTest::newRow("nothing free") << 0;
        QTest::newRow("4 KB free") << 4096;
        QTest::newRow("8 KB free") << 8192;
        QTest::newRow("half the file free") << -1;
    }
    void nearlyFullDiskLeavesTheFileWhole() {
        QFETCH(int, free);
        TempStore temp;
        SmallDisk disk(QFileInfo(Store::filePath()).path(), 128 * 1024);
        qInfo("small disk: %s", qPrintable(disk.kind()));
        storeSeveralGroups();
        const QByteArray before = TempStore::fileBytes();
        QVERIFY(before.size() > 16 * 1024);
        QVERIFY(disk.leaveFree(free < 0 ? before.size() / 2 : free));

        Store store;
        const auto change = [&store] {
            Store::Batch batch(store);
            for (int k = 0; k < 60; ++k)
                store.save(u"form2", QStringLiteral("key%1").arg(k), u"新しい値、もっと長く"_s);
            store.remove(u"form3", u"key1");
            store.removeSection(u"form4");
            store.save(u"form7", u"top", u"1365"_s);
        };
        const Store::Watch watch(store);
        change();
        QVERIFY(!watch.ok());
        QCOMPARE(TempStore::fileBytes(), before);
        QCOMPARE(strayFiles(), QStringList());
        QCOMPARE(store.get(u"form2", u"key1", {}), u"値1、ＲＯＫＥＮ, \"引用\" \\ 1997-04-01"_s);
        QVERIFY(store.contains(u"form4", u"key1"));
        QVERIFY(!store.contains(u"form7", u"top"));
        QCOMPARE(Store().list(u"form3").size(), 60);

        QVERIFY(disk.leaveFree(64 * 1024));
        const Store::Watch again(store);
        change();
        QVERIFY(again.ok());
        const Store fresh;
        QCOMPARE(fresh.get(u"form2", u"key1", {}), u"新しい値、もっと長く"_s);
        QVERIFY(!fresh.contains(u"form4", u"key1"));
        QCOMPARE(fresh.list(u"form3").size(), 59);
        QCOMPARE(fresh.get(u"form5", u"key59", {}), u"値59、ＲＯＫＥＮ, \"引用\" \\ 1997-04-01"_s);
        QCOMPARE(strayFiles(), QStringList());
    }

    // Deleting the application needs no room: on a disk too full even for the lock file the
    // file and the temporary files a crash left go all the same.
    void removingNeedsNoRoom() {
        TempStore temp;
        SmallDisk disk(QFileInfo(Store::filePath()).path());
        storeSeveralGroups();
        QFile left(Store::filePath() + u".Zz9Yy8"_s);
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.close();
        QVERIFY(disk.leaveFree(0));
        Store store;
        store.removeApplication();
        QVERIFY(store.ok());
        QVERIFY(!QFile::exists(Store::filePath()));
        QCOMPARE(strayFiles(), QStringList());
        QVERIFY(!store.contains(u"formm", u"grmdi0"));
    }

    // A lock file left by a writer that died (empty when it died between making it and
    // writing its process id into it; garbage; another host's; a process that is gone) is
    // taken over within a second, and the write goes through.
    void leftLockIsTakenOver_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("seconds");  // its age
        QTest::newRow("empty, two seconds old") << QByteArray() << 2;
        QTest::newRow("empty, just made") << QByteArray() << 0;
        QTest::newRow("garbage") << QByteArray("\x01\xfe not a lock\n\n") << 2;
        QTest::newRow("another host's") << QByteArray("1\nplumet\nsomewhere-else\n") << 2;
        QTest::newRow("a process that is gone") << QByteArray("gone") << 0;
    }
    void leftLockIsTakenOver() {
        QFETCH(QByteArray, content);
        QFETCH(int, seconds);
        TempStore temp;
        TempStore::store("ckkc", u"1234"_s);
        const QString lock = Store::filePath() + u".lock"_s;
        if (content == "gone") {
            QProcess gone;
            gone.start(u"true"_s, {});
            QVERIFY(gone.waitForStarted());
            const qint64 pid = gone.processId();
            QVERIFY(gone.waitForFinished());
            content =
                QByteArray::number(pid) + "\ntrue\n" + QSysInfo::machineHostName().toUtf8() + '\n';
        }
        {
            QFile file(lock);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        if (seconds > 0) age(lock, seconds);

        Store store;
        store.save(u"form2", u"moves", u"64"_s);
        QVERIFY(store.ok());
        QCOMPARE(Store().get(u"form2", u"moves", {}), u"64"_s);
        QCOMPARE(Store().get(u"form2", u"ckkc", {}), u"1234"_s);
        QVERIFY(!QFile::exists(lock));
    }

    // A writer that holds the lock (here a second program, as long as it runs) keeps it:
    // the write fails and the file stays; once that writer is gone the write goes through.
    void liveLockIsNeverTaken() {
        TempStore temp;
        TempStore::store("ckkc", u"1234"_s);
        age(Store::filePath(), 0);
        const QByteArray before = TempStore::fileBytes();
        QProcess holder;
        holder.start(QStringLiteral(STOREWRITER), {u"hold"_s});
        QVERIFY(holder.waitForReadyRead(10000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("holding"));
        age(Store::filePath() + u".lock"_s, 60);  // old, but its owner runs

        Store store;
        const Store::Watch watch(store);
        store.save(u"form2", u"moves", u"64"_s);
        QVERIFY(!watch.ok());
        QCOMPARE(TempStore::fileBytes(), before);
        QVERIFY(QFile::exists(Store::filePath() + u".lock"_s));

        holder.kill();
        QVERIFY(holder.waitForFinished());
        const Store::Watch after(store);
        store.save(u"form2", u"moves", u"64"_s);
        QVERIFY(after.ok());
        QCOMPARE(Store().get(u"form2", u"moves", {}), u"64"_s);
    }

    // Temporary files a writer killed midway left beside the store ("plumet2.ini.XXXXXX") go
    // with the next write; nothing else in the folder does.
    void leftTemporaryFilesAreDeleted() {
        TempStore temp;
        TempStore::store("ckkc", u"1234"_s);
        const QString folder = QFileInfo(Store::filePath()).path();
        const QStringList left = {u"plumet2.ini.Ab3dE9"_s, u"plumet2.ini.000000"_s};
        const QStringList kept = {u"plumet2.ini.lock2"_s, u"plumet2.ini.Ab3dE9x"_s,
                                  u"plumet2.ini.Ab-dE9"_s, u"plumet.ini.Ab3dE9"_s, u"notes.txt"_s};
        for (const QString& name : left + kept) {
            QFile file(folder + u'/' + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[form2]\nten1=");
        }
        QVERIFY(QDir(folder).mkdir(u"plumet2.ini.Folder"_s));  // not a file: stays

        Store store;
        store.save(u"form2", u"moves", u"64"_s);
        QVERIFY(store.ok());
        QStringList expected = kept + QStringList{u"plumet2.ini.Folder"_s};
        expected.sort();
        QCOMPARE(strayFiles(), expected);
    }

    // A store file that is a link (to a file kept elsewhere): writes go to the link's target,
    // the link stays; deleting the application deletes the target and keeps the link, and
    // the next write makes the target again.
    void writesThroughALink() {
        TempStore temp;
        const QString real = temp.path() + u"/elsewhere/mine.ini"_s;
        QVERIFY(QDir().mkpath(QFileInfo(real).path()));
        QVERIFY(QDir().mkpath(QFileInfo(Store::filePath()).path()));
        QVERIFY(QFile::link(u"../elsewhere/mine.ini"_s, Store::filePath()));
        {
            QFile file(real);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[form2]\nten1=100\n");
        }
        Store store;
        QCOMPARE(store.get(u"form2", u"ten1", {}), u"100"_s);
        store.save(u"form2", u"moves", u"64"_s);
        QVERIFY(store.ok());
        QVERIFY(QFileInfo(Store::filePath()).isSymLink());
        QCOMPARE(TempStore::fileBytes(), QByteArray("[form2]\nmoves=64\nten1=100\n"));

        store.removeApplication();
        QVERIFY(store.ok());
        QVERIFY(QFileInfo(Store::filePath()).isSymLink());
        QVERIFY(!QFile::exists(real));
        QVERIFY(!store.contains(u"form2", u"ten1"));
        store.save(u"form2", u"moves", u"32"_s);
        QVERIFY(store.ok());
        QVERIFY(QFileInfo(Store::filePath()).isSymLink());
        QFile file(real);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[form2]\nmoves=32\n"));
    }

    // A store file the player made read-only is kept as it is: writes and the deletion of
    // the application fail, the store reads what the file holds.
    void readOnlyFileIsKept() {
        TempStore temp;
        TempStore::store("ckkc", u"1234"_s);
        const QByteArray before = TempStore::fileBytes();
        {
            ProtectedFile readOnly(Store::filePath(), temp.path(),
                                   ProtectedFile::Protection::ReadOnly);
            QVERIFY(readOnly.inForce());
            Store store;
            QVERIFY(store.readable());
            const Store::Watch watch(store);
            store.save(u"form2", u"ckkc", u"9999"_s);
            QVERIFY(!watch.ok());
            QCOMPARE(store.get(u"form2", u"ckkc", {}), u"1234"_s);
            const Store::Watch removal(store);
            store.removeApplication();
            QVERIFY(!removal.ok());
        }
        QCOMPARE(TempStore::fileBytes(), before);
        QCOMPARE(strayFiles(), QStringList());
    }

    // Another program (or another store object) writing the file is seen at the next read,
    // and a write puts its changes on top of what the other wrote.
    void changesOfOtherWritersAreKept() {
        TempStore temp;
        Store mine;
        mine.save(u"form2", u"ten1", u"100"_s);
        QSettings other(Store::filePath(), QSettings::IniFormat);
        other.setValue("form2/name1", u"他のプログラム"_s);
        other.sync();
        QCOMPARE(mine.get(u"form2", u"name1", {}), u"他のプログラム"_s);
        {
            Store::Batch batch(mine);
            mine.save(u"form2", u"date1", u"1997-04-01"_s);
            other.setValue("form2/ten2", u"90"_s);
            other.sync();
        }
        QVERIFY(mine.ok());
        const Store fresh;
        QCOMPARE(fresh.get(u"form2", u"ten1", {}), u"100"_s);
        QCOMPARE(fresh.get(u"form2", u"name1", {}), u"他のプログラム"_s);
        QCOMPARE(fresh.get(u"form2", u"date1", {}), u"1997-04-01"_s);
        QCOMPARE(fresh.get(u"form2", u"ten2", {}), u"90"_s);
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
