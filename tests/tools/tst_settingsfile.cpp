// SPDX-License-Identifier: GPL-3.0-or-later
// The store file as both companion programs open it, and the read-back that tells whether a
// write really reached the disk.
#include <QTest>
#include <optional>

#include "common/settingsfile.h"
#include "toolfixture.h"

using toolcommon::ExpectedKeys;
Q_DECLARE_METATYPE(ExpectedKeys)

class TestSettingsFile : public QObject {
    Q_OBJECT

  private slots:
    void init() { store_.clear(); }
    void cleanup() { store_.flushUnwrittenChanges(); }

    void pathOfAnApplication();
    void fileHolds_data();
    void fileHolds();
    void changesThatNeverReachedTheDiskAreNotThere();

  private:
    toolfixture::StoreFolder store_;
};

void TestSettingsFile::pathOfAnApplication() {
    QCOMPARE(toolcommon::settingsFilePath("plumet2"), store_.file("plumet2"));
    QCOMPARE(toolcommon::openSettingsFile("plumet")->fileName(), store_.file("plumet"));
}

void TestSettingsFile::fileHolds_data() {
    QTest::addColumn<QByteArray>("file");  // empty: no file; "/": a folder
    QTest::addColumn<ExpectedKeys>("expected");
    QTest::addColumn<bool>("holds");
    const QByteArray ini = "[form2]\ntop=1365\ncap4=\"a, b\"\n\n[formm]\ngrmdi0=家族\n";
    const ExpectedKeys written = {{"form2/top", QVariant("1365")},
                                  {"form2/cap4", QVariant("a, b")},
                                  {"formm/grmdi0", QVariant("家族")},
                                  {"form2/gr0mdi", std::nullopt}};
    QTest::newRow("as written") << ini << written << true;
    QTest::newRow("nothing expected") << ini << ExpectedKeys() << true;
    QTest::newRow("other value") << ini << ExpectedKeys({{"form2/top", QVariant("0")}}) << false;
    QTest::newRow("key missing") << ini << ExpectedKeys({{"form3/top", QVariant("1365")}}) << false;
    QTest::newRow("deleted key still there")
        << ini << ExpectedKeys({{"form2/top", std::nullopt}}) << false;
    QTest::newRow("no file, keys absent")
        << QByteArray() << ExpectedKeys({{"form2/def1", std::nullopt}}) << true;
    QTest::newRow("no file, key expected")
        << QByteArray() << ExpectedKeys({{"form2/top", QVariant("1365")}}) << false;
    QTest::newRow("a folder") << QByteArray("/") << ExpectedKeys({{"form2/def1", std::nullopt}})
                              << false;
}

void TestSettingsFile::fileHolds() {
    QFETCH(QByteArray, file);
    QFETCH(ExpectedKeys, expected);
    QFETCH(bool, holds);
    const QString path = store_.file("plumet2");
    if (file == "/") {
        QVERIFY(QDir().mkpath(path));
    } else if (!file.isEmpty()) {
        toolfixture::writeIni(path, file);
    }
    QCOMPARE(toolcommon::fileHolds(path, expected), holds);
}

// QSettings objects of one file in one process share the changes a sync failed to write: a
// second object shows them. The read-back goes by what is on disk.
void TestSettingsFile::changesThatNeverReachedTheDiskAreNotThere() {
    const QString path = store_.file("plumet2");
    toolfixture::writeIni(path, "[form2]\ntop=1365\n");
    {
        toolfixture::ReadOnlyFolder readOnly(QFileInfo(path).path(), store_.path());
        QVERIFY(readOnly.inForce());
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue("form2/def1", "32494848");
        settings.sync();
        QCOMPARE(settings.status(), QSettings::AccessError);
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("form2/def1").toString(),
                 QStringLiteral("32494848"));
        QVERIFY(!toolcommon::fileHolds(path, {{"form2/def1", QVariant("32494848")}}));
        QVERIFY(toolcommon::fileHolds(path, {{"form2/top", QVariant("1365")}}));
    }
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
