// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands: the menu items and toolbar buttons wired to what they do, and the
// match lock over them.
#include "app/mainwindow.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

#include "app/session.h"
#include "ui/table/handwindow.h"

namespace plumet {

void MainWindow::connectMenus() {
    const MenuItems& m = items_;
    connect(m.newGame, &QAction::triggered, this, &MainWindow::newGame);
    m.continueMatch->setEnabled(false);
    m.backToInitialScreen->setEnabled(false);
    connect(m.backToInitialScreen, &QAction::triggered, this, &MainWindow::backToInitialScreen);
    connect(m.quit, &QAction::triggered, this, &QWidget::close);
    // The hint is there only during the human's turn (the hand window makes it available).
    m.hint->setEnabled(false);
    connect(m.hint, &QAction::triggered, this, [this] { session_.human().showHint(); });

    connect(m.aceKing, &QAction::triggered, this, &MainWindow::setAceKing);
    connect(m.jokerNone, &QAction::triggered, this, [this] { setJoker(JokerMode::None); });
    connect(m.jokerOnce, &QAction::triggered, this, [this] { setJoker(JokerMode::Once); });
    connect(m.jokerReused, &QAction::triggered, this, [this] { setJoker(JokerMode::Reused); });
    connect(m.threePasses, &QAction::triggered, this, [this] { setPasses(3); });
    connect(m.twoPasses, &QAction::triggered, this, [this] { setPasses(2); });
    connect(m.detection, &QAction::triggered, this, &MainWindow::setDetection);
    connect(m.strengthWeak, &QAction::triggered, this, [this] { setStrength(Strength::Weak); });
    connect(m.strengthClassic, &QAction::triggered, this,
            [this] { setStrength(Strength::Classic); });
    connect(m.strengthStrong, &QAction::triggered, this, [this] { setStrength(Strength::Strong); });
    connect(m.cardFrames, &QAction::triggered, this, &MainWindow::setFramed);
    connect(m.fitCards, &QAction::triggered, this, &MainWindow::setFitCards);
    connect(m.paceFast, &QAction::triggered, this, [this] { setPace(Pace::Fast); });
    connect(m.paceNormal, &QAction::triggered, this, [this] { setPace(Pace::Normal); });
    connect(m.paceSlow, &QAction::triggered, this, [this] { setPace(Pace::Slow); });
    connect(m.soundOn, &QAction::triggered, this, [this] { setSoundOn(true); });
    connect(m.soundOff, &QAction::triggered, this, [this] { setSoundOn(false); });
    connect(m.toolbarShown, &QAction::triggered, this, &MainWindow::setToolbarShown);

    connect(m.arrangeAroundBoard, &QAction::triggered, this, &MainWindow::arrangeAroundBoard);
    connect(m.arrangeWhole, &QAction::triggered, this, &MainWindow::arrangeWhole);
    connect(m.autoArrange, &QAction::triggered, this, &MainWindow::setAutoArrange);

    // Commands whose dialogs are wired by attachDialog stay unavailable until then.
    pending_ = {m.showTop10, m.showStatistics, m.changeGroup, m.changeNames, m.boardCards,
                m.handCards, m.backCards,      m.moveSpeed,   m.helpTopics,  m.versionInfo};
    for (QAction* item : std::as_const(pending_)) item->setEnabled(false);
    m.cardMenu->menuAction()->setEnabled(false);
}

void MainWindow::attachDialog(QAction* item, std::function<void()> open) {
    pending_.remove(item);
    const auto locked = matchLockedItems(items_);
    const bool underLock = std::find(locked.begin(), locked.end(), item) != locked.end();
    setAvailable(item, !(matchLocked_ && underLock));
    if (item == items_.boardCards || item == items_.handCards || item == items_.backCards)
        setAvailable(items_.cardMenu->menuAction(), !matchLocked_);
    connect(item, &QAction::triggered, this, std::move(open));
}

void MainWindow::setAvailable(QAction* item, bool enabled) {
    // The card sets' submenu is available once one of its choosers is wired.
    const bool wired =
        item == items_.cardMenu->menuAction()
            ? !(pending_.contains(items_.boardCards) && pending_.contains(items_.handCards) &&
                pending_.contains(items_.backCards))
            : !pending_.contains(item);
    item->setEnabled(enabled && wired);
}

void MainWindow::buildToolbar() {
    const auto on = [this](ToolButton button, auto handler) {
        connect(toolButton(button), &ToolImage::clicked, this, handler);
    };
    const auto as = [](QAction* item) { return [item] { item->trigger(); }; };
    const MenuItems& m = items_;
    on(ToolButton::Start, as(m.newGame));
    on(ToolButton::Continue, as(m.continueMatch));
    on(ToolButton::Title, as(m.backToInitialScreen));
    on(ToolButton::Top10, as(m.showTop10));
    on(ToolButton::End, as(m.quit));
    // The rule buttons act only while their menu items are enabled: the match lock.
    const auto ifEnabled = [](QAction* item, auto command) {
        return [item, command] {
            if (item->isEnabled()) command();
        };
    };
    on(ToolButton::AceKingOn, ifEnabled(m.aceKing, [this] { setAceKing(!options().aceKing); }));
    on(ToolButton::AceKingOff, ifEnabled(m.aceKing, [this] { setAceKing(!options().aceKing); }));
    on(ToolButton::JokerNone, ifEnabled(m.jokerOnce, [this] { setJoker(JokerMode::Once); }));
    on(ToolButton::JokerOnce, ifEnabled(m.jokerOnce, [this] { setJoker(JokerMode::Reused); }));
    on(ToolButton::JokerReused, ifEnabled(m.jokerOnce, [this] { setJoker(JokerMode::None); }));
    on(ToolButton::ThreePasses, ifEnabled(m.threePasses, [this] { setPasses(2); }));
    on(ToolButton::TwoPasses, ifEnabled(m.twoPasses, [this] { setPasses(3); }));
    // Detection can be flipped from the toolbar during a match too.
    on(ToolButton::DetectionOn, [this] { setDetection(!options().detection); });
    on(ToolButton::DetectionOff, [this] { setDetection(!options().detection); });
    on(ToolButton::Group, as(m.changeGroup));
    on(ToolButton::Names, as(m.changeNames));
    on(ToolButton::FramesOn, [this] { setFramed(!options().framed); });
    on(ToolButton::FramesOff, [this] { setFramed(!options().framed); });
    on(ToolButton::PaceSlow, [this] { setPace(Pace::Fast); });
    on(ToolButton::PaceNormal, [this] { setPace(Pace::Slow); });
    on(ToolButton::PaceFast, [this] { setPace(Pace::Normal); });
    on(ToolButton::MoveSpeed, as(m.moveSpeed));
    on(ToolButton::SoundOn, [this] { setSoundOn(false); });
    on(ToolButton::SoundOff, [this] { setSoundOn(true); });
    on(ToolButton::Arrange, as(m.arrangeWhole));
    on(ToolButton::Help, as(m.helpTopics));
    on(ToolButton::Statistics, as(m.showStatistics));
}

void MainWindow::setShown(ToolButton button, bool shown) {
    toolButton(button)->setVisible(shown);
}

}  // namespace plumet
