// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/options.h"

#include "data/settings.h"

namespace plumet {

QString strengthCaption(Strength strength) {
    switch (strength) {
        case Strength::Weak:
            return QStringLiteral("よわい");
        case Strength::Strong:
            return QStringLiteral("つよい");
        case Strength::Classic:
            break;
    }
    return QStringLiteral("ふつう");
}

Options optionsOf(const Settings& s) {
    Options o;
    o.aceKing = s.aceKing;
    o.joker = s.jokerReused ? JokerMode::Reused : s.jokerOnce ? JokerMode::Once : JokerMode::None;
    o.passes = s.twoPasses ? 2 : 3;
    o.detection = s.detection;
    o.framed = s.cardFrames;
    o.fitCards = s.fitCards;
    o.sound = s.soundOn;
    // A hand-edited profile may check several paces: the slowest of them holds.
    o.pace = s.paceSlow     ? std::optional(Pace::Slow)
             : s.paceNormal ? std::optional(Pace::Normal)
             : s.paceFast   ? std::optional(Pace::Fast)
                            : std::nullopt;
    o.toolbar = s.toolbarShown;
    o.autoArrange = s.autoArrange;
    o.strength = s.strength;
    return o;
}

void storeOptions(Settings& s, const Options& o) {
    s.aceKing = o.aceKing;
    s.jokerNone = o.joker == JokerMode::None;
    s.jokerOnce = o.joker == JokerMode::Once;
    s.jokerReused = o.joker == JokerMode::Reused;
    s.threePasses = o.passes != 2;
    s.twoPasses = o.passes == 2;
    s.detection = o.detection;
    s.cardFrames = o.framed;
    s.fitCards = o.fitCards;
    s.soundOn = o.sound;
    s.soundOff = !o.sound;
    s.paceFast = o.pace == Pace::Fast;
    s.paceNormal = o.pace == Pace::Normal;
    s.paceSlow = o.pace == Pace::Slow;
    s.toolbarShown = o.toolbar;
    s.autoArrange = o.autoArrange;
    s.strength = o.strength;
}

}  // namespace plumet
