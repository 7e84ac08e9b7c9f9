// SPDX-License-Identifier: GPL-3.0-or-later
// A menu item of a window found by its name, as tables of test cases name them.
#pragma once

#include <QAction>
#include <QWidget>

namespace plumet::test {

inline QAction* menuItem(const QWidget& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

}  // namespace plumet::test
