// SPDX-License-Identifier: GPL-3.0-or-later
// The match commands of the main window: a new game, back to the initial screen, the match lock,
// and the idle caption.
#include "app/mainwindow.h"

#include <QAction>
#include <QMessageBox>

#include "app/session.h"
#include "data/store.h"
#include "ui/inputblock.h"
#include "ui/storemessages.h"
#include "ui/table/boardwindow.h"

namespace plumet {

QString MainWindow::groupName() const {
    if (groupNameSource) return groupNameSource();
    // グループ１ .. グループ１０: the group number from 1 in full-width digits.
    QString digits = QString::number(session_.state().group + 1);
    for (QChar& c : digits) c = QChar(c.unicode() - u'0' + 0xFF10);
    return QStringLiteral("グループ") + digits;
}

void MainWindow::showIdleCaption() {
    setWindowTitle(QStringLiteral("カドリオ   （ ") + groupName() + QStringLiteral(" ）"));
}

bool MainWindow::ask(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                    this);
    return box.exec() == QMessageBox::Ok;
}

void MainWindow::newGame() {
    GameState& s = session_.state();
    const auto discard = [this, &s] {
        if (discardSavedMatch) discardSavedMatch();
        items_.continueMatch->setEnabled(false);
        setShown(ToolButton::Continue, false);
        setShown(ToolButton::ContinueOff, true);
        captionTimer_.stop();
        s.gameNumber = 0;
        s.selectedJokerSlot = 0;
        s.savedGameNumber = 0;
    };
    if (s.savedGameNumber > 0) {
        if (!ask(QStringLiteral("新規ゲーム？"),
                 QStringLiteral("前回の保存データを破棄し\n新規ゲームを開始しますか？")))
            return;
        discard();
    }
    if (s.gameNumber > 0) {
        if (!ask(QStringLiteral("新規ゲーム？"),
                 QStringLiteral("現在のゲームを破棄し\n新規ゲームを開始しますか？")))
            return;
        discard();
    }
    lockMatch();
    session_.board().setWindowTitle(QString::fromUtf8(kBoardCaption));
    session_.startGame();
}

void MainWindow::backToInitialScreen() {
    if (session_.state().gameNumber > 0 &&
        !ask(QStringLiteral("初期画面？"),
             QStringLiteral("現在のゲームを破棄し\n初期画面に戻りますか？")))
        return;
    if (session_.state().gameNumber > 0 && matchAbandoned && store_) {
        const Store::Watch watch(*store_);
        matchAbandoned();
        if (!watch.ok()) showUnsavedMessage(this, *store_);
    }
    abandonMatch();
}

void MainWindow::abandonMatch() {
    GameState& s = session_.state();
    if (s.gameNumber > 0) {
        captionTimer_.stop();
        s.gameNumber = 0;
        s.savedGameNumber = 0;
        session_.clearTable();
    }
    boardFrame()->hide();
    items_.backToInitialScreen->setEnabled(false);
    unlockMatch();
    showIdleCaption();
    setAcceptsInput(this, true);
}

void MainWindow::lockMatch() {
    matchLocked_ = true;
    for (QAction* item : matchLockedItems(items_)) item->setEnabled(false);
    items_.hint->setEnabled(false);
    items_.backToInitialScreen->setEnabled(true);
    setShown(ToolButton::Title, true);
    setShown(ToolButton::GroupOff, true);
    setShown(ToolButton::TitleOff, false);
    setShown(ToolButton::Group, false);
}

void MainWindow::unlockMatch() {
    matchLocked_ = false;
    for (QAction* item : matchLockedItems(items_)) setAvailable(item, true);
    items_.hint->setEnabled(false);
    items_.backToInitialScreen->setEnabled(false);
    setShown(ToolButton::Title, false);
    setShown(ToolButton::GroupOff, false);
    setShown(ToolButton::TitleOff, true);
    setShown(ToolButton::Group, true);
}

void MainWindow::resultsFallback(bool matchOver) {
    // No results window: the menu is open again for the next game.
    setAcceptsInput(this, true);
    if (!matchOver) return;
    captionTimer_.stop();
    session_.state().gameNumber = 0;
    unlockMatch();
    showIdleCaption();
}

}  // namespace plumet
