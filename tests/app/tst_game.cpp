// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games through the real windows: the human's clicks as a player makes them, the
// computer windows' turns, and the end state against the rules.
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>

#include "app/dialogcommands.h"
#include "data/store.h"
#include "gamefixture.h"
#include "rules/joker.h"
#include "rules/laying.h"
#include "rules/passing.h"
#include "rules/scoring.h"
#include "ui/dialogs/cardchooser.h"
#include "ui/labeltext.h"

using namespace plumet;
using plumet::test::Game;

namespace {

struct Coverage {
    int invalidClicks = 0;
    int jokerSelections = 0;
    int jokerMoves = 0;
    int refusedPasses = 0;
    int dropOuts = 0;
    int wentOut = 0;
};

int firstSlot(const GameState& s, const std::function<bool(int)>& test) {
    for (int i = 1; i <= s.handCount[kHuman]; ++i) {
        if (test(i)) return i;
    }
    return 0;
}

}  // namespace

class GameTest : public QObject {
    Q_OBJECT
  private slots:
    void dealShowsTheTable();
    void playsWholeGames();
    void menuLockDuringMatch();
    void matchLockHolds_data();
    void matchLockHolds();
    void hiddenPassRestore_data();
    void hiddenPassRestore();
};

void GameTest::dealShowsTheTable() {
    Game game;
    game.start(7);
    const GameState& s = game.state();
    QCOMPARE(s.gameNumber, 1);
    QCOMPARE(game.main->windowTitle(),
             QStringLiteral("カドリオ   － 1 回戦 － （ グループ１ ）   コンピュータ：ふつう"));
    const QString first = game.session->window(s.firstPlayer).windowTitle();
    QCOMPARE(game.session->board().windowTitle(),
             QStringLiteral("－　場　－   ") + first + QStringLiteral(" からスタート"));
    for (const QMdiSubWindow* frame : game.main->frames()) QVERIFY(frame->isVisible());
    for (int c : {7, 20, 33, 46}) {
        CardPicture* card = game.session->board().picture(c);
        QVERIFY(card->isVisible());
        const QPointF pos = game.session->board().cardPos(c);
        QCOMPARE(card->pos(), pxPoint(pos.x(), pos.y()));
    }
    for (int p = 1; p <= kPlayers; ++p) {
        PlayerWindow* playerWindow = &game.session->window(p);
        QCOMPARE(playerWindow->statusLabel(StatusLine::Score)->text(), QStringLiteral(" 0 点"));
        QCOMPARE(playerWindow->statusLabel(StatusLine::Status)->text(), QStringLiteral("パス"));
        QCOMPARE(playerWindow->statusLabel(StatusLine::PassesOrPlace)->text(),
                 QStringLiteral("残 3 回"));
        const QColor expected = p == s.firstPlayer ? kTurnColour : kIdleColour;
        QCOMPARE(playerWindow->colour(), expected);
        int shown = 0;
        for (int i = 1; i <= playerWindow->pictureCount(); ++i)
            shown += playerWindow->picture(i)->isVisible();
        QCOMPARE(shown, s.handCount[p] + (p == kHuman ? 1 : 0));
    }
    QVERIFY(game.human().picture(s.handCount[kHuman] + 1)->imageFile().endsWith("ps4.bmp"));
    QCOMPARE(s.cardsLeft, 49);  // the joker is in play by default
    QVERIFY(game.main->captionTimer().isActive());
    QCOMPARE(game.session->window(s.firstPlayer).colour(), kTurnColour);
}

