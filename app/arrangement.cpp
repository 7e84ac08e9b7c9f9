// The window arrangement: the board in the middle, player 3 above it, the human below it,
// player 4 on the left and player 2 on the right; and the table's card size when the cards
// are fitted to the windows.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "app/mainwindow.h"
#include "app/session.h"
#include "ui/boardwindow.h"
#include "ui/cardfit.h"
#include "ui/computerwindow.h"
#include "ui/handwindow.h"
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
    Frame f2, f4, f5, f6, f7;
    Session& s;
    const MainWindow& main;

    QSize card(int player) const { return main.arrangedCardSize(s.window(player)); }
    void sideWidths() const {
        f5.setWidth(sideWidth(card(2)));
        f7.setWidth(sideWidth(card(4)));
    }
    void topAndBottomHeights() const {
        f6.setClientHeight(topClientHeight(card(3)));
        f4.setClientHeight(bottomClientHeight(card(1)));
    }
};

Layout layoutOf(MainWindow& main, Session& s) {
    return {{main.child(2)},
            {main.child(4)},
            {main.child(5)},
            {main.child(6)},
            {main.child(7)},
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

QSize MainWindow::arrangedCardSize(const PlayerWindow& form) const {
    const CardPicture* reference = form.picture(1);
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
    const QMargins m2 = child(2)->contentsMargins(), m4 = child(4)->contentsMargins(),
                   m5 = child(5)->contentsMargins(), m6 = child(6)->contentsMargins(),
                   m7 = child(7)->contentsMargins();
    return largestFittingHeight([&](int height) {
        const QSize c2 = board.picture(0)->sizeAt(height);
        const QSize c4 = human.picture(1)->sizeAt(height);
        const QSize c5 = right.picture(1)->sizeAt(height);
        const QSize c6 = top.picture(1)->sizeAt(height);
        const QSize c7 = left.picture(1)->sizeAt(height);
        // The windows' outer sizes in pixels, rounded as the arrangement rounds them.
        const int middle = px(w - tw(px(sideWidth(c5))) - tw(px(sideWidth(c7))));
        const int topInner = px(topClientHeight(c6));
        const int bottomInner = px(bottomClientHeight(c4));
        const int boardOuter = px(h - tw(topInner + vertical(m6)) - tw(bottomInner + vertical(m4)));
        const int sideOuter = px(h);
        return BoardWindow::holds({middle - horizontal(m2), boardOuter - vertical(m2)}, c2) &&
               human.holds({middle - horizontal(m4), bottomInner}, c4) &&
               top.holds({middle - horizontal(m6), topInner}, c6) &&
               right.holds({c5.width(), sideOuter - vertical(m5)}, c5) &&
               left.holds({c7.width(), sideOuter - vertical(m7)}, c7);
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
        l.f7.setLeft(0);
        l.f5.setLeft(w - l.f5.width());
        for (const Frame& f : {l.f6, l.f4, l.f2}) {
            f.setLeft(l.f7.width());
            f.setWidth(w - l.f5.width() - l.f7.width());
        }
    }
    if (tw(frameGeometry().height()) > 6000 && step != 2) {
        l.topAndBottomHeights();
        for (const Frame& f : {l.f7, l.f5}) {
            f.setTop(0);
            f.setHeight(h);
        }
        l.f6.setTop(0);
        l.f4.setTop(h - l.f4.height());
        l.f2.setTop(l.f6.height());
        l.f2.setHeight(h - l.f4.height() - l.f6.height());
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
            inner.rwidth() += std::max(0, px(4000) - child(2)->width());
            inner.rheight() += std::max(0, px(2500) - child(2)->height());
        }
        tableCardHeight_ = session_.board().heldCardHeight(inner);
    }
    l.sideWidths();
    if (tune && l.f2.width() < 4000) l.f2.setWidth(4000);
    for (const Frame& f : {l.f6, l.f4}) {
        f.setLeft(l.f2.left());
        f.setWidth(l.f2.width());
    }
    l.f5.setLeft(l.f2.left() + l.f2.width());
    l.f7.setLeft(l.f2.left() - l.f7.width());
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
        const double columns = l.f7.width() + l.f4.width() + l.f5.width();
        fitMainWindow(1, {width() + px(columns - clientWidth()), height()});
    }
    l.topAndBottomHeights();
    if (tune && l.f2.height() < 2500) l.f2.setHeight(2500);
    l.f6.setTop(l.f2.top() - l.f6.height());
    l.f4.setTop(l.f2.top() + l.f2.height());
    for (const Frame& f : {l.f5, l.f7}) {
        f.setTop(l.f6.top());
        f.setHeight(l.f6.height() + l.f2.height() + l.f4.height());
    }
    if (tune) fitMainWindow(2, {width(), height() + px(l.f7.height() - clientHeight())});
}

}  // namespace plumet
