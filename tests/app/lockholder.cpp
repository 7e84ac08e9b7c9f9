// SPDX-License-Identifier: GPL-3.0-or-later
// Test helper: takes the single-instance lock in the folder given as its argument, reports
// "locked" (or "refused") on standard output and then runs until it is killed.
#include <QCoreApplication>
#include <cstdio>

#include "app/singleinstance.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return 2;
    plumet::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    const bool locked = instance.acquire() && instance.holdsLock();
    std::puts(locked ? "locked" : "refused");
    std::fflush(stdout);
    if (!locked) return 1;
    return app.exec();
}
