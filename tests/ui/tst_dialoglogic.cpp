// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of the small dialogs that are not windows: the card speed arithmetic, card
// folder paths and their fallback, and the storing of the names dialog's result.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "data/settings.h"
#include "data/store.h"
#include "data/storenames.h"
#include "ui/cards/cardfolders.h"
#include "ui/dialogs/speedbar.h"

using namespace plumet;

class TestDialogsLogic : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
        store_ = std::make_unique<Store>();
    }

    void speedBarFromFlightFrames_data() {
        QTest::addColumn<int>("flightFrames");
        QTest::addColumn<int>("bar");
        QTest::newRow("one frame") << 1 << 1;
        QTest::newRow("default 64") << 64 << 8;
        QTest::newRow("smoothest 121") << 121 << 11;
        QTest::newRow("50 rounds down") << 50 << 7;
        QTest::newRow("2 rounds down") << 2 << 1;
        QTest::newRow("3 rounds up") << 3 << 2;
        QTest::newRow("42 just below 6.5") << 42 << 6;
        QTest::newRow("43 just above 6.5") << 43 << 7;
        QTest::newRow("zero stays on the bar") << 0 << 1;
        QTest::newRow("negative stays on the bar") << -5 << 1;
        QTest::newRow("too large stays on the bar") << 200 << 11;
        QTest::newRow("16-bit maximum") << 32767 << 11;
    }
    void speedBarFromFlightFrames() {
        QFETCH(int, flightFrames);
        QFETCH(int, bar);
        QCOMPARE(plumet::speedBarFromFlightFrames(flightFrames), bar);
    }

    void flightFramesFromBar_data() {
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("flightFrames");
        QTest::newRow("高速") << 1 << 1;
        QTest::newRow("default") << 8 << 64;
        QTest::newRow("なめらか") << 11 << 121;
        QTest::newRow("below the bar") << 0 << 1;
        QTest::newRow("above the bar") << 12 << 121;
    }
    void flightFramesFromBar() {
        QFETCH(int, bar);
        QFETCH(int, flightFrames);
        QCOMPARE(plumet::flightFramesFromBar(bar), flightFrames);
    }

    void everyBarValueSurvivesTheRoundTrip() {
        for (int v = kSpeedBarMin; v <= kSpeedBarMax; ++v)
            QCOMPARE(plumet::speedBarFromFlightFrames(plumet::flightFramesFromBar(v)), v);
    }

    void cardFilePath_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("path");
        QTest::newRow("folder") << "/usr/share/plumet"
                                << "/usr/share/plumet/d7.bmp";
        QTest::newRow("trailing separator") << "/usr/share/plumet/"
                                            << "/usr/share/plumet/d7.bmp";
        QTest::newRow("root") << "/"
                              << "/d7.bmp";
        QTest::newRow("doubled root") << "//"
                                      << "/d7.bmp";
        QTest::newRow("relative") << "cards"
                                  << "cards/d7.bmp";
    }
    void cardFilePath() {
        QFETCH(QString, folder);
        QFETCH(QString, path);
        QCOMPARE(plumet::cardFilePath(folder, QStringLiteral("d7.bmp")), path);
    }

    void testFiles() {
        QCOMPARE(cardSetTestFile(CardSet::Board), QStringLiteral("d7.bmp"));
        QCOMPARE(cardSetTestFile(CardSet::Face), QStringLiteral("d7.bmp"));
        QCOMPARE(cardSetTestFile(CardSet::Back), QStringLiteral("urat.bmp"));
    }

    void checkedCardFolder_data() {
        QTest::addColumn<QString>("folder");  // inside the fixture; "" = the empty name
        QTest::addColumn<int>("set");
        QTest::addColumn<bool>("kept");
        QTest::newRow("faces for the board") << "faces" << int(CardSet::Board) << true;
        QTest::newRow("faces for the hand") << "faces" << int(CardSet::Face) << true;
        QTest::newRow("faces are no backs") << "faces" << int(CardSet::Back) << false;
        QTest::newRow("backs") << "backs" << int(CardSet::Back) << true;
        QTest::newRow("backs are no faces") << "backs" << int(CardSet::Face) << false;
        QTest::newRow("trailing separator") << "faces/" << int(CardSet::Face) << true;
        QTest::newRow("empty folder") << "empty" << int(CardSet::Board) << false;
        QTest::newRow("missing folder") << "gone" << int(CardSet::Board) << false;
        QTest::newRow("test file is a folder") << "trap" << int(CardSet::Face) << false;
        QTest::newRow("no folder name") << "" << int(CardSet::Face) << false;
    }
    void checkedCardFolder() {
        QFETCH(QString, folder);
        QFETCH(int, set);
        QFETCH(bool, kept);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QDir dir(root.path());
        for (const char* sub : {"faces", "backs", "empty", "trap/d7.bmp"})
            QVERIFY(dir.mkpath(QString::fromLatin1(sub)));
        for (const char* file : {"faces/d7.bmp", "faces/s1.bmp", "backs/urat.bmp"}) {
            QFile f(dir.filePath(QString::fromLatin1(file)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const QString dataFolder = QStringLiteral("/opt/plumet/data");
        const QString path = folder.isEmpty() ? QString() : dir.filePath(folder);
        const QString result = plumet::checkedCardFolder(path, CardSet(set), dataFolder);
        QCOMPARE(result, kept ? QDir::cleanPath(path) : dataFolder);
        QCOMPARE(isCardSetFolder(path, CardSet(set)), kept);
    }

    void namesAreStoredAsTheyWereEntered() {
        const PlayerNameArray names = {QStringLiteral("あなた"), QStringLiteral("ふうか"),
                                       QString(), QStringLiteral("ゆずは")};
        storeNames(*store_, names, {-1, 0, -1, 0});
        const QStringList expected = {"あなた", "ふうか", "",     "ゆずは",
                                      "True",   "False",  "True", "False"};
        QStringList stored;
        for (const char* key : {"cap4", "cap5", "cap6", "cap7", "sex4", "sex5", "sex6", "sex7"})
            stored << store_->get(u"form2", QString::fromLatin1(key), QStringLiteral("absent"));
        QCOMPARE(stored, expected);  // an emptied name is stored empty, not left out

        // What start-up reads back gives the same names and voices.
        const Settings read = readSettings(*store_, QStringLiteral("/opt/plumet"));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(read.names[i], names[i]);
            QCOMPARE(read.male[i], i % 2 == 0);
        }
    }

  private:
    QTemporaryDir config_;
    std::unique_ptr<Store> store_;
};

QTEST_GUILESS_MAIN(TestDialogsLogic)
#include "tst_dialoglogic.moc"
