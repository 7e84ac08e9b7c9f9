// SPDX-License-Identifier: GPL-3.0-or-later
// The TOP-10 table on the real store: defaults, check strings, the check and the reset of
// a damaged table, the creation at the first run, the entry of a total and the name.
#include <QRegularExpression>
#include <QTest>

#include "common/tempstore.h"
#include "data/checkstring.h"
#include "data/store.h"
#include "data/top10.h"

using namespace plumet;

using Scores = std::array<std::int16_t, 11>;
Q_DECLARE_METATYPE(top10::Load)
Q_DECLARE_METATYPE(Scores)

namespace {

Scores scores(std::initializer_list<int> list) {
    Scores out{};
    int i = 1;
    for (const int v : list) out[i++] = static_cast<std::int16_t>(v);
    return out;
}

// A store whose table has been initialised as at the first run.
void initialise(Store& store) {
    GameState state;
    QCOMPARE(top10::loadTable(store, state), top10::Load::Sound);
}

}  // namespace

class TestTop10 : public QObject {
    Q_OBJECT

  private slots:
    void defaultTable() {
        TempStore temp;
        Store store;
        GameState state;
        const top10::CheckStrings checks = top10::readTable(store, state);
        const char* expected[] = {"",       "32494848", "325748", "325648", "325548", "325448",
                                  "325348", "325248",   "325148", "325048", "324948"};
        for (int i = 1; i <= 10; ++i) {
            QCOMPARE(state.topNames[i], std::string("ＲＯＫＥＮ"));
            QCOMPARE(state.topDates[i], std::string("1997-04-01"));
            QCOMPARE(int{state.topScores[i]}, (11 - i) * 10);
            QCOMPARE(checks[i], std::string(expected[i]));
        }
        QVERIFY(top10::tableSound(state, checks));
    }

    void firstRunMakesTheCheckStrings() {
        TempStore temp;
        Store store;
        store.save(u"form2", u"ten4", QStringLiteral("75"));  // a total without check string
        GameState state;
        QCOMPARE(top10::loadTable(store, state), top10::Load::Sound);
        Store disk;
        QCOMPARE(disk.get(u"form2", u"ckkc", {}), QStringLiteral("1234"));
        QCOMPARE(disk.get(u"form2", u"def4", {}), QStringLiteral("325553"));
        QCOMPARE(disk.get(u"form2", u"def1", {}), QStringLiteral("32494848"));
        QCOMPARE(disk.get(u"form2", u"right", {}), QStringLiteral("3249"));
        QCOMPARE(top10::loadTable(disk, state), top10::Load::Sound);  // and it checks
    }

    void firstRunWithAnInconsistentSavedMatch() {
        TempStore temp;
        Store store;
        store.save(u"form2", u"sp", QStringLiteral("2"));
        store.save(u"form2", u"tp", QStringLiteral("91"));
        GameState state;
        QCOMPARE(top10::loadTable(store, state), top10::Load::MatchDamaged);
        QCOMPARE(store.get(u"form2", u"tp", {}), QStringLiteral("0"));
        QCOMPARE(store.get(u"form2", u"ckkc", {}), QStringLiteral("1234"));
    }

