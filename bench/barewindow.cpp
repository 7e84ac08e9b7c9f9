// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: a bare Qt Widgets window of the title window's size
// that prints, as the game does with PLUMET_STARTUP_PROBE, the wall-clock time of its first
// paint ("bare-painted <seconds since the epoch>.<microseconds>") and then leaves.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace {

class BareWindow : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        if (seen_) return;
        seen_ = true;
        // Stamped once the contents have been painted and flushed, as the game's probe does.
        QTimer::singleShot(0, this, [] {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            const auto us = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
            std::printf("bare-painted %lld.%06lld\n", static_cast<long long>(us / 1000000),
                        static_cast<long long>(us % 1000000));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }

  private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    BareWindow window;
    window.resize(560, 320);  // the title window's 8400 x 4800 twips at 96 dpi
    window.show();
    return QApplication::exec();
}