void GameTest::playsWholeGames() {
    Game game;
    Coverage seen;
    GameState& s = game.state();
    int games = 0;
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        const bool passHappy = seed % 2 == 0;
        game.start(seed);
        if (seed > 1) QCOMPARE(game.lastQuestion, QStringLiteral("新規ゲーム？"));
        const auto scoreBefore = s.score;
        const auto streakBefore = s.streak;
        const auto starterBefore = s.starter;
        const int ended = game.gamesEnded;
        while (game.gamesEnded == ended) {
            QVERIFY2(game.waitForHuman(ended), "the game stalled");
            if (game.gamesEnded > ended) break;
            const Rules rules = game.main->rules();
            QCOMPARE(QString::fromStdString(checkInvariants(s, rules)), QString());
            QCOMPARE(game.human().colour(), kTurnColour);
            const auto before = s;
            const int count = s.handCount[kHuman];

            // A card that fits nowhere: nothing changes, the human is still to move.
            const int wrong = firstSlot(s, [&](int i) { return clickTarget(s, i) == 0; });
            if (wrong && seen.invalidClicks < 3) {
                game.click(wrong);
                QCOMPARE(s.hand, before.hand);
                QCOMPARE(s.cardsLeft, before.cardsLeft);
                QVERIFY(game.humanToMove());
                ++seen.invalidClicks;
            }

            // The joker: select it, try a card it cannot free, then free one.
            const bool joker = s.hand[kHuman][count] == kJoker;
            const int freeable =
                joker ? firstSlot(s, [&](int i) { return i < count && jokerEnd(s, rules, 1, i); })
                      : 0;
            if (freeable) {
                game.click(count);
                QCOMPARE(s.selectedJokerSlot, count);
                QVERIFY(game.human().picture(count)->imageFile().endsWith("joker1.bmp"));
                ++seen.jokerSelections;
                const int stuck =
                    firstSlot(s, [&](int i) { return i < count && jokerEnd(s, rules, 1, i) == 0; });
                if (stuck) {
                    game.click(stuck);
                    QCOMPARE(s.hand, before.hand);
                    QCOMPARE(s.selectedJokerSlot, count);
                }
                const int end = jokerEnd(s, rules, 1, freeable);
                const int gap = s.rowEnd[end];
                const int freed = s.hand[kHuman][freeable];
                game.click(freeable);
                QVERIFY(game.waitForHuman(ended));
                QCOMPARE(s.onBoard[freed], 1);
                QCOMPARE(s.onBoard[gap], 1);
                QCOMPARE(s.selectedJokerSlot, 0);
                QVERIFY(!game.session->board().picture(kJoker)->isVisible());
                ++seen.jokerMoves;
                continue;
            }

            const int playable = firstSlot(
                s, [&](int i) { return clickTarget(s, i) >= 1 && clickTarget(s, i) <= 52; });
            if (passHappy || !playable) {
                const bool refused = lastPassRefused(s, rules);
                game.click(count + 1);
                if (refused) {
                    QCOMPARE(s.passesLeft[kHuman], 1);
                    QVERIFY(game.humanToMove());
                    QVERIFY(acceptsInput(game.human().picture(count + 1)));
                    ++seen.refusedPasses;
                } else if (before.passesLeft[kHuman] == 1) {
                    QCOMPARE(s.passesLeft[kHuman], 0);
                    QCOMPARE(s.handCount[kHuman], 0);
                    QCOMPARE(s.outcome[kHuman], Outcome::DroppedOut);
                    QCOMPARE(game.human().statusLabel(StatusLine::Status)->text(),
                             QStringLiteral("はきだし"));
                    ++seen.dropOuts;
                    continue;
                } else {
                    QCOMPARE(s.passesLeft[kHuman], before.passesLeft[kHuman] - 1);
                    QVERIFY(game.human()
                                .picture(s.handCount[kHuman] + 1)
                                ->imageFile()
                                .endsWith(QStringLiteral("ps%1.bmp").arg(s.passesLeft[kHuman])));
                    continue;
                }
            }
            if (!playable) continue;
            const int card = s.hand[kHuman][playable];
            game.click(playable);
            QCOMPARE(s.onBoard[card], 1);
            if (s.outcome[kHuman] == Outcome::WentOut) {
                QCOMPARE(game.human().statusLabel(StatusLine::Status)->text(),
                         QStringLiteral("あがり！"));
                ++seen.wentOut;
            }
        }
        ++games;

        // The end state: every card laid, the places taken, the points as the rules give them.
        std::array<bool, kPlayers + 1> placed{};
        for (int k = 1; k <= kPlayers; ++k) {
            QVERIFY(s.finishOrder[k] >= 1 && s.finishOrder[k] <= kPlayers);
            placed[s.finishOrder[k]] = true;
        }
        GameState expected = s;
        expected.score = scoreBefore;
        expected.streak = streakBefore;
        expected.starter = starterBefore;
        scoreGame(expected);
        QCOMPARE(s.score, expected.score);
        QCOMPARE(s.gamePoints, expected.gamePoints);
        for (int p = 1; p <= kPlayers; ++p) {
            QVERIFY(placed[p]);
            QCOMPARE(s.handCount[p], 0);
            PlayerWindow* playerWindow = &game.session->window(p);
            QCOMPARE(playerWindow->statusLabel(StatusLine::Score)->text(),
                     signedLabel(s.score[p]) + QStringLiteral(" 点"));
            QCOMPARE(playerWindow->statusLabel(StatusLine::Status)->text(),
                     QString::fromUtf8(outcomeText(s.outcome[p])));
            QCOMPARE(playerWindow->statusLabel(StatusLine::PassesOrPlace)->text(),
                     signedLabel(s.place[p]) + QStringLiteral(" 位"));
        }
        QVERIFY(acceptsInput(game.main.get()));
        if (games >= 4 && seen.jokerMoves && seen.refusedPasses && seen.dropOuts && seen.wentOut &&
            seen.invalidClicks)
            break;
    }
    qInfo(
        "%d games: %d invalid clicks, %d joker selections, %d joker moves, %d refused passes, "
        "%d drop-outs, %d times out",
        games, seen.invalidClicks, seen.jokerSelections, seen.jokerMoves, seen.refusedPasses,
        seen.dropOuts, seen.wentOut);
    QVERIFY(seen.invalidClicks > 0);
    QVERIFY(seen.jokerSelections > 0);
    QVERIFY(seen.jokerMoves > 0);
    QVERIFY(seen.refusedPasses > 0);
    QVERIFY(seen.dropOuts > 0);
    QVERIFY(seen.wentOut > 0);
}

