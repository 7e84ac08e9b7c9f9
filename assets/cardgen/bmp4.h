// SPDX-License-Identifier: GPL-3.0-or-later
// Writes 16-colour (4 bits per pixel) Windows bitmaps, which QImage cannot write itself.
#pragma once

#include <QImage>
#include <QString>

namespace cardgen {

// Saves `image` as an uncompressed 4-bit BMP with a palette of the colours it uses. Fails
// (returns false) when the image holds more than 16 colours or the file cannot be written.
bool saveBmp4(const QImage& image, const QString& path);

}  // namespace cardgen
