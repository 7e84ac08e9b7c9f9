// SPDX-License-Identifier: GPL-3.0-or-later
// Lock files left behind by a crash never keep the player out, and two running copies still
// exclude each other: the single-instance lock in the runtime folder with every kind of
// content a crash or a stray file leaves (empty, garbage, another host's, a process that is
// gone, a folder), and the game program started over such a lock and over a store lock left
// empty, the store staying byte for byte.
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include "app/singleinstance.h"

using plumet::SingleInstance;

namespace {

const char kLockName[] = "plumet.lock";

// What a test puts in the lock's place before a copy starts.
void leaveLock(const QString& path, const QString& kind, int ageSeconds) {
    if (kind == u"folder" || kind == u"folder with a file") {
        QVERIFY(QDir().mkpath(path));
        if (kind == u"folder with a file") {
            QFile inside(path + QStringLiteral("/note"));
            QVERIFY(inside.open(QIODevice::WriteOnly));
        }
        return;
    }
    QByteArray content;
    if (kind == u"garbage") {
        content = "\x01\xfe\xff not a lock\n\n\n";
    } else if (kind == u"another host's") {
        content = "4242\nplumet\nsomewhere-else.example\n";
    } else if (kind == u"a process that is gone") {
        QProcess gone;
        gone.start(QStringLiteral("true"), {});
        QVERIFY(gone.waitForStarted());
        const qint64 pid = gone.processId();
        QVERIFY(gone.waitForFinished());
        content =
            QByteArray::number(pid) + "\nplumet\n" + QSysInfo::machineHostName().toUtf8() + '\n';
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    QVERIFY(file.flush());  // the time set below is the last change
    if (ageSeconds > 0) {
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                 QFileDevice::FileModificationTime));
    }
}

// Starts the lock holder helper (a second copy that keeps its lock until killed).
bool startHolder(QProcess& holder, const QString& folder) {
    holder.start(QStringLiteral(PLUMET_LOCKHOLDER), {folder});
    if (!holder.waitForStarted(10000)) return false;
    while (!holder.canReadLine())
        if (!holder.waitForReadyRead(10000)) return false;
    return holder.readLine().trimmed() == "locked";
}

// The game program under the offscreen platform with its own folders, reporting its start-up
// through PLUMET_STARTUP_PROBE and ending once the main window is painted.
class Game {
  public:
    Game(const QString& config, const QString& runtime) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("PLUMET_STARTUP_PROBE"), QStringLiteral("exit"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(PLUMET_PROGRAM), {});
    }
    ~Game() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(10000);
        }
    }
    // The labels the probe printed until the program ended (or a minute went by).
    QByteArrayList run() {
        QByteArrayList labels;
        const QDeadlineTimer deadline(60000);
        while (process.state() != QProcess::NotRunning && !deadline.hasExpired())
            process.waitForFinished(100);
        for (const QByteArray& line : process.readAllStandardOutput().split('\n'))
            if (!line.isEmpty()) labels.append(line.split(' ').value(0));
        return labels;
    }

    QProcess process;
};

QByteArray bytesOf(const QString& file) {
    QFile read(file);
    return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
}

}  // namespace

class StaleLockTest : public QObject {
    Q_OBJECT

  private slots:
    // The single-instance lock with what a crash or a stray file leaves in its place.
    void leftLock_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("age");  // seconds
        QTest::addColumn<bool>("runs");
        QTest::addColumn<bool>("locked");  // the new copy holds the lock
        QTest::newRow("empty, a minute old") << "empty" << 60 << true << true;
        QTest::newRow("empty, just made") << "empty" << 0 << false << false;
        QTest::newRow("garbage") << "garbage" << 10 << true << true;
        QTest::newRow("another host's") << "another host's" << 10 << true << true;
        QTest::newRow("a process that is gone") << "a process that is gone" << 0 << true << true;
        QTest::newRow("an empty folder") << "folder" << 0 << true << true;
        QTest::newRow("a folder with a file") << "folder with a file" << 0 << true << false;
    }
    void leftLock() {
        QFETCH(QString, kind);
        QFETCH(int, age);
        QFETCH(bool, runs);
        QFETCH(bool, locked);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        leaveLock(folder.filePath(kLockName), kind, age);
        {
            SingleInstance instance(folder.path());
            QCOMPARE(instance.acquire(), runs);
            QCOMPARE(instance.holdsLock(), locked);
            if (locked) {
                // ... and a second copy meanwhile is refused.
                SingleInstance second(folder.path());
                QVERIFY(!second.acquire());
            }
        }
        if (kind == u"folder with a file")
            QVERIFY(QFile::exists(folder.filePath(kLockName) + QStringLiteral("/note")));
    }

    // A running copy's lock is never taken, however old and whatever it holds: it holds the
    // lock file's own lock.
    void runningCopyKeepsItsLock_data() {
        QTest::addColumn<QByteArray>("content");  // written over the holder's; empty: kept
        QTest::newRow("its own content") << QByteArray();
        QTest::newRow("emptied") << QByteArray("\n");
        QTest::newRow("garbage") << QByteArray("garbage\n");
    }
    void runningCopyKeepsItsLock() {
        QFETCH(QByteArray, content);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QProcess holder;
        QVERIFY(startHolder(holder, folder.path()));
        QFile lock(folder.filePath(kLockName));
        QVERIFY(lock.open(QIODevice::ReadWrite));
        if (!content.isEmpty()) {
            QVERIFY(lock.resize(0));
            lock.write(content);
            lock.flush();
        }
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addDays(-2),
                                 QFileDevice::FileModificationTime));
        lock.close();
        SingleInstance second(folder.path());
        QVERIFY(!second.acquire());
        QVERIFY(QFile::exists(folder.filePath(kLockName)));
        holder.kill();
        QVERIFY(holder.waitForFinished(10000));
        QVERIFY(second.acquire());
    }

    // The game itself over locks a crash left: in the runtime folder (empty, garbage, another
    // host's) and the store's own lock left empty. It starts, and the store stays byte for
    // byte.
    void gameStartsOverLeftLocks_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("runtime lock empty") << "empty";
        QTest::newRow("runtime lock garbage") << "garbage";
        QTest::newRow("runtime lock of another host") << "another host's";
        QTest::newRow("store lock empty") << "store lock";
    }
    void gameStartsOverLeftLocks() {
        QFETCH(QString, kind);
        QTemporaryDir config, runtime;
        QVERIFY(config.isValid() && runtime.isValid());
        const QString store = config.filePath(QStringLiteral("plumet/plumet2.ini"));
        {
            Game first(config.path(), runtime.path());  // the data initialised
            QVERIFY(first.run().contains("main-painted"));
        }
        const QByteArray before = bytesOf(store);
        QVERIFY(before.contains("ckkc=1234"));
        if (kind == u"store lock")
            leaveLock(store + QStringLiteral(".lock"), QStringLiteral("empty"), 10);
        else
            leaveLock(runtime.filePath(kLockName), kind, 10);

        Game game(config.path(), runtime.path());
        const QByteArrayList labels = game.run();
        QVERIFY2(!labels.contains("refused"), labels.join(' ').constData());
        QVERIFY(labels.contains("main-painted"));
        QCOMPARE(game.process.exitCode(), 0);
        QCOMPARE(bytesOf(store), before);
    }
};

QTEST_GUILESS_MAIN(StaleLockTest)
#include "tst_stalelock.moc"
