// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/speeddialog.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "ui/centring.h"
#include "ui/dialogs/speedbar.h"
#include "ui/twips.h"

namespace plumet {

SpeedDialog::SpeedDialog(int flightFrames, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form12"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("カードの移動速度"));
    setFixedSize(px(4440), px(1800));

    fastLabel_ = new QLabel(QStringLiteral("高速"), this);
    fastLabel_->setObjectName(QStringLiteral("Label1"));
    fastLabel_->setGeometry(pxRect(240, 180, 1500, 300));

    smoothLabel_ = new QLabel(QStringLiteral("なめらか"), this);
    smoothLabel_->setObjectName(QStringLiteral("Label2"));
    smoothLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    smoothLabel_->setGeometry(pxRect(2700, 180, 1500, 300));

    speedBar_ = new QScrollBar(Qt::Horizontal, this);
    speedBar_->setObjectName(QStringLiteral("HScroll1"));
    speedBar_->setRange(kSpeedBarMin, kSpeedBarMax);
    speedBar_->setSingleStep(1);
    speedBar_->setPageStep(1);
    speedBar_->setValue(speedBarFromFlightFrames(flightFrames));
    speedBar_->setGeometry(pxRect(240, 510, 3960, 285));

    okButton_ = new QPushButton(QStringLiteral("ＯＫ"), this);
    okButton_->setObjectName(QStringLiteral("Command1"));
    okButton_->setGeometry(pxRect(1680, 1140, 1200, 420));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, [this] {
        emit flightFramesChosen(flightFramesFromBar(speedBar_->value()));
        accept();
    });

    cancelButton_ = new QPushButton(QStringLiteral("キャンセル"), this);
    cancelButton_->setObjectName(QStringLiteral("Command2"));
    cancelButton_->setGeometry(pxRect(3000, 1140, 1200, 420));
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, &SpeedDialog::closed);
}

void SpeedDialog::open() {
    centreWindow(this);
    show();
    speedBar_->setFocus();
}

}  // namespace plumet
