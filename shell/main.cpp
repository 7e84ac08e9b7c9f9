// The game: the main window with the live profile applied, at the initial screen.
#include <QApplication>

#include "shell/defaults.h"
#include "shell/mdiform1.h"
#include "shell/session.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("plumet2"));
    plumet::Session session;
    plumet::MDIForm1 window(session);
    plumet::applyDefaults(window, session);
    window.show();
    return QApplication::exec();
}
