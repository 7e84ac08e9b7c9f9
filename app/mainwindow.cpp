// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QVBoxLayout>

#include "app/session.h"
#include "app/tablearea.h"
#include "data/store.h"
#include "data/top10.h"
#include "ui/centring.h"
#include "ui/speeds.h"
#include "ui/storemessages.h"
#include "ui/table/boardwindow.h"
#include "ui/table/computerwindow.h"
#include "ui/table/handwindow.h"
#include "ui/twips.h"

namespace plumet {

MainWindow::MainWindow(Session& session, QWidget* parent) : QMainWindow(parent), session_(session) {
    setObjectName(QStringLiteral("MDIForm1"));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolbar_ = new Toolbar(central);
    mdi_ = new TableArea(central);
    layout->addWidget(toolbar_);
    layout->addWidget(mdi_, 1);
    setCentralWidget(central);

    // The child windows are shown by the game start, not before.
    // Each frame keeps the object name of its window's classic name ("Form2Window" for the
    // board, "Form4Window".."Form7Window" for players 1..4).
    const auto addChild = [this](int classicNumber, QWidget* widget) {
        QMdiSubWindow* sub = mdi_->addChild(widget);
        sub->setObjectName(QStringLiteral("Form%1Window").arg(classicNumber));
        return sub;
    };
    auto* board = new BoardWindow(session_);
    auto* human = new HandWindow(session_);
    std::array<ComputerWindow*, 3> computers{};
    for (int p = 2; p <= 4; ++p) computers[p - 2] = new ComputerWindow(session_, p);
    session_.setWindows(this, board, human, computers);
    for (int p = 2; p <= kPlayers; ++p) playerFrames_[p] = addChild(p + 3, computers[p - 2]);
    playerFrames_[1] = addChild(4, human);
    boardFrame_ = addChild(2, board);

    captionTimer_.setObjectName(QStringLiteral("Timer1"));
    captionTimer_.setInterval(speeds::kBoardCaptionMs);
    connect(&captionTimer_, &QTimer::timeout, this, [this] {
        captionTimer_.stop();
        session_.board().setWindowTitle(QString::fromUtf8(kBoardCaption));
    });

    items_ = buildMenus(*this);
    connectMenus();
    buildToolbar();
    // The empty table says what to do; "前回の続き" is offered where a saved match exists.
    mdi_->noticeLines = [this] {
        QStringList lines{QStringLiteral("F2 で新規ゲーム")};
        if (items_.continueMatch->isEnabled())
            lines << QStringLiteral("ｹﾞｰﾑ(G) →「前回の続き」で保存した対戦の続き");
        return lines;
    };
    connect(items_.continueMatch, &QAction::changed, mdi_, &TableArea::noticeChanged);
    // Dialogs and message boxes open over this window.
    setCentringWindow(this);
    session_.results = [this](bool matchOver) { resultsFallback(matchOver); };
}

ToolImage* MainWindow::toolButton(ToolButton which) const {
    return toolbar_->button(which);
}
QList<QMdiSubWindow*> MainWindow::frames() const {
    return {boardFrame_, playerFrames_[1], playerFrames_[2], playerFrames_[3], playerFrames_[4]};
}
// The client area as the layout gives it, also before the window is first shown (the
// viewport learns its size only from its first resize event).
double MainWindow::clientWidth() const {
    return tw(mdi_->contentsRect().width());
}
double MainWindow::clientHeight() const {
    return tw(mdi_->contentsRect().height());
}

void MainWindow::settleLayout() {
    // The layouts may not have seen the latest size yet (a resize while hidden, or a resize
    // event that reaches the window before its layout): lay out again from the size now.
    for (QLayout* each : {layout(), centralWidget()->layout()}) {
        each->invalidate();
        each->activate();
    }
}

QString MainWindow::closeQuestion() const {
    const QString question = QStringLiteral("カドリオを\n終了しますか？");
    if (!matchLocked_) return question;
    // Closing does not save the match: only the results window's "保存後タイトルへ" does.
    return question + QStringLiteral(
                          "\n\n対戦中の試合は、結果画面の「保存後タイトルへ」で\n"
                          "保存していなければ失われます。");
}

bool MainWindow::confirmClose() {
    if (!store_) return true;
    const Store::Watch watch(*store_);
    if (top10::marker(*store_) == top10::kMarkerDamaged) {
        // The TOP-10 dialog found the data damaged and is ending the program: no question,
        // and the marker goes so that the next start initialises the data afresh.
        store_->remove(u"form2", u"ckkc");
    } else if (!isMinimized() && !ask(QStringLiteral("終了？"), closeQuestion())) {
        return false;
    }
    if (matchAbandoned) matchAbandoned();
    saveProfile();
    if (!watch.ok()) showUnsavedMessage(this, *store_);
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!confirmClose()) {
        event->ignore();
        return;
    }
    captionTimer_.stop();
    session_.requestQuit();
    event->accept();
    unloadOthers();
}

void MainWindow::unloadOthers() {
    // Every other window of the program goes with the main window: dialogs, the results
    // window (which refuses an ordinary close while it waits for its buttons), help. A
    // window's close may show a message (a name entry that cannot be stored) whose event loop
    // can delete windows closed meanwhile: the list holds them by QPointer.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) windows.append(window);
    for (const QPointer<QWidget>& window : std::as_const(windows)) {
        if (!window || window == this || !window->isVisible()) continue;
        window->close();
        if (window && window->isVisible()) window->hide();
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    arrangeOnResize();
}

void MainWindow::arrangeOnResize() {
    if (!items_.arrangeAroundBoard) return;  // the menus are not built yet
    if (options().autoArrange) {
        ++session_.state().arrangeStep;
        arrangeWhole();
    } else {
        fitCards();
    }
    items_.arrangeAroundBoard->setEnabled(!isMaximized());
}

}  // namespace plumet
