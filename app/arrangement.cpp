// The window arrangement: the board in the middle, player 3 above it, the human below it,
// player 4 on the left and player 2 on the right.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "app/mainwindow.h"
#include "app/session.h"
#include "ui/boardwindow.h"
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

double pictureWidth(PlayerForm& form) {
    return tw(form.picture(1)->width());
}
double pictureHeight(PlayerForm& form) {
    return tw(form.picture(1)->height());
}

struct Layout {
    Frame f2, f4, f5, f6, f7;
    Session& s;

    void sideWidths() const {
        f5.setWidth(std::max(pictureWidth(s.window(2)) + 60, 1000.0));
        f7.setWidth(std::max(pictureWidth(s.window(4)) + 60, 1000.0));
    }
    void topAndBottomHeights() const {
        f6.setClientHeight(std::max(pictureHeight(s.window(3)), 900.0));
        f4.setClientHeight(std::max(1.2 * pictureHeight(s.window(1)), 900.0));
    }
};

Layout layoutOf(MDIForm1& main, Session& s) {
    return {{main.child(2)}, {main.child(4)}, {main.child(5)}, {main.child(6)}, {main.child(7)}, s};
}

}  // namespace

void MDIForm1::winallsub() {
    settleLayout();
    const Layout l = layoutOf(*this, session_);
    const double w = clientWidth();
    const double h = clientHeight();
    std::int16_t& step = session_.state().arrangestep;
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

void MDIForm1::winseisub() {
    settleLayout();
    const Layout l = layoutOf(*this, session_);
    const bool tune = options().autoArrange;
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
        session_.state().arrangestep = step;
        resize(size);
        session_.state().arrangestep = 0;
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
