// plumetdel: deletes the data the game has stored.
#include <QApplication>

#include "form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    plumetdel::Form1 window;
    window.show();
    return app.exec();
}
