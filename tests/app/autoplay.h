// SPDX-License-Identifier: GPL-3.0-or-later
// Playing through the real windows as a simple player does: the first card that fits, else the
// pass card, until the game's results window shows; and finding the window that shows.
#pragma once

#include <QApplication>
#include <QTest>

#include "app/session.h"
#include "rules/laying.h"
#include "ui/cards/cardpicture.h"
#include "ui/inputblock.h"
#include "ui/table/handwindow.h"
#include "ui/windows/resultswindow.h"

namespace plumet::test {

// The visible top-level window of that class, or nullptr.
template <class Window>
Window* shownWindow() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(w); window && window->isVisible()) return window;
    }
    return nullptr;
}

// Whether the human is to move: the hand and the main window take input, cards are held.
inline bool humanToMove(Session& session, const QWidget& main) {
    return acceptsInput(&session.human()) && acceptsInput(&main) &&
           session.state().handCount[kHuman] > 0;
}

// Plays the game under way until its results window shows; nullptr when it never does.
inline ResultsWindow* playToResults(Session& session, const QWidget& main) {
    const GameState& s = session.state();
    for (int spin = 0; spin < 100000; ++spin) {
        if (ResultsWindow* results = shownWindow<ResultsWindow>()) return results;
        if (!humanToMove(session, main)) {
            QTest::qWait(1);
            continue;
        }
        int slot = s.handCount[kHuman] + 1;  // the pass card
        for (int i = 1; i <= s.handCount[kHuman]; ++i) {
            const int target = clickTarget(s, i);
            if (target >= 1 && target <= 8) {
                slot = i;
                break;
            }
        }
        CardPicture* card = session.human().picture(slot);
        QTest::mouseClick(card, Qt::LeftButton, {}, card->rect().center());
    }
    return nullptr;
}

}  // namespace plumet::test