void GameTest::menuLockDuringMatch() {
    Game game;
    QVERIFY(game.main->items().aceKing->isEnabled());
    QVERIFY(!game.main->items().backToInitialScreen->isEnabled());
    game.start(3);
    const MenuItems& m = game.main->items();
    for (QAction* item :
         {m.aceKing, m.jokerNone, m.jokerOnce, m.jokerReused, m.twoPasses, m.threePasses})
        QVERIFY2(!item->isEnabled(), qPrintable(item->objectName()));
    QVERIFY(game.main->items().backToInitialScreen->isEnabled());
    QVERIFY(game.main->toolButton(ToolButton::Title)->isVisibleTo(game.main.get()));
    QVERIFY(!game.main->toolButton(ToolButton::TitleOff)->isVisibleTo(game.main.get()));
    // The AK, joker and pass buttons change nothing during a match.
    const Rules before = game.main->rules();
    for (int n : {8, 9, 10, 11, 12, 23, 24}) {
        if (game.main->toolButton(static_cast<ToolButton>(n))->isVisibleTo(game.main.get()))
            emit game.main->toolButton(static_cast<ToolButton>(n))->clicked();
    }
    QCOMPARE(game.main->rules().aceKing, before.aceKing);
    QCOMPARE(game.main->rules().joker, before.joker);
    QCOMPARE(game.main->rules().passes, before.passes);
    // Back to the initial screen after the question.
    QVERIFY(game.waitForHuman(0));
    game.answerNextBox();
    game.main->items().backToInitialScreen->trigger();
    QCOMPARE(game.lastQuestion, QStringLiteral("初期画面？"));
    QCOMPARE(game.state().gameNumber, 0);
    for (const QMdiSubWindow* frame : game.main->frames()) QVERIFY(!frame->isVisible());
    QVERIFY(game.main->items().aceKing->isEnabled());
    QCOMPARE(game.main->windowTitle(), QStringLiteral("カドリオ   （ グループ１ ）"));
}

void GameTest::matchLockHolds_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("humanTurn");     // enabled while the human is to move
    QTest::addColumn<bool>("computerTurn");  // enabled while a computer player is to move
    for (const char* locked : {"mnugroup", "mnucard", "mnuba", "mnumy", "mnuura", "ruruak",
                               "jokernai", "jokerdo", "jokersai", "ps2", "ps3"})
        QTest::newRow(locked) << QString::fromLatin1(locked) << false << false;
    // Detection is locked too, but the human's turn makes it available for that turn.
    QTest::newRow("daseruka") << QStringLiteral("daseruka") << true << false;
    QTest::newRow("mnusyoki") << QStringLiteral("mnusyoki") << true << true;
}

