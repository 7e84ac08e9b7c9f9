// SPDX-License-Identifier: GPL-3.0-or-later
// A table laid by hand in the middle of a match: the hands, the players already out and the
// board as a test needs them, shown on the real windows as a deal shows them, so that the
// next move runs through the windows as in play.
#pragma once

#include <QList>
#include <array>

#include "gamefixture.h"
#include "ui/inputblock.h"
#include "ui/labeltext.h"

namespace plumet::test {

struct Seat {
    QList<int> hand;  // card codes; the joker (53) goes last
    int passesLeft = 4;
    Outcome outcome = Outcome::Playing;
    int place = 0;  // for a player already out
};

// Starts a match under `joker`, waits for the human's first turn, then replaces the game in
// progress by `seats`: every card no hand holds lies on the board, each row end asks for the
// nearest card of its side that is not on the board. No turn is given: the test calls the
// `takeTurn` of the player to move.
inline void setTable(Game& game, JokerMode joker, const std::array<Seat, kPlayers + 1>& seats) {
    game.main->setJoker(joker);
    game.start(1);
    QVERIFY(game.waitForHuman(game.gamesEnded));
    Session& session = *game.session;
    GameState& s = game.state();
    for (int p = 1; p <= kPlayers; ++p) session.window(p).stopTimers();

    s.onBoard.fill(1);
    s.onBoard[0] = 0;
    s.onBoard[kJoker] = 0;
    s.cardsLeft = 0;
    s.finishOrder.fill(0);
    for (int p = 1; p <= kPlayers; ++p) {
        const Seat& seat = seats[p];
        s.hand[p].fill(0);
        s.handCount[p] = static_cast<std::int16_t>(seat.hand.size());
        for (int i = 0; i < seat.hand.size(); ++i) {
            const int card = seat.hand[i];
            s.hand[p][i + 1] = static_cast<std::int16_t>(card);
            if (card != kJoker) s.onBoard[card] = 0;
        }
        s.cardsLeft = static_cast<std::int16_t>(s.cardsLeft + seat.hand.size());
        s.passesLeft[p] = static_cast<std::int16_t>(seat.passesLeft);
        s.outcome[p] = seat.outcome;
        s.place[p] = static_cast<std::int16_t>(seat.place);
        if (seat.place) s.finishOrder[seat.place] = static_cast<std::int16_t>(p);
        s.outBonus[p] = 0;
    }
    for (int suit = 0; suit < 4; ++suit) {
        std::int16_t down = kClosedEnd, up = kClosedEnd;
        for (int rank = 6; rank >= 1 && down == kClosedEnd; --rank) {
            if (!s.onBoard[suit * 13 + rank]) down = static_cast<std::int16_t>(suit * 13 + rank);
        }
        for (int rank = 8; rank <= 13 && up == kClosedEnd; ++rank) {
            if (!s.onBoard[suit * 13 + rank]) up = static_cast<std::int16_t>(suit * 13 + rank);
        }
        s.rowEnd[2 * suit + 1] = down;
        s.rowEnd[2 * suit + 2] = up;
    }
    s.selectedJokerSlot = 0;
    s.gapHolder = 0;
    s.gapHolderSlot = 0;

    for (int c = 1; c <= 52; ++c) session.board().picture(c)->setVisible(s.onBoard[c]);
    session.board().picture(kJoker)->hide();
    for (int p = 1; p <= kPlayers; ++p) {
        PlayerWindow* playerWindow = &session.window(p);
        playerWindow->prepareDeal();
        if (s.handCount[p] > 0) playerWindow->showHand();
        if (s.outcome[p] != Outcome::Playing) {
            playerWindow->setStatusText(StatusLine::Status,
                                        QString::fromUtf8(outcomeText(s.outcome[p])));
            playerWindow->setStatusText(StatusLine::PassesOrPlace,
                                        signedLabel(s.place[p]) + QStringLiteral(" 位"));
        }
    }
    setAcceptsInput(&session.human(), false);
    setAcceptsInput(game.main.get(), false);
}

// The cards of a hand as its window shows them: how many pictures are visible.
inline int shownCards(const PlayerWindow& playerWindow) {
    int shown = 0;
    for (int i = 1; i <= playerWindow.pictureCount(); ++i)
        shown += playerWindow.picture(i)->isVisible();
    return shown;
}

}  // namespace plumet::test
