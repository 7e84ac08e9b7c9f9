#include "ui/speeddialog.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "ui/centring.h"
#include "ui/movespeed.h"
#include "ui/twips.h"

namespace plumet {

SpeedDialog::SpeedDialog(int flightFrames, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form12"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("カードの移動速度"));
    setFixedSize(px(4440), px(1800));

    label1_ = new QLabel(QStringLiteral("高速"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(pxRect(240, 180, 1500, 300));

    label2_ = new QLabel(QStringLiteral("なめらか"), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label2_->setGeometry(pxRect(2700, 180, 1500, 300));

    hscroll1_ = new QScrollBar(Qt::Horizontal, this);
    hscroll1_->setObjectName(QStringLiteral("HScroll1"));
    hscroll1_->setRange(kSpeedBarMin, kSpeedBarMax);
    hscroll1_->setSingleStep(1);
    hscroll1_->setPageStep(1);
    hscroll1_->setValue(speedBarFromMovespeed(flightFrames));
    hscroll1_->setGeometry(pxRect(240, 510, 3960, 285));

    command1_ = new QPushButton(QStringLiteral("ＯＫ"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(pxRect(1680, 1140, 1200, 420));
    command1_->setDefault(true);
    connect(command1_, &QPushButton::clicked, this, [this] {
        emit movespeedChosen(movespeedFromBar(hscroll1_->value()));
        accept();
    });

    command2_ = new QPushButton(QStringLiteral("キャンセル"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    command2_->setGeometry(pxRect(3000, 1140, 1200, 420));
    connect(command2_, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, &SpeedDialog::closed);
}

void SpeedDialog::open() {
    centreOnScreen(this);
    show();
    hscroll1_->setFocus();
}

}  // namespace plumet
