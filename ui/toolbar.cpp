// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolbar.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

#include "ui/twips.h"

namespace plumet {

namespace {

enum class Tint { Blue, Grey, Red };

struct ButtonFace {
    int left;  // twips
    const char* label;
    Tint tint;
    const char* tooltip;  // empty: none
};

// The buttons by number.
const ButtonFace kButtonFaces[kToolButtons + 1] = {
    {0, "", Tint::Blue, ""},
    {30, "START", Tint::Blue, "新規ゲーム開始"},
    {510, "CONT", Tint::Blue, "前回の続き開始"},
    {510, "CONT", Tint::Grey, ""},
    {990, "TITLE", Tint::Blue, "初期画面に戻ります"},
    {990, "TITLE", Tint::Grey, ""},
    {1470, "TOP10", Tint::Blue, "ＴＯＰ１０を表示"},
    {1950, "END", Tint::Blue, "カドリオの終了"},
    {2550, "A↔K", Tint::Blue, "ＡＫ接続採用中(game中は変更不可)"},
    {2550, "A↔K", Tint::Grey, "ＡＫ接続不採用中(game中は変更不可)"},
    {3030, "JOKER", Tint::Grey, "JOKER無し(game中は変更不可)"},
    {3030, "JOKER", Tint::Blue, "JOKER使用(game中は変更不可)"},
    {3030, "JOKER", Tint::Red, "JOKER再使用(game中は変更不可)"},
    {3990, "AUTO", Tint::Blue, "カードの自動検出有り"},
    {3990, "AUTO", Tint::Grey, "カードの自動検出無し"},
    {5910, "LOW", Tint::Blue, "進行速度　遅い"},
    {5910, "MID", Tint::Blue, "進行速度　標準"},
    {5910, "HIGH", Tint::Blue, "進行速度　速い"},
    {6870, "SOUND", Tint::Blue, "効果音　有り"},
    {6870, "SOUND", Tint::Grey, "効果音　無し"},
    {7470, "FIT", Tint::Blue, "ｳｨﾝﾄﾞの整列"},
    {8030, "HELP", Tint::Blue, "ヘルプ"},
    {6390, "MOVE", Tint::Blue, "カードの移動速度設定"},
    {3510, "PASS3", Tint::Blue, "パス回数３回まで(game中は変更不可)"},
    {3510, "PASS2", Tint::Blue, "パス回数２回まで(game中は変更不可)"},
    {5430, "WAKU", Tint::Blue, "カード枠有り"},
    {5430, "WAKU", Tint::Grey, "カード枠無し"},
    {4470, "GROUP", Tint::Blue, "グループ変更"},
    {4950, "NAME", Tint::Blue, "名前の変更"},
    {4470, "GROUP", Tint::Grey, "グループ変更(game中は変更不可)"},
    {8590, "STATS", Tint::Blue, "成績を表示"},
};

QColor tintColour(Tint tint) {
    switch (tint) {
        case Tint::Blue:
            return QColor(0, 0, 255);
        case Tint::Red:
            return QColor(255, 0, 0);
        case Tint::Grey:
            break;
    }
    return QColor(128, 128, 128);
}

}  // namespace

ToolImage::ToolImage(ToolButton button, QWidget* parent) : QLabel(parent), button_(button) {
    setObjectName(QStringLiteral("Image%1").arg(static_cast<int>(button)));
    const ButtonFace& info = kButtonFaces[static_cast<int>(button)];
    home_ = pxRect(info.left, 30, 480, 300);
    setGeometry(home_);
    if (*info.tooltip) setToolTip(QString::fromUtf8(info.tooltip));
}

void ToolImage::load(const QString& folder) {
    // Made at the device pixel ratio, so that the buttons stay sharp on a scaled screen: the
    // bitmap as it is at its own size; larger, the same drawing as vectors beside it (the
    // game's own buttons), else the bitmap scaled smoothly; without a bitmap, the label drawn
    // as text at the device's resolution.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels(qRound(home_.width() * ratio), qRound(home_.height() * ratio));
    const QString base =
        QDir(folder).filePath(QStringLiteral("image%1").arg(static_cast<int>(button_)));
    const QImage bitmap(base + QStringLiteral(".bmp"));
    QPixmap image;
    QSvgRenderer vector;
    if (!bitmap.isNull() && bitmap.size() != pixels && QFileInfo::exists(base + ".svg") &&
        vector.load(base + QStringLiteral(".svg")) && vector.isValid()) {
        QImage drawn(pixels, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        vector.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
        painter.end();
        image = QPixmap::fromImage(drawn);
    } else if (!bitmap.isNull()) {
        image = QPixmap::fromImage(
            bitmap.size() == pixels
                ? bitmap
                : bitmap.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    } else {
        const ButtonFace& info = kButtonFaces[static_cast<int>(button_)];
        image = QPixmap(pixels);
        image.setDevicePixelRatio(ratio);
        image.fill(QColor(192, 192, 192));
        QPainter painter(&image);
        QFont font = painter.font();
        font.setPixelSize(9);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(tintColour(info.tint));
        painter.drawText(QRect(QPoint(0, 0), home_.size()), Qt::AlignCenter,
                         QString::fromUtf8(info.label));
    }
    image.setDevicePixelRatio(ratio);
    setPixmap(image);
}

void ToolImage::setPressed(bool pressed) {
    // The pressed look: a thin single border around the picture.
    if (pressed) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
        setGeometry(home_.adjusted(-1, -1, 1, 1));
    } else {
        setFrameStyle(QFrame::NoFrame);
        setGeometry(home_);
    }
}

void ToolImage::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && button_ != ToolButton::GroupOff) setPressed(true);
}

void ToolImage::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    setPressed(false);
    if (rect().contains(event->position().toPoint())) emit clicked();
}

Toolbar::Toolbar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setFixedHeight(px(405));
    for (int n = 1; n <= kToolButtons; ++n)
        images_[n] = new ToolImage(static_cast<ToolButton>(n), this);
}

void Toolbar::load(const QString& dataFolder) {
    const QString folder = QDir(dataFolder).filePath(QStringLiteral("toolbar"));
    for (int n = 1; n <= kToolButtons; ++n) images_[n]->load(folder);
}

}  // namespace plumet
