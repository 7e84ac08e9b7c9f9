// SPDX-License-Identifier: GPL-3.0-or-later
// The window arrangement: the board in the middle, player 3 above it, the human below it,
// player 4 on the left and player 2 on the right; and the table's card size when the cards
// are fitted to the windows.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "app/mainwindow.h"
#include "app/session.h"
#include "ui/cards/cardfit.h"
#include "ui/table/boardwindow.h"
#include "ui/table/computerwindow.h"
#include "ui/table/handwindow.h"
#include "ui/twips.h"

namespace plumet {

namespace {

// A child window's frame in twips, read and written one edge at a time as the arrangement
// rules do.
struct Frame {
    QMdiSubWindow* window;
    double left() const { return tw(window->x()); }
    double top() const { return tw(window->y()); }
    double width() const { return tw(window->width()); }
    double height() const { return tw(window->height()); }
    // The inner height: the frame's height less its title bar and borders (read from the
    // frame itself, which is right also while the window is hidden).
    double clientHeight() const {
        const QMargins margins = window->contentsMargins();
        return tw(window->height() - margins.top() - margins.bottom());
    }
    void setLeft(double v) const { window->move(px(v), window->y()); }
    void setTop(double v) const { window->move(window->x(), px(v)); }
    void setWidth(double v) const { window->resize(px(v), window->height()); }
    void setHeight(double v) const { window->resize(window->width(), px(v)); }
    // The outer height that gives the wanted client height.
    void setClientHeight(double v) const { setHeight(height() + v - clientHeight()); }
};

// The size rules of the cross, in twips, from the card sizes (frame included, pixels).
double sideWidth(QSize card) {
    return std::max(tw(card.width()) + 60, 1000.0);
}
double topClientHeight(QSize card) {
    return std::max(tw(card.height()), 900.0);
}
double bottomClientHeight(QSize card) {
    return std::max(1.2 * tw(card.height()), 900.0);
}

struct Layout {
    Frame board, bottom, right, top, left;
    Session& s;
    const MainWindow& main;

