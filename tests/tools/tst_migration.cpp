// SPDX-License-Identifier: GPL-3.0-or-later
// The migration of the old application "plumet" and its group files into "plumet2".
#include <QTest>
#include <optional>

#include "data/checkstring.h"
#include "migration.h"
#include "store.h"
#include "toolfixture.h"

using toolfixture::Entry;
using toolfixture::openStore;
using toolfixture::section;
using Pairs = QMap<QString, QString>;
Q_DECLARE_METATYPE(QList<Entry>)

namespace {

const QString kOld = QStringLiteral("plumet");
const QString kNew = QStringLiteral("plumet2");

// Old data with every kind of section; "form6" has no "top" and so is not migrated, and the
// group name "gr3" holds the value that counts as no name.
void writeOldData() {
    const auto old = openStore(kOld);
    old->setValue("form2/top", "1365");
    old->setValue("form2/left", "1020");
    old->setValue("form2/ruruak", "True");
    old->setValue("form3/ten1", "120");
    old->setValue("form3/name1", "昔の人");
    old->setValue("form3/date1", "1996-05-05");
    old->setValue("form4/top", "4423");
    old->setValue("form4/cap", "ゆう, こ");
    old->setValue("form5/top", "0");
    old->setValue("form5/cap", "ふうか");
    old->setValue("form6/left", "1020");
    old->setValue("form7/top", "0");
    old->setValue("mdiform1/top", "0");
    old->setValue("mdiform1/width", "9525");
    old->setValue("mdiform1/gr0", "家族");
    old->setValue("mdiform1/gr3", "4301");
    old->setValue("mdiform1/gr9", "友達");
}

// The live profile the old data above becomes.
const Pairs kMigratedProfile = {
    {"top", "1365"},      {"left", "1020"},        {"ruruak", "True"}, {"ten1", "120"},
    {"name1", "昔の人"},  {"date1", "1996-05-05"}, {"top4", "4423"},   {"cap4", "ゆう, こ"},
    {"top5", "0"},        {"cap5", "ふうか"},      {"top7", "0"},      {"topmdi", "0"},
    {"widthmdi", "9525"}, {"gr3mdi", "4301"},
};

const Pairs kMigratedNames = {{"grmdi0", "家族"}, {"grmdi9", "友達"}};

// The TOP-10 keys a group file gives a profile.
Pairs tableKeys(const QList<Entry>& entries) {
    Pairs keys;
    for (int n = 1; n <= 10; ++n) {
        const Entry& entry = entries[n - 1];
        const int total = entry.total.toInt();
        keys[QStringLiteral("name%1").arg(n)] = entry.name;
        keys[QStringLiteral("date%1").arg(n)] = entry.date;
        keys[QStringLiteral("ten%1").arg(n)] = QString::number(total);
        keys[QStringLiteral("def%1").arg(n)] = toolfixture::checkString(total);
    }
    return keys;
}

Pairs merged(Pairs a, const Pairs& b) {
    a.insert(b);
    return a;
}

}  // namespace

class TestMigration : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { store_.flushUnwrittenChanges(); }

    void noOldData_data();
    void noOldData();
    void oldDataWithoutGroupFiles();
    void newDataIsOverwritten();
    void damagedGroupFileSkipsOnlyItsTable();
    void groupFileThatIsAFolderIsSkipped();
    void migratedTablePassesTheGameCheck_data();
    void migratedTablePassesTheGameCheck();
    void deletesOldDataButNotGroupFiles();
    void saveReadsTheStoreBack_data();
    void saveReadsTheStoreBack();

  private:
    QList<int> migrate();
    void writeGroupFile(int group, const QByteArrayList& lines) {
        toolfixture::writeLines(groups_->filePath(QStringLiteral("g1%1.cfg").arg(group)), lines);
    }

    toolfixture::StoreFolder store_;
    std::unique_ptr<QTemporaryDir> groups_;
};

void TestMigration::init() {
    store_.clear();
    groups_ = std::make_unique<QTemporaryDir>();
    QVERIFY(groups_->isValid());
}

// Runs the migration and saves the new store; returns the groups reported damaged (and 0 when
// the store could not be saved).
QList<int> TestMigration::migrate() {
    toolcommon::SettingsFile old(kOld);
    toolcommon::SettingsFile fresh(kNew);
    plume1to3::Migration migration(old, fresh, QDir(groups_->path()));
    QList<int> damaged;
    migration.run([&damaged](int group) { damaged.append(group); });
    if (!migration.save()) damaged.append(0);
    return damaged;
}

