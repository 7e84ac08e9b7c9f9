#include "store.h"

#include <QFile>

#include "common/settingsfile.h"

namespace plume1to3 {

std::unique_ptr<QSettings> openApplication(const QString& application) {
    return toolcommon::openSettingsFile(application);
}

bool isPresent(const QSettings& store, const QString& section, const QString& key,
               const QString& absent) {
    return store.value(section + u'/' + key, absent).toString() != absent;
}

void copySection(QSettings& from, const QString& fromSection, QSettings& to,
                 const QString& toSection, const QString& suffix) {
    from.beginGroup(fromSection);
    const QStringList keys = from.childKeys();
    for (const QString& key : keys) {
        to.setValue(toSection + u'/' + key + suffix, from.value(key));
    }
    from.endGroup();
}

void removeApplication(QSettings& store) {
    store.clear();
    store.sync();
    QFile::remove(store.fileName());
}

}  // namespace plume1to3
