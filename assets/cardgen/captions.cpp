// SPDX-License-Identifier: GPL-3.0-or-later
#include "captions.h"

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainterPath>
#include <cmath>

#include "picture.h"
#include "ui/version.h"

namespace cardgen {

namespace {

// The family the game chooses for its windows: the same preference, then any Japanese font.
QString uiFamily() {
    const QStringList installed = QFontDatabase::families();
    for (const QString& wanted : {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
                                  QStringLiteral("Noto Sans CJK JP")}) {
        for (const QString& family : installed)
            if (family.compare(wanted, Qt::CaseInsensitive) == 0) return family;
    }
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    return japanese.isEmpty() ? QString() : japanese.constFirst();
}

constexpr int kShadowOffset = 2;

}  // namespace

QList<Caption> titleCaptions() {
    // 24 and 12 points at 96 dpi.
    return {
        {QStringLiteral("caption-title.svg"), QStringLiteral("カドリオ for Windows95"), 32, true},
        {QStringLiteral("caption-version.svg"), QString::fromLatin1(plumet::kVersionText), 16,
         false}};
}

QByteArray captionDrawing(const Caption& caption) {
    QFont font;
    const QString family = uiFamily();
    if (!family.isEmpty()) font.setFamilies({family});
    font.setPixelSize(caption.pixelSize);
    font.setBold(caption.bold);
    const QFontMetricsF metrics(font);
    QPainterPath outline;
    outline.addText(0, metrics.ascent(), font, caption.text);
    const QSize design(
        static_cast<int>(std::ceil(metrics.horizontalAdvance(caption.text))) + kShadowOffset,
        static_cast<int>(std::ceil(metrics.height())) + kShadowOffset);
    return svgDocument(
        [&outline](QPainter& painter) {
            painter.fillPath(outline.translated(kShadowOffset, kShadowOffset), QColor(0, 40, 0));
            painter.fillPath(outline, Qt::white);
        },
        design, caption.text);
}

}  // namespace cardgen