// The lock of a match holds through every turn: giving the main window its input back at the
// human's turn unlocks nothing, and the card set chooser cannot be opened at all.
void GameTest::matchLockHolds() {
    QFETCH(QString, item);
    QFETCH(bool, humanTurn);
    QFETCH(bool, computerTurn);
    Game game;
    Store store;
    attachDialogCommands(*game.main, *game.session, store);
    game.main->attachDialog(game.main->items().changeGroup, [] {});  // the match course's dialog
    const auto action = [&game, &item] {
        if (item == QLatin1String("mnucard")) return game.main->items().cardMenu->menuAction();
        return test::menuItem(*game.main, item.toLatin1().constData());
    };
    QVERIFY(action()->isEnabled() != (item == QLatin1String("mnusyoki")));
    game.start(3);
    QVERIFY(game.waitForHuman(0) && game.humanToMove());
    QCOMPARE(action()->isEnabled(), humanTurn);
    QVERIFY(game.toComputerTurn());
    QCOMPARE(action()->isEnabled(), computerTurn);
    for (int mode = 1; mode <= 3; ++mode)
        QVERIFY(!openCardChooser(*game.main, *game.session, mode));
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<CardChooser*>(window) || !window->isVisible());
}

void GameTest::hiddenPassRestore_data() {
    QTest::addColumn<int>("player");  // whose window's "パス" is double-clicked
    QTest::addColumn<bool>("restores");
    QTest::newRow("Form5") << 2 << false;
    QTest::newRow("Form6") << 3 << true;
    QTest::newRow("Form7") << 4 << false;
}

void GameTest::hiddenPassRestore() {
    QFETCH(int, player);
    QFETCH(bool, restores);
    Game game;
    GameState& s = game.state();
    HandWindow& human = game.human();
    game.start(5);
    const auto pass = [&game, &s] {
        QVERIFY(game.waitForHuman(0));
        game.click(s.handCount[kHuman] + 1);
        QVERIFY(game.waitForHuman(0));
        QCOMPARE(game.gamesEnded, 0);
    };
    const auto passCard = [&human, &s] {
        return QFileInfo(human.picture(s.handCount[kHuman] + 1)->imageFile()).fileName();
    };
    for (int i = 0; i < 2; ++i) {
        pass();
        if (QTest::currentTestFailed()) return;
    }
    QCOMPARE(s.passesLeft[kHuman], 2);
    QCOMPARE(passCard(), QStringLiteral("ps2.bmp"));
    QCOMPARE(human.statusLabel(StatusLine::PassesOrPlace)->text(), QStringLiteral("残 1 回"));

    QLabel* label = game.session->window(player).statusLabel(StatusLine::Status);
    QCOMPARE(label->text(), QStringLiteral("パス"));
    QTest::mouseDClick(label, Qt::LeftButton, {}, label->rect().center());
    // Only the passes change: the pass card and the counter show the old number until the
    // next pass rewrites them.
    QCOMPARE(s.passesLeft[kHuman], restores ? 4 : 2);
    QCOMPARE(passCard(), QStringLiteral("ps2.bmp"));
    QCOMPARE(human.statusLabel(StatusLine::PassesOrPlace)->text(), QStringLiteral("残 1 回"));
    QVERIFY(game.humanToMove());
    if (!restores) return;

    // Three more passes before the last one that would drop the human out.
    for (int left = 3; left >= 1; --left) {
        pass();
        if (QTest::currentTestFailed()) return;
        QCOMPARE(s.passesLeft[kHuman], left);
        QCOMPARE(passCard(), QStringLiteral("ps%1.bmp").arg(left));
        QCOMPARE(human.statusLabel(StatusLine::PassesOrPlace)->text(),
                 QStringLiteral("残 %1 回").arg(left - 1));
    }
}

QTEST_MAIN(GameTest)
#include "tst_game.moc"
