#include "removal.h"

#include <QFile>

#include "common/settingsfile.h"

namespace plumetdel {
namespace {

const QString kLive = QStringLiteral("form2");

QString liveKey(const QString& name) {
    return kLive + u'/' + name;
}
QString liveKey(const QString& name, int n) {
    return liveKey(name + QString::number(n));
}

bool isPresent(const QSettings& store, const QString& name) {
    const QString absent = QStringLiteral("nasi");
    return store.value(liveKey(name), absent).toString() != absent;
}

void removeApplication(QSettings& store) {
    store.clear();
    store.sync();
    QFile::remove(store.fileName());
}

}  // namespace

std::unique_ptr<QSettings> openStore() {
    return toolcommon::openSettingsFile(QStringLiteral("plumet2"));
}

bool deleteEverything(QSettings& store) {
    bool done = false;
    if (isPresent(store, QStringLiteral("def1"))) {
        removeApplication(store);
        done = true;
    }
    if (isPresent(store, QStringLiteral("top4"))) {
        removeApplication(store);
        done = true;
    }
    return done;
}

bool deleteTop10(QSettings& store) {
    bool done = false;
    if (isPresent(store, QStringLiteral("def1"))) {
        for (int n = 1; n <= 10; ++n) store.remove(liveKey(QStringLiteral("def"), n));
        done = true;
    }
    if (isPresent(store, QStringLiteral("ten1"))) {
        for (int n = 1; n <= 10; ++n) {
            store.remove(liveKey(QStringLiteral("date"), n));
            store.remove(liveKey(QStringLiteral("name"), n));
            store.remove(liveKey(QStringLiteral("ten"), n));
        }
        done = true;
    }
    if (isPresent(store, QStringLiteral("ckkc"))) {
        store.remove(liveKey(QStringLiteral("ckkc")));
        done = true;
    }
    store.sync();
    return done;
}

}  // namespace plumetdel
