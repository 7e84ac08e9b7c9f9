// SPDX-License-Identifier: GPL-3.0-or-later
#include "migration.h"

#include <QFileInfo>

#include "groupfile.h"
#include "store.h"

namespace plume1to3 {
namespace {

const QString kLive = QStringLiteral("form2");
const QString kOldTable = QStringLiteral("form3");
const QString kOldMain = QStringLiteral("mdiform1");
const QString kGroupNames = QStringLiteral("formm");
// An old group-name key reading as this value counts as absent.
const QString kNoGroupName = QStringLiteral("4301");

QString key(const QString& name, int n) {
    return name + QString::number(n);
}

}  // namespace

Migration::Migration(toolcommon::SettingsFile& oldStore, toolcommon::SettingsFile& newStore,
                     const QDir& groupFolder)
    : old_(oldStore), new_(newStore), groupFolder_(groupFolder) {}

bool Migration::oldDataFound() const {
    return isPresent(old_, kLive, QStringLiteral("top"));
}

void Migration::run(const std::function<void(int group)>& damaged) {
    if (isPresent(new_, kLive, QStringLiteral("def1"))) new_.remove(kLive);
    copySection(kLive, kLive);
    copyOptionalSections(kLive);

    for (int i = 0; i <= 9; ++i) migrateGroup(i, damaged);
}

// The old TOP-10 table, the player windows (keys followed by the window's digit) and the main
// window (keys followed by "mdi"), each when the old application holds it; the group names go
// to their own section.
void Migration::copyOptionalSections(const QString& target) {
    if (isPresent(old_, kOldTable, QStringLiteral("ten1"))) copySection(kOldTable, target);

    for (int w = 4; w <= 7; ++w) {
        const QString section = key(QStringLiteral("form"), w);
        if (isPresent(old_, section, QStringLiteral("top"))) {
            copySection(section, target, QString::number(w));
        }
    }

    if (!isPresent(old_, kOldMain, QStringLiteral("top"))) return;
    copySection(kOldMain, target, QStringLiteral("mdi"));
    for (int j = 0; j <= 9; ++j) {
        const QString name = key(QStringLiteral("gr"), j);
        if (!isPresent(old_, kOldMain, name, kNoGroupName)) continue;
        new_.setValue(kGroupNames + u'/' + key(QStringLiteral("grmdi"), j),
                      old_.value(kOldMain + u'/' + name));
        new_.remove(target + u'/' + name + QStringLiteral("mdi"));
    }
}

void Migration::migrateGroup(int group, const std::function<void(int)>& damaged) {
    const QString path = groupFolder_.filePath(QStringLiteral("g1%1.cfg").arg(group));
    // A missing group file, or a folder or other non-file under its name: no group to migrate.
    if (!QFileInfo(path).isFile()) return;

    const QString section = key(QStringLiteral("form"), group + 3);
    if (isPresent(old_, kLive, QStringLiteral("top"))) {
        if (isPresent(new_, section, QStringLiteral("def1"))) new_.remove(section);
        copySection(kLive, section);
    }
    copyOptionalSections(section);

    const std::optional<GroupTable> table = readGroupFile(path);
    if (!table) {
        damaged(group + 1);
        return;
    }
    for (int n = 1; n <= 10; ++n) {
        const GroupEntry& entry = (*table)[n - 1];
        new_.setValue(section + u'/' + key(QStringLiteral("name"), n), entry.name);
        new_.setValue(section + u'/' + key(QStringLiteral("date"), n), entry.date);
        new_.setValue(section + u'/' + key(QStringLiteral("ten"), n), QString::number(entry.total));
        new_.setValue(section + u'/' + key(QStringLiteral("def"), n), entry.check);
    }
}

bool Migration::save() {
    return new_.save();
}

bool Migration::deleteOldData() {
    return old_.removeFile();
}

// Values are copied as stored, so that the new file holds exactly what the old one did.
void Migration::copySection(const QString& fromSection, const QString& toSection,
                            const QString& suffix) {
    for (const QString& name : old_.childKeys(fromSection)) {
        new_.setValue(toSection + u'/' + name + suffix, old_.value(fromSection + u'/' + name));
    }
}

}  // namespace plume1to3
