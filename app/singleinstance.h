// SPDX-License-Identifier: GPL-3.0-or-later
// Refuses a second running copy of the game: the first copy holds a lock file in the user's
// runtime folder for as long as it runs. A lock left behind by a copy that was killed or
// crashed is recognised (its process is gone) and taken over.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

class QWidget;

namespace plumet {

class SingleInstance {
  public:
    // The lock file "plumet.lock" in `folder` (by default the user's runtime folder).
    explicit SingleInstance(const QString& folder = defaultLockFolder());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process may run: it now holds the lock, or the lock could not be
    // created at all (an unwritable folder must not keep the game from starting). False
    // only when another running process holds the lock. The lock is held until this
    // object is destroyed.
    bool acquire();

    bool holdsLock() const;
    QString lockFilePath() const { return path_; }

    // The user's runtime folder ($XDG_RUNTIME_DIR), or the temporary folder without one.
    static QString defaultLockFolder();

  private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

// The refusal: "すでに起動しています。二重起動は出来ません。" with a warning icon under the
// title "カドリオ For Windows95".
void showAlreadyRunning(QWidget* parent = nullptr);

}  // namespace plumet
