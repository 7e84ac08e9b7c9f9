// SPDX-License-Identifier: GPL-3.0-or-later
// The game program: one session, the settings store, the main window with the match course
// and the small dialogs wired into it, and the order in which it comes up.
//
// Start-up, as main() runs it through start() (a second running copy has been refused
// before); a store file that cannot be read is said first, once, and the game runs on:
//   prepareTitle()      the title's pictures start being made on another core (main() calls
//                       it as soon as it has the application)
//   initialiseData()    first run: TOP-10 check strings made
//   createTitle()       the title window; its timer runs from here
//   showTitle(title)    the title window shows; the main window shows when it closes
//   setUpUi()           once the title window has been painted (its captions are drawings
//                       and need no font): Qt's Japanese translations and the UI font; before
//                       that already when a message is to be said
//   checkDataFolder()   a data folder without card pictures is said, once
//   createMain()        then, hidden: loadProfile with "group", the saved match checked
// Shutdown is the main window's close request (MainWindow::confirmClose).
#pragma once

#include <QFuture>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "app/session.h"
#include "data/store.h"
#include "ui/windows/titlepictures.h"

class QWidget;

namespace plumet {

class TitleWindow;
class MatchCourse;
class MainWindow;

class Program {
  public:
    // dataFolder: the game's data folder; by default found from the program's location.
    explicit Program(const QString& dataFolder = {});

    // The whole start-up in its order. `made` (the start-up probe) sees each window as it is
    // made, before it shows: the title window, then the main window. False when the program
    // ends at once (a damaged saved match): nothing is shown any more and the event loop is
    // not to run.
    bool start(const std::function<void(QWidget* window)>& made = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // On a first run ("ckkc" absent or "1968") the TOP-10 dialog is loaded and closed again,
    // which makes the check strings of the stored data ("ckkc" becomes "1234"). False when
    // the stored saved match was found inconsistent: the message has been shown and the
    // program ends.
    bool initialiseData();

    // Starts making the title window's pictures on the thread pool, once.
    void prepareTitle();

    // The title window, its timer running from now.
    TitleWindow* createTitle();

    // The main window, hidden, with the live profile applied (the group in use included) and
    // the saved match checked. False when the saved match was inconsistent: the message has
    // been shown and the program ends at once.
    bool createMain();

    // Shows the title window centred; when its time is up it closes and the main window
    // shows (once made, should the title close first). Without a title window the main
    // window shows at once.
    void showTitle(TitleWindow* title);

    Session& session() { return *session_; }
    Store& store() { return *store_; }
    MainWindow& main() { return *main_; }
    MatchCourse& match() { return *match_; }

  private:
    // Said once at start when the data folder gives no card picture.
    void checkDataFolder() const;
    // The game's Japanese look (app/japaneseui.h), once: looking up the fonts is the greater
    // part of the start-up's own work, so it waits until the title shows or a message is due.
    void setUpUi();

    QStringList searched_;  // where the data folder was looked for
    std::unique_ptr<Session> session_;
    std::unique_ptr<Store> store_;
    std::unique_ptr<MainWindow> main_;
    MatchCourse* match_ = nullptr;  // owned by the main window
    bool titleClosed_ = false;      // the title window shown at start-up has closed
    bool uiSetUp_ = false;          // setUpUi() has run
    QFuture<TitlePictures> titlePictures_;
};

}  // namespace plumet
