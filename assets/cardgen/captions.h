// SPDX-License-Identifier: GPL-3.0-or-later
// The title window's two captions as drawings: the text's outline in the game's UI font, white
// over a dark green shadow two pixels below and to the right. The title window shows them
// before any font has been looked up, so that it paints as soon as the program can draw.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace cardgen {

struct Caption {
    QString fileName;  // in the data folder
    QString text;      // the caption, also the drawing's title (the game checks it)
    int pixelSize;     // the label's font size in pixels at 96 dpi
    bool bold;
};

// The game's name ("カドリオ for Windows95", 24 points bold) and its version (12 points).
QList<Caption> titleCaptions();

// `caption` as an SVG document: the text's box (its advance wide, the font's line high) plus
// two pixels each way for the shadow, in pixels; paths only.
QByteArray captionDrawing(const Caption& caption);

}  // namespace cardgen
