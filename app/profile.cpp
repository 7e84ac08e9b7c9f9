// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the settings: loadProfile applies the live profile to menus,
// toolbar, windows and variables, saveProfile writes it back.
#include <QAction>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

#include "app/datafolder.h"
#include "app/mainwindow.h"
#include "app/session.h"
#include "app/windowbounds.h"
#include "data/options.h"
#include "data/settings.h"
#include "data/store.h"
#include "ui/cards/cardfolders.h"
#include "ui/speeds.h"
#include "ui/table/boardwindow.h"
#include "ui/table/computerwindow.h"
#include "ui/table/handwindow.h"
#include "ui/toolbar.h"
#include "ui/twips.h"

namespace plumet {

namespace {

Geometry twipsOf(const QRect& rect) {
    return {static_cast<float>(tw(rect.y())), static_cast<float>(tw(rect.x())),
            static_cast<float>(tw(rect.width())), static_cast<float>(tw(rect.height()))};
}

QString folderOf(const std::string& dir) {
    return QString::fromStdString(dir);
}

}  // namespace

bool MainWindow::loadProfile(bool startUp) {
    GameState& s = session_.state();
    if (s.dataFolder.empty()) s.dataFolder = findDataFolder().toStdString();
    const QString dataFolder = folderOf(s.dataFolder);
    // A new player's first start: no main window geometry stored yet.
    bool firstStart = startUp && store_;
    for (const QStringView key : {u"topmdi", u"leftmdi", u"widthmdi", u"heightmdi"})
        firstStart = firstStart && !store_->contains(u"form2", key);
    if (!applySettings(store_ ? readSettings(*store_, dataFolder) : Settings::defaults(dataFolder),
                       startUp))
        return false;
    if (firstStart && options().fitCards) openLarge();
    return true;
}

void MainWindow::openLarge() {
    // About three quarters of the screen's available area, never beyond it and never below
    // the classic window, in the middle of the screen; arranged when it is shown (its first
    // resize), so that the cards fitted to the windows are large from the start.
    const QScreen* shown = screen();
    if (!shown) shown = QGuiApplication::primaryScreen();
    if (!shown || isMaximized() || isMinimized() || isFullScreen()) return;
    const QRect area = shown->availableGeometry();
    const QSize classic = pixelRect(Settings::defaults(QString()).mainWindow).size();
    const QSize frame = frameGeometry().size() - size();
    const QSize outer = (area.size() * 3 / 4).expandedTo(classic).boundedTo(area.size());
    QRect wanted(QPoint(0, 0), outer - frame);
    wanted.moveCenter(area.center());
    move(wanted.topLeft());
    resize(wanted.size());
    if (!options().autoArrange) fitCards();
}

bool MainWindow::applySettings(const Settings& settings, bool startUp) {
    GameState& s = session_.state();
    if (s.dataFolder.empty()) s.dataFolder = findDataFolder().toStdString();
    const QString dataFolder = folderOf(s.dataFolder);
    if (startUp) toolbar_->load(dataFolder);
    s.savedGameNumber = 0;

    editOptions() = optionsOf(settings);
    showOptions();

    // A maximised or minimised window keeps its state; its stored frame waits for the next
    // start. Stored frames come back on the screen, and the child windows inside the client
    // area, each at a usable size.
    if (!isMaximized() && !isMinimized() && !isFullScreen()) {
        const QRect frame =
            fitInto(settings.mainWindow, screenAreaFor(settings.mainWindow), minimumMainFrame());
        move(frame.topLeft());
        resize(frame.size());
    }
    settleLayout();
    // The board and the player windows stay inside the client area, and with it on the screen.
    const QRect client(QPoint(0, 0), mdi_->contentsRect().size());
    boardFrame()->setGeometry(fitInto(settings.board, client, minimumBoardFrame()));
    for (int p = 1; p <= kPlayers; ++p) {
        playerFrame(p)->setGeometry(
            fitInto(settings.players[p - 1], client, minimumPlayerFrame(p)));
        session_.window(p).setWindowTitle(settings.names[p - 1]);
        s.voices[p - 1] = settings.male[p - 1] ? -1 : 0;
    }
    if (startUp) s.group = settings.group;
    s.handFaceFolder = settings.handFaceFolder.toStdString();
    s.backFolder = settings.backFolder.toStdString();
    s.boardFaceFolder = settings.boardFaceFolder.toStdString();
    s.flightFrames = settings.moves;
    showIdleCaption();

    setFramesAndReload(options().framed);

    // A folder that is not a card set (moved, deleted, its test file gone) falls back to the
    // cards shipped with the game.
    s.handFaceFolder =
        checkedCardFolder(settings.handFaceFolder, CardSet::Face, dataFolder).toStdString();
    s.boardFaceFolder =
        checkedCardFolder(settings.boardFaceFolder, CardSet::Board, dataFolder).toStdString();
    s.backFolder = checkedCardFolder(settings.backFolder, CardSet::Back, dataFolder).toStdString();
    session_.board().picture(0)->setImageFile(
        cardFilePath(folderOf(s.boardFaceFolder), QStringLiteral("s1.bmp")));
    session_.human().picture(1)->setImageFile(
        cardFilePath(folderOf(s.handFaceFolder), QStringLiteral("s1.bmp")));
    for (int p : {2, 4})
        session_.window(p).picture(1)->setImageFile(
            cardFilePath(folderOf(s.backFolder), QStringLiteral("uray.bmp")));
    session_.window(3).picture(1)->setImageFile(
        cardFilePath(folderOf(s.backFolder), QStringLiteral("urat.bmp")));

    applyPace();

    if (savedMatchCheck) {
        if (!savedMatchCheck()) return false;
    } else {
        items_.continueMatch->setEnabled(false);
        setShown(ToolButton::Continue, false);
        setShown(ToolButton::ContinueOff, true);
    }
    if (startUp) unlockMatch();

    session_.board().loadPictures();
    refitCards();
    return true;
}

QRect MainWindow::screenAreaFor(const Geometry& stored) const {
    // The screen the stored frame starts on, else the primary one; the window's frame
    // (title bar, borders, once it has been shown) has to fit as well.
    const QRect wanted = pixelRect(stored);
    const QScreen* shown = QGuiApplication::screenAt(wanted.topLeft());
    if (!shown) shown = QGuiApplication::primaryScreen();
    if (!shown) return {};
    const QSize frame = frameGeometry().size() - size();
    return shown->availableGeometry().adjusted(0, 0, -frame.width(), -frame.height());
}

void MainWindow::applyPace() {
    // Without a pace chosen (a hand-edited profile) the computer players keep theirs.
    if (!options().pace) return;
    pace_ = *options().pace == Pace::Fast     ? speeds::kPaceFastMs
            : *options().pace == Pace::Normal ? speeds::kPaceNormalMs
                                              : speeds::kPaceSlowMs;
    for (ComputerWindow* playerWindow : session_.computers())
        playerWindow->thinkTimer().setInterval(pace_);
}

Settings MainWindow::currentSettings() const {
    const GameState& s = session_.state();
    Settings settings = Settings::defaults(folderOf(s.dataFolder));
    storeOptions(settings, options());
    settings.mainWindow = twipsOf(QRect(pos(), size()));
    settings.board = twipsOf(boardFrame()->geometry());
    for (int p = 1; p <= kPlayers; ++p) {
        settings.players[p - 1] = twipsOf(playerFrame(p)->geometry());
        settings.names[p - 1] = session_.window(p).windowTitle();
        settings.male[p - 1] = s.voices[p - 1] != 0;
    }
    settings.group = s.group;
    settings.handFaceFolder = folderOf(s.handFaceFolder);
    settings.backFolder = folderOf(s.backFolder);
    settings.boardFaceFolder = folderOf(s.boardFaceFolder);
    settings.moves = s.flightFrames;
    return settings;
}

void MainWindow::saveProfile() {
    // A store that could not be read is left as it is: the settings in use are its defaults.
    if (!store_ || !store_->readable()) return;
    const bool normal = !isMinimized() && !isMaximized() && !isFullScreen();
    writeSettings(*store_, currentSettings(), normal);
}

void MainWindow::cardFolderChosen(int mode, const QString& folder) {
    GameState& s = session_.state();
    const std::string dir = normalisedFolder(folder).toStdString();
    const bool board = mode == static_cast<int>(CardSet::Board);
    if (board) {
        s.boardFaceFolder = dir;
        session_.board().loadPictures();
        session_.board().layoutCards();
    } else if (mode == static_cast<int>(CardSet::Face)) {
        s.handFaceFolder = dir;
        session_.human().picture(1)->setImageFile(cardFilePath(folder, QStringLiteral("s1.bmp")));
    } else if (mode == static_cast<int>(CardSet::Back)) {
        s.backFolder = dir;
        for (int p : {2, 4})
            session_.window(p).picture(1)->setImageFile(
                cardFilePath(folder, QStringLiteral("uray.bmp")));
        session_.window(3).picture(1)->setImageFile(
            cardFilePath(folder, QStringLiteral("urat.bmp")));
    }
    // New card sizes change the windows' layouts. Fitted cards take the new set's proportions,
    // which may change the board's size as well: its cards are laid out for it again.
    refitCards();
    if (board && options().fitCards) session_.board().layoutCards();
}

}  // namespace plumet
