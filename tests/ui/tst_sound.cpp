// SPDX-License-Identifier: GPL-3.0-or-later
// The sound routine: which file a player's voice plays, the wave length that bounds a
// synchronous wait, that a synchronous sound ends without an audio device, and that the
// sound module is loaded only when a sound is to play (a missing module is silence).
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "common/wavefile.h"
#include "rules/gamestate.h"
#include "ui/nestedloops.h"
#include "ui/sound.h"
#include "ui/speeds.h"

using namespace plumet;

class SoundTest : public QObject {
    Q_OBJECT
  private slots:
    void fileName_data();
    void fileName();
    void waveLength();
    void synchronousEndsWithoutDevice();
    void soundOffLooksNothingUp();
    void moduleLoadedWhenFirstNeeded_data();
    void moduleLoadedWhenFirstNeeded();
};

void SoundTest::fileName_data() {
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("voice");
    QTest::addColumn<QString>("played");
    QTest::newRow("male voice") << QStringList{"pass1.wav"} << "pass1.wav" << 0 << "pass1.wav";
    QTest::newRow("female voice") << QStringList{"wass2.wav"} << "pass2.wav" << 1 << "wass2.wav";
    QTest::newRow("female fall-back") << QStringList{"wass.wav"} << "pass3.wav" << 1 << "wass.wav";
    QTest::newRow("male fall-back") << QStringList{} << "agari3.wav" << 2 << "agari.wav";
    QTest::newRow("plain effect") << QStringList{"dasu.wav"} << "dasu.wav" << kNoVoice
                                  << "dasu.wav";
    QTest::newRow("plain effect missing") << QStringList{} << "dasu.wav" << kNoVoice << "das.wav";
}

void SoundTest::fileName() {
    QFETCH(QStringList, present);
    QFETCH(QString, name);
    QFETCH(int, voice);
    QFETCH(QString, played);
    QTemporaryDir dir;
    for (const QString& file : present) test::writeWave(dir.filePath(file), 10, true);
    GameState state;
    state.voices = {-1, 0, -1, 0};  // players 2 and 4 female
    QCOMPARE(soundFileName(dir.path(), name, voice, state), played);
}

void SoundTest::waveLength() {
    QTemporaryDir dir;
    test::writeWave(dir.filePath("a.wav"), 1500, true);
    QCOMPARE(waveLengthMs(dir.filePath("a.wav")), 1500);
    QCOMPARE(waveLengthMs(dir.filePath("missing.wav")), -1);
    QFile text(dir.filePath("b.wav"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a wave file at all");
    text.close();
    QCOMPARE(waveLengthMs(dir.filePath("b.wav")), -1);
}

void SoundTest::synchronousEndsWithoutDevice() {
    QTemporaryDir dir;
    test::writeWave(dir.filePath("pass1.wav"), 300, true);
    GameState state;
    state.dataFolder = dir.path().toStdString();
    state.voices = {-1, -1, -1, -1};
    NestedLoops loops;
    Sound sound(
        state, [] { return true; }, loops);
    QElapsedTimer clock;
    clock.start();
    sound.play("pass1.wav", SoundMode::Sync, 0);
    QVERIFY(clock.elapsed() >= 300);  // the clip's length, device or not
    QVERIFY(clock.elapsed() < 300 + speeds::kSoundMarginMs + 2000);
    clock.restart();
    sound.play("nothing1.wav", SoundMode::Sync, 0);  // no file: silence at once
    QVERIFY(clock.elapsed() < 200);
}

void SoundTest::soundOffLooksNothingUp() {
    QTemporaryDir dir;
    test::writeWave(dir.filePath("pass1.wav"), 2000, true);
    GameState state;
    state.dataFolder = dir.path().toStdString();
    NestedLoops loops;
    Sound sound(
        state, [] { return false; }, loops);
    QElapsedTimer clock;
    clock.start();
    sound.play("pass1.wav", SoundMode::Sync, 0);
    QVERIFY(clock.elapsed() < 200);
    // The pause instead of a joker voice ends when the clock's second changes.
    sound.voiceOrPause("babadasi1.wav", 0);
    QVERIFY(clock.elapsed() < 1300);
}

void SoundTest::moduleLoadedWhenFirstNeeded_data() {
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<QString>("module");
    QTest::addColumn<bool>("loaded");
    const QString built = QStringLiteral(PLUMET_SOUND_MODULE);
    QTest::newRow("sound on") << true << built << true;
    QTest::newRow("sound off") << false << built << false;
    QTest::newRow("no module") << true << QStringLiteral("/nonexistent/libplumetsound.so") << false;
}

void SoundTest::moduleLoadedWhenFirstNeeded() {
    QFETCH(bool, soundOn);
    QFETCH(QString, module);
    QFETCH(bool, loaded);
    QTemporaryDir dir;
    test::writeWave(dir.filePath("dasu.wav"), 20, true);
    test::writeWave(dir.filePath("pass1.wav"), 20, true);
    GameState state;
    state.dataFolder = dir.path().toStdString();
    NestedLoops loops;
    Sound sound(
        state, [soundOn] { return soundOn; }, loops);
    sound.setModulePath(module);
    QVERIFY(!sound.moduleLoaded());  // nothing loaded with the sound itself
    sound.play("dasu.wav", SoundMode::Async, kNoVoice);
    sound.play("pass1.wav", SoundMode::Sync, 0);  // ends, device or not
    QCOMPARE(sound.moduleLoaded(), loaded);
    // prepare() loads it as the first sound does, and a second load changes nothing.
    Sound prepared(
        state, [] { return true; }, loops);
    prepared.setModulePath(module);
    prepared.prepare();
    prepared.prepare();
    QCOMPARE(prepared.moduleLoaded(), module == QStringLiteral(PLUMET_SOUND_MODULE));
}

QTEST_MAIN(SoundTest)
#include "tst_sound.moc"
