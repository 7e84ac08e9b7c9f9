// SPDX-License-Identifier: GPL-3.0-or-later
// A computer player's search run on a worker thread, so that the window stays responsive, the
// card flights and the pace timer keep their timing, and closing the program never waits for
// a long search: a cancelled search stops between two playouts.
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <atomic>
#include <functional>

#include "rules/search.h"

namespace plumet {

class BackgroundSearch : public QObject {
    Q_OBJECT
  public:
    explicit BackgroundSearch(QObject* parent = nullptr);
    // Cancels a search still running and waits for it.
    ~BackgroundSearch() override;
    BackgroundSearch(const BackgroundSearch&) = delete;
    BackgroundSearch& operator=(const BackgroundSearch&) = delete;

    // Runs `search` on a worker thread, handing it the flag that asks it to stop; `search`
    // keeps its result where `done` finds it. `done` runs on this object's thread once the
    // search has finished, unless it was cancelled first. A search still running is cancelled.
    void start(std::function<void(const std::atomic<bool>& stop)> search,
               std::function<void()> done);
    // From start() until `done` has run or the search was cancelled.
    bool running() const { return running_; }
    // Asks the search to stop and waits until it has (a search stops between two playouts);
    // its `done` does not run.
    void cancel();

  private:
    QFutureWatcher<void> watcher_;
    std::atomic<bool> stop_{false};
    std::function<void()> done_;
    bool running_ = false;
};

// The limits of a "つよい" search in the game: the fixed amount of playouts (which tests may
// lower through speeds::Timing) and the flag that stops it.
SearchLimits gameSearchLimits(const std::atomic<bool>& stop);

}  // namespace plumet
