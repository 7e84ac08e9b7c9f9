// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windowbounds.h"

#include <algorithm>
#include <cmath>

#include "ui/twips.h"

namespace plumet {

namespace {

// A length in twips as pixels, held to a range no screen comes near, so that no stored
// number overflows on the way.
int pixels(float twips) {
    constexpr double kLimit = 1e6;  // pixels
    const double value = std::isfinite(twips) ? twips / kTwipsPerPixel : 0.0;
    return static_cast<int>(std::lround(std::clamp(value, -kLimit, kLimit)));
}

}  // namespace

QSize minimumMainFrame() {
    return {px(kMinMainWidth), px(kMinMainHeight)};
}

QSize minimumBoardFrame() {
    return {px(kMinBoardWidth), px(kMinBoardHeight)};
}

QSize minimumPlayerFrame(int player) {
    // Players 2 and 4 sit beside the board, players 1 and 3 below and above it.
    if (player == 2 || player == 4) return {px(kMinSideWidth), px(kMinSideHeight)};
    return {px(kMinRowWidth), px(kMinRowHeight)};
}

QRect pixelRect(const Geometry& stored) {
    return {pixels(stored.left), pixels(stored.top), pixels(stored.width), pixels(stored.height)};
}

QRect fitInto(const Geometry& stored, const QRect& area, QSize minimum) {
    QRect frame = pixelRect(stored);
    frame.setSize(frame.size().expandedTo(minimum));
    if (area.isEmpty()) return frame;
    frame.setSize(frame.size().boundedTo(area.size()));
    frame.moveLeft(
        std::clamp(frame.left(), area.left(), area.left() + area.width() - frame.width()));
    frame.moveTop(std::clamp(frame.top(), area.top(), area.top() + area.height() - frame.height()));
    return frame;
}

}  // namespace plumet
