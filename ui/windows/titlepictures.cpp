// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/titlepictures.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTransform>
#include <QtConcurrent/QtConcurrentRun>

#include "ui/cards/cardfolders.h"
#include "ui/cards/cardimages.h"
#include "ui/twips.h"
#include "ui/version.h"

namespace plumet {

namespace {

constexpr double kIconTwips = 1440;
constexpr double kCardHeightTwips = 1500;

// The icon `side` device pixels square: drawn from "plumet.svg" when the data folder has it,
// else "plumet.png" scaled. The vector comes first as it needs no image reader: the first
// image read of the program costs more than the whole drawing, and the title waits for it.
QImage readIcon(const QString& dataFolder, int side) {
    const QString drawing = dataFolder + QStringLiteral("/plumet.svg");
    QSvgRenderer vector;
    if (QFileInfo(drawing).isFile() && vector.load(drawing)) {
        QImage icon(side, side, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        vector.render(&painter, QRectF(0, 0, side, side));
        return icon;
    }
    const QString bitmap = dataFolder + QStringLiteral("/plumet.png");
    if (!QFileInfo(bitmap).isFile()) return {};
    const QImage icon = QImageReader(bitmap).read();
    if (icon.isNull()) return {};
    return icon.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// The drawing `fileName` of the caption `text` at `ratio` device pixels a pixel; null when the
// file is missing, not a plain file of a drawing's size (a pipe would never end), broken, or
// the drawing of another text (another version's data).
QImage readCaption(const QString& dataFolder, const QString& fileName, const QString& text,
                   qreal ratio) {
    constexpr qint64 kMaxDrawingSize = 1 << 20;
    QFile file(dataFolder + QLatin1Char('/') + fileName);
    const QFileInfo info(file);
    if (!info.isFile() || info.size() > kMaxDrawingSize || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray drawing = file.readAll();
    const QByteArray title = "<title>" + text.toHtmlEscaped().toUtf8() + "</title>";
    if (!drawing.contains(title)) return {};
    QSvgRenderer vector;
    if (!vector.load(drawing) || vector.defaultSize().isEmpty()) return {};
    QImage caption(vector.defaultSize() * ratio, QImage::Format_ARGB32_Premultiplied);
    caption.fill(Qt::transparent);
    QPainter painter(&caption);
    vector.render(&painter);
    return caption;
}

// The pictures, made piece by piece, so that two cores can share them.
enum Piece { kIcon, kNameCaption, kVersionCaption, kFirstSeven, kPieces = kFirstSeven + 4 };

// One seven turned to its place in the fan: `seven` 0 to 3 for spades, hearts, clubs,
// diamonds, each turned a little more than the one before.
TitlePictures::Card makeSeven(const QString& dataFolder, qreal ratio, int seven) {
    static const char* const kSevens[] = {"s7.bmp", "h7.bmp", "c7.bmp", "d7.bmp"};
    static const double kAngles[] = {-15, -5, 5, 15};
    const QImage face =
        CardImages::renderAtHeight(cardFilePath(dataFolder, QString::fromLatin1(kSevens[seven])),
                                   qRound(px(kCardHeightTwips) * ratio));
    TitlePictures::Card card;
    if (!face.isNull()) {
        card.picture =
            face.transformed(QTransform().rotate(kAngles[seven]), Qt::SmoothTransformation);
        card.faceWidth = face.width();
    }
    return card;
}

TitlePictures::Card makePiece(const QString& dataFolder, qreal ratio, int piece) {
    switch (piece) {
        case kIcon:
            return {readIcon(dataFolder, qRound(titleIconSide() * ratio))};
        case kNameCaption:
            return {readCaption(dataFolder, QStringLiteral("caption-title.svg"), titleNameText(),
                                ratio)};
        case kVersionCaption:
            return {readCaption(dataFolder, QStringLiteral("caption-version.svg"),
                                titleVersionText(), ratio)};
        default:
            return makeSeven(dataFolder, ratio, piece - kFirstSeven);
    }
}

TitlePictures assemble(const QList<TitlePictures::Card>& pieces, qreal ratio) {
    TitlePictures pictures;
    pictures.ratio = ratio;
    pictures.icon = pieces[kIcon].picture;
    pictures.nameCaption = pieces[kNameCaption].picture;
    pictures.versionCaption = pieces[kVersionCaption].picture;
    pictures.sevens = pieces.mid(kFirstSeven);
    return pictures;
}

}  // namespace

QString titleNameText() {
    return QStringLiteral("カドリオ for Windows95");
}

QString titleVersionText() {
    return QString::fromLatin1(kVersionText);
}

int titleIconSide() {
    return px(kIconTwips);
}

TitlePictures makeTitlePictures(const QString& dataFolder, qreal ratio) {
    QList<TitlePictures::Card> pieces;
    for (int piece = 0; piece < kPieces; ++piece)
        pieces.append(makePiece(dataFolder, ratio, piece));
    return assemble(pieces, ratio);
}

QFuture<TitlePictures> makeTitlePicturesLater(const QString& dataFolder) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    // The version and the sevens on one core, the icon and the game's name on another.
    QFuture<QList<TitlePictures::Card>> others = QtConcurrent::run([dataFolder, ratio] {
        QList<TitlePictures::Card> cards;
        for (int piece = kVersionCaption; piece < kPieces; ++piece)
            cards.append(makePiece(dataFolder, ratio, piece));
        return cards;
    });
    return QtConcurrent::run([dataFolder, ratio, others] {
        QList<TitlePictures::Card> pieces;
        for (int piece = kIcon; piece < kVersionCaption; ++piece)
            pieces.append(makePiece(dataFolder, ratio, piece));
        // Pieces not begun yet are made here (waiting for a task that has not started runs it).
        pieces.append(others.result());
        return assemble(pieces, ratio);
    });
}

}  // namespace plumet
