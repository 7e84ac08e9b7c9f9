// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogkeys.h"

#include <QKeyEvent>
#include <QPushButton>

namespace plumet {

namespace {

bool plain(const QKeyEvent* event) {
    return (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == 0;
}

}  // namespace

bool isEnterKey(const QKeyEvent* event) {
    return plain(event) && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
}

bool isEscapeKey(const QKeyEvent* event) {
    return plain(event) && event->key() == Qt::Key_Escape;
}

bool pressButton(QPushButton* button) {
    if (!button || !button->isVisible() || !button->isEnabled()) return false;
    button->click();
    return true;
}

}  // namespace plumet
