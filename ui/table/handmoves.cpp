// SPDX-License-Identifier: GPL-3.0-or-later
// The human's moves: a click on a card, the joker or the pass card, and what the hand shows after
// each.
#include "ui/table/handwindow.h"

#include <algorithm>

#include "rules/joker.h"
#include "rules/laying.h"
#include "rules/passing.h"
#include "ui/inputblock.h"
#include "ui/sound.h"
#include "ui/twips.h"

namespace plumet {

void HandWindow::clickSlot(int i) {
    host_.play([this, i] { click(i); });
}

void HandWindow::click(int i) {
    GameState& s = host_.state();
    if (i > s.handCount[kHuman] + 1) return;
    setInput(false);
    if (i == s.handCount[kHuman] + 1) {
        setAcceptsInput(picture(i), false);
        host_.setDetectionAvailable(false);
        pass();
        return;
    }
    const int target = clickTarget(s, i);
    if (target == kJoker) {
        setInput(true);
        toggleJokerSelection(s, i);
        picture(i)->setImageFile(faceFile(s.selectedJokerSlot > 0 ? QStringLiteral("joker1.bmp")
                                                                  : QStringLiteral("joker.bmp")));
        // Selected: the focus goes to the first card the joker frees, so that the next Enter
        // makes the joker move; deselected: onto the move that exists, as at the turn's start.
        setFocusSlot(legalFocus());
        lowerAll();
        if (host_.options().detection) {
            if (s.selectedJokerSlot > 0)
                liftJokerTargets();
            else
                liftPlayable();
        }
        return;
    }
    if (s.selectedJokerSlot > 0) {
        jokerMove(i);
        return;
    }
    if (target == 0) {
        setInput(true);
        return;
    }
    host_.setDetectionAvailable(false);
    clearHint();
    layCard(s, host_.rules(), kHuman, i, host_.view());
    setInput(false);
    host_.handoff(kHuman);
}

void HandWindow::jokerMove(int slot) {
    GameState& s = host_.state();
    const Rules rules = host_.rules();
    const int end = jokerEnd(s, rules, kHuman, slot);
    if (end == 0) {
        setInput(true);
        return;
    }
    setInput(false);
    host_.setDetectionAvailable(false);
    clearHint();
    plumet::jokerMove(s, rules, kHuman, s.selectedJokerSlot, slot, end, host_.view());
    host_.sound().voiceOrPause(voiceFile("babadasi"), kHuman - 1);
    startExchange();
}

void HandWindow::pass() {
    GameState& s = host_.state();
    if (lastPassRefused(s, host_.rules())) {
        setInput(true);
        setAcceptsInput(picture(s.handCount[kHuman] + 1), true);
        // A move exists: the focus goes onto it, so that Enter makes it, and the board's
        // caption says why the pass was not taken.
        setFocusSlot(legalFocus());
        host_.showBoardNotice(QString::fromUtf8(kLastPassRefused));
        return;
    }
    clearHint();
    if (s.selectedJokerSlot > 0)
        picture(s.selectedJokerSlot)->setImageFile(faceFile(QStringLiteral("joker.bmp")));
    plumet::passOrDropOut(s, kHuman, host_.view());
    setInput(false);
    setColour(kIdleColour);
    host_.handoff(kHuman);
    setAcceptsInput(picture(s.handCount[kHuman] + 1), true);
}

void HandWindow::passed() {
    lowerAll();
    picture(host_.state().handCount[kHuman] + 1)->setImageFile(passCardFile());
    host_.sound().play(voiceFile("pass"), SoundMode::Sync, kHuman - 1);
    showPassesLeft();
}

void HandWindow::droppedOut() {
    picture(1)->hide();
    picture(1)->clearImage();
    PlayerWindow::droppedOut();
}

void HandWindow::afterLay(int card, int slot, LayOutcome outcome) {
    Q_UNUSED(card);
    const GameState& s = host_.state();
    lowerAll();
    // The hand closes up: each picture after the slot moves one slot left, the pass card too.
    const int before = outcome == LayOutcome::JokerLeft ? 2 : s.handCount[kHuman] + 1;
    for (int j = slot; j <= before; ++j) picture(j)->copyImage(*picture(j + 1));
    picture(before + 1)->hide();
    picture(before + 1)->clearImage();
    host_.sound().play(QStringLiteral("dasu.wav"), SoundMode::Async, kNoVoice);
    setColour(kIdleColour);
    layoutSlots(false);
    if (outcome == LayOutcome::JokerLeft) {
        host_.sound().play(voiceFile("babamoti"), SoundMode::Sync, kHuman - 1);
        setAcceptsInput(picture(1), false);
        setAcceptsInput(picture(2), false);
        showPlaceLabels();
    } else if (outcome == LayOutcome::WentOut) {
        picture(1)->hide();
        picture(1)->clearImage();
        showPlaceLabels();
        host_.sound().play(voiceFile("agari"), SoundMode::Sync, kHuman - 1);
    }
}

void HandWindow::jokerReturned() {
    const int n = host_.state().handCount[kHuman];
    picture(n + 1)->setImageFile(passCardFile());
    picture(n + 1)->move(picture(n)->x() + (picture(n)->x() - picture(std::max(n - 1, 1))->x()),
                         px(baseTop()));
    picture(n + 1)->show();
    picture(n)->setImageFile(faceFile(QStringLiteral("joker.bmp")));
    layoutSlots(false);
}

}  // namespace plumet