void TestMigration::noOldData_data() {
    QTest::addColumn<bool>("otherOldSections");
    QTest::newRow("empty store") << false;
    QTest::newRow("old sections without form2/top") << true;
}

void TestMigration::noOldData() {
    QFETCH(bool, otherOldSections);
    if (otherOldSections) {
        const auto old = openStore(kOld);
        old->setValue("form2/left", "1020");
        old->setValue("form3/ten1", "120");
        old->setValue("mdiform1/top", "0");
    }
    toolcommon::SettingsFile old(kOld);
    toolcommon::SettingsFile fresh(kNew);
    QVERIFY(!plume1to3::Migration(old, fresh, QDir(groups_->path())).oldDataFound());
}

void TestMigration::oldDataWithoutGroupFiles() {
    writeOldData();
    QVERIFY(migrate().isEmpty());

    QCOMPARE(section(kNew, "form2"), kMigratedProfile);
    QCOMPARE(section(kNew, "formm"), kMigratedNames);  // "4301" is no group name
    QCOMPARE(openStore(kNew)->childGroups(), QStringList({"form2", "formm"}));
}

void TestMigration::newDataIsOverwritten() {
    writeOldData();
    {
        const auto fresh = openStore(kNew);
        for (const char* profile : {"form2", "form4", "form5"}) {
            fresh->setValue(QString(profile) + "/def1", "32494848");
            fresh->setValue(QString(profile) + "/stale", "x");
        }
        fresh->setValue("form6/kept", "y");
        fresh->setValue("formm/grmdi1", "残る名前");
    }
    const QList<Entry> entries = toolfixture::defaultEntries();
    writeGroupFile(1, toolfixture::groupFileLines(entries));  // group 1 lives in "form4"
    writeGroupFile(3, toolfixture::groupFileLines(entries));

    QVERIFY(migrate().isEmpty());

    QCOMPARE(section(kNew, "form2"), kMigratedProfile);
    QCOMPARE(section(kNew, "form4"), merged(kMigratedProfile, tableKeys(entries)));
    // Group 2 has no group file: its profile is left as it was.
    QCOMPARE(section(kNew, "form5"), Pairs({{"def1", "32494848"}, {"stale", "x"}}));
    // A profile without a TOP-10 table is written over, not emptied first.
    QCOMPARE(section(kNew, "form6"),
             merged(merged(kMigratedProfile, tableKeys(entries)), {{"kept", "y"}}));
    QCOMPARE(section(kNew, "formm"), merged(kMigratedNames, {{"grmdi1", "残る名前"}}));
}

void TestMigration::damagedGroupFileSkipsOnlyItsTable() {
    writeOldData();
    const QList<Entry> entries = toolfixture::defaultEntries();
    QByteArrayList damaged = toolfixture::groupFileLines(entries);
    damaged[0] = damaged[0].split(',')[0] + ",1";
    writeGroupFile(0, damaged);
    writeGroupFile(2, toolfixture::groupFileLines(entries));

    QCOMPARE(migrate(), QList<int>({1}));

    QCOMPARE(section(kNew, "form3"), kMigratedProfile);
    QCOMPARE(section(kNew, "form5"), merged(kMigratedProfile, tableKeys(entries)));
    QCOMPARE(section(kNew, "formm"), kMigratedNames);
}

// A folder under a group file's name is no group file: the group is skipped like one whose
// file is missing, silently and without writing its profile.
void TestMigration::groupFileThatIsAFolderIsSkipped() {
    writeOldData();
    QVERIFY(QDir(groups_->path()).mkdir("g13.cfg"));
    writeGroupFile(5, toolfixture::groupFileLines(toolfixture::defaultEntries()));

    QCOMPARE(migrate(), QList<int>());

    QCOMPARE(openStore(kNew)->childGroups(), QStringList({"form2", "form8", "formm"}));
}

