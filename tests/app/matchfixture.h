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
#include "data/store.h"
#include "rules/laying.h"
#include "ui/handwindow.h"
#include "ui/inputblock.h"
#include "ui/nameentry.h"
#include "ui/resultswindow.h"
#include "ui/speeds.h"
#include "ui/top10dialog.h"

namespace plumet::test {

// The visible top-level window of that class, or nullptr.
template <class Window>
Window* shown() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(w); window && window->isVisible()) return window;
    }
    return nullptr;
}

struct Program {
    QString appdir;
    std::unique_ptr<Session> session;
    std::unique_ptr<MDIForm1> main;
    std::unique_ptr<Store> store;
    MatchCourse* flow = nullptr;
    int ended = 0;  // endProgram or endAtOnce calls
    bool started = false;

    explicit Program(const QString& dataFolder) : appdir(dataFolder) {
        speeds::timing() = {0, 0, false};
        session = std::make_unique<Session>();
        session->state().appdir = appdir.toStdString();
        main = std::make_unique<MDIForm1>(*session);
        applyDefaults(*main, *session);
        session->state().movespeed = 1;
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

    bool humanToMove() const {
        return acceptsInput(&session->human()) && acceptsInput(main.get()) &&
               session->state().handcount[kHuman] > 0;
    }

    // Plays the game under way as a player would until its results window shows.
    Form10* playToResults() {
        GameState& s = state();
        for (int spin = 0; spin < 100000; ++spin) {
            if (Form10* results = shown<Form10>()) return results;
            if (!humanToMove()) {
                QTest::qWait(1);
                continue;
            }
            int slot = s.handcount[kHuman] + 1;  // the pass card
            for (int i = 1; i <= s.handcount[kHuman]; ++i) {
                const int target = clickTarget(s, i);
                if (target >= 1 && target <= 8) {
                    slot = i;
                    break;
                }
            }
            CardPicture* card = session->human().picture(slot);
            QTest::mouseClick(card, Qt::LeftButton, {}, card->rect().center());
        }
        return nullptr;
    }
};

}  // namespace plumet::test
