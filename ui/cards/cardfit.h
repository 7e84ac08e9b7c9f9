// SPDX-License-Identifier: GPL-3.0-or-later
// Cards fitted to a window: the largest card height at which a window's layout rules still hold
// its cards (board rows and columns apart, a hand inside its window), the card's proportions
// kept. The board and the player windows use it for their own size, the main window for the
// table's card size.
#pragma once

#include <QSize>
#include <functional>

namespace plumet {

class CardPicture;

// The smallest and largest heights (pixels, frame included) of a fitted card.
inline constexpr int kMinFittedHeight = 12;
inline constexpr int kMaxFittedHeight = 2000;

// The largest height in kMinFittedHeight..kMaxFittedHeight that `holds` accepts;
// kMinFittedHeight when it accepts none. `holds` must accept every smaller height when it
// accepts a height.
int largestFittingHeight(const std::function<bool(int height)>& holds);

// The same for the size (frame included) that `reference` takes at each height.
int largestFittingHeight(const CardPicture& reference, const std::function<bool(QSize)>& holds);

}  // namespace plumet
