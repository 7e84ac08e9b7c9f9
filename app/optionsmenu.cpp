// SPDX-License-Identifier: GPL-3.0-or-later
// The option commands of the menus and the toolbar, and the check marks and toolbar images that
// show the options.
#include "app/mainwindow.h"

#include <QAction>

#include "app/session.h"
#include "ui/table/boardwindow.h"
#include "ui/table/computerwindow.h"
#include "ui/table/handwindow.h"

namespace plumet {

const Options& MainWindow::options() const {
    return session_.options();
}

Options& MainWindow::editOptions() {
    return session_.editableOptions();
}

void MainWindow::showOptions() {
    const Options& o = options();
    const MenuItems& m = items_;
    m.aceKing->setChecked(o.aceKing);
    setShown(ToolButton::AceKingOn, o.aceKing);
    setShown(ToolButton::AceKingOff, !o.aceKing);
    m.jokerNone->setChecked(o.joker == JokerMode::None);
    m.jokerOnce->setChecked(o.joker == JokerMode::Once);
    m.jokerReused->setChecked(o.joker == JokerMode::Reused);
    setShown(ToolButton::JokerNone, o.joker == JokerMode::None);
    setShown(ToolButton::JokerOnce, o.joker == JokerMode::Once);
    setShown(ToolButton::JokerReused, o.joker == JokerMode::Reused);
    m.threePasses->setChecked(o.passes != 2);
    m.twoPasses->setChecked(o.passes == 2);
    setShown(ToolButton::ThreePasses, o.passes != 2);
    setShown(ToolButton::TwoPasses, o.passes == 2);
    m.detection->setChecked(o.detection);
    m.strengthWeak->setChecked(o.strength == Strength::Weak);
    m.strengthClassic->setChecked(o.strength == Strength::Classic);
    m.strengthStrong->setChecked(o.strength == Strength::Strong);
    setShown(ToolButton::DetectionOn, o.detection);
    setShown(ToolButton::DetectionOff, !o.detection);
    m.cardFrames->setChecked(o.framed);
    setShown(ToolButton::FramesOn, o.framed);
    setShown(ToolButton::FramesOff, !o.framed);
    m.fitCards->setChecked(o.fitCards);
    m.soundOn->setChecked(o.sound);
    m.soundOff->setChecked(!o.sound);
    setShown(ToolButton::SoundOn, o.sound);
    setShown(ToolButton::SoundOff, !o.sound);
    m.paceFast->setChecked(o.pace == Pace::Fast);
    m.paceNormal->setChecked(o.pace == Pace::Normal);
    m.paceSlow->setChecked(o.pace == Pace::Slow);
    setShown(ToolButton::PaceFast, o.pace == Pace::Fast);
    setShown(ToolButton::PaceNormal, o.pace == Pace::Normal);
    setShown(ToolButton::PaceSlow, o.pace == Pace::Slow);
    m.toolbarShown->setChecked(o.toolbar);
    toolbar_->setVisible(o.toolbar);
    m.autoArrange->setChecked(o.autoArrange);
}

void MainWindow::setAceKing(bool on) {
    editOptions().aceKing = on;
    showOptions();
}

void MainWindow::setJoker(JokerMode mode) {
    editOptions().joker = mode;
    showOptions();
}

void MainWindow::setPasses(int passes) {
    // The menu has already flipped the item it triggered: showing the options checks it
    // again, so choosing the pass limit in force changes nothing.
    editOptions().passes = passes;
    showOptions();
}

void MainWindow::setStrength(Strength strength) {
    // As with the pass limit, choosing the strength in force leaves its item checked.
    editOptions().strength = strength;
    showOptions();
}

void MainWindow::setDetection(bool on) {
    editOptions().detection = on;
    showOptions();
    session_.human().layoutHand();
}

void MainWindow::setPace(Pace pace) {
    editOptions().pace = pace;
    showOptions();
    applyPace();
}

void MainWindow::setSoundOn(bool on) {
    editOptions().sound = on;
    showOptions();
}

void MainWindow::setFramed(bool on) {
    editOptions().framed = on;
    showOptions();
    setFramesAndReload(on);
}

void MainWindow::setFitCards(bool on) {
    // Not part of the match lock: the cards are fitted again at once, also during a match.
    editOptions().fitCards = on;
    showOptions();
    refitCards();
}

void MainWindow::refitCards() {
    // The arrangement sizes the windows from the card size, so under "勝手に整列" the cards
    // are fitted by arranging the windows for them.
    if (options().autoArrange)
        arrangeWhole();
    else
        fitCards();
}

void MainWindow::setFramesAndReload(bool on) {
    session_.board().setFramed(on);
    for (int p = 1; p <= kPlayers; ++p) {
        PlayerWindow& playerWindow = session_.window(p);
        for (int i = 1; i <= playerWindow.pictureCount(); ++i)
            playerWindow.picture(i)->setFramed(on);
    }
    if (session_.state().gameNumber == 0) return;
    // During a match the shown pictures are read again from their folders; no card moves.
    session_.human().reloadHand();
    for (ComputerWindow* playerWindow : session_.computers()) {
        const int count = session_.state().handCount[playerWindow->player()];
        for (int i = count; i >= 1; --i)
            playerWindow->picture(i)->setImageFile(playerWindow->backFile());
    }
    session_.board().loadPictures();
}

void MainWindow::setToolbarShown(bool on) {
    editOptions().toolbar = on;
    showOptions();
    arrangeWhole();
}

void MainWindow::setAutoArrange(bool on) {
    editOptions().autoArrange = on;
    showOptions();
    if (on) arrangeWhole();
}

}  // namespace plumet
