// plumet_cardgen: draws the game's own picture files into a data folder.
//
//   plumet_cardgen DATADIR
//
// writes DATADIR/{s,h,c,d}1..13.bmp, joker.bmp, joker1.bmp, ps1..ps4.bmp, uray.bmp,
// urat.bmp, uray2.bmp (the default card set), the same names twice as large under
// DATADIR/large/, the toolbar buttons DATADIR/toolbar/image1..29.bmp, and the application
// icon DATADIR/plumet.png (256 x 256) and DATADIR/plumet-64.png. Runs under any Qt platform
// plugin; the build runs it with the offscreen one.
#include <QDir>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>

#include "bmp4.h"
#include "cards.h"
#include "icon.h"
#include "text.h"
#include "toolbar.h"

namespace {

using namespace cardgen;

int failures = 0;

void save(const QImage& image, const QString& path, const char* format) {
    if (!image.save(path, format)) {
        std::fprintf(stderr, "plumet_cardgen: cannot write %s\n", qPrintable(path));
        ++failures;
    }
}

void writeCardSet(const QString& folder, int scale) {
    const struct {
        Suit suit;
        char letter;
    } suits[] = {
        {Suit::Spades, 's'}, {Suit::Hearts, 'h'}, {Suit::Clubs, 'c'}, {Suit::Diamonds, 'd'}};
    for (const auto& [suit, letter] : suits) {
        for (int rank = 1; rank <= 13; ++rank) {
            save(faceImage(suit, rank, scale),
                 QStringLiteral("%1/%2%3.bmp").arg(folder).arg(QChar(letter)).arg(rank), "BMP");
        }
    }
    save(jokerImage(false, scale), folder + QStringLiteral("/joker.bmp"), "BMP");
    save(jokerImage(true, scale), folder + QStringLiteral("/joker1.bmp"), "BMP");
    for (int passleft = 1; passleft <= 4; ++passleft) {
        save(passImage(passleft, scale), QStringLiteral("%1/ps%2.bmp").arg(folder).arg(passleft),
             "BMP");
    }
    save(backImage(Back::Side, scale), folder + QStringLiteral("/uray.bmp"), "BMP");
    save(backImage(Back::Top, scale), folder + QStringLiteral("/urat.bmp"), "BMP");
    save(backImage(Back::Left, scale), folder + QStringLiteral("/uray2.bmp"), "BMP");
}

void writeToolbar(const QString& folder) {
    for (int n = 1; n <= kToolbarImages; ++n) {
        const QString path = QStringLiteral("%1/image%2.bmp").arg(folder).arg(n);
        if (!saveBmp4(toolbarImage(toolbarButton(n)), path)) {
            std::fprintf(stderr, "plumet_cardgen: cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: plumet_cardgen DATADIR\n");
        return 2;
    }
    const QString data = QString::fromLocal8Bit(argv[1]);
    for (const QString& folder : {data, data + "/large", data + "/toolbar"}) {
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

    writeCardSet(data, 1);
    writeCardSet(data + "/large", 2);
    writeToolbar(data + "/toolbar");
    save(appIcon(256), data + "/plumet.png", "PNG");
    save(appIcon(64), data + "/plumet-64.png", "PNG");
    return failures == 0 ? 0 : 1;
}
