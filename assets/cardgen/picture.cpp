// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QSvgGenerator>

namespace cardgen {
namespace {

// QSvgGenerator repeats font attributes and identity transforms on every group and gives the
// size in millimetres; none of that means anything for a drawing without text, and a size in
// user units keeps the document's natural size equal to its design size.
QByteArray tidy(QByteArray svg, QSize design) {
    QString text = QString::fromUtf8(svg);
    static const QRegularExpression font(
        QStringLiteral(R"(\s*font-family="[^"]*" font-size="[^"]*" font-weight="[^"]*" )"
                       R"(font-style="[^"]*"\s*)"));
    text.replace(font, QStringLiteral(" "));
    text.replace(QStringLiteral(R"x( transform="matrix(1,0,0,1,0,0)")x"), QString());
    text.replace(QStringLiteral(R"( vector-effect="none")"), QString());
    static const QRegularExpression size(QStringLiteral(R"(<svg width="[^"]*" height="[^"]*")"));
    text.replace(
        size,
        QStringLiteral(R"(<svg width="%1" height="%2")").arg(design.width()).arg(design.height()));
    static const QRegularExpression blankLines(QStringLiteral("\n\\s*\n"));
    text.replace(blankLines, QStringLiteral("\n"));
    static const QRegularExpression groupEnd(QStringLiteral(R"(\s+>)"));
    text.replace(groupEnd, QStringLiteral(">"));
    return text.toUtf8();
}

}  // namespace

QImage rasterize(const Painting& paint, QSize design, QSize pixels, QImage::Format format) {
    QImage image(pixels, format);
    image.fill(image.hasAlphaChannel() ? Qt::transparent : Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(pixels.width()) / design.width(), qreal(pixels.height()) / design.height());
    paint(painter);
    painter.end();
    return image;
}

QByteArray svgDocument(const Painting& paint, QSize design, const QString& title) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(design);
    generator.setViewBox(QRect(QPoint(0, 0), design));
    generator.setTitle(title);
    generator.setDescription(QStringLiteral("Drawn by plumet_cardgen"));
    QPainter painter(&generator);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    return tidy(buffer.data(), design);
}

}  // namespace cardgen
