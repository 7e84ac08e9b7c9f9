// SPDX-License-Identifier: GPL-3.0-or-later
// The game program for match tests: the main window with its match course over a store in a
// private settings folder, instant flights and computer turns, and a player who lays the
// first card that fits or passes. "Quitting and starting again" destroys the windows and
// makes new ones over the same store, as a new run of the program would find it.
#pragma once

#include <QApplication>
#include <QTest>
#include <memory>

#include "app/defaults.h"
#include "app/mainwindow.h"
#include "app/matchcourse.h"
#include "app/session.h"
#include "autoplay.h"
#include "data/store.h"
#include "rules/laying.h"
#include "ui/inputblock.h"
#include "ui/speeds.h"
#include "ui/table/handwindow.h"
#include "ui/windows/nameentry.h"
#include "ui/windows/resultswindow.h"
#include "ui/windows/top10dialog.h"

namespace plumet::test {

struct Program {
    QString dataFolder;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<Store> store;
    MatchCourse* flow = nullptr;
    int ended = 0;  // endProgram or endAtOnce calls
    bool started = false;

    explicit Program(const QString& dataFolder) : dataFolder(dataFolder) {
        speeds::timing() = {0, 0, false};
        speeds::timing().searchPlayouts = 300;  // a "つよい" search in a moment
        session = std::make_unique<Session>();
        session->state().dataFolder = dataFolder.toStdString();
        main = std::make_unique<MainWindow>(*session);
        applyDefaults(*main, *session);
        session->state().flightFrames = 1;
        store = std::make_unique<Store>();
        flow = new MatchCourse(*session, *main, *store);
        flow->endProgram = [this] { ++ended; };
        flow->endAtOnce = [this] { ++ended; };
        started = flow->startUp();
        main->show();
    }
    ~Program() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != main.get()) w->close();
        }
        main->close();
        QTest::qWait(0);
        main.reset();
        session.reset();
        store.reset();
    }

    GameState& state() { return session->state(); }
    const MenuItems& items() const { return main->items(); }

    bool humanToMove() const { return test::humanToMove(*session, *main); }

    // Plays the game under way as a player would until its results window shows.
    ResultsWindow* playToResults() { return test::playToResults(*session, *main); }
};

}  // namespace plumet::test
