#include "app/defaults.h"

#include "app/appdir.h"
#include "app/mainwindow.h"
#include "app/session.h"
#include "data/settings.h"

namespace plumet {

void applyDefaults(MDIForm1& main, Session& session) {
    GameState& s = session.state();
    if (s.appdir.empty()) s.appdir = findAppdir().toStdString();
    main.applySettings(Settings::defaults(QString::fromStdString(s.appdir)), true);
}

}  // namespace plumet
