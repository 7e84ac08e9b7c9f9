// SPDX-License-Identifier: GPL-3.0-or-later
// The whole game program for tests of start-up, settings and shutdown: one run of it over the
// store in the test's settings folder, with the game's own data folder from the build.
// "Starting again" is a new Run over the same store.
#pragma once

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/mainwindow.h"
#include "app/program.h"
#include "autoplay.h"
#include "common/menuitem.h"
#include "common/modalanswers.h"
#include "data/store.h"
#include "ui/inputblock.h"
#include "ui/speeds.h"
#include "ui/windows/nameentry.h"
#include "ui/windows/resultswindow.h"
#include "ui/windows/titlewindow.h"

namespace plumet::test {

inline QString buildData() {
    return QStringLiteral(PLUMET_BUILD_DATA_DIR);
}

// Writes bitmaps of one colour and size under the given names into `folder`: a card set
// of the test's own, told apart from the shipped one by its size.
inline void writeCards(const QString& folder, const QStringList& names, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    for (const QString& name : names) QVERIFY(image.save(folder + u'/' + name, "BMP"));
}

struct Run {
    std::unique_ptr<Program> program;
    bool started = false;

    // initialiseData and createMain as main() runs them; the main window is shown at once
    // (the title window has its own test).
    explicit Run(bool show = true) {
        speeds::timing() = {0, 0, false, 0};
        speeds::timing().searchPlayouts = 300;  // a "つよい" search in a moment
        program = std::make_unique<Program>(buildData());
        started = program->initialiseData() && program->createMain();
        if (started && show) main().show();
    }
    // The program ends without its close request: nothing more is stored.
    ~Run() {
        for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
        program.reset();
        QTest::qWait(0);
    }

    MainWindow& main() { return program->main(); }
    GameState& state() { return program->session().state(); }
    const MenuItems& items() { return main().items(); }

    // A new match with a seeded deal, silent (the voices would wait their length).
    void startSilentMatch(std::uint64_t seed) {
        items().soundOff->trigger();
        program->session().random().seed(seed);
        items().newGame->trigger();
        state().flightFrames = 1;
    }
    // Plays the game under way as a player would until its results window shows.
    ResultsWindow* playToResults() { return test::playToResults(program->session(), main()); }
    // Plays a silent match's last game with a score for the TOP-10 and goes on from its
    // results to the name entry; null when the entry does not show.
    NameEntry* playToNameEntry() {
        startSilentMatch(3);
        state().gameNumber = 10;
        state().score[kHuman] = 500;
        ResultsWindow* results = playToResults();
        if (!results) return nullptr;
        QTest::mouseClick(results->button(ResultsWindow::Button::Proceed), Qt::LeftButton);
        return shownWindow<NameEntry>();
    }
};

// The message of a write that did not reach the settings file.
inline bool isUnsavedMessage(const ModalAnswers::Box& box) {
    return box.title == QStringLiteral("保存できません") &&
           box.text.contains(QStringLiteral("設定ファイルに書き込めませんでした。")) &&
           box.text.contains(Store::filePath());
}

}  // namespace plumet::test
