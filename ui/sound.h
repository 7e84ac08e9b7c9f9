// Sound effects: the card click and the players' spoken lines, male or female per player.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

class QSoundEffect;

namespace plumet {

struct GameState;
class NestedLoops;

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
    void waitMs(int ms, QSoundEffect* effect);
    QSoundEffect* asyncEffect(const QString& path);

    const GameState& state_;
    std::function<bool()> soundOn_;
    NestedLoops& loops_;
    QHash<QString, QSoundEffect*> async_;
};

}  // namespace plumet
