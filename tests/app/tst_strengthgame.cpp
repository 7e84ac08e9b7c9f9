// SPDX-License-Identifier: GPL-3.0-or-later
// The computer players' strength in the game: the menu "コンピュータの強さ" and its match lock,
// the caption that names the strength during a match, a whole match at "つよい" to its last
// results window, the same seed playing the same game, and the program closed while a search
// runs.
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "gamefixture.h"
#include "matchfixture.h"
#include "rules/invariants.h"
#include "rules/scoring.h"
#include "ui/table/computerwindow.h"

using namespace plumet;
using plumet::test::Game;

namespace {

bool anySearching(Session& session) {
    for (ComputerWindow* computer : session.computers()) {
        if (computer->searching()) return true;
    }
    return false;
}

// The board and every hand at each of the human's turns in the first game of a seeded match,
// the human laying the first card that fits (Enter alone).
QStringList firstGame(std::uint64_t seed) {
    Game game;
    game.main->setStrength(Strength::Strong);
    game.start(seed);
    QStringList turns;
    const int ended = game.gamesEnded;
    while (game.gamesEnded == ended) {
        if (!game.waitForHuman(ended)) return {QStringLiteral("stalled")};
        if (game.gamesEnded > ended) break;
        const GameState& s = game.state();
        QString turn;
        for (int c = 1; c <= 52; ++c) turn += s.onBoard[c] ? u'1' : u'0';
        for (int p = 1; p <= kPlayers; ++p) turn += QStringLiteral(" %1").arg(s.handCount[p]);
        turns << turn;
        QTest::keyClick(&game.human(), Qt::Key_Return);
    }
    return turns;
}

}  // namespace

class StrengthTest : public QObject {
    Q_OBJECT
  private slots:
    void menu();
    void lockedDuringAMatch();
    void matchAtStrongToTheEnd();
    void sameSeedSameGame();
    void closingDuringASearch();
};

void StrengthTest::menu() {
    Game game;
    const MenuItems& m = game.main->items();
    QCOMPARE(m.strengthMenu->title(), QStringLiteral("コンピュータの強さ"));
    QVERIFY(m.optionMenu->actions().contains(m.strengthMenu->menuAction()));
    const QList<QAction*> items{m.strengthWeak, m.strengthClassic, m.strengthStrong};
    QCOMPARE(m.strengthMenu->actions(), items);
    const QStringList captions{QStringLiteral("よわい"), QStringLiteral("ふつう"),
                               QStringLiteral("つよい")};
    const Strength strengths[] = {Strength::Weak, Strength::Classic, Strength::Strong};
    QVERIFY(m.strengthClassic->isChecked());  // a new player meets the classic strategy
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(items[i]->text(), captions[i]);
        QVERIFY(items[i]->isCheckable());
        items[i]->trigger();
        QCOMPARE(game.session->options().strength, strengths[i]);
        for (int j = 0; j < 3; ++j) QCOMPARE(items[j]->isChecked(), i == j);
        // Chosen again, the item stays checked.
        items[i]->trigger();
        QVERIFY(items[i]->isChecked());
    }
}

void StrengthTest::lockedDuringAMatch() {
    Game game;
    const MenuItems& m = game.main->items();
    game.main->setStrength(Strength::Strong);
    const QList<QAction*> locked{m.strengthMenu->menuAction(), m.strengthWeak, m.strengthClassic,
                                 m.strengthStrong};
    for (QAction* item : locked) QVERIFY(item->isEnabled());
    speeds::timing().paceMs = 1000000;  // the match stays where it is
    game.start(3);
    for (QAction* item : locked) QVERIFY(!item->isEnabled());
    QVERIFY2(game.main->windowTitle().endsWith(QStringLiteral("コンピュータ：つよい")),
             qPrintable(game.main->windowTitle()));
    game.answerNextBox();
    m.backToInitialScreen->trigger();
    QTRY_VERIFY(game.state().gameNumber == 0);
    for (QAction* item : locked) QVERIFY(item->isEnabled());
    QVERIFY(!game.main->windowTitle().contains(QStringLiteral("コンピュータ")));
}

void StrengthTest::matchAtStrongToTheEnd() {
    QTemporaryDir data;
    plumet::test::Program p(data.path());
    QVERIFY(p.started);
    p.main->setStrength(Strength::Strong);
    p.session->random().seed(17);
    p.items().newGame->trigger();
    bool searched = false;
    for (int game = 1; game <= kGamesPerMatch; ++game) {
        ResultsWindow* results = nullptr;
        for (int spin = 0; spin < 200000 && !results; ++spin) {
            searched = searched || anySearching(*p.session);
            if ((results = plumet::test::shownWindow<ResultsWindow>())) break;
            if (!p.humanToMove()) {
                QTest::qWait(1);
                continue;
            }
            // Between two moves every move so far was a legal one.
            const std::string fault = checkInvariants(p.state(), p.session->rules());
            QVERIFY2(fault.empty(), fault.c_str());
            QTest::keyClick(&p.session->human(), Qt::Key_Return);
        }
        QVERIFY2(results, "the game stalled");
        QTest::mouseClick(results->button(ResultsWindow::Button::Proceed), Qt::LeftButton);
    }
    QVERIFY(searched);                  // the computer players thought with the search
    QCOMPARE(p.state().gameNumber, 0);  // the match is over
}

void StrengthTest::sameSeedSameGame() {
    // The search draws its seed from the game's generator when the turn arrives, and runs
    // while the pace timer does: however the two end, one seed plays one game.
    const QStringList once = firstGame(23);
    QVERIFY(once.size() > 3);
    QCOMPARE(firstGame(23), once);
}

void StrengthTest::closingDuringASearch() {
    Game game;
    game.main->setStrength(Strength::Strong);
    speeds::timing().searchPlayouts = 100'000'000;  // far longer than the test waits
    game.start(5);
    QVERIFY(game.toComputerTurn());
    QVERIFY(anySearching(*game.session));
    game.answerNextBox();  // "終了？"
    QVERIFY(game.main->close());
    QVERIFY(!anySearching(*game.session));
}

QTEST_MAIN(StrengthTest)
#include "tst_strengthgame.moc"
