// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startupprobe.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

#include "ui/windows/titlewindow.h"

namespace plumet {

namespace {

void printStamp(const char* label) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto us = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
    std::printf("%s %lld.%06lld\n", label, static_cast<long long>(us / 1000000),
                static_cast<long long>(us % 1000000));
    std::fflush(stdout);
}

bool exitMode() {
    return qEnvironmentVariable("PLUMET_STARTUP_PROBE") == QLatin1String("exit");
}

class PaintProbe : public QObject {
  public:
    PaintProbe(QWidget* window, const char* label, bool exitAfter)
        : QObject(window), label_(label), exitAfter_(exitAfter) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The paint event comes before the painting; the stamp is taken once the window's
            // contents have been painted and flushed.
            QTimer::singleShot(0, this, [this] { stamp(); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void stamp() {
        printStamp(label_);
        if (exitAfter_) QCoreApplication::exit(0);
    }

    const char* label_;
    bool exitAfter_;
    bool seen_ = false;
};

}  // namespace

void installStartupProbe(QWidget* window) {
    if (!qEnvironmentVariableIsSet("PLUMET_STARTUP_PROBE") || !window) return;
    if (qobject_cast<TitleWindow*>(window))
        window->installEventFilter(new PaintProbe(window, "title-painted", false));
    else
        window->installEventFilter(new PaintProbe(window, "main-painted", exitMode()));
}

}  // namespace plumet

namespace plumet {

void probeRefusal() {
    if (!qEnvironmentVariableIsSet("PLUMET_STARTUP_PROBE")) return;
    printStamp("refused");
    if (!exitMode()) return;
    // The message box runs its own loop: close it from there as soon as it is up.
    auto* closer = new QTimer(QCoreApplication::instance());
    QObject::connect(closer, &QTimer::timeout, closer, [closer] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
            closer->deleteLater();
        }
    });
    closer->start(10);
}

}  // namespace plumet
