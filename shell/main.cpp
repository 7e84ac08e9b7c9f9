// The game: the main window with the live profile applied, at the initial screen.
#include <QApplication>

#include "shell/defaults.h"
#include "shell/matchflow.h"
#include "shell/mdiform1.h"
#include "shell/session.h"
#include "shell/store.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("plumet2"));
    plumet::Session session;
    plumet::MDIForm1 window(session);
    plumet::applyDefaults(window, session);
    plumet::Store store;
    plumet::MatchFlow match(session, window, store);
    if (!match.startUp()) return 1;
    window.show();
    return QApplication::exec();
}
