// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/titlewindow.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include "ui/centring.h"
#include "ui/dialogkeys.h"
#include "ui/speeds.h"
#include "ui/twips.h"

namespace plumet {

namespace {

// Window and content geometry in twips.
constexpr double kWidth = 8400;
constexpr double kHeight = 4800;

constexpr int kShadowOffset = 2;   // the captions' shadow, below and to the right, in pixels
constexpr int kCaptionMargin = 8;  // kept free at a caption's right end

// A white caption with a dark green shadow, left aligned and centred in its height, shrunk
// to the label's width. Shown from its drawing where the data folder has one, so that the
// title needs no font; else written in the label's font, both layers drawn by the label
// itself (a graphics effect would render the label off screen and blur it first).
class ShadowedLabel : public QLabel {
  public:
    using QLabel::QLabel;

    // The caption drawn with its shadow, `ratio` device pixels a pixel; null: none.
    void setDrawing(const QImage& drawing, qreal ratio) {
        drawing_ = QPixmap::fromImage(drawing);
        drawing_.setDevicePixelRatio(ratio);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect area = contentsRect();
        if (!drawing_.isNull()) {
            const QSizeF size = drawing_.deviceIndependentSize();
            const qreal textWidth = size.width() - kShadowOffset;
            const qreal textHeight = size.height() - kShadowOffset;
            const qreal room = area.width() - kCaptionMargin;
            const qreal scale = textWidth > room ? room / textWidth : 1.0;
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawPixmap(
                QRectF(area.left(), area.top() + (area.height() - textHeight * scale) / 2,
                       size.width() * scale, size.height() * scale),
                drawing_, QRectF(drawing_.rect()));
            return;
        }
        // Shrinks the font until the text fits the width.
        QFont fitted = font();
        while (fitted.pointSize() > 8 &&
               QFontMetrics(fitted).horizontalAdvance(text()) > area.width() - kCaptionMargin)
            fitted.setPointSize(fitted.pointSize() - 1);
        painter.setFont(fitted);
        painter.setPen(QColor(0, 40, 0));
        painter.drawText(area.translated(kShadowOffset, kShadowOffset),
                         static_cast<int>(alignment()), text());
        painter.setPen(Qt::white);
        painter.drawText(area, static_cast<int>(alignment()), text());
    }

  private:
    QPixmap drawing_;
};

ShadowedLabel* makeShadowedLabel(const QString& text, const QString& name, int pointSize, bool bold,
                                 QWidget* parent) {
    auto* label = new ShadowedLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

}  // namespace

TitleWindow::TitleWindow(const QString& dataFolder, QWidget* parent)
    : TitleWindow(dataFolder, makeTitlePicturesLater(dataFolder), parent) {}

TitleWindow::TitleWindow(const QString& dataFolder, QFuture<TitlePictures> pictures,
                         QWidget* parent)
    : QWidget(parent, Qt::SplashScreen) {
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(kWidth), px(kHeight));

    TitlePictures made = pictures.result();
    // Made for another screen than the one the window is on: made again for this one, so that
    // the pictures stay sharp.
    if (!qFuzzyCompare(made.ratio, devicePixelRatioF()))
        made = makeTitlePictures(dataFolder, devicePixelRatioF());

    auto* name = makeShadowedLabel(titleNameText(), QStringLiteral("Label1"), 24, true, this);
    name->setGeometry(pxRect(1980, 420, kWidth - 2280, 900));
    name->setDrawing(made.nameCaption, made.ratio);
    titleLabel_ = name;
    auto* version =
        makeShadowedLabel(titleVersionText(), QStringLiteral("Label2"), 12, false, this);
    version->setGeometry(pxRect(2010, 1260, 3000, 420));
    version->setDrawing(made.versionCaption, made.ratio);
    versionLabel_ = version;
    addIcon(made);
    addCards(made);

