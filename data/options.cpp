#include "data/options.h"

#include "data/settings.h"

namespace plumet {

Options optionsOf(const Settings& s) {
    Options o;
    o.aceKing = s.ruruak;
    o.joker = s.jokersai ? JokerMode::Reused : s.jokerdo ? JokerMode::Once : JokerMode::None;
    o.passes = s.ps2 ? 2 : 3;
    o.detection = s.daseruka;
    o.framed = s.cawaku;
    o.fitCards = s.awase;
    o.sound = s.otoon;
    // A hand-edited profile may check several paces: the slowest of them holds.
    o.pace = s.osoi     ? std::optional(Pace::Slow)
             : s.hyojun ? std::optional(Pace::Normal)
             : s.hayai  ? std::optional(Pace::Fast)
                        : std::nullopt;
    o.toolbar = s.turuba;
    o.autoArrange = s.wintune;
    return o;
}

void storeOptions(Settings& s, const Options& o) {
    s.ruruak = o.aceKing;
    s.jokernai = o.joker == JokerMode::None;
    s.jokerdo = o.joker == JokerMode::Once;
    s.jokersai = o.joker == JokerMode::Reused;
    s.ps3 = o.passes != 2;
    s.ps2 = o.passes == 2;
    s.daseruka = o.detection;
    s.cawaku = o.framed;
    s.awase = o.fitCards;
    s.otoon = o.sound;
    s.otooff = !o.sound;
    s.hayai = o.pace == Pace::Fast;
    s.hyojun = o.pace == Pace::Normal;
    s.osoi = o.pace == Pace::Slow;
    s.turuba = o.toolbar;
    s.wintune = o.autoArrange;
}

}  // namespace plumet
