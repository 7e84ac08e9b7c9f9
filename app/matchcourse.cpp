#include "app/matchcourse.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "app/mainwindow.h"
#include "app/session.h"
#include "data/groups.h"
#include "data/savedgame.h"
#include "data/settings.h"
#include "data/store.h"
#include "data/top10.h"
#include "data/values.h"
#include "ui/handwindow.h"
#include "ui/inputblock.h"
#include "ui/labeltext.h"
#include "ui/resultswindow.h"
#include "ui/storemessages.h"
#include "ui/toolbar.h"

namespace plumet {

MatchCourse::MatchCourse(Session& session, MDIForm1& main, Store& store)
    : QObject(&main), session_(session), main_(main), store_(store) {
    endProgram = [this] { main_.close(); };
    endAtOnce = [] {
        for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
        QCoreApplication::exit(1);
    };

    main_.groupNameSource = [this] { return groups::name(store_, session_.state().group); };
    main_.discardSavedMatch = [this] {
        // A saved match that could not be discarded stays in the store: the player is told,
        // and the new match starts all the same.
        const Store::Watch watch(store_);
        savedmatch::tudukidel(store_);
        if (!watch.ok()) showUnsavedMessage(&main_, store_);
    };
    session_.results = [this](bool over) { showResults(over); };
    connect(main_.items().mnutuduki, &QAction::triggered, this, &MatchCourse::mnutuduki);
    main_.attachDialog(main_.items().mnutop, [this] { mnutop(); });
    main_.attachDialog(main_.items().mnugroup, [this] { mnugroup(); });
}

bool MatchCourse::startUp() {
    Form3::Hooks hooks = dialogHooks();
    hooks.endProgram = [this] {
        if (endAtOnce) endAtOnce();
    };
    if (!Form3::initialiseData(session_.state(), store_, hooks)) return false;
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
            return true;
        case savedmatch::Check::NoMatch:
            setContinue(false);
            return true;
        case savedmatch::Check::BadCheckDigits:
            setContinue(false);
            message(QStringLiteral("データが異常です。\n前回の続きが出来ません。"));
            return true;
        case savedmatch::Check::Inconsistent:
            message(damagedMatchText());
            if (endAtOnce) endAtOnce();
            return false;
    }
    return true;
}

void MatchCourse::setContinue(bool enabled) {
    main_.items().mnutuduki->setEnabled(enabled);
    main_.image(2)->setVisible(enabled);
    main_.image(3)->setVisible(!enabled);
}

void MatchCourse::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("データ異常"), text, QMessageBox::Ok,
                    &main_);
    box.exec();
}

void MatchCourse::mnutuduki() {
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
    main_.timer1().stop();
    main_.lockMatch();
    setContinue(false);
    session_.startgame();
}

Form3::Hooks MatchCourse::dialogHooks() {
    Form3::Hooks hooks;
    hooks.enableMain = [this] { setAcceptsInput(&main_, true); };
    hooks.endProgram = [this] {
        if (endProgram) endProgram();
    };
    hooks.saveSettings = [this] {
        if (saveSettings) saveSettings();
    };
    hooks.loadSettings = [this] {
        if (loadSettings)
            loadSettings();
        else
            main_.showIdleCaption();
    };
    hooks.groupRenamed = [this](int, const QString& name) {
        const GameState& s = session_.state();
        if (s.gameno == 0)
            main_.showIdleCaption();
        else
            main_.setWindowTitle(QStringLiteral("カドリオ   －") + signedLabel(s.gameno) +
                                 QStringLiteral(" 回戦 － （ ") + name + QStringLiteral(" ）"));
    };
    hooks.chooseFile = chooseFile;
    return hooks;
}

void MatchCourse::mnutop() {
    setAcceptsInput(&main_, false);
    Form3::open(session_.state(), store_, dialogHooks(), Form3::Mode::Top10, &main_);
}

void MatchCourse::mnugroup() {
    setAcceptsInput(&main_, false);
    session_.state().prevgroup = session_.state().group;
    Form3::open(session_.state(), store_, dialogHooks(), Form3::Mode::Group, &main_);
}

void MatchCourse::showResults(bool over) {
    Form10::Sources sources;
    sources.playerCaption = [this](int p) { return session_.window(p).windowTitle(); };
    sources.humanPlace = [this] {
        return session_.human().label(4)->text() + QStringLiteral(" / ") +
               session_.human().label(3)->text();
    };
    Form10* window = Form10::open(session_.state(), store_, sources, over, &main_);
    if (!window) return;
    connect(window, &Form10::nextGame, this, &MatchCourse::nextGame);
    connect(window, &Form10::matchOver, this, &MatchCourse::matchOver);
    connect(window, &Form10::saved, this, &MatchCourse::savedToTitle);
}

void MatchCourse::nextGame() {
    setAcceptsInput(&main_, true);
    session_.clearTable();
    session_.startgame();
}

void MatchCourse::matchOver() {
    setAcceptsInput(&main_, true);
    session_.clearTable();
    main_.timer1().stop();
    main_.showIdleCaption();
    main_.unlockMatch();
    // The TOP-10 entry; the main window waits until its dialog is closed.
    setAcceptsInput(&main_, false);
    Form3::matchEnd(session_.state(), store_, dialogHooks(), &main_);
}

void MatchCourse::savedToTitle() {
    setAcceptsInput(&main_, true);
    main_.timer1().stop();
    session_.clearTable();
    main_.mnusyoki();  // no match under way any more: no question
    setContinue(session_.state().savedgame > 0);
}

}  // namespace plumet
