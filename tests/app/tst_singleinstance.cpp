// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance guard: a second copy is refused while the first runs, and the lock of
// a copy that was killed is taken over.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "app/singleinstance.h"

using plumet::SingleInstance;

class TestDialogsInstance : public QObject {
    Q_OBJECT

  private:
    // Starts the helper holding the lock in `folder`; returns once it reports.
    static bool startHolder(QProcess& holder, const QString& folder) {
        holder.start(QStringLiteral(PLUMET_LOCKHOLDER), {folder});
        if (!holder.waitForStarted(10000)) return false;
        while (!holder.canReadLine())
            if (!holder.waitForReadyRead(10000)) return false;
        return holder.readLine().trimmed() == "locked";
    }

  private slots:
    void secondInstanceRefusedUntilHolderKilled() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QProcess holder;
        QVERIFY(startHolder(holder, folder.path()));

        {
            SingleInstance second(folder.path());
            QVERIFY(!second.acquire());
            QVERIFY(!second.holdsLock());
        }

        // A killed holder leaves its lock file behind; it is stale and taken over.
        holder.kill();
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("plumet.lock"))));
        SingleInstance third(folder.path());
        QVERIFY(third.acquire());
        QVERIFY(third.holdsLock());
    }

    void lockReleasedWhenTheGameEnds() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        {
            SingleInstance first(folder.path());
            QVERIFY(first.acquire());
            QVERIFY(first.acquire());  // asking again while holding it is fine
        }
        SingleInstance next(folder.path());
        QVERIFY(next.acquire());
        QVERIFY(next.holdsLock());
    }

    void oldLockOfARunningGameStillRefuses() {
        // The running game's lock file grows old; age alone must not make it stale.
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QProcess holder;
        QVERIFY(startHolder(holder, folder.path()));
        QFile lockFile(folder.filePath(QStringLiteral("plumet.lock")));
        QVERIFY(lockFile.open(QIODevice::ReadWrite));
        QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addDays(-2),
                                     QFileDevice::FileModificationTime));
        lockFile.close();
        SingleInstance second(folder.path());
        QVERIFY(!second.acquire());
        holder.kill();
        holder.waitForFinished(10000);
    }

    void unusableFolderDoesNotBlockTheGame() {
        SingleInstance instance(QStringLiteral("/nonexistent/plumet-test-folder"));
        QVERIFY(instance.acquire());
        QVERIFY(!instance.holdsLock());
    }

    void defaultFolderExists() { QVERIFY(QFileInfo(SingleInstance::defaultLockFolder()).isDir()); }
};

QTEST_GUILESS_MAIN(TestDialogsInstance)
#include "tst_singleinstance.moc"
