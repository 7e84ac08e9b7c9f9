// Window layouts are written in twips, 1440 to the logical inch: 15 twips make one pixel at
// 96 dpi. These helpers turn such figures into the pixels Qt places widgets by.
#pragma once

#include <QRect>

namespace plumet {

inline constexpr double kTwipsPerPixel = 15.0;

// Pixels for a length in twips, rounded to the nearest pixel.
constexpr int twipsToPixels(double twips) {
    const double pixels = twips / kTwipsPerPixel;
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

// Twips for a length in pixels.
constexpr double pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// A rectangle given as left, top, width, height in twips.
constexpr QRect twipsRect(double left, double top, double width, double height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

}  // namespace plumet
