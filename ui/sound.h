// SPDX-License-Identifier: GPL-3.0-or-later
// Sound effects: the card click and the players' spoken lines, male or female per player.
// They play through the sound module (ui/soundoutput.h), loaded with the audio libraries when
// the first sound is to play or when prepare() asks for it.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <unordered_map>

namespace plumet {

struct GameState;
class NestedLoops;
class SoundClip;
class SoundOutput;

enum class SoundMode { Sync = 0, Async = 1 };
inline constexpr int kNoVoice = 4;  // a plain effect, not a player's voice

// Length in milliseconds of the PCM wave file `path` from its header; -1 when the file is
// missing or not a wave file.
int waveLengthMs(const QString& path);

// The file `play` plays for `name` in `voice` found in `dir`: a female voice turns
// "agari1.wav" into "wgari1.wav"; a name without a file drops its player digit ("pass3.wav"
// becomes "pass.wav"). Returns the bare file name chosen (the fall-back even when it is
// missing too).
QString soundFileName(const QString& dir, const QString& name, int voice, const GameState& state);

class Sound : public QObject {
    Q_OBJECT
  public:
    // The waits run in `loops`: a close of the program ends them (see NestedLoops).
    Sound(const GameState& state, std::function<bool()> soundOn, NestedLoops& loops,
          QObject* parent = nullptr);
    ~Sound() override;

    // The sound module: by default lib/plumet/modules/libplumetsound.so beside the program's folder
    // (as built and as installed). A module that cannot be loaded means silence.
    static QString defaultModulePath();
    void setModulePath(const QString& path) { modulePath_ = path; }

    // Loads the sound module, starts the audio back end and reads the card click, so that the
    // first sounds of a game play on time: called once the title window shows.
    void prepare();
    // Whether the sound module has been loaded.
    bool moduleLoaded() const { return output_ != nullptr; }

    // Plays wave file `name` from the data folder if sound is on: synchronously (returns when
    // the sound has ended, or its length plus a margin has passed; user input meanwhile is
    // dropped) or
    // asynchronously. `voice` 0..3 is the voice of player voice + 1, kNoVoice none. A missing
    // file, or no audio device, is silence; a synchronous call then still waits the clip's
    // length, so the game keeps its rhythm.
    void play(const QString& name, SoundMode mode, int voice);

    // A voice that marks a pause in the game: with sound off, the pause is the wait until the
    // clock's second changes.
    void voiceOrPause(const QString& name, int voice);

    // Waits until the clock's seconds reading changes, dropping user input, without CPU.
    void secondPause();

  private:
    void stopAll();
    void waitMs(int ms, SoundClip* clip);
    // The module's output when an audio device is there; nullptr otherwise.
    SoundOutput* device();
    SoundClip* asyncClip(const QString& path);

    const GameState& state_;
    std::function<bool()> soundOn_;
    NestedLoops& loops_;
    QString modulePath_ = defaultModulePath();
    bool moduleTried_ = false;
    std::unique_ptr<SoundOutput> output_;
    std::unordered_map<QString, std::unique_ptr<SoundClip>> async_;
};

}  // namespace plumet
