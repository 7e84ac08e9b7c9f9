// SPDX-License-Identifier: GPL-3.0-or-later
// The game: refuses a second running copy, initialises the stored data on a first run, shows
// the title window while the main window is made with the live profile, then the main
// window at the initial screen. With --stats-json it prints the statistics and ends.
#include <QApplication>
#include <QIcon>

#include "app/japaneseui.h"
#include "app/program.h"
#include "app/singleinstance.h"
#include "app/startupprobe.h"
#include "app/statisticscommand.h"
#include "ui/version.h"

int main(int argc, char* argv[]) {
    // "--stats-json": the statistics printed, no window, no instance lock.
    if (plumet::statisticsJsonWanted(argc, argv)) return plumet::printStatisticsJson(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("plumet2"));
    QApplication::setApplicationVersion(QString::fromLatin1(plumet::kProgramVersion));
    QApplication::setDesktopFileName(QStringLiteral("plumet"));

    // The title's pictures are made on the other cores from here, while the program makes
    // sure it runs alone and reads the store (reading it changes nothing, should this copy be
    // refused). The Japanese UI font is set up once the title window shows (Program::start).
    plumet::Program program;
    program.prepareTitle();

    plumet::SingleInstance instance;
    if (!instance.acquire()) {
        plumet::setUpJapaneseUi(app);
        plumet::probeRefusal();
        plumet::showAlreadyRunning();
        return 1;
    }

    if (!program.start(plumet::installStartupProbe)) return 1;
    // The windows' icon, read once the title window shows (it has its own): the main window
    // and the dialogs take it when they first show.
    QApplication::setWindowIcon(QIcon(QString::fromStdString(program.session().state().dataFolder) +
                                      QStringLiteral("/plumet.png")));
    return QApplication::exec();
}
