// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/resultswindow.h"

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
#include "ui/storemessages.h"
#include "ui/twips.h"
#include "ui/windows/scoregraph.h"

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

    nameLabels_[0] = makeLabel(this, arrayName("Label1", 0), QStringLiteral("　名　前"), {});
    gamePointsLabels_[0] =
        makeLabel(this, arrayName("Label2", 0), QStringLiteral("今回の得点"), {});
    totalLabels_[0] = makeLabel(this, arrayName("Label3", 0), QStringLiteral("総得点"), {});
    for (int r = 1; r <= kPlayers; ++r) {
        nameLabels_[r] = makeLabel(this, arrayName("Label1", r), {}, {});
        gamePointsLabels_[r] = makeLabel(this, arrayName("Label2", r), {}, {});
        totalLabels_[r] = makeLabel(this, arrayName("Label3", r), {}, {});
    }
    recordHeadLabel_ =
        makeLabel(this, QStringLiteral("Label5"), QStringLiteral("得点　　 順位 /  結 果"),
                  pxRect(4020, 100, 3200, 240));
    for (int k = 0; k < 10; ++k) {
        gameNumberLabels_[k] = makeLabel(this, arrayName("Label4", k), QString::number(k + 1), {});
        gameNumberLabels_[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        recordPointsLabels_[k] = makeLabel(this, arrayName("Label6", k), {}, {});
        recordPlaceLabels_[k] = makeLabel(this, arrayName("Label7", k), {}, {});
    }
    graphCaptionLabel_ =
        makeLabel(this, QStringLiteral("Label8"), QString::fromUtf8(kCumulativeGraph),
                  pxRect(120, 1420, 2300, 240));

    graph_ = new ScoreGraph(this);
    graph_->setGeometry(pxRect(120, 1720, 3780, 2200));

    const auto makeButton = [this](QPushButton*& made, Button which, QRect where) {
        made = new QPushButton(this);
        made->setObjectName(QStringLiteral("Command%1").arg(static_cast<int>(which)));
        made->setGeometry(where);
        return made;
    };
    connect(makeButton(proceedButton_, Button::Proceed, pxRect(4020, 3420, 1500, 400)),
            &QPushButton::clicked, this, &ResultsWindow::proceed);
    connect(makeButton(saveButton_, Button::SaveToTitle, pxRect(5600, 3420, 1620, 400)),
            &QPushButton::clicked, this, &ResultsWindow::saveAndReturnToTitle);
    connect(makeButton(graphButton_, Button::SwitchGraph, pxRect(2520, 1370, 1380, 320)),
            &QPushButton::clicked, this, &ResultsWindow::switchGraph);
    proceedButton_->setDefault(true);
    saveButton_->setText(QStringLiteral("保存後タイトルへ"));
    graphButton_->setText(QStringLiteral("累計グラフへ"));

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
        window->saveButton_->hide();
        window->setWindowTitle(QStringLiteral("ゲーム終了"));
        window->proceedButton_->setText(QStringLiteral("ゲーム終了"));
    } else {
        window->setWindowTitle(signedLabel(state.gameNumber) + QStringLiteral(" 回戦終了"));
        window->proceedButton_->setText(signedLabel(state.gameNumber + 1) +
                                        QStringLiteral(" 回戦に進む"));
    }
    window->load();
    return window;
}

QPushButton* ResultsWindow::button(Button which) const {
    switch (which) {
        case Button::Proceed:
            return proceedButton_;
        case Button::SaveToTitle:
            return saveButton_;
        case Button::SwitchGraph:
            break;
    }
    return graphButton_;
}

void ResultsWindow::load() {
    setAcceptsInput(this, false);
    // The graph last shown, flipped here because drawing it flips it back.
    const QString shown = savedmatch::graphCaption(store_);
    graphCaptionLabel_->setText(shown != QString::fromUtf8(kPerGameGraph)
                                    ? QString::fromUtf8(kPerGameGraph)
                                    : QString::fromUtf8(kCumulativeGraph));

    centreWindow(this);
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
    if (self) switchGraph();
}

void ResultsWindow::fillScores() {
    for (int r = 0; r <= kPlayers; ++r) {
        const int top = 100 + kRow * r;
        nameLabels_[r]->setGeometry(pxRect(120, top, 1550, 240));
        gamePointsLabels_[r]->setGeometry(pxRect(1720, top, 1150, 240));
        totalLabels_[r]->setGeometry(pxRect(2920, top, 980, 240));
    }
    for (int p = 1; p <= kPlayers; ++p) {
        nameLabels_[p]->setText(sources_.playerCaption ? sources_.playerCaption(p) : QString());
        gamePointsLabels_[p]->setText(numberField(state_.gamePoints[p], 4) + QStringLiteral(" 点"));
        // Totals of four digits and more are shown whole.
        totalLabels_[p]->setText(numberField(state_.score[p], 3) + QStringLiteral(" 点"));
    }
}

void ResultsWindow::fillRecord() {
    for (int k = 0; k < 10; ++k) {
        const int top = 360 + kRow * k;
        gameNumberLabels_[k]->setGeometry(pxRect(4020, top, 260, 240));
        recordPointsLabels_[k]->setGeometry(pxRect(4300, top, 780, 240));
        recordPlaceLabels_[k]->setGeometry(pxRect(5100, top, 2140, 240));
        if (k > state_.gameNumber - 1) {
            recordPointsLabels_[k]->clear();
            recordPlaceLabels_[k]->clear();
        } else {
            recordPointsLabels_[k]->setText(numberField(state_.humanGamePoints[k + 1], 4) +
                                            QStringLiteral(" 点"));
            recordPlaceLabels_[k]->setText(QString::fromStdString(state_.humanGamePlaces[k + 1]));
        }
    }
}

void ResultsWindow::switchGraph() {
    setAcceptsInput(this, false);
    const int games = std::clamp<int>(state_.gameNumber, 0, 10);
    if (graphCaptionLabel_->text() == QString::fromUtf8(kPerGameGraph)) {
        graph_->draw(GraphKind::Cumulative, state_.humanGamePoints, games);
        graphButton_->setText(QStringLiteral("各計グラフへ"));
        graphCaptionLabel_->setText(QString::fromUtf8(kCumulativeGraph));
    } else {
        graph_->draw(GraphKind::PerGame, state_.humanGamePoints, games);
        graphButton_->setText(QStringLiteral("累計グラフへ"));
        graphCaptionLabel_->setText(QString::fromUtf8(kPerGameGraph));
    }
    setAcceptsInput(this, true);
}

void ResultsWindow::proceed() {
    savedmatch::saveGraphCaption(store_, graphCaptionLabel_->text());
    closing_ = true;
    close();
    if (state_.gameNumber <= 9) {
        emit nextGame();
        return;
    }
    state_.gameNumber = 0;
    emit matchOver();
}

void ResultsWindow::saveAndReturnToTitle() {
    if (!savedmatch::saveMatch(store_, state_, graphCaptionLabel_->text())) {
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
        pressButton(proceedButton_);
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
