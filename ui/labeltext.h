// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the labels and captions show them: Str() of the number, a blank before a value
// of 0 or more (" 4 位", " 12 点", " 3 回戦").
#pragma once

#include <QString>

#include "data/checkstring.h"

namespace plumet {

inline QString signedLabel(int value) {
    return QString::fromStdString(signedText(value));
}

}  // namespace plumet
