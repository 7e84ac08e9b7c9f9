// SPDX-License-Identifier: GPL-3.0-or-later
// A second program at the store for the store's tests, run until it is killed.
//
// Without arguments it writes the store without end: every round puts a new generation number
// into all keys of "form2" in one write. The first line on stdout says the first round is on
// disk.
//
// With the argument "hold" it takes the store's lock file, as a writer in the middle of a
// write holds it, says "holding" on stdout and keeps it.
#include <QCoreApplication>
#include <QLockFile>
#include <QTextStream>
#include <cstdio>

#include "data/store.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc > 1 && QByteArrayView(argv[1]) == "hold") {
        QLockFile lock(plumet::Store::filePath() + QStringLiteral(".lock"));
        if (!lock.tryLock(0)) return 1;
        std::puts("holding");
        std::fflush(stdout);
        return app.exec();
    }
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
