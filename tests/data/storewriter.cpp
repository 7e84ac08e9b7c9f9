// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the store without end until it is killed: every round puts a new generation number
// into all keys of "form2" in one write. The first line on stdout says the first round is
// on disk.
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "data/store.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    plumet::Store store;
    const QString padding(200, u'あ');  // long values make every write take a while
    for (qint64 generation = QCoreApplication::applicationPid();; ++generation) {
        {
            plumet::Store::Batch batch(store);
            for (int k = 0; k < 200; ++k) {
                store.save(u"form2", QStringLiteral("k%1").arg(k, 3, 10, QChar(u'0')),
                           QString::number(generation) + u'-' + padding);
            }
        }
        if (!store.ok()) return 1;
        std::puts("written");
        std::fflush(stdout);
    }
}
