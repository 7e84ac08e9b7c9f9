// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow: the frame window. Menu bar, toolbar strip, the board and the four player windows
// in its client area, the match lock, the window arrangement and the board caption timer.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QSet>
#include <QTimer>
#include <array>
#include <functional>

#include "app/menuitems.h"
#include "app/tablearea.h"
#include "data/options.h"
#include "ui/toolbar.h"

class QMdiArea;
class QMdiSubWindow;

namespace plumet {

class PlayerWindow;
class Session;
class Store;
struct Geometry;
struct Settings;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(Session& session, QWidget* parent = nullptr);

    // The menus and their items, each under its name.
    const MenuItems& items() const { return items_; }
    ToolImage* toolButton(ToolButton which) const;
    Toolbar* toolbar() const { return toolbar_; }
    TableArea* mdiArea() const { return mdi_; }
    QTimer& captionTimer() { return captionTimer_; }

    // The options the menus and the toolbar show, and the rules among them.
    const Options& options() const;
    Rules rules() const { return options().rules(); }

    // The option commands (menu items and toolbar buttons end here).
    void setAceKing(bool on);
    void setJoker(JokerMode mode);
    void setPasses(int passes);
    void setDetection(bool on);
    void setStrength(Strength strength);
    void setPace(Pace pace);
    void setSoundOn(bool on);
    void setFramed(bool on);
    void setFitCards(bool on);
    void setToolbarShown(bool on);
    void setAutoArrange(bool on);
    // Interval of the computer players' think timers for the pace now checked.
    int paceInterval() const { return pace_; }
    // Every menu check mark and toolbar image shows the options as they are now.
    void showOptions();

    // The match commands.
    void newGame();
    void backToInitialScreen();
    // The match under way is given up and the initial screen comes back, as "初期画面に戻る"
    // does after its question; the main window takes input again.
    void abandonMatch();
    // The match lock: rule options and card sets frozen while a match is under way.
    void lockMatch();
    void unlockMatch();
    bool matchLocked() const { return matchLocked_; }

    // Window arrangement: over the whole client area, and around the board.
    void arrangeWhole();
    void arrangeAroundBoard();
    void arrangeOnResize();

    // Cards fitted to the windows ("カードを窓に合わせる"): the table's card height, the one the
    // arrangement sizes the windows for, each window then drawing its cards at the largest
    // height it holds (0: the option is off, every picture shows at its own size). Derived
    // from the client area alone, see crossCardHeight in arrangement.cpp.
    int tableCardHeight() const { return tableCardHeight_; }
    // Derives the table's card height from the client area now and has every game window fit
    // its cards (or show them at their own size, with the option off).
    void fitCards();
    // The size (frame included) at which `playerWindow`'s reference picture takes part in the
    // arrangement: the table's card size when cards are fitted, else the picture's own.
    QSize arrangedCardSize(const PlayerWindow& playerWindow) const;

    // The settings store the window reads its profile from and writes it back to. Without
    // one (tests of the windows alone) nothing is stored and the window closes unasked.
    void setStore(Store* store) { store_ = store; }
    Store* store() const { return store_; }

    // loadProfile: reads the live profile from the store and applies it to menus, toolbar,
    // windows and variables. `startUp` also takes the group in use from "group" (a group
    // switch has set `group` itself). At a new player's first start (no main window geometry
    // stored) with the cards fitted to the windows the main window opens large (openLarge);
    // with them off it keeps the classic default size. False when the saved match was found
    // inconsistent: the message has been shown and the program ends at once.
    bool loadProfile(bool startUp);
    // A new player's main window: large on the screen and arranged (see loadProfile).
    void openLarge();
    // The same steps over a given profile.
    bool applySettings(const Settings& settings, bool startUp);
    // saveProfile: writes options, card folders and speed, and the window geometry when
    // the main window is in its normal state. Nothing is written over a store that could not
    // be read. Whether the writes reached the disk is the caller's to check (Store::Watch).
    void saveProfile();
    // The profile as menus, windows and variables hold it now.
    Settings currentSettings() const;
    // The saved-match check of loadProfile: enables "前回の続き" or reports damage; false
    // when the program ends. Without one there is no saved match.
    std::function<bool()> savedMatchCheck;

    // A card set chosen in the chooser (mode 1 board faces, 2 the human's faces, 3 backs):
    // the folder takes effect, its pictures are read, the board is laid out again.
    void cardFolderChosen(int mode, const QString& folder);

    // Caption outside a match, and the group's display name it shows.
    void showIdleCaption();
    QString groupName() const;
    std::function<QString()> groupNameSource;
    // The close request: "終了？" unless minimised or the TOP-10 data was found damaged,
    // then saveProfile (a store that cannot be written is reported once). False keeps the
    // program running.
    bool confirmClose();
    // The text of "終了？": during a match it adds that the match is lost unless saved.
    QString closeQuestion() const;
    // Discards the stored saved match (the board's `discard`), once the store exists. "新規ゲーム"
    // calls it for the saved match and for the match under way it gives up.
    std::function<void()> discardSavedMatch;
    // The player gives up the match under way: "初期画面に戻る" after its question, or the
    // program's close after "終了？". Called with the match still in the state, inside the
    // action's store watch: a failed write is reported once with the action's.
    std::function<void()> matchAbandoned;

    // Wires a command whose dialog lives elsewhere: the item opens it and takes part in the
    // lock like the others.
    void attachDialog(QAction* item, std::function<void()> open);

    // Child window frames, in twips (outer size as the window stands on the main window).
    QMdiSubWindow* boardFrame() const { return boardFrame_; }
    QMdiSubWindow* playerFrame(int player) const { return playerFrames_.at(player); }
    // The board's frame and the players' frames, 1 to 4.
    QList<QMdiSubWindow*> frames() const;
    double clientWidth() const;
    double clientHeight() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void settleLayout();
    int crossCardHeight();
    void refitCards();
    void connectMenus();
    void buildToolbar();
    Options& editOptions();
    void setShown(ToolButton button, bool shown);
    void setAvailable(QAction* item, bool enabled);
    bool ask(const QString& title, const QString& text);
    void resultsFallback(bool matchOver);
    void setFramesAndReload(bool on);
    void applyPace();
    // Where the main window's stored frame is brought back to: the available area of its
    // screen, less the window's own frame.
    QRect screenAreaFor(const Geometry& stored) const;
    void unloadOthers();

    Session& session_;
    Store* store_ = nullptr;
    TableArea* mdi_ = nullptr;
    Toolbar* toolbar_ = nullptr;
    QTimer captionTimer_;
    MenuItems items_;
    QSet<QAction*> pending_;  // commands whose dialogs are not wired yet
    QMdiSubWindow* boardFrame_ = nullptr;
    std::array<QMdiSubWindow*, kPlayers + 1> playerFrames_{};  // index: player
    int pace_ = 500;
    bool matchLocked_ = false;
    int tableCardHeight_ = 0;
};

}  // namespace plumet
