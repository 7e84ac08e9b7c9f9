// SPDX-License-Identifier: GPL-3.0-or-later
// The live profile's settings read from and written to the real store.
#include <QTest>

#include "common/tempstore.h"
#include "data/settings.h"
#include "data/store.h"

using namespace plumet;

namespace {

const QString kAppdir = QStringLiteral("/usr/share/plumet");

}  // namespace

class TestSettings : public QObject {
    Q_OBJECT

  private slots:
    void emptyStoreGivesTheDefaults() {
        TempStore temp;
        Store store;
        const Settings settings = readSettings(store, kAppdir);
        QCOMPARE(settings, Settings::defaults(kAppdir));
        QCOMPARE(settings.handFaceFolder, kAppdir);
        QCOMPARE(settings.backFolder, kAppdir);
        QCOMPARE(settings.boardFaceFolder, kAppdir);
    }

    // The defaults as they are written: every key of the live profile with its text.
    void defaultsAreWrittenInTheirForms_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        const char* rows[][2] = {
            {"ruruak", "False"},
            {"daseruka", "True"},
            {"jokernai", "False"},
            {"jokerdo", "True"},
            {"jokersai", "False"},
            {"otoon", "True"},
            {"otooff", "False"},
            {"hayai", "False"},
            {"hyojun", "True"},
            {"osoi", "False"},
            {"wintune", "True"},
            {"turuba", "True"},
            {"ps3", "True"},
            {"ps2", "False"},
            {"cawaku", "True"},
            {"awase", "True"},
            {"topmdi", "0"},
            {"leftmdi", "0"},
            {"widthmdi", "9525"},
            {"heightmdi", "6735"},
            {"top", "1365"},
            {"left", "1020"},
            {"width", "7305"},
            {"height", "3058"},
            {"top4", "4423"},
            {"left4", "1020"},
            {"width4", "7305"},
            {"height4", "1562"},
            {"top5", "0"},
            {"left5", "8325"},
            {"width5", "1020"},
            {"height5", "5985"},
            {"top6", "0"},
            {"left6", "1020"},
            {"width6", "7305"},
            {"height6", "1365"},
            {"top7", "0"},
            {"left7", "0"},
            {"width7", "1020"},
            {"height7", "5985"},
            {"fdf", "/usr/share/plumet"},
            {"fdu", "/usr/share/plumet"},
            {"fdb", "/usr/share/plumet"},
            {"moves", "64"},
            {"tuyosa", "classic"},
            {"cap4", "あなた"},
            {"cap5", "ふうか"},
            {"cap6", "たくみ"},
            {"cap7", "ゆずは"},
            {"sex4", "True"},
            {"sex5", "False"},
            {"sex6", "True"},
            {"sex7", "False"},
        };
        for (const auto& row : rows) {
            QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]);
        }
    }
    void defaultsAreWrittenInTheirForms() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        TempStore temp;
        {
            Store store;
            writeSettings(store, Settings::defaults(kAppdir), true);
            writePlayers(store, Settings::defaults(kAppdir));
        }
        QCOMPARE(Store().get(u"form2", key, QStringLiteral("absent")), text);
    }

    void writtenSettingsReadBack() {
        TempStore temp;
        Settings settings = Settings::defaults(kAppdir);
        settings.aceKing = settings.soundOff = settings.paceSlow = settings.twoPasses = true;
        settings.detection = settings.soundOn = settings.paceNormal = settings.threePasses = false;
        settings.fitCards = false;
        settings.mainWindow = {15, 30, 12000.5f, 9000};
        settings.players[2] = {1.25f, 2, 3, 4};
        settings.names = {"私", "A, B", "", " x "};
        settings.male = {false, true, false, true};
        settings.handFaceFolder = "/home/me/カード";
        settings.moves = 121;
        settings.strength = Strength::Strong;
        {
            Store store;
            writeSettings(store, settings, true);
            writePlayers(store, settings);
        }
        QCOMPARE(readSettings(Store(), kAppdir), settings);
    }

    // A profile written before "カードを窓に合わせる" existed has no "fitCards": the cards are
    // fitted.
    void profileWithoutFitOptionFitsTheCards() {
        TempStore temp;
        Store store;
        Settings old = Settings::defaults(kAppdir);
        old.fitCards = false;
        old.cardFrames = false;
        writeSettings(store, old, true);
        store.remove(u"form2", u"awase");
        const Settings read = readSettings(store, kAppdir);
        QVERIFY(read.fitCards);
        QVERIFY(!read.cardFrames);
    }

    void geometryKeptWhenTheMainWindowIsNotNormal() {
        TempStore temp;
        Store store;
        writeSettings(store, Settings::defaults(kAppdir), true);
        Settings moved = Settings::defaults(kAppdir);
        moved.mainWindow.width = 20000;
        moved.board.top = 1;
        moved.paceFast = true;
        writeSettings(store, moved, false);
        const Settings read = readSettings(store, kAppdir);
        QCOMPARE(read.mainWindow, Settings::defaults(kAppdir).mainWindow);
        QCOMPARE(read.board, Settings::defaults(kAppdir).board);
        QVERIFY(read.paceFast);
    }

    void damagedMarkerIsDeletedOnWrite_data() {
        QTest::addColumn<QString>("marker");
        QTest::addColumn<bool>("kept");
        QTest::newRow("9999 deleted") << "9999" << false;
        QTest::newRow("1234 kept") << "1234" << true;
    }
    void damagedMarkerIsDeletedOnWrite() {
        QFETCH(QString, marker);
        QFETCH(bool, kept);
        TempStore temp;
        Store store;
        store.save(u"form2", u"ckkc", marker);
        writeSettings(store, Settings::defaults(kAppdir), true);
        QCOMPARE(store.contains(u"form2", u"ckkc"), kept);
    }

    // Hand-edited values: a boolean that is none reads as its default, a number as the
    // number its text begins with or 0, the speed and the group within their ranges; a speed
    // without a number reads as its default (0 would be the fastest).
    void handEditedValues_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("expected");
        QTest::newRow("TRUE") << "hayai"
                              << "TRUE"
                              << "hayai" << 1.0;
        QTest::newRow("number as boolean") << "hayai"
                                           << "-1"
                                           << "hayai" << 1.0;
        QTest::newRow("zero as boolean") << "hyojun"
                                         << "0"
                                         << "hyojun" << 0.0;
        QTest::newRow("word, default true") << "hyojun"
                                            << "oui"
                                            << "hyojun" << 1.0;
        QTest::newRow("word, default false") << "ruruak"
                                             << "oui"
                                             << "ruruak" << 0.0;
        QTest::newRow("sex5 word") << "sex5"
                                   << "?"
                                   << "male5" << 0.0;
        QTest::newRow("length with unit") << "widthmdi"
                                          << "8000twips"
                                          << "widthmdi" << 8000.0;
        QTest::newRow("length no number") << "widthmdi"
                                          << "wide"
                                          << "widthmdi" << 0.0;
        QTest::newRow("length beyond float") << "widthmdi"
                                             << "9e99"
                                             << "widthmdi" << 0.0;
        QTest::newRow("speed") << "moves"
                               << "16"
                               << "moves" << 16.0;
        QTest::newRow("speed too slow") << "moves"
                                        << "99999999999"
                                        << "moves" << 121.0;
        QTest::newRow("speed zero") << "moves"
                                    << "0"
                                    << "moves" << 1.0;
        QTest::newRow("speed garbage") << "moves"
                                       << "fast"
                                       << "moves" << 64.0;
        QTest::newRow("speed empty") << "moves"
                                     << ""
                                     << "moves" << 64.0;
        QTest::newRow("group") << "plymdi"
                               << "7"
                               << "plymdi" << 7.0;
        QTest::newRow("group out of range") << "plymdi"
                                            << "12"
                                            << "plymdi" << 0.0;
        QTest::newRow("group negative") << "plymdi"
                                        << "-3"
                                        << "plymdi" << 0.0;
        // The computer players' strength by its name; anything else is the classic strength.
        QTest::newRow("strength weak") << "tuyosa"
                                       << "weak"
                                       << "tuyosa" << double(Strength::Weak);
        QTest::newRow("strength strong, blanks") << "tuyosa"
                                                 << " strong "
                                                 << "tuyosa" << double(Strength::Strong);
        QTest::newRow("strength unknown") << "tuyosa"
                                          << "つよい"
                                          << "tuyosa" << double(Strength::Classic);
        QTest::newRow("strength a number") << "tuyosa"
                                           << "2"
                                           << "tuyosa" << double(Strength::Classic);
    }
    void handEditedValues() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, field);
        QFETCH(double, expected);
        TempStore temp;
        Store store;
        store.save(u"form2", key, text);
        const Settings s = readSettings(store, kAppdir);
        const std::map<QString, double> fields{
            {"hayai", s.paceFast}, {"hyojun", s.paceNormal},         {"ruruak", s.aceKing},
            {"male5", s.male[1]},  {"widthmdi", s.mainWindow.width}, {"moves", s.moves},
            {"plymdi", s.group},   {"tuyosa", double(s.strength)},
        };
        QCOMPARE(fields.at(field), expected);
    }

    void applyToStateFillsTheGameVariables() {
        Settings settings = Settings::defaults(kAppdir);
        settings.boardFaceFolder = "/cards/board";
        settings.moves = 9;
        GameState state;
        applyToState(settings, state);
        QCOMPARE(state.voices, (std::array<std::int16_t, 4>{-1, 0, -1, 0}));
        QCOMPARE(state.handFaceFolder, kAppdir.toStdString());
        QCOMPARE(state.boardFaceFolder, std::string("/cards/board"));
        QCOMPARE(state.flightFrames, std::int16_t{9});
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
