// SPDX-License-Identifier: GPL-3.0-or-later
// The game program itself, run twice: a second copy is refused while the first runs, and
// allowed once the first was killed (its lock left behind). The programs run under the
// offscreen platform with their own settings and runtime folders, and report their start-up
// through PLUMET_STARTUP_PROBE.
#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

class Game {
  public:
    Game(const QTemporaryDir& config, const QTemporaryDir& runtime, const char* probe) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("PLUMET_STARTUP_PROBE"), QString::fromLatin1(probe));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start(QStringLiteral(PLUMET_PROGRAM), {});
    }
    ~Game() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(10000);
        }
    }

    // Reads the probe's lines until one is `label` (true), the program has ended or half a
    // minute has gone by.
    bool waitFor(const QByteArray& label) {
        const QDeadlineTimer deadline(30000);
        for (;;) {
            while (process.canReadLine()) {
                lines.append(process.readLine().split(' ').value(0).trimmed());
                if (lines.last() == label) return true;
            }
            if (process.state() == QProcess::NotRunning || deadline.hasExpired()) return false;
            process.waitForReadyRead(100);
        }
    }

    QProcess process;
    QByteArrayList lines;
};

}  // namespace

class InstanceTest : public QObject {
    Q_OBJECT
  private slots:
    void secondCopyRefusedUntilFirstKilled() {
        QTemporaryDir config, runtime;
        QVERIFY(config.isValid() && runtime.isValid());

        Game first(config, runtime, "report");
        QVERIFY(first.waitFor("title-painted"));

        {
            Game second(config, runtime, "exit");
            QVERIFY(second.waitFor("refused"));
            QVERIFY(second.process.waitForFinished(20000));
            QCOMPARE(second.process.exitStatus(), QProcess::NormalExit);
            QCOMPARE(second.process.exitCode(), 1);
            second.waitFor("title-painted");
            QVERIFY(!second.lines.contains("title-painted"));
        }
        // The first copy goes on undisturbed.
        QCOMPARE(first.process.state(), QProcess::Running);
        QVERIFY(first.waitFor("main-painted"));

        first.process.kill();
        QVERIFY(first.process.waitForFinished(10000));
        Game third(config, runtime, "exit");
        QVERIFY(third.waitFor("title-painted"));
        QVERIFY(third.waitFor("main-painted"));
        QVERIFY(third.process.waitForFinished(20000));
        QCOMPARE(third.process.exitCode(), 0);
        QVERIFY(!third.lines.contains("refused"));
    }
};

QTEST_GUILESS_MAIN(InstanceTest)
#include "tst_instance.moc"
