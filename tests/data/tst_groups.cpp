// SPDX-License-Identifier: GPL-3.0-or-later
// Player groups on the real store: display names, and the group switch with its stash,
// fresh groups, restored groups and damaged ones.
#include <QTest>

#include "common/tempstore.h"
#include "data/groups.h"
#include "data/savedgame.h"
#include "data/settings.h"
#include "data/store.h"
#include "data/top10.h"

using namespace plumet;

Q_DECLARE_METATYPE(groups::Switch)

namespace {

// A used group 0: settings, a TOP-10 entry, a saved match and the group number stored.
void fillGroupZero(Store& store, GameState& state) {
    QCOMPARE(top10::loadTable(store, state), top10::Load::Sound);
    Settings settings = Settings::defaults("/opt/cards");
    settings.paceFast = true;
    settings.paceNormal = false;
    settings.board.width = 8000.5f;
    settings.names[0] = "花子";
    writeSettings(store, settings, true);
    writePlayers(store, settings);
    writeGroup(store, 0);
    QVERIFY(top10::enterTotal(store, state, 85, "2022-02-22"));
    state.topNames[state.newRank] = "花子";
    top10::registerName(store, state);
    GameState match;
    match.gameNumber = 4;
    match.score = {0, 40, 20, 10, 30};
    match.starter = 3;
    savedmatch::saveMatch(store, match, QStringLiteral("累計の得点グラフ"));
}

}  // namespace

class TestGroups : public QObject {
    Q_OBJECT

  private slots:
    void displayNames() {
        TempStore temp;
        Store store;
        const QStringList names = groups::names(store);
        QCOMPARE(names.size(), 10);
        QCOMPARE(names[0], QStringLiteral("グループ１"));
        QCOMPARE(names[8], QStringLiteral("グループ９"));
        QCOMPARE(names[9], QStringLiteral("グループ１０"));
        groups::rename(store, 9, QStringLiteral("家族"));
        QCOMPARE(Store().get(u"formm", u"grmdi9", {}), QStringLiteral("家族"));
        QCOMPARE(groups::name(store, 9), QStringLiteral("家族"));
        QCOMPARE(groups::profileSection(0), QStringLiteral("form3"));
        QCOMPARE(groups::profileSection(9), QStringLiteral("form12"));
    }

    void sameGroupDoesNothing() {
        TempStore temp;
        Store store;
        GameState state;
        fillGroupZero(store, state);
        const QByteArray before = TempStore::fileBytes();
        QCOMPARE(groups::switchGroup(store, state, 0), groups::Switch::Unchanged);
        QCOMPARE(TempStore::fileBytes(), before);
    }

    // Into a group never used and back: the fresh group gets the default table and nothing
    // else; coming back restores every key of the live profile exactly.
    void thereAndBackRestoresEveryKey() {
        TempStore temp;
        Store store;
        GameState state;
        fillGroupZero(store, state);
        const KeyValues live = store.list(u"form2");
        const GameState tableOfZero = state;

        QCOMPARE(groups::switchGroup(store, state, 3), groups::Switch::Fresh);
        QCOMPARE(state.group, std::int16_t{3});
        {
            Store disk;
            QCOMPARE(disk.list(u"form3"), live);  // group 0's stash
            QCOMPARE(disk.get(u"form2", u"ckkc", {}), QStringLiteral("1234"));
            QCOMPARE(disk.get(u"form2", u"plymdi", {}), QStringLiteral("3"));
            QVERIFY(!disk.contains(u"form2", u"hayai"));
            QVERIFY(!disk.contains(u"form2", u"sp"));
            Settings defaults = Settings::defaults("/opt/cards");
            defaults.group = 3;
            QCOMPARE(readSettings(disk, "/opt/cards"), defaults);
            GameState fresh;
            QCOMPARE(top10::loadTable(disk, fresh), top10::Load::Sound);
            QCOMPARE(fresh.topScores, state.topScores);
            QCOMPARE(fresh.topNames[1], std::string("ＲＯＫＥＮ"));
            QCOMPARE(disk.get(u"form2", u"def10", {}), QStringLiteral("324948"));
        }
        for (int i = 1; i <= 10; ++i) QCOMPARE(int{state.topScores[i]}, (11 - i) * 10);

        QCOMPARE(groups::switchGroup(store, state, 0), groups::Switch::Restored);
        QCOMPARE(state.group, std::int16_t{0});
        Store disk;
        QCOMPARE(disk.list(u"form2"), live);
        QCOMPARE(state.topScores, tableOfZero.topScores);
        QCOMPARE(state.topNames, tableOfZero.topNames);
        QCOMPARE(disk.get(u"form6", u"ckkc", {}), QStringLiteral("1234"));  // group 3's stash
        GameState match;
        QCOMPARE(savedmatch::checkAtStart(disk, match), savedmatch::Check::Ok);
        QCOMPARE(match.savedGameNumber, std::int16_t{4});
    }

