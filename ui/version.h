// The version text the title window shows; the TOP-10 files carry it in their last line.
#pragma once

namespace plumet {

inline constexpr char kVersionText[] = "Version 3.15";

}  // namespace plumet
