// SPDX-License-Identifier: GPL-3.0-or-later
// Refuses a second running copy of the game: the first copy holds a lock file in the user's
// runtime folder for as long as it runs. A lock without a live owner never keeps the player
// out: one whose process is gone is taken over at once; one whose owner cannot be read (empty,
// as a copy killed right after making it leaves it; garbage; another host's) once it is a few
// seconds old; a folder in its place when it is empty (a folder with something in it is left
// alone and the game runs without the lock). A copy that runs holds the lock file's own lock
// (flock) as well, and its lock is never taken.
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
    // created at all (an unwritable folder, or a folder with files in it under the lock's
    // name, must not keep the game from starting). False only when another running copy
    // holds the lock, or one that may be running: a lock file just made whose owner cannot be
    // read yet. The lock is held until this object is destroyed.
    bool acquire();

    bool holdsLock() const;
    QString lockFilePath() const { return path_; }

    // The user's runtime folder ($XDG_RUNTIME_DIR), or the temporary folder without one.
    static QString defaultLockFolder();

  private:
    // Whether the lock file there now may belong to a copy that runs.
    bool ownerMayRun() const;
    // Removes what is in the lock's place: a lock file nobody holds, or an empty folder.
    void clearLeftLock();

    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

// The refusal: "すでに起動しています。二重起動は出来ません。" with a warning icon under the
// title "カドリオ For Windows95".
void showAlreadyRunning(QWidget* parent = nullptr);

}  // namespace plumet
