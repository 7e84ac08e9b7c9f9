// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cards/cardfit.h"

#include "ui/cards/cardpicture.h"

namespace plumet {

int largestFittingHeight(const std::function<bool(int height)>& holds) {
    int low = kMinFittedHeight;       // held, or the floor
    int high = kMaxFittedHeight + 1;  // not held
    if (!holds(low)) return low;
    while (high - low > 1) {
        const int middle = low + (high - low) / 2;
        if (holds(middle))
            low = middle;
        else
            high = middle;
    }
    return low;
}

int largestFittingHeight(const CardPicture& reference, const std::function<bool(QSize)>& holds) {
    return largestFittingHeight(
        [&reference, &holds](int height) { return holds(reference.sizeAt(height)); });
}

}  // namespace plumet
