// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/table/backgroundsearch.h"

#include <QtConcurrent/QtConcurrentRun>

#include "ui/speeds.h"

namespace plumet {

SearchLimits gameSearchLimits(const std::atomic<bool>& stop) {
    SearchLimits limits;
    if (speeds::timing().searchPlayouts > 0) limits.playouts = speeds::timing().searchPlayouts;
    limits.stop = &stop;
    return limits;
}

BackgroundSearch::BackgroundSearch(QObject* parent) : QObject(parent) {
    connect(&watcher_, &QFutureWatcher<void>::finished, this, [this] {
        // The callback may start the next search: it is taken out first.
        const std::function<void()> done = std::exchange(done_, nullptr);
        running_ = false;
        if (done) done();
    });
}

BackgroundSearch::~BackgroundSearch() {
    cancel();
}

void BackgroundSearch::start(std::function<void(const std::atomic<bool>& stop)> search,
                             std::function<void()> done) {
    cancel();
    stop_ = false;
    done_ = std::move(done);
    running_ = true;
    watcher_.setFuture(QtConcurrent::run([this, search = std::move(search)] { search(stop_); }));
}

void BackgroundSearch::cancel() {
    done_ = nullptr;
    stop_ = true;
    watcher_.waitForFinished();
    running_ = false;
}

}  // namespace plumet
