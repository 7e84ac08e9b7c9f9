#include "ui/resultswindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "data/checkstring.h"
#include "data/savedgame.h"
#include "data/store.h"
#include "ui/centring.h"
#include "ui/dialogkeys.h"
#include "ui/inputblock.h"
#include "ui/labeltext.h"
#include "ui/scoregraph.h"
#include "ui/storemessages.h"
#include "ui/twips.h"

namespace plumet {

namespace {

constexpr int kWidth = 7320;
constexpr int kHeight = 4020;
constexpr int kRow = 250;

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QRect where) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(where);
    return label;
}

QString arrayName(const char* control, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(control)).arg(index);
}

}  // namespace

QString numberField(int value, int width) {
    QString text = signedLabel(value);
    if (text.size() > width) text = text.trimmed();
    return text.rightJustified(width, u' ');
}

ResultsWindow::ResultsWindow(GameState& state, Store& store, Sources sources, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      state_(state),
      store_(store),
      sources_(std::move(sources)) {
    setObjectName(QStringLiteral("Form10"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(kWidth), px(kHeight));

    label1_[0] = makeLabel(this, arrayName("Label1", 0), QStringLiteral("　名　前"), {});
    label2_[0] = makeLabel(this, arrayName("Label2", 0), QStringLiteral("今回の得点"), {});
    label3_[0] = makeLabel(this, arrayName("Label3", 0), QStringLiteral("総得点"), {});
    for (int r = 1; r <= kPlayers; ++r) {
        label1_[r] = makeLabel(this, arrayName("Label1", r), {}, {});
        label2_[r] = makeLabel(this, arrayName("Label2", r), {}, {});
        label3_[r] = makeLabel(this, arrayName("Label3", r), {}, {});
    }
    label5_ = makeLabel(this, QStringLiteral("Label5"), QStringLiteral("得点　　 順位 /  結 果"),
                        pxRect(4020, 100, 3200, 240));
    for (int k = 0; k < 10; ++k) {
        label4_[k] = makeLabel(this, arrayName("Label4", k), QString::number(k + 1), {});
        label4_[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label6_[k] = makeLabel(this, arrayName("Label6", k), {}, {});
        label7_[k] = makeLabel(this, arrayName("Label7", k), {}, {});
    }
    label8_ = makeLabel(this, QStringLiteral("Label8"), QString::fromUtf8(kCumulativeGraph),
                        pxRect(120, 1420, 2300, 240));

    picture1_ = new ScoreGraph(this);
    picture1_->setGeometry(pxRect(120, 1720, 3780, 2200));

    const auto makeButton = [this](int n, QRect where) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("Command%1").arg(n));
        button->setGeometry(where);
        commands_[n] = button;
        return button;
    };
    connect(makeButton(1, pxRect(4020, 3420, 1500, 400)), &QPushButton::clicked, this,
            &ResultsWindow::command1Click);
    connect(makeButton(2, pxRect(5600, 3420, 1620, 400)), &QPushButton::clicked, this,
            &ResultsWindow::command2Click);
    connect(makeButton(3, pxRect(2520, 1370, 1380, 320)), &QPushButton::clicked, this,
            &ResultsWindow::command3Click);
    commands_[1]->setDefault(true);
    commands_[2]->setText(QStringLiteral("保存後タイトルへ"));
    commands_[3]->setText(QStringLiteral("累計グラフへ"));

    // Decorative lines: under the score heads, between the scores and the record, under the
    // record's head, and above the graph.
    const QRect lines[] = {pxRect(120, 345, 3780, 30), pxRect(3950, 100, 30, 3800),
                           pxRect(4020, 345, 3200, 30), pxRect(120, 1320, 3780, 30)};
    for (int i = 0; i < 4; ++i) {
        lines_[i] = new QFrame(this);
        lines_[i]->setObjectName(QStringLiteral("Line%1").arg(i + 1));
        lines_[i]->setFrameShape(i == 1 ? QFrame::VLine : QFrame::HLine);
        lines_[i]->setFrameShadow(QFrame::Sunken);
        lines_[i]->setGeometry(lines[i]);
    }
}

ResultsWindow* ResultsWindow::open(GameState& state, Store& store, Sources sources, bool matchOver,
                                   QWidget* parent) {
    // The load lets pending events run: the window is held by a QPointer across it.
    const QPointer<ResultsWindow> window =
        new ResultsWindow(state, store, std::move(sources), parent);
    if (matchOver) {
        window->commands_[2]->hide();
        window->setWindowTitle(QStringLiteral("ゲーム終了"));
        window->commands_[1]->setText(QStringLiteral("ゲーム終了"));
    } else {
        window->setWindowTitle(signedLabel(state.gameNumber) + QStringLiteral(" 回戦終了"));
        window->commands_[1]->setText(signedLabel(state.gameNumber + 1) +
                                      QStringLiteral(" 回戦に進む"));
    }
    window->load();
    return window;
}

QLabel* ResultsWindow::label(int array, int index) const {
    switch (array) {
        case 1:
            return label1_.at(index);
        case 2:
            return label2_.at(index);
        case 3:
            return label3_.at(index);
        case 4:
            return label4_.at(index);
        case 5:
            return label5_;
        case 6:
            return label6_.at(index);
        case 7:
            return label7_.at(index);
        case 8:
            return label8_;
        default:
            return nullptr;
    }
}

QPushButton* ResultsWindow::command(int n) const {
    return commands_.at(n);
}

void ResultsWindow::load() {
    setAcceptsInput(this, false);
    // The graph last shown, flipped here because drawing it flips it back.
    const QString shown = savedmatch::graphCaption(store_);
    label8_->setText(shown != QString::fromUtf8(kPerGameGraph)
                         ? QString::fromUtf8(kPerGameGraph)
                         : QString::fromUtf8(kCumulativeGraph));

    centreOnScreen(this);
    fillScores();
    if (state_.gameNumber >= 1 && state_.gameNumber <= 10) {
        state_.humanGamePoints[state_.gameNumber] = state_.gamePoints[1];
        state_.humanGamePlaces[state_.gameNumber] =
            sources_.humanPlace ? sources_.humanPlace().toStdString() : std::string();
    }
    fillRecord();

    QApplication::beep();
    show();
    // The window paints before its graph is drawn. It takes no input meanwhile and only its
    // buttons close it, so it is still there afterwards; the QPointer says so all the same.
    const QPointer<ResultsWindow> self(this);
    QCoreApplication::processEvents();
    if (self) command3Click();
}

void ResultsWindow::fillScores() {
    for (int r = 0; r <= kPlayers; ++r) {
        const int top = 100 + kRow * r;
        label1_[r]->setGeometry(pxRect(120, top, 1550, 240));
        label2_[r]->setGeometry(pxRect(1720, top, 1150, 240));
        label3_[r]->setGeometry(pxRect(2920, top, 980, 240));
    }
    for (int p = 1; p <= kPlayers; ++p) {
        label1_[p]->setText(sources_.playerCaption ? sources_.playerCaption(p) : QString());
        label2_[p]->setText(numberField(state_.gamePoints[p], 4) + QStringLiteral(" 点"));
        // Totals of four digits and more are shown whole.
        label3_[p]->setText(numberField(state_.score[p], 3) + QStringLiteral(" 点"));
    }
}

void ResultsWindow::fillRecord() {
    for (int k = 0; k < 10; ++k) {
        const int top = 360 + kRow * k;
        label4_[k]->setGeometry(pxRect(4020, top, 260, 240));
        label6_[k]->setGeometry(pxRect(4300, top, 780, 240));
        label7_[k]->setGeometry(pxRect(5100, top, 2140, 240));
        if (k > state_.gameNumber - 1) {
            label6_[k]->clear();
            label7_[k]->clear();
        } else {
            label6_[k]->setText(numberField(state_.humanGamePoints[k + 1], 4) +
                                QStringLiteral(" 点"));
            label7_[k]->setText(QString::fromStdString(state_.humanGamePlaces[k + 1]));
        }
    }
}

void ResultsWindow::command3Click() {
    setAcceptsInput(this, false);
    const int games = std::clamp<int>(state_.gameNumber, 0, 10);
    if (label8_->text() == QString::fromUtf8(kPerGameGraph)) {
        picture1_->draw(GraphKind::Cumulative, state_.humanGamePoints, games);
        commands_[3]->setText(QStringLiteral("各計グラフへ"));
        label8_->setText(QString::fromUtf8(kCumulativeGraph));
    } else {
        picture1_->draw(GraphKind::PerGame, state_.humanGamePoints, games);
        commands_[3]->setText(QStringLiteral("累計グラフへ"));
        label8_->setText(QString::fromUtf8(kPerGameGraph));
    }
    setAcceptsInput(this, true);
}

void ResultsWindow::command1Click() {
    savedmatch::saveGraphCaption(store_, label8_->text());
    closing_ = true;
    close();
    if (state_.gameNumber <= 9) {
        emit nextGame();
        return;
    }
    state_.gameNumber = 0;
    emit matchOver();
}

void ResultsWindow::command2Click() {
    if (!savedmatch::saveMatch(store_, state_, label8_->text())) {
        // Nothing was saved: the window stays, so the player can go on with the next game
        // (or try again); the continue command does not pretend a stored match.
        showUnsavedMessage(this, store_);
        return;
    }
    closing_ = true;
    close();
    emit saved();
}

void ResultsWindow::keyPressEvent(QKeyEvent* event) {
    if (isEnterKey(event)) {
        pressButton(commands_[1]);
        return;
    }
    QWidget::keyPressEvent(event);
}

void ResultsWindow::closeEvent(QCloseEvent* event) {
    // Only the buttons close the window: the main window waits for one of them.
    if (closing_)
        event->accept();
    else
        event->ignore();
}

}  // namespace plumet
