// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/titlewindow.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QTransform>

#include "ui/cards/cardfolders.h"
#include "ui/cards/cardimages.h"
#include "ui/centring.h"
#include "ui/dialogkeys.h"
#include "ui/speeds.h"
#include "ui/twips.h"
#include "ui/version.h"

namespace plumet {

namespace {

// Window and content geometry in twips.
constexpr double kWidth = 8400;
constexpr double kHeight = 4800;
constexpr double kIconSize = 1440;
constexpr double kCardHeight = 1500;

// A white caption with a dark green shadow below and to its right, both drawn by the label
// itself: a graphics effect would render the label off screen and blur it before the title
// window could first show.
class ShadowedLabel : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setFont(font());
        const QRect area = contentsRect();
        painter.setPen(QColor(0, 40, 0));
        painter.drawText(area.translated(2, 2), static_cast<int>(alignment()), text());
        painter.setPen(Qt::white);
        painter.drawText(area, static_cast<int>(alignment()), text());
    }
};

QLabel* makeShadowedLabel(const QString& text, const QString& name, int pointSize, bool bold,
                          QWidget* parent) {
    auto* label = new ShadowedLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

// Shrinks the label's font until its text fits its width.
void fitToWidth(QLabel* label) {
    QFont font = label->font();
    while (font.pointSize() > 8 &&
           QFontMetrics(font).horizontalAdvance(label->text()) > label->width() - 8)
        font.setPointSize(font.pointSize() - 1);
    label->setFont(font);
}

}  // namespace

TitleWindow::TitleWindow(const QString& dataFolder, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen) {
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(kWidth), px(kHeight));

    const QString iconPath = dataFolder + QStringLiteral("/plumet.png");
    QPixmap icon;
    if (QFileInfo(iconPath).isFile() && icon.load(iconPath)) {
        auto* image = new QLabel(this);
        image->setObjectName(QStringLiteral("Image1"));
        const int side = px(kIconSize);
        const qreal ratio = devicePixelRatioF();
        QPixmap scaled = icon.scaled(qRound(side * ratio), qRound(side * ratio),
                                     Qt::KeepAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(ratio);
        image->setPixmap(scaled);
        // The window's icon at the size shown, not the file's: the window system gets it whole.
        setWindowIcon(QIcon(scaled));
        image->setGeometry(pxRect(360, 360, kIconSize, kIconSize));
    }

    titleLabel_ = makeShadowedLabel(QStringLiteral("カドリオ for Windows95"),
                                    QStringLiteral("Label1"), 24, true, this);
    titleLabel_->setGeometry(pxRect(1980, 420, kWidth - 2280, 900));
    fitToWidth(titleLabel_);
    versionLabel_ = makeShadowedLabel(QString::fromLatin1(kVersionText), QStringLiteral("Label2"),
                                      12, false, this);
    versionLabel_->setGeometry(pxRect(2010, 1260, 3000, 420));

    addCards(dataFolder);

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

void TitleWindow::addCards(const QString& dataFolder) {
    // The four sevens that open every game, fanned out across the lower half. A set without
    // them simply shows no cards.
    static const char* const kSevens[] = {"s7.bmp", "h7.bmp", "c7.bmp", "d7.bmp"};
    static const double kAngles[] = {-15, -5, 5, 15};
    const int cardHeight = px(kCardHeight);
    const int centreX = px(kWidth / 2);
    const int baseY = px(2100);
    // Drawn at the device pixel ratio (the vector cards rendered at that size), so that the
    // cards stay sharp on a scaled screen.
    const qreal ratio = devicePixelRatioF();
    CardImages& images = CardImages::shared();
    for (int i = 0; i < 4; ++i) {
        const QString file = cardFilePath(dataFolder, QString::fromLatin1(kSevens[i]));
        if (!images.readable(file)) continue;
        const QSize natural = images.naturalSize(file);
        const int pixelHeight = qRound(cardHeight * ratio);
        const QSize pixels(std::max(1, qRound(double(natural.width()) * pixelHeight /
                                              std::max(natural.height(), 1))),
                           pixelHeight);
        const QImage face = images.pixmap(file, pixels).toImage();
        QPixmap turned = QPixmap::fromImage(
            face.transformed(QTransform().rotate(kAngles[i]), Qt::SmoothTransformation));
        turned.setDevicePixelRatio(ratio);
        const QSize shown = (QSizeF(turned.size()) / ratio).toSize();
        auto* card = new QLabel(this);
        card->setObjectName(QStringLiteral("Picture%1").arg(i + 1));
        card->setPixmap(turned);
        const int offset = static_cast<int>((i - 1.5) * pixels.width() / ratio * 0.85);
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
