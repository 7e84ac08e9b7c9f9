// SPDX-License-Identifier: GPL-3.0-or-later
// plume1to3: carries the data of versions 2.xx and earlier into the current layout.
#include <QApplication>

#include "common/japaneseui.h"
#include "migrationwindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    toolcommon::setUpJapaneseUi(app);
    plume1to3::MigrationWindow window;
    window.show();
    return app.exec();
}
