// SPDX-License-Identifier: GPL-3.0-or-later
// The application-wide event filter that keeps input out of windows marked as not accepting
// it, and the marks themselves (a property on the widget, gone with it).
#include "ui/inputblock.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

namespace plumet {

namespace {

constexpr char kBlocked[] = "plumetInputBlocked";
int discarding = 0;  // InputDiscarded objects alive

// The events a user makes: what a disabled widget would not get, and the shortcut keys.
bool isInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::NonClientAreaMouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::InputMethod:
        case QEvent::ContextMenu:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::TabletMove:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        default:
            return false;
    }
}

// A popup (a menu, a drop-down list) belongs to the window it drops from; any other window
// stands on its own.
bool endsTheChain(const QWidget* widget) {
    if (!widget->isWindow()) return false;
    const Qt::WindowType type = widget->windowType();
    return type != Qt::Popup && type != Qt::ToolTip;
}

bool marked(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        if (widget->property(kBlocked).toBool()) return true;
        if (endsTheChain(widget)) return false;
    }
    return false;
}

// A shortcut key goes to the object that owns the shortcut: a menu item (blocked when every
// menu or window it stands in is), a QShortcut (blocked with its widget) or a widget.
bool shortcutBlocked(QObject* receiver) {
    if (auto* widget = qobject_cast<QWidget*>(receiver)) return marked(widget);
    if (auto* action = qobject_cast<QAction*>(receiver)) {
        bool blocked = false;
        for (QObject* object : action->associatedObjects()) {
            auto* widget = qobject_cast<QWidget*>(object);
            if (!widget) continue;
            if (!marked(widget)) return false;
            blocked = true;
        }
        return blocked;
    }
    if (auto* shortcut = qobject_cast<QShortcut*>(receiver))
        return marked(qobject_cast<QWidget*>(shortcut->parent()));
    return false;
}

// A modal dialog opened while input is discarded (the close question, when the main window
// is closed during a wait) takes its own input: nothing else could answer it.
bool toModalDialog(QObject* receiver) {
    const QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return false;
    const QWidget* widget = qobject_cast<QWidget*>(receiver);
    if (auto* shortcut = qobject_cast<QShortcut*>(receiver))
        widget = qobject_cast<QWidget*>(shortcut->parent());
    return widget && (widget == modal || modal->isAncestorOf(widget));
}

bool discarded(QObject* receiver) {
    return discarding > 0 && !toModalDialog(receiver);
}

class InputFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (!isInput(type)) return false;
        if (type == QEvent::Shortcut || type == QEvent::ShortcutOverride) {
            if (!discarded(watched) && !shortcutBlocked(watched)) return false;
            // An overridden shortcut is not looked up; the key press that follows is
            // blocked like any other.
            event->accept();
            return true;
        }
        // The window system's window hands the event on to a widget: it is dropped there.
        if (!watched->isWidgetType()) return false;
        if (!discarded(watched) && !marked(static_cast<QWidget*>(watched))) return false;
        event->accept();
        return true;
    }
};

void installFilter() {
    static QPointer<InputFilter> filter;
    if (filter || !QCoreApplication::instance()) return;
    filter = new InputFilter(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

}  // namespace

void setAcceptsInput(QWidget* widget, bool accepts) {
    if (!widget) return;
    installFilter();
    widget->setProperty(kBlocked, !accepts);
}

InputDiscarded::InputDiscarded() {
    installFilter();
    ++discarding;
}

InputDiscarded::~InputDiscarded() {
    --discarding;
}

bool acceptsInput(const QWidget* widget) {
    return widget && widget->isEnabled() && !marked(widget);
}

}  // namespace plumet
