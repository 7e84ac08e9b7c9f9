// SPDX-License-Identifier: GPL-3.0-or-later
// plumet_cardgen: draws the game's own picture files into a data folder and the desktop icon
// theme files into an icon folder.
//
//   plumet_cardgen DATADIR ICONDIR
//
// writes the default card set into DATADIR twice, from one drawing of each card:
//   - bitmaps {s,h,c,d}1..13.bmp, joker.bmp, joker1.bmp (the selected joker), ps1..ps4.bmp
//     (the pass cards), uray.bmp, urat.bmp, uray2.bmp (the backs), 34 x 42 pixels;
//   - the same pictures as vectors under the same base names, s1.svg .. uray2.svg
//     (viewBox 0 0 34 42; paths only, no text, no embedded bitmaps);
// the bitmaps again twice as large (68 x 84) under DATADIR/large/, the toolbar buttons
// DATADIR/toolbar/image1..30.bmp with the same drawings as vectors image1..30.svg, and the
// application icon DATADIR/plumet.png (256 x 256, the game's window icon),
// DATADIR/plumet-64.png and DATADIR/plumet.svg (the title window draws it at its own size),
// and the title window's captions DATADIR/caption-title.svg and caption-version.svg.
// Into ICONDIR it writes the icon for the desktop:
// hicolor/<N>x<N>/apps/plumet.png for N = 16, 22, 24, 32, 48, 64, 128, 256, 512 and
// hicolor/scalable/apps/plumet.svg. Runs under any Qt platform plugin; the build runs it with
// the offscreen one.
#include <QDir>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QString>
#include <cstdio>

#include "bmp4.h"
#include "captions.h"
#include "cards.h"
#include "icon.h"
#include "picture.h"
#include "text.h"
#include "toolbar.h"

namespace {

using namespace cardgen;

int failures = 0;

void complain(const QString& path) {
    std::fprintf(stderr, "plumet_cardgen: cannot write %s\n", qPrintable(path));
    ++failures;
}

void save(const QImage& image, const QString& path, const char* format) {
    if (!image.save(path, format)) complain(path);
}

void saveText(const QByteArray& text, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        complain(path);
    }
}

// Every card of the set as a bitmap `scale` pixels a unit, and with `vectors` as SVG too.
void writeCardSet(const QString& folder, int scale, bool vectors) {
    const QSize card(kCardWidth, kCardHeight);
    for (const CardPicture& picture : cardPictures()) {
        const QString base = folder + QLatin1Char('/') + picture.name;
        save(rasterize(picture.paint, card, card * scale), base + QStringLiteral(".bmp"), "BMP");
        if (vectors) {
            saveText(svgDocument(picture.paint, card, QStringLiteral("カドリオ ") + picture.name),
                     base + QStringLiteral(".svg"));
        }
    }
}

void writeToolbar(const QString& folder) {
    for (int n = 1; n <= kToolbarImages; ++n) {
        const ToolbarButton button = toolbarButton(n);
        const QString base = QStringLiteral("%1/image%2").arg(folder).arg(n);
        if (!saveBmp4(toolbarImage(button), base + QStringLiteral(".bmp")))
            complain(base + QStringLiteral(".bmp"));
        saveText(svgDocument([&button](QPainter& painter) { paintToolbarButton(painter, button); },
                             QSize(kToolbarWidth, kToolbarHeight),
                             QStringLiteral("カドリオ ") + button.label),
                 base + QStringLiteral(".svg"));
    }
}

// The icon as a drawing, for any size.
QByteArray iconDrawing() {
    return svgDocument(paintIcon, QSize(kIconDesign, kIconDesign), QStringLiteral("カドリオ"));
}

// The icon theme's sizes, each in its own folder, and the scalable drawing.
void writeIconTheme(const QString& folder) {
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString apps = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(apps)) complain(apps);
        save(appIcon(size), apps + QStringLiteral("/plumet.png"), "PNG");
    }
    const QString scalable = folder + QStringLiteral("/hicolor/scalable/apps");
    if (!QDir().mkpath(scalable)) complain(scalable);
    saveText(iconDrawing(), scalable + QStringLiteral("/plumet.svg"));
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: plumet_cardgen DATADIR ICONDIR\n");
        return 2;
    }
    const QString data = QString::fromLocal8Bit(argv[1]);
    const QString icons = QString::fromLocal8Bit(argv[2]);
    for (const QString& folder : {data, data + "/large", data + "/toolbar", icons}) {
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "plumet_cardgen: cannot create %s\n", qPrintable(folder));
            return 1;
        }
    }
    const QFontInfo font(boldFont());
    if (!font.family().contains(QStringLiteral("DejaVu"))) {
        std::fprintf(stderr, "plumet_cardgen: DejaVu Sans not found, ranks drawn in %s\n",
                     qPrintable(font.family()));
    }

    writeCardSet(data, 1, true);
    writeCardSet(data + "/large", 2, false);
    writeToolbar(data + "/toolbar");
    save(appIcon(256), data + "/plumet.png", "PNG");
    save(appIcon(64), data + "/plumet-64.png", "PNG");
    saveText(iconDrawing(), data + "/plumet.svg");
    for (const Caption& caption : titleCaptions())
        saveText(captionDrawing(caption), data + QLatin1Char('/') + caption.fileName);
    writeIconTheme(icons);
    return failures == 0 ? 0 : 1;
}
