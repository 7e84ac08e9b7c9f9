// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/matchcourse.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "app/mainwindow.h"
#include "app/matchstatistics.h"
#include "app/session.h"
#include "data/groups.h"
#include "data/savedgame.h"
#include "data/settings.h"
#include "data/store.h"
#include "data/top10.h"
#include "data/values.h"
#include "ui/inputblock.h"
#include "ui/labeltext.h"
#include "ui/storemessages.h"
#include "ui/table/handwindow.h"
#include "ui/toolbar.h"
#include "ui/windows/resultswindow.h"

namespace plumet {

MatchCourse::MatchCourse(Session& session, MainWindow& main, Store& store)
    : QObject(&main), session_(session), main_(main), store_(store) {
    endProgram = [this] { main_.close(); };
    endAtOnce = [] {
        for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
        QCoreApplication::exit(1);
    };

    statistics_ = new MatchStatistics(session_, main_, store_);
    main_.groupNameSource = [this] { return groups::name(store_, session_.state().group); };
    main_.discardSavedMatch = [this] {
        // A saved match that could not be discarded stays in the store: the player is told,
        // and the new match starts all the same. The match thrown away (the saved one, or
        // the one under way) counts as given up, in the same write.
        const Store::Watch watch(store_);
        {
            const Store::Batch batch(store_);
            statistics_->matchAbandoned();
            savedmatch::discard(store_);
        }
        if (!watch.ok()) showUnsavedMessage(&main_, store_);
    };
    main_.matchAbandoned = [this] { statistics_->matchAbandoned(); };
    session_.results = [this](bool over) { showResults(over); };
    connect(main_.items().continueMatch, &QAction::triggered, this, &MatchCourse::continueMatch);
    main_.attachDialog(main_.items().showTop10, [this] { showTop10(); });
    main_.attachDialog(main_.items().showStatistics, [this] { statistics_->showWindow(); });
    main_.attachDialog(main_.items().changeGroup, [this] { changeGroup(); });
}

bool MatchCourse::startUp() {
    Top10Dialog::Hooks hooks = dialogHooks();
    hooks.endProgram = [this] {
        if (endAtOnce) endAtOnce();
    };
    if (!Top10Dialog::initialiseData(session_.state(), store_, hooks)) return false;
    session_.state().group = static_cast<std::int16_t>(
        std::clamp<int>(values::toInt16(store_.get(u"form2", u"plymdi", QStringLiteral("0"))), 0,
                        groups::kGroups - 1));
    main_.showIdleCaption();
    return checkSavedMatch();
}

bool MatchCourse::checkSavedMatch() {
    switch (savedmatch::checkAtStart(store_, session_.state())) {
        case savedmatch::Check::Ok:
            setContinue(true);
            break;
        case savedmatch::Check::NoMatch:
            setContinue(false);
            break;
        case savedmatch::Check::BadCheckDigits:
            setContinue(false);
            message(QStringLiteral("データが異常です。\n前回の続きが出来ません。"));
            break;
        case savedmatch::Check::Inconsistent:
            message(damagedMatchText());
            if (endAtOnce) endAtOnce();
            return false;
    }
    statistics_->checkStored();
    return true;
}

void MatchCourse::setContinue(bool enabled) {
    main_.items().continueMatch->setEnabled(enabled);
    main_.toolButton(ToolButton::Continue)->setVisible(enabled);
    main_.toolButton(ToolButton::ContinueOff)->setVisible(!enabled);
}

void MatchCourse::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("データ異常"), text, QMessageBox::Ok,
                    &main_);
    box.exec();
}

void MatchCourse::continueMatch() {
    const Store::Watch watch(store_);
    switch (savedmatch::continueMatch(store_, session_.state())) {
        case savedmatch::Check::Ok:
            break;
        case savedmatch::Check::NoMatch:
            setContinue(false);
            return;
        case savedmatch::Check::BadCheckDigits:
            setContinue(false);
            message(QStringLiteral("データが異常です。\n前回の続きが出来ません。"));
            return;
        case savedmatch::Check::Inconsistent:
            message(damagedMatchText());
            if (endAtOnce) endAtOnce();
            return;
    }
    // The match is played on even when its stored copy could not be discarded; the player
    // is told that it is still stored.
    if (!watch.ok()) showUnsavedMessage(&main_, store_);
    main_.captionTimer().stop();
    main_.lockMatch();
    setContinue(false);
    session_.startGame();
}

Top10Dialog::Hooks MatchCourse::dialogHooks() {
    Top10Dialog::Hooks hooks;
    hooks.enableMain = [this] { setAcceptsInput(&main_, true); };
    hooks.endProgram = [this] {
        if (endProgram) endProgram();
    };
    hooks.saveSettings = [this] {
        if (saveSettings) saveSettings();
    };
    hooks.loadSettings = [this] {
        // loadProfile checks the entered group's statistics with its saved match.
        if (loadSettings) {
            loadSettings();
        } else {
            main_.showIdleCaption();
            statistics_->checkStored();
        }
    };
    hooks.groupRenamed = [this](int, const QString& name) {
        const GameState& s = session_.state();
        if (s.gameNumber == 0)
            main_.showIdleCaption();
        else
            main_.setWindowTitle(QStringLiteral("カドリオ   －") + signedLabel(s.gameNumber) +
                                 QStringLiteral(" 回戦 － （ ") + name + QStringLiteral(" ）"));
    };
    hooks.chooseFile = chooseFile;
    return hooks;
}

void MatchCourse::showTop10() {
    setAcceptsInput(&main_, false);
    Top10Dialog::open(session_.state(), store_, dialogHooks(), Top10Dialog::Mode::Top10, &main_);
}

void MatchCourse::changeGroup() {
    setAcceptsInput(&main_, false);
    session_.state().previousGroup = session_.state().group;
    Top10Dialog::open(session_.state(), store_, dialogHooks(), Top10Dialog::Mode::Group, &main_);
}

void MatchCourse::showResults(bool over) {
    statistics_->gameEnded(over);
    ResultsWindow::Sources sources;
    sources.playerCaption = [this](int p) { return session_.window(p).windowTitle(); };
    sources.humanPlace = [this] {
        return session_.human().statusLabel(StatusLine::PassesOrPlace)->text() +
               QStringLiteral(" / ") + session_.human().statusLabel(StatusLine::Status)->text();
    };
    ResultsWindow* window = ResultsWindow::open(session_.state(), store_, sources, over, &main_);
    if (!window) return;
    connect(window, &ResultsWindow::nextGame, this, &MatchCourse::nextGame);
    connect(window, &ResultsWindow::matchOver, this, &MatchCourse::matchOver);
    connect(window, &ResultsWindow::saved, this, &MatchCourse::savedToTitle);
}

void MatchCourse::nextGame() {
    setAcceptsInput(&main_, true);
    session_.clearTable();
    session_.startGame();
}

void MatchCourse::matchOver() {
    statistics_->matchClosed();
    setAcceptsInput(&main_, true);
    session_.clearTable();
    main_.captionTimer().stop();
    main_.showIdleCaption();
    main_.unlockMatch();
    // The TOP-10 entry; the main window waits until its dialog is closed.
    setAcceptsInput(&main_, false);
    Top10Dialog::matchEnd(session_.state(), store_, dialogHooks(), &main_);
}

void MatchCourse::savedToTitle() {
    setAcceptsInput(&main_, true);
    main_.captionTimer().stop();
    session_.clearTable();
    main_.backToInitialScreen();  // no match under way any more: no question
    setContinue(session_.state().savedGameNumber > 0);
}

}  // namespace plumet
