#include "ui/namesdialog.h"

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
        label1_[i] = new QLabel(QString::fromLatin1(kLabels[i]), this);
        label1_[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        label1_[i]->setGeometry(pxRect(120, top, 860, 330));

        text1_[i] = new QLineEdit(captions[i], this);
        text1_[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        text1_[i]->setGeometry(pxRect(1000, top, 1680, 330));

        frame1_[i] = new QGroupBox(this);
        frame1_[i]->setObjectName(QStringLiteral("Frame1_%1").arg(i));
        frame1_[i]->setGeometry(pxRect(2800, 10 + kRowStep * i, 1860, 390));
        option1_[i] = new QRadioButton(QStringLiteral("男"), frame1_[i]);
        option1_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option1_[i]->setGeometry(pxRect(150, 45, 780, 300));
        option2_[i] = new QRadioButton(QStringLiteral("女"), frame1_[i]);
        option2_[i]->setObjectName(QStringLiteral("Option2_%1").arg(i));
        option2_[i]->setGeometry(pxRect(1000, 45, 780, 300));
        // The two buttons of one frame form one group (the frame is their parent).
        if (voices[i] != 0)
            option1_[i]->setChecked(true);
        else
            option2_[i]->setChecked(true);
    }

    command1_ = new QPushButton(QStringLiteral("ＯＫ"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(pxRect(2040, 1860, 1200, 420));
    command1_->setDefault(true);
    connect(command1_, &QPushButton::clicked, this, &NamesDialog::command1Click);

    command2_ = new QPushButton(QStringLiteral("キャンセル"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    command2_->setGeometry(pxRect(3420, 1860, 1200, 420));
    connect(command2_, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, &NamesDialog::closed);
}

void NamesDialog::open() {
    centreOnScreen(this);
    show();
    text1_[0]->setFocus();
}

void NamesDialog::command1Click() {
    PlayerNameArray names;
    PlayerVoiceArray voices{};
    for (int i = 0; i < 4; ++i) {
        names[i] = text1_[i]->text();
        voices[i] = option1_[i]->isChecked() ? -1 : 0;
    }
    emit namesAccepted(names, voices);
    accept();
}

}  // namespace plumet
