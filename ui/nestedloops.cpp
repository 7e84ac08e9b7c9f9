// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/nestedloops.h"

#include <QCoreApplication>

#include "ui/inputblock.h"

namespace plumet {

void NestedLoops::yield() {
    throwIfClosing();
    {
        const InputDiscarded discarded;
        QCoreApplication::processEvents();
    }
    throwIfClosing();
}

void NestedLoops::run(QEventLoop& loop) {
    throwIfClosing();
    const QMetaObject::Connection quit =
        connect(this, &NestedLoops::closed, &loop, &QEventLoop::quit);
    emit waiting();
    {
        const InputDiscarded discarded;
        loop.exec();
    }
    disconnect(quit);
    throwIfClosing();
}

void NestedLoops::close() {
    if (closing_) return;
    closing_ = true;
    emit closed();
}

void NestedLoops::throwIfClosing() const {
    if (closing_) throw MoveInterrupted{};
}

}  // namespace plumet
