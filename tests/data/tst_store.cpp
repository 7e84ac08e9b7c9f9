// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store on its real INI files in a private XDG_CONFIG_HOME.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

#include "common/readonlyfolder.h"
#include "common/tempstore.h"
#include "data/store.h"

using namespace plumet;

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

    // A folder in the file's place cannot be read: the store gives the defaults and never
    // writes, the folder stays as it is.
    void unreadableFileIsLeftAlone() {
        TempStore temp;
        QVERIFY(QDir().mkpath(Store::filePath()));
        Store store;
        QVERIFY(!store.readable());
        QCOMPARE(store.get(u"form2", u"ckkc", QStringLiteral("1968")), QStringLiteral("1968"));
        const Store::Watch watch(store);
        store.save(u"form2", u"ckkc", QStringLiteral("1234"));
        QVERIFY(!watch.ok());
        QCOMPARE(store.get(u"form2", u"ckkc", QStringLiteral("1968")), QStringLiteral("1968"));
        QVERIFY(QFileInfo(Store::filePath()).isDir());
        QVERIFY(QDir(Store::filePath()).isEmpty());
        QVERIFY(Store().readable() == false);
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
            // One generation is on disk. A writer killed just after creating the lock file
            // but before writing its owner into it leaves a lock that Qt deems stale only
            // after 30 s: the next writer then waits that long, so the wait here is longer.
            QVERIFY(writer.waitForReadyRead(120000));
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
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
