// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/centring.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace plumet {

namespace {

QPointer<QWidget>& centringWindow() {
    static QPointer<QWidget> window;
    return window;
}

bool shown(const QWidget* over, const QWidget* window) {
    return over && over != window && over->isVisible() && !over->isMinimized();
}

}  // namespace

void setCentringWindow(QWidget* window) {
    centringWindow() = window;
}

void centreWindow(QWidget* window) {
    const QWidget* over = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (!shown(over, window)) over = centringWindow();
    if (!shown(over, window)) over = nullptr;
    QScreen* screen = over ? over->screen() : window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // A window not shown yet has no frame: the window it opens over lends its frame's size.
    QSize size = window->frameGeometry().size();
    if (over && window->frameGeometry() == window->geometry())
        size += over->frameGeometry().size() - over->size();
    QRect frame(QPoint(0, 0), size);
    frame.moveCenter(over ? over->frameGeometry().center() : screen->geometry().center());
    // The whole window stays on the screen, its title bar first.
    const QRect area = screen->availableGeometry();
    frame.moveLeft(std::max(std::min(frame.left(), area.right() - frame.width() + 1), area.left()));
    frame.moveTop(std::max(std::min(frame.top(), area.bottom() - frame.height() + 1), area.top()));
    window->move(frame.topLeft());
}

}  // namespace plumet
