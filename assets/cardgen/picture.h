// SPDX-License-Identifier: GPL-3.0-or-later
// One drawing, two outputs: a picture is painted once in its own design units and turned into
// a bitmap (a whole number of pixels a unit) or into an SVG document of pure vectors.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>

namespace cardgen {

// Paints a picture on a painter whose coordinates span the picture's design size.
using Painting = std::function<void(QPainter&)>;

// `paint` on an image of `pixels`, its design size stretched over it, antialiased. An image
// with `format` without alpha starts white, one with alpha transparent.
QImage rasterize(const Painting& paint, QSize design, QSize pixels,
                 QImage::Format format = QImage::Format_RGB32);

// `paint` as an SVG document whose viewBox and size are `design` ("0 0 w h"), titled `title`.
// The drawing must not clip, use raster operations or draw text with a font: all three would
// be lost or differ from the bitmap.
QByteArray svgDocument(const Painting& paint, QSize design, const QString& title);

}  // namespace cardgen
