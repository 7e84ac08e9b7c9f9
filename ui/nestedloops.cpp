#include "ui/nestedloops.h"

#include <QCoreApplication>

namespace plumet {

void NestedLoops::yield() {
    throwIfClosing();
    QCoreApplication::processEvents();
    throwIfClosing();
}

void NestedLoops::run(QEventLoop& loop, QEventLoop::ProcessEventsFlags flags) {
    throwIfClosing();
    const QMetaObject::Connection quit =
        connect(this, &NestedLoops::closed, &loop, &QEventLoop::quit);
    emit waiting();
    loop.exec(flags);
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
