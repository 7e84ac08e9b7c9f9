// SPDX-License-Identifier: GPL-3.0-or-later
// The human's hand from the keyboard: the focus mark, the keys of a turn, and the hint.
#include "ui/table/handwindow.h"

#include <QKeyEvent>
#include <algorithm>

#include "rules/hint.h"
#include "rules/joker.h"
#include "rules/laying.h"
#include "ui/inputblock.h"
#include "ui/table/boardwindow.h"

namespace plumet {

void HandWindow::setFocusSlot(int slot) {
    const int count = host_.state().handCount[kHuman];
    focusSlot_ = std::clamp(slot, 1, count + 1);
    for (int i = 1; i <= pictureCount(); ++i)
        picture(i)->setFocusMarked(turn_ && count > 0 && i == focusSlot_);
}

int HandWindow::legalFocus() const {
    const GameState& s = host_.state();
    const Rules rules = host_.rules();
    const int count = s.handCount[kHuman];
    if (s.selectedJokerSlot > 0) {
        for (int i = 1; i < count; ++i) {
            if (jokerEnd(s, rules, kHuman, i) > 0) return i;
        }
        return s.selectedJokerSlot;
    }
    for (int i = 1; i <= count; ++i) {
        if (fittingEnd(s, kHuman, i) > 0) return i;
    }
    if (count > 0 && s.hand[kHuman][count] == kJoker && jokerCanFree(s, rules, kHuman))
        return count;
    return count + 1;
}

void HandWindow::showHint() {
    const GameState& s = host_.state();
    if (!turn_ || s.gameNumber == 0 || s.handCount[kHuman] <= 0) return;
    // One hint a position: the turn's hint is shown again as it was found.
    if (hint_) {
        markHint();
        return;
    }
    if (hintSearch_.running()) return;
    const GameState position = s;
    const Rules rules = host_.rules();
    hintSearch_.start(
        [this, position, rules](const std::atomic<bool>& stop) {
            foundHint_ = strongHint(position, rules, gameSearchLimits(stop));
        },
        [this] {
            // The turn may have ended meanwhile: a move clears the hint and cancels its search.
            if (!turn_) return;
            hint_ = foundHint_;
            markHint();
        });
}

void HandWindow::markHint() {
    const Hint& h = hint_->hint;
    picture(h.slot)->setHintMarked(true);
    if (h.kind == Hint::Kind::Joker) picture(h.jokerSlot)->setHintMarked(true);
    if (h.kind == Hint::Kind::Pass) host_.showBoardNotice(hintPassNote(hint_->passReason));
}

void HandWindow::clearHint() {
    hintSearch_.cancel();
    for (int i = 1; i <= pictureCount(); ++i) picture(i)->setHintMarked(false);
    // The hinted pass's words go with the marks.
    if (hint_ && hint_->hint.kind == Hint::Kind::Pass &&
        host_.board().windowTitle().endsWith(hintPassNote(hint_->passReason)))
        host_.board().setWindowTitle(QString::fromUtf8(kBoardCaption));
    hint_.reset();
}

QString hintPassNote(PassReason reason) {
    return reason == PassReason::NothingToLay
               ? QStringLiteral("ヒント：パス（出せるカードがありません）")
               : QStringLiteral("ヒント：パス（今は出すよりパスが有利です）");
}

void HandWindow::keyPressEvent(QKeyEvent* event) {
    const GameState& s = host_.state();
    const int count = s.handCount[kHuman];
    // Keys with Ctrl, Alt or Meta belong to the menus.
    if (!turn_ || count <= 0 || (event->modifiers() & ~Qt::KeypadModifier) != 0) {
        PlayerWindow::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
            setFocusSlot(focusSlot_ - 1);
            break;
        case Qt::Key_Right:
            setFocusSlot(focusSlot_ + 1);
            break;
        case Qt::Key_Home:
            setFocusSlot(1);
            break;
        case Qt::Key_End:
            setFocusSlot(count + 1);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            keyClick(focusSlot_);
            break;
        case Qt::Key_J:
            if (s.hand[kHuman][count] == kJoker) keyClick(count);
            break;
        case Qt::Key_P:
            keyClick(count + 1);
            break;
        case Qt::Key_Escape:
            if (s.selectedJokerSlot > 0) keyClick(s.selectedJokerSlot);
            break;
        default:
            PlayerWindow::keyPressEvent(event);
            return;
    }
    event->accept();
}

void HandWindow::keyClick(int slot) {
    if (slot < 1 || slot > pictureCount() || !acceptsInput(picture(slot))) return;
    clickSlot(slot);
}

}  // namespace plumet
