// SPDX-License-Identifier: GPL-3.0-or-later
// plumetdel: deletes the data the game has stored.
#include <QApplication>

#include "common/japaneseui.h"
#include "removalwindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    toolcommon::setUpJapaneseUi(app);
    plumetdel::RemovalWindow window;
    window.show();
    return app.exec();
}
