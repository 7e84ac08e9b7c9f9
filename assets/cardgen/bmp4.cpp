// SPDX-License-Identifier: GPL-3.0-or-later
#include "bmp4.h"

#include <QByteArray>
#include <QList>
#include <QSaveFile>
#include <QtEndian>

namespace cardgen {
namespace {

void put16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

}  // namespace

bool saveBmp4(const QImage& source, const QString& path) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();

    QList<QRgb> palette;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb rgb = image.pixel(x, y) | 0xff000000u;
            if (!palette.contains(rgb)) palette.append(rgb);
        }
    }
    if (palette.size() > 16) return false;

    const quint32 rowBytes = ((width + 1) / 2 + 3) / 4 * 4;
    const quint32 paletteBytes = 16 * 4;
    const quint32 pixelOffset = 14 + 40 + paletteBytes;
    const quint32 fileSize = pixelOffset + rowBytes * height;

    QByteArray out;
    out.reserve(fileSize);
    out.append("BM", 2);
    put32(out, fileSize);
    put32(out, 0);  // reserved
    put32(out, pixelOffset);
    put32(out, 40);  // BITMAPINFOHEADER
    put32(out, quint32(width));
    put32(out, quint32(height));  // positive: rows stored bottom-up
    put16(out, 1);                // planes
    put16(out, 4);                // bits per pixel
    put32(out, 0);                // no compression
    put32(out, rowBytes * height);
    put32(out, 3780);  // 96 dots per inch, in dots per metre
    put32(out, 3780);
    put32(out, 16);  // palette entries
    put32(out, 0);
    for (int i = 0; i < 16; ++i) {
        const QRgb rgb = i < palette.size() ? palette[i] : 0;
        out.append(char(qBlue(rgb)));
        out.append(char(qGreen(rgb)));
        out.append(char(qRed(rgb)));
        out.append(char(0));
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            const int index = int(palette.indexOf(image.pixel(x, y) | 0xff000000u));
            row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out.append(row);
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(out);
    return file.commit();
}

}  // namespace cardgen
