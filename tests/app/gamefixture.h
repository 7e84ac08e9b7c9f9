// SPDX-License-Identifier: GPL-3.0-or-later
// A game with its real windows for tests: instant flights and computer turns, an empty data
// folder (silence, empty cards), message boxes answered by the test. The cards show at their
// own size (the classic layout) unless the test fits them to the windows.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/defaults.h"
#include "app/mainwindow.h"
#include "app/session.h"
#include "common/menuitem.h"
#include "rules/invariants.h"
#include "ui/inputblock.h"
#include "ui/speeds.h"
#include "ui/table/boardwindow.h"
#include "ui/table/computerwindow.h"
#include "ui/table/handwindow.h"
#include "ui/toolbar.h"
#include "ui/twips.h"

namespace plumet::test {

struct Game {
    QTemporaryDir data;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainWindow> main;
    int gamesEnded = 0;

    explicit Game(const QString& dataFolder = {}) {
        speeds::timing() = {0, 0, false};
        speeds::timing().searchPlayouts = 300;  // a "つよい" search in a moment
        session = std::make_unique<Session>();
        session->state().dataFolder =
            (dataFolder.isEmpty() ? data.path() : dataFolder).toStdString();
        main = std::make_unique<MainWindow>(*session);
        applyDefaults(*main, *session);
        main->setFitCards(false);
        session->state().flightFrames = 1;
        auto fallback = session->results;
        session->results = [this, fallback](bool over) {
            ++gamesEnded;
            fallback(over);
        };
        main->show();
    }

    GameState& state() { return session->state(); }
    HandWindow& human() { return session->human(); }
    bool humanToMove() const {
        return acceptsInput(&session->human()) && acceptsInput(&session->main()) &&
               session->state().handCount[kHuman] > 0;
    }

    // Answers the next message box with OK (or Cancel) and records its title.
    QString lastQuestion;
    void answerNextBox(bool ok = true) {
        auto* timer = new QTimer(main.get());
        QObject::connect(timer, &QTimer::timeout, timer, [this, timer, ok] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            lastQuestion = box->windowTitle();
            box->button(ok ? QMessageBox::Ok : QMessageBox::Cancel)->click();
            timer->deleteLater();
        });
        timer->start(5);
    }

    // Starts a game with a seeded generator, as "新規ゲーム" does.
    void start(std::uint64_t seed) {
        session->random().seed(seed);
        if (state().gameNumber > 0) answerNextBox();
        main->items().newGame->trigger();
    }

    // Runs the event loop until the human is to move or the game has ended.
    bool waitForHuman(int ended) {
        for (int spin = 0; spin < 20000; ++spin) {
            if (gamesEnded > ended || humanToMove()) return true;
            QTest::qWait(1);
        }
        return false;
    }

    void click(int slot) {
        CardPicture* card = human().picture(slot);
        QTest::mouseClick(card, Qt::LeftButton, {}, card->rect().center());
    }

    // Plays on until the human is to move, then lets a computer player think for ever: the
    // human passes and the next computer player's turn stays armed. False when no such turn
    // came.
    bool toComputerTurn() {
        if (!waitForHuman(gamesEnded) || !humanToMove()) return false;
        speeds::timing().paceMs = 600000;
        click(state().handCount[kHuman] + 1);  // the pass card
        for (ComputerWindow* playerWindow : session->computers()) {
            if (playerWindow->thinkTimer().isActive()) return true;
        }
        return false;
    }
};

}  // namespace plumet::test
