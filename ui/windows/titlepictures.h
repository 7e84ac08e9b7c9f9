// SPDX-License-Identifier: GPL-3.0-or-later
// The title window's pictures: the game's icon, the four sevens fanned out, and its two
// captions as drawn at build time. They are made as images, apart from any widget, so that
// start-up makes them on another core while it reads the store; with the captions drawn,
// the title window needs no font, and the fonts are looked up after it has shown.
#pragma once

#include <QFuture>
#include <QImage>
#include <QList>
#include <QString>

namespace plumet {

struct TitlePictures {
    // One seven turned to its place in the fan; a null picture for a card that cannot be read.
    struct Card {
        QImage picture;
        int faceWidth = 0;  // the card's width, in device pixels, before it was turned
    };

    qreal ratio = 1.0;   // the device pixel ratio the pictures were made for
    QImage icon;         // the game's icon at the title's icon size; null when it cannot be read
    QList<Card> sevens;  // spades, hearts, clubs, diamonds, left to right
    // The captions with their shadow, at their drawn size; null where the data folder has no
    // drawing of that very text (the window then writes the caption in its font).
    QImage nameCaption;
    QImage versionCaption;
};

// The title window's captions: the game's name and, from ui/version.h, its version.
QString titleNameText();
QString titleVersionText();

// The title's icon side in device-independent pixels.
int titleIconSide();

// Reads the data folder's icon and sevens and makes the title's pictures for the device pixel
// ratio `ratio`. Touches no widget and no pixmap: safe on any thread.
TitlePictures makeTitlePictures(const QString& dataFolder, qreal ratio);

// makeTitlePictures on the thread pool, for the primary screen's device pixel ratio.
QFuture<TitlePictures> makeTitlePicturesLater(const QString& dataFolder);

}  // namespace plumet
