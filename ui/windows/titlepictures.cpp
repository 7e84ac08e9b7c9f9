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
// file is missing or broken, or is the drawing of another text (another version's data).
QImage readCaption(const QString& dataFolder, const QString& fileName, const QString& text,
                   qreal ratio) {
    QFile file(dataFolder + QLatin1Char('/') + fileName);
    if (!file.open(QIODevice::ReadOnly)) return {};
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
    TitlePictures pictures;
    pictures.ratio = ratio;

    pictures.icon = readIcon(dataFolder, qRound(titleIconSide() * ratio));
    pictures.nameCaption =
        readCaption(dataFolder, QStringLiteral("caption-title.svg"), titleNameText(), ratio);
    pictures.versionCaption =
        readCaption(dataFolder, QStringLiteral("caption-version.svg"), titleVersionText(), ratio);

    // The four sevens that open every game, each turned a little more than the one before.
    static const char* const kSevens[] = {"s7.bmp", "h7.bmp", "c7.bmp", "d7.bmp"};
    static const double kAngles[] = {-15, -5, 5, 15};
    const int pixelHeight = qRound(px(kCardHeightTwips) * ratio);
    for (int i = 0; i < 4; ++i) {
        const QImage face = CardImages::renderAtHeight(
            cardFilePath(dataFolder, QString::fromLatin1(kSevens[i])), pixelHeight);
        TitlePictures::Card card;
        if (!face.isNull()) {
            card.picture =
                face.transformed(QTransform().rotate(kAngles[i]), Qt::SmoothTransformation);
            card.faceWidth = face.width();
        }
        pictures.sevens.append(card);
    }
    return pictures;
}

QFuture<TitlePictures> makeTitlePicturesLater(const QString& dataFolder) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    return QtConcurrent::run(makeTitlePictures, dataFolder, ratio);
}

}  // namespace plumet
