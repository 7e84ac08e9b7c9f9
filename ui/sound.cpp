// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QTime>
#include <QTimer>
#include <QtEndian>

#include "rules/gamestate.h"
#include "ui/nestedloops.h"
#include "ui/soundoutput.h"
#include "ui/speeds.h"

namespace plumet {

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

// The clips go before the output that made them. The module stays loaded until the program
// ends: its code runs to the last clip's end.
Sound::~Sound() {
    async_.clear();
    output_.reset();
}

QString Sound::defaultModulePath() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../lib/plumet/modules/libplumetsound.so"));
}

SoundOutput* Sound::device() {
    if (!moduleTried_) {
        moduleTried_ = true;
        QLibrary module(modulePath_);
        if (const auto make =
                reinterpret_cast<SoundOutputFunction>(module.resolve(kSoundOutputFunction)))
            output_.reset(make());
    }
    return output_ && output_->hasDevice() ? output_.get() : nullptr;
}

void Sound::prepare() {
    if (device())
        asyncClip(
            QDir(QString::fromStdString(state_.dataFolder)).filePath(QStringLiteral("dasu.wav")));
}

void Sound::play(const QString& name, SoundMode mode, int voice) {
    if (!soundOn_()) return;
    if (voice != kNoVoice) loops_.yield();
    const QString dir = QString::fromStdString(state_.dataFolder);
    const QString path = QDir(dir).filePath(soundFileName(dir, name, voice, state_));
    const int length = waveLengthMs(path);
    if (length < 0) return;  // no such file, or not a wave file: silence
    if (mode == SoundMode::Async) {
        if (device()) asyncClip(path)->play();
        return;
    }
    // The clip goes however the wait ends, the program's close included.
    std::unique_ptr<SoundClip> clip;
    if (SoundOutput* output = device()) {
        clip = output->clip(path);
        clip->play();
    }
    waitMs(length + speeds::kSoundMarginMs, clip.get());
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
    for (const auto& [path, clip] : async_) clip->stop();
}

void Sound::waitMs(int ms, SoundClip* clip) {
    if (ms <= 0) return;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (clip) clip->onEnded([&loop] { loop.quit(); });
    limit.start(ms);
    loops_.run(loop);
    if (clip) clip->onEnded({});
}

SoundClip* Sound::asyncClip(const QString& path) {
    std::unique_ptr<SoundClip>& clip = async_[path];
    if (!clip) clip = output_->clip(path);
    return clip.get();
}

}  // namespace plumet
