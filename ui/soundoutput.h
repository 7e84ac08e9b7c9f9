// SPDX-License-Identifier: GPL-3.0-or-later
// The audio device as the sound effects use it (ui/sound.h): plain interfaces that the sound
// module implements with Qt Multimedia (ui/soundmodule/). The module is a library of its own
// that the program loads when it first needs the device, so that the audio libraries are not
// loaded, nor the audio back end started, before the title window shows.
#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace plumet {

// One wave file, read and ready to play.
class SoundClip {
  public:
    virtual ~SoundClip() = default;
    // Starts the clip from its beginning (as soon as it has been read, if it is still being
    // read).
    virtual void play() = 0;
    virtual void stop() = 0;
    // `ended` is called whenever the clip stops playing, at its end or stopped; an empty one
    // calls nothing.
    virtual void onEnded(std::function<void()> ended) = 0;
};

class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // Whether an audio device is there to play on (asked each time: devices come and go).
    virtual bool hasDevice() = 0;
    // A clip of the wave file `path`.
    virtual std::unique_ptr<SoundClip> clip(const QString& path) = 0;
};

// The sound module's one entry point, a C function of this name and type: a new output, which
// the caller owns.
inline constexpr char kSoundOutputFunction[] = "plumet_sound_output";
using SoundOutputFunction = SoundOutput* (*)();

}  // namespace plumet
