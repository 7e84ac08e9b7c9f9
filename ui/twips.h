// SPDX-License-Identifier: GPL-3.0-or-later
// Window layout works in twips, 1440 to the logical inch: 15 twips to a pixel at 96 dpi.
#pragma once

#include <QPoint>
#include <QRect>
#include <cmath>

namespace plumet {

inline constexpr double kTwipsPerPixel = 15.0;

inline int px(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
inline double tw(int pixels) {
    return pixels * kTwipsPerPixel;
}
inline QPoint pxPoint(double left, double top) {
    return {px(left), px(top)};
}
inline QRect pxRect(double left, double top, double width, double height) {
    return {px(left), px(top), px(width), px(height)};
}

}  // namespace plumet