    // The stash of a group being left replaces whatever its section held before.
    void stashReplacesTheOldStash() {
        TempStore temp;
        Store store;
        GameState state;
        fillGroupZero(store, state);
        store.save(u"form3", u"stale", QStringLiteral("x"));
        QCOMPARE(groups::switchGroup(store, state, 1), groups::Switch::Fresh);
        QVERIFY(!store.contains(u"form3", u"stale"));
    }

    // Stashed profiles as other programs or hand edits may leave them.
    void enteringAStash_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<groups::Switch>("expected");
        QTest::addColumn<QString>("marker");
        QTest::newRow("sound") << "" << groups::Switch::Restored << "1234";
        QTest::newRow("ten changed") << "ten2=95" << groups::Switch::Damaged << "9999";
        QTest::newRow("no marker: check strings made")
            << "ckkc=(deleted),ten2=95" << groups::Switch::Restored << "1234";
        QTest::newRow("no marker, inconsistent match")
            << "ckkc=(deleted),tp=93" << groups::Switch::MatchDamaged << "1234";
        QTest::newRow("no def1: fresh") << "def1=(deleted)" << groups::Switch::Fresh << "1234";
    }
    void enteringAStash() {
        QFETCH(QString, edit);
        QFETCH(groups::Switch, expected);
        QFETCH(QString, marker);
        TempStore temp;
        Store store;
        GameState state;
        fillGroupZero(store, state);
        QCOMPARE(groups::switchGroup(store, state, 5), groups::Switch::Fresh);
        for (const QString& change : edit.split(u',', Qt::SkipEmptyParts)) {
            const QStringList kv = change.split(u'=');
            if (kv[1] == "(deleted)") {
                store.remove(u"form3", kv[0]);
            } else {
                store.save(u"form3", kv[0], kv[1]);
            }
        }
        QCOMPARE(groups::switchGroup(store, state, 0), expected);
        QCOMPARE(state.group, std::int16_t{0});
        Store disk;
        QCOMPARE(disk.get(u"form2", u"ckkc", {}), marker);
        QCOMPARE(disk.get(u"form2", u"plymdi", {}), QStringLiteral("0"));
        if (expected == groups::Switch::Damaged) {
            QVERIFY(!disk.contains(u"form2", u"ten2"));
            QVERIFY(!disk.contains(u"form2", u"def1"));
            QCOMPARE(disk.get(u"form2", u"hayai", {}), QStringLiteral("True"));  // settings stay
        }
        if (edit.startsWith("ckkc=(deleted),ten2")) {
            QCOMPARE(disk.get(u"form2", u"def2", {}), QStringLiteral("325753"));
            QCOMPARE(int{state.topScores[2]}, 95);
        }
    }
};

QTEST_GUILESS_MAIN(TestGroups)
#include "tst_groups.moc"
