// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/namesdialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/centring.h"
#include "ui/twips.h"

namespace plumet {

namespace {
constexpr double kRowStep = 400;
}

NamesDialog::NamesDialog(const PlayerNameArray& captions, const PlayerVoiceArray& voices,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form8"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("名前の変更"));
    setFixedSize(px(4800), px(2460));

    static const char* const kLabels[] = {"PLAYER", "COM1", "COM2", "COM3"};
    for (int i = 0; i < 4; ++i) {
        const double top = 120 + kRowStep * i;
        playerLabels_[i] = new QLabel(QString::fromLatin1(kLabels[i]), this);
        playerLabels_[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        playerLabels_[i]->setGeometry(pxRect(120, top, 860, 330));

        nameEdits_[i] = new QLineEdit(captions[i], this);
        nameEdits_[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        nameEdits_[i]->setGeometry(pxRect(1000, top, 1680, 330));

        voiceBoxes_[i] = new QGroupBox(this);
        voiceBoxes_[i]->setObjectName(QStringLiteral("Frame1_%1").arg(i));
        voiceBoxes_[i]->setGeometry(pxRect(2800, 10 + kRowStep * i, 1860, 390));
        maleButtons_[i] = new QRadioButton(QStringLiteral("男"), voiceBoxes_[i]);
        maleButtons_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        maleButtons_[i]->setGeometry(pxRect(150, 45, 780, 300));
        femaleButtons_[i] = new QRadioButton(QStringLiteral("女"), voiceBoxes_[i]);
        femaleButtons_[i]->setObjectName(QStringLiteral("Option2_%1").arg(i));
        femaleButtons_[i]->setGeometry(pxRect(1000, 45, 780, 300));
        // The two buttons of one frame form one group (the frame is their parent).
        if (voices[i] != 0)
            maleButtons_[i]->setChecked(true);
        else
            femaleButtons_[i]->setChecked(true);
    }

    okButton_ = new QPushButton(QStringLiteral("ＯＫ"), this);
    okButton_->setObjectName(QStringLiteral("Command1"));
    okButton_->setGeometry(pxRect(2040, 1860, 1200, 420));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &NamesDialog::acceptNames);

    cancelButton_ = new QPushButton(QStringLiteral("キャンセル"), this);
    cancelButton_->setObjectName(QStringLiteral("Command2"));
    cancelButton_->setGeometry(pxRect(3420, 1860, 1200, 420));
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, &NamesDialog::closed);
}

void NamesDialog::open() {
    centreWindow(this);
    show();
    nameEdits_[0]->setFocus();
}

void NamesDialog::acceptNames() {
    PlayerNameArray names;
    PlayerVoiceArray voices{};
    for (int i = 0; i < 4; ++i) {
        names[i] = nameEdits_[i]->text();
        voices[i] = maleButtons_[i]->isChecked() ? -1 : 0;
    }
    emit namesAccepted(names, voices);
    accept();
}

}  // namespace plumet
