// SPDX-License-Identifier: GPL-3.0-or-later
// Text in the Japanese Windows code page (CP932, Shift_JIS with Microsoft's extensions), the
// code page of the old group files.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace plume1to3 {

// The text the bytes stand for, or nothing when they are not valid CP932.
std::optional<QString> decodeCp932(const QByteArray& bytes);

}  // namespace plume1to3