void TestMigration::migratedTablePassesTheGameCheck_data() {
    QTest::addColumn<QList<Entry>>("entries");
    QTest::newRow("default table") << toolfixture::defaultEntries();
    QList<Entry> entries;
    for (int total : {812, 250, 99, 7, 0, -1, -5, -40, -333, -1000}) {
        entries.append({QStringLiteral("ﾌﾟﾚｲﾔｰ%1番").arg(entries.size() + 1),
                        QStringLiteral("1998-07-%1").arg(entries.size() + 10),
                        total < 0 ? QString::number(total) : u' ' + QString::number(total)});
    }
    QTest::newRow("Japanese names, negative totals") << entries;
    QList<Entry> forms = toolfixture::defaultEntries();
    const QStringList totals = {"500",  "  50", "+40", " +30", "020",
                                "  -0", " -7",  "-08", "-9",   "-10"};
    for (int i = 0; i < 10; ++i) forms[i].total = totals[i];
    QTest::newRow("totals with blanks, signs and leading zeros") << forms;
}

void TestMigration::migratedTablePassesTheGameCheck() {
    QFETCH(QList<Entry>, entries);
    writeOldData();
    writeGroupFile(9, toolfixture::groupFileLines(entries));

    QVERIFY(migrate().isEmpty());

    const Pairs profile = section(kNew, "form12");
    for (int n = 1; n <= 10; ++n) {
        const QString ten = profile.value(QStringLiteral("ten%1").arg(n));
        QCOMPARE(ten, QString::number(entries[n - 1].total.toInt()));
        const QString def = profile.value(QStringLiteral("def%1").arg(n));
        QCOMPARE(def, toolfixture::checkStringOfField(entries[n - 1].total));
        // The game's table check takes the stored check string as the stored total.
        const auto decoded = plumet::decodeCheckString(def.toStdString());
        QVERIFY(decoded);
        QCOMPARE(qint64(*decoded), ten.toLongLong());
        QCOMPARE(profile.value(QStringLiteral("name%1").arg(n)), entries[n - 1].name);
        QCOMPARE(profile.value(QStringLiteral("date%1").arg(n)), entries[n - 1].date);
    }
}

void TestMigration::deletesOldDataButNotGroupFiles() {
    writeOldData();
    writeGroupFile(4, toolfixture::groupFileLines(toolfixture::defaultEntries()));
    migrate();
    {
        toolcommon::SettingsFile old(kOld);
        toolcommon::SettingsFile fresh(kNew);
        QVERIFY(plume1to3::Migration(old, fresh, QDir(groups_->path())).deleteOldData());
    }

    QVERIFY(!QFile::exists(store_.file(kOld)));
    QVERIFY(openStore(kOld)->allKeys().isEmpty());
    QVERIFY(QFile::exists(groups_->filePath("g14.cfg")));
    QCOMPARE(section(kNew, "form2"), kMigratedProfile);
}

// The store is written whole and read back from disk; a store that could not be written fails
// and stays as it was.
void TestMigration::saveReadsTheStoreBack_data() {
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<bool>("saved");
    QTest::newRow("writable") << "" << true;
    QTest::newRow("plumet2.ini is a folder") << "folder" << false;
    QTest::newRow("store folder read-only") << "read-only" << false;
}

void TestMigration::saveReadsTheStoreBack() {
    QFETCH(QString, blocker);
    QFETCH(bool, saved);
    writeOldData();
    writeGroupFile(1, toolfixture::groupFileLines(toolfixture::defaultEntries()));
    if (blocker == "folder") QVERIFY(QDir().mkpath(store_.file(kNew)));

    toolcommon::SettingsFile old(plume1to3::kOldApplication);
    toolcommon::SettingsFile fresh(plume1to3::kNewApplication);
    plume1to3::Migration migration(old, fresh, QDir(groups_->path()));
    migration.run([](int) { QFAIL("no group file is damaged"); });
    QCOMPARE(migration.storeFile(), store_.file(kNew));
    {
        std::optional<toolfixture::ReadOnlyFolder> readOnly;
        if (blocker == "read-only") {
            readOnly.emplace(QFileInfo(store_.file(kNew)).path(), store_.path());
            QVERIFY(readOnly->inForce());
        }
        QCOMPARE(migration.save(), saved);
    }
    if (saved) {
        QCOMPARE(section(kNew, "form2"), kMigratedProfile);
        QCOMPARE(section(kNew, "form4").value("def1"), QStringLiteral("32494848"));
    }
}

QTEST_GUILESS_MAIN(TestMigration)
#include "tst_migration.moc"
