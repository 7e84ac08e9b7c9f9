#include "ui/sound.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTime>
#include <QTimer>
#include <QUrl>
#include <QtEndian>
#include <memory>

#include "rules/gamestate.h"
#include "ui/nestedloops.h"
#include "ui/speeds.h"

namespace plumet {

namespace {

bool audioDevice() {
    return !QMediaDevices::defaultAudioOutput().isNull();
}

}  // namespace

int waveLengthMs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return -1;
    quint32 byteRate = 0;
    // Walk the chunks: "fmt " gives the byte rate, "data" the length of the samples.
    while (true) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8) return -1;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            const QByteArray format = file.read(size);
            if (format.size() < 12) return -1;
            byteRate = qFromLittleEndian<quint32>(format.constData() + 8);
            if (size % 2) file.read(1);
        } else if (chunk.startsWith("data")) {
            if (byteRate == 0) return -1;
            return static_cast<int>(qint64(size) * 1000 / byteRate);
        } else if (!file.seek(file.pos() + size + size % 2)) {
            return -1;
        }
    }
}

QString soundFileName(const QString& dir, const QString& name, int voice, const GameState& state) {
    QString file = name;
    if (voice != kNoVoice && voice >= 0 && voice < kPlayers && state.voices[voice] == 0)
        file = QLatin1Char('w') + file.mid(1);
    if (!QFileInfo::exists(QDir(dir).filePath(file)) && file.size() >= 5)
        file = file.left(file.size() - 5) + QStringLiteral(".wav");
    return file;
}

Sound::Sound(const GameState& state, std::function<bool()> soundOn, NestedLoops& loops,
             QObject* parent)
    : QObject(parent), state_(state), soundOn_(std::move(soundOn)), loops_(loops) {
    connect(&loops_, &NestedLoops::closed, this, &Sound::stopAll);
}

void Sound::play(const QString& name, SoundMode mode, int voice) {
    if (!soundOn_()) return;
    if (voice != kNoVoice) loops_.yield();
    const QString dir = QString::fromStdString(state_.dataFolder);
    const QString path = QDir(dir).filePath(soundFileName(dir, name, voice, state_));
    const int length = waveLengthMs(path);
    if (length < 0) return;  // no such file, or not a wave file: silence
    if (mode == SoundMode::Async) {
        if (audioDevice()) asyncEffect(path)->play();
        return;
    }
    QSoundEffect* effect = nullptr;
    if (audioDevice()) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
        effect->play();
    }
    // The effect goes however the wait ends, the program's close included.
    const std::unique_ptr<QSoundEffect, void (*)(QSoundEffect*)> owned(effect, [](QSoundEffect* e) {
        if (!e) return;
        e->stop();
        e->deleteLater();
    });
    waitMs(length + speeds::kSoundMarginMs, effect);
}

void Sound::voiceOrPause(const QString& name, int voice) {
    if (soundOn_())
        play(name, SoundMode::Sync, voice);
    else
        secondPause();
}

void Sound::secondPause() {
    if (!speeds::timing().secondPause) return;
    waitMs(1000 - QTime::currentTime().msec(), nullptr);
}

void Sound::stopAll() {
    for (QSoundEffect* effect : std::as_const(async_)) effect->stop();
}

void Sound::waitMs(int ms, QSoundEffect* effect) {
    if (ms <= 0) return;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (effect) {
        connect(effect, &QSoundEffect::playingChanged, &loop, [effect, &loop] {
            if (!effect->isPlaying() && effect->status() != QSoundEffect::Loading) loop.quit();
        });
    }
    limit.start(ms);
    loops_.run(loop);
}

QSoundEffect* Sound::asyncEffect(const QString& path) {
    QSoundEffect*& effect = async_[path];
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return effect;
}

}  // namespace plumet
