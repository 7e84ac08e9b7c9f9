#include "shell/defaults.h"

#include "shell/appdir.h"
#include "shell/mdiform1.h"
#include "shell/session.h"
#include "shell/settings.h"

namespace plumet {

void applyDefaults(MDIForm1& main, Session& session) {
    GameState& s = session.state;
    if (s.appdir.empty()) s.appdir = findAppdir().toStdString();
    main.applySettings(Settings::defaults(QString::fromStdString(s.appdir)), true);
}

}  // namespace plumet