    // Stored tables changed by hand, and whether the check finds it.
    void damage_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<top10::Load>("expected");
        QTest::newRow("untouched") << ""
                                   << "" << top10::Load::Sound;
        QTest::newRow("ten changed") << "ten3"
                                     << "85" << top10::Load::Damaged;
        QTest::newRow("ten not a number") << "ten3"
                                          << "eighty" << top10::Load::Damaged;
        QTest::newRow("ten beyond 16 bits") << "ten1"
                                            << "65636" << top10::Load::Damaged;
        QTest::newRow("def changed") << "def5"
                                     << "325348" << top10::Load::Damaged;
        QTest::newRow("def not digit pairs") << "def5"
                                             << "32544x" << top10::Load::Damaged;
        QTest::newRow("def deleted stays sound") << "def2"
                                                 << "(deleted)" << top10::Load::Sound;
        QTest::newRow("ten and def changed together") << "ten10,def10"
                                                      << "7,3255" << top10::Load::Sound;
        QTest::newRow("name changed") << "name1"
                                      << "誰か" << top10::Load::Sound;
        QTest::newRow("ten with a blank") << "ten6"
                                          << " 50" << top10::Load::Sound;
    }
    void damage() {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(top10::Load, expected);
        TempStore temp;
        Store store;
        initialise(store);
        const QStringList keys = key.split(u',', Qt::SkipEmptyParts);
        const QStringList texts = value.split(u',');
        for (int k = 0; k < keys.size(); ++k) {
            if (texts[k] == "(deleted)") {
                store.remove(u"form2", keys[k]);
            } else {
                store.save(u"form2", keys[k], texts[k]);
            }
        }
        GameState state;
        QCOMPARE(top10::loadTable(store, state), expected);
        if (expected != top10::Load::Damaged) return;

        // Every table key is gone, the marker says so, and the rest of the profile stays.
        Store disk;
        QCOMPARE(disk.get(u"form2", u"ckkc", {}), QStringLiteral("9999"));
        QCOMPARE(disk.get(u"form2", u"right", {}), QStringLiteral("3249"));
        for (const auto& [stored, text] : disk.list(u"form2")) {
            QVERIFY2(!QRegularExpression("^(name|date|ten|def)\\d+$").match(stored).hasMatch(),
                     qPrintable(stored));
        }
        // The shutdown deletes "9999"; the next start makes the defaults anew, and they check.
        disk.remove(u"form2", u"ckkc");
        GameState next;
        QCOMPARE(top10::loadTable(disk, next), top10::Load::Sound);
        QCOMPARE(next.topScores, scores({100, 90, 80, 70, 60, 50, 40, 30, 20, 10}));
    }

    void enterTotal_data() {
        QTest::addColumn<int>("total");
        QTest::addColumn<bool>("entered");
        QTest::addColumn<int>("newRank");
        QTest::addColumn<Scores>("table");
        QTest::newRow("below the tenth")
            << 9 << false << 0 << scores({100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
        QTest::newRow("equal to the tenth")
            << 10 << true << 10 << scores({100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
        QTest::newRow("between") << 55 << true << 6
                                 << scores({100, 90, 80, 70, 60, 55, 50, 40, 30, 20});
        QTest::newRow("tie placed above")
            << 60 << true << 5 << scores({100, 90, 80, 70, 60, 60, 50, 40, 30, 20});
        QTest::newRow("best") << 250 << true << 1
                              << scores({250, 100, 90, 80, 70, 60, 50, 40, 30, 20});
        QTest::newRow("four digits")
            << 1234 << true << 1 << scores({1234, 100, 90, 80, 70, 60, 50, 40, 30, 20});
    }
    void enterTotal() {
        QFETCH(int, total);
        QFETCH(bool, entered);
        QFETCH(int, newRank);
        QFETCH(Scores, table);
        TempStore temp;
        Store store;
        initialise(store);
        const QByteArray before = TempStore::fileBytes();
        GameState state;
        state.newRank = 0;
        state.score = {0, static_cast<std::int16_t>(total), 5, 6, 7};
        QCOMPARE(top10::enterTotal(store, state, state.score[1], "2024-05-06"), entered);
        QCOMPARE(state.topScores, table);
        QCOMPARE(int{state.newRank}, newRank);
        if (!entered) {
            QCOMPARE(TempStore::fileBytes(), before);  // nothing stored
            return;
        }
        QCOMPARE(state.topNames[newRank], std::string());
        QCOMPARE(state.topDates[newRank], std::string("2024-05-06"));
        QCOMPARE(state.topDates[newRank == 10 ? 9 : newRank + 1], std::string("1997-04-01"));

        // The name as the entry dialog leaves it, then "登録".
        state.topNames[newRank] = "山田";
        top10::registerName(store, state);
        QCOMPARE(state.score, PlayerInts{});
        GameState reread;
        QCOMPARE(top10::loadTable(store, reread), top10::Load::Sound);
        QCOMPARE(reread.topScores, table);
        QCOMPARE(reread.topNames[newRank], std::string("山田"));
        QCOMPARE(reread.topDates[newRank], std::string("2024-05-06"));
    }

    void emptyNameCanBeRegistered() {
        TempStore temp;
        Store store;
        initialise(store);
        GameState state;
        QVERIFY(top10::enterTotal(store, state, 95, top10::todayText()));
        top10::registerName(store, state);
        QCOMPARE(Store().get(u"form2", u"name2", QStringLiteral("absent")), QString());
        QCOMPARE(top10::todayText().size(), 10);
    }

    void negativeTotalsEnterWithTheirCheckStrings() {
        TempStore temp;
        Store store;
        initialise(store);
        for (int i = 1; i <= 10; ++i) {
            store.save(u"form2", QStringLiteral("ten%1").arg(i), QString::number(-10 * i));
            store.save(u"form2", QStringLiteral("def%1").arg(i),
                       QString::fromStdString(checkString(-10 * i)));
        }
        GameState state;
        QCOMPARE(top10::loadTable(store, state), top10::Load::Sound);
        QVERIFY(top10::enterTotal(store, state, -5, "2024-01-01"));
        QCOMPARE(int{state.newRank}, 1);
        QCOMPARE(store.get(u"form2", u"def1", {}), QStringLiteral("4553"));
        QCOMPARE(store.get(u"form2", u"ten1", {}), QStringLiteral("-5"));
    }

    void rowText_data() {
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("text");
        QTest::newRow("two digits") << 90 << "1997-04-01   90  ";
        QTest::newRow("three digits") << 100 << "1997-04-01  100  ";
        QTest::newRow("negative") << -5 << "1997-04-01   -5  ";
        QTest::newRow("four digits in full") << 1234 << "1997-04-01  1234  ";
    }
    void rowText() {
        QFETCH(int, total);
        QFETCH(QString, text);
        GameState state;
        top10::setDefaultTable(state);
        state.topScores[3] = static_cast<std::int16_t>(total);
        QCOMPARE(top10::rowText(state, 3), text);
    }
};

QTEST_GUILESS_MAIN(TestTop10)
#include "tst_top10.moc"