    QSize card(int player) const { return main.arrangedCardSize(s.window(player)); }
    void sideWidths() const {
        right.setWidth(sideWidth(card(2)));
        left.setWidth(sideWidth(card(4)));
    }
    void topAndBottomHeights() const {
        top.setClientHeight(topClientHeight(card(3)));
        bottom.setClientHeight(bottomClientHeight(card(1)));
    }
};

Layout layoutOf(MainWindow& main, Session& s) {
    return {{main.boardFrame()},
            {main.playerFrame(1)},
            {main.playerFrame(2)},
            {main.playerFrame(3)},
            {main.playerFrame(4)},
            s,
            main};
}

int horizontal(const QMargins& m) {
    return m.left() + m.right();
}
int vertical(const QMargins& m) {
    return m.top() + m.bottom();
}

}  // namespace

QSize MainWindow::arrangedCardSize(const PlayerWindow& playerWindow) const {
    const CardPicture* reference = playerWindow.picture(1);
    return tableCardHeight_ > 0 ? reference->sizeAt(tableCardHeight_) : reference->size();
}

// The table's card height for the client area: the largest height at which the cross that
// "ｳｨﾝﾄﾞ全体に整列" builds over the client area for cards of that height leaves every window
// room for them by its own layout rules (the board's four rows and thirteen columns apart, the
// hands inside their windows). The arrangement sizes the windows for cards of this height, and
// every window then fits its cards to the size it was given. Window sizes come from card sizes
// and fitted card sizes from window sizes; this rule reaches its fixed point in one pass because
// the table's height depends on the client area and the pictures' proportions only, never on
// where the windows stand or what they draw, and the windows fit their cards without feeding
// back into the arrangement. The windows come out holding cards of this height (the board
// sometimes a pixel more: the cross for one pixel less leaves it a little larger). The side
// windows are as wide as their card and 60 twips, which with a sub-window's frame may be a
// little less than the card: they draw their backs that much narrower, and only their height
// limits the table's card.
int MainWindow::crossCardHeight() {
    settleLayout();
    const double w = clientWidth();
    const double h = clientHeight();
    BoardWindow& board = session_.board();
    PlayerWindow& human = session_.window(1);
    PlayerWindow& right = session_.window(2);
    PlayerWindow& top = session_.window(3);
    PlayerWindow& left = session_.window(4);
    const QMargins boardMargins = boardFrame()->contentsMargins(),
                   bottomMargins = playerFrame(1)->contentsMargins(),
                   rightMargins = playerFrame(2)->contentsMargins(),
                   topMargins = playerFrame(3)->contentsMargins(),
                   leftMargins = playerFrame(4)->contentsMargins();
    return largestFittingHeight([&](int height) {
        const QSize boardCard = board.picture(0)->sizeAt(height);
        const QSize bottomCard = human.picture(1)->sizeAt(height);
        const QSize rightCard = right.picture(1)->sizeAt(height);
        const QSize topCard = top.picture(1)->sizeAt(height);
        const QSize leftCard = left.picture(1)->sizeAt(height);
        // The windows' outer sizes in pixels, rounded as the arrangement rounds them.
        const int middle = px(w - tw(px(sideWidth(rightCard))) - tw(px(sideWidth(leftCard))));
        const int topInner = px(topClientHeight(topCard));
        const int bottomInner = px(bottomClientHeight(bottomCard));
        const int boardOuter =
            px(h - tw(topInner + vertical(topMargins)) - tw(bottomInner + vertical(bottomMargins)));
        const int sideOuter = px(h);
        return BoardWindow::holds(
                   {middle - horizontal(boardMargins), boardOuter - vertical(boardMargins)},
                   boardCard) &&
               human.holds({middle - horizontal(bottomMargins), bottomInner}, bottomCard) &&
               top.holds({middle - horizontal(topMargins), topInner}, topCard) &&
               right.holds({rightCard.width(), sideOuter - vertical(rightMargins)}, rightCard) &&
               left.holds({leftCard.width(), sideOuter - vertical(leftMargins)}, leftCard);
    });
}

void MainWindow::fitCards() {
    const bool on = options().fitCards;
    tableCardHeight_ = on ? crossCardHeight() : 0;
    session_.board().setCardsFitted(on);
    for (int p = 1; p <= kPlayers; ++p) session_.window(p).setCardsFitted(on);
}

void MainWindow::arrangeWhole() {
    settleLayout();
    std::int16_t& step = session_.state().arrangeStep;
    // A full run sizes the cards for the client area first. The one-way runs nested in
    // "場を中心に整列" keep the card size that command has chosen.
    if (step != 2 && step != 3) fitCards();
    const Layout l = layoutOf(*this, session_);
    const double w = clientWidth();
    const double h = clientHeight();
    if (tw(frameGeometry().width()) > 6000 && step != 3) {
        l.sideWidths();
        l.left.setLeft(0);
        l.right.setLeft(w - l.right.width());
        for (const Frame& f : {l.top, l.bottom, l.board}) {
            f.setLeft(l.left.width());
            f.setWidth(w - l.right.width() - l.left.width());
        }
    }
    if (tw(frameGeometry().height()) > 6000 && step != 2) {
        l.topAndBottomHeights();
        for (const Frame& f : {l.left, l.right}) {
            f.setTop(0);
            f.setHeight(h);
        }
        l.top.setTop(0);
        l.bottom.setTop(h - l.bottom.height());
        l.board.setTop(l.top.height());
        l.board.setHeight(h - l.bottom.height() - l.top.height());
    }
    step = 0;
}

void MainWindow::arrangeAroundBoard() {
    settleLayout();
    const Layout l = layoutOf(*this, session_);
    const bool tune = options().autoArrange;
    if (options().fitCards) {
        // The board stays: the cards take the largest size it holds (at the size it is about to
        // be given), and the windows around it are sized from that.
        QSize inner = session_.board().size();
        if (tune) {
            inner.rwidth() += std::max(0, px(4000) - boardFrame()->width());
            inner.rheight() += std::max(0, px(2500) - boardFrame()->height());
        }
        tableCardHeight_ = session_.board().heldCardHeight(inner);
    }
    l.sideWidths();
    if (tune && l.board.width() < 4000) l.board.setWidth(4000);
    for (const Frame& f : {l.top, l.bottom}) {
        f.setLeft(l.board.left());
        f.setWidth(l.board.width());
    }
    l.right.setLeft(l.board.left() + l.board.width());
    l.left.setLeft(l.board.left() - l.left.width());
    // Under 勝手に整列 the main window is fitted to the cross; its resize arranges again, one
    // pass as the counter says. A window that fits already gets no resize, so the counter is
    // cleared here too: left raised, it would cut the user's next resize to one pass.
    const auto fitMainWindow = [this](std::int16_t step, QSize size) {
        session_.state().arrangeStep = step;
        resize(size);
        session_.state().arrangeStep = 0;
    };
    if (tune) {
        // The client area fits the three columns exactly.
        const double columns = l.left.width() + l.bottom.width() + l.right.width();
        fitMainWindow(1, {width() + px(columns - clientWidth()), height()});
    }
    l.topAndBottomHeights();
    if (tune && l.board.height() < 2500) l.board.setHeight(2500);
    l.top.setTop(l.board.top() - l.top.height());
    l.bottom.setTop(l.board.top() + l.board.height());
    for (const Frame& f : {l.right, l.left}) {
        f.setTop(l.top.top());
        f.setHeight(l.top.height() + l.board.height() + l.bottom.height());
    }
    if (tune) fitMainWindow(2, {width(), height() + px(l.left.height() - clientHeight())});
}

}  // namespace plumet