    okButton_ = new QPushButton(QStringLiteral("ＯＫ"), this);
    okButton_->setObjectName(QStringLiteral("Command1"));
    okButton_->setGeometry(pxRect(kWidth - 1500, kHeight - 660, 1200, 420));
    okButton_->setDefault(true);
    okButton_->hide();
    connect(okButton_, &QPushButton::clicked, this, &QWidget::close);

    titleTimer_ = new QTimer(this);
    titleTimer_->setObjectName(QStringLiteral("Timer2"));
    titleTimer_->setInterval(speeds::timing().titleMs);
    connect(titleTimer_, &QTimer::timeout, this, &TitleWindow::titleTimeOver);
    titleTimer_->start();
}

void TitleWindow::addIcon(const TitlePictures& pictures) {
    if (pictures.icon.isNull()) return;
    QPixmap icon = QPixmap::fromImage(pictures.icon);
    icon.setDevicePixelRatio(pictures.ratio);
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(icon);
    // The window's icon at the size shown, not the file's: the window system gets it whole.
    setWindowIcon(QIcon(icon));
    image->setGeometry(px(360), px(360), titleIconSide(), titleIconSide());
}

void TitleWindow::addCards(const TitlePictures& pictures) {
    // The four sevens fanned out across the lower half, drawn at the device pixel ratio so
    // that they stay sharp on a scaled screen. A set without them simply shows no cards.
    const qreal ratio = pictures.ratio;
    const int centreX = px(kWidth / 2);
    const int baseY = px(2100);
    for (int i = 0; i < pictures.sevens.size(); ++i) {
        const TitlePictures::Card& seven = pictures.sevens[i];
        if (seven.picture.isNull()) continue;
        QPixmap turned = QPixmap::fromImage(seven.picture);
        turned.setDevicePixelRatio(ratio);
        const QSize shown = (QSizeF(turned.size()) / ratio).toSize();
        auto* card = new QLabel(this);
        card->setObjectName(QStringLiteral("Picture%1").arg(i + 1));
        card->setPixmap(turned);
        const int offset = static_cast<int>((i - 1.5) * seven.faceWidth / ratio * 0.85);
        const int lift = (i == 0 || i == 3) ? px(120) : 0;
        card->setGeometry(centreX + offset - shown.width() / 2, baseY + lift, shown.width(),
                          shown.height());
    }
}

QString TitleWindow::versionText() const {
    return versionLabel_->text();
}

void TitleWindow::showTitle() {
    versionBox_ = false;
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    okButton_->hide();
    centreWindow(this);
    show();
    if (timeUp_) QTimer::singleShot(0, this, &QWidget::close);
}

void TitleWindow::showVersionBox() {
    versionBox_ = true;
    titleTimer_->stop();
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("カドリオのﾊﾞｰｼﾞｮﾝ情報"));
    okButton_->show();
    centreWindow(this);
    show();
    okButton_->setFocus();
}

void TitleWindow::titleTimeOver() {
    titleTimer_->stop();
    if (versionBox_) return;
    emit titleTimeUp();
    if (!isVisible()) {
        timeUp_ = true;
        return;
    }
    close();
}

void TitleWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient felt(0, 0, 0, height());
    felt.setColorAt(0, QColor(0, 150, 0));
    felt.setColorAt(1, QColor(0, 90, 0));
    painter.fillRect(rect(), felt);
    painter.setPen(QPen(QColor(220, 190, 60), 3));
    painter.drawRect(rect().adjusted(4, 4, -5, -5));
}

void TitleWindow::closeEvent(QCloseEvent* event) {
    titleTimer_->stop();
    QWidget::closeEvent(event);
    if (event->isAccepted()) emit closed();
}

void TitleWindow::keyPressEvent(QKeyEvent* event) {
    // The version box: Enter is its ＯＫ, Esc closes it as ＯＫ does.
    if (versionBox_ && isEnterKey(event)) {
        pressButton(okButton_);
        return;
    }
    if (versionBox_ && isEscapeKey(event)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace plumet
