// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module: the audio device of the sound effects through Qt Multimedia, one
// QSoundEffect per clip. Built as a library of its own (libplumetsound.so in lib/plumet/modules
// beside the program's bin folder) that ui/sound.cpp loads when it first needs the device.
#include <QAudioDevice>
#include <QMediaDevices>
#include <QObject>
#include <QSoundEffect>
#include <QUrl>

#include "ui/soundoutput.h"

namespace plumet {

namespace {

class EffectClip final : public SoundClip {
  public:
    explicit EffectClip(const QString& path) : effect_(new QSoundEffect) {
        effect_->setSource(QUrl::fromLocalFile(path));
        QObject::connect(effect_, &QSoundEffect::playingChanged, effect_, [this] {
            if (ended_ && !effect_->isPlaying() && effect_->status() != QSoundEffect::Loading)
                ended_();
        });
    }
    ~EffectClip() override {
        QObject::disconnect(effect_, nullptr, nullptr, nullptr);
        effect_->stop();
        // Later: the effect may still have signals of its own on their way.
        effect_->deleteLater();
    }
    EffectClip(const EffectClip&) = delete;
    EffectClip& operator=(const EffectClip&) = delete;

    void play() override { effect_->play(); }
    void stop() override { effect_->stop(); }
    void onEnded(std::function<void()> ended) override { ended_ = std::move(ended); }

  private:
    QSoundEffect* effect_;
    std::function<void()> ended_;
};

class MultimediaOutput final : public SoundOutput {
  public:
    bool hasDevice() override { return !QMediaDevices::defaultAudioOutput().isNull(); }
    std::unique_ptr<SoundClip> clip(const QString& path) override {
        return std::make_unique<EffectClip>(path);
    }
};

}  // namespace

}  // namespace plumet

extern "C" Q_DECL_EXPORT plumet::SoundOutput* plumet_sound_output() {
    return new plumet::MultimediaOutput;
}
