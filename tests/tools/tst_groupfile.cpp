// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of the old group files: tables it reads back, files it refuses, and check
// strings that the game's TOP-10 check accepts.
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "data/checkstring.h"
#include "groupfile.h"
#include "toolfixture.h"

using plume1to3::readGroupFile;
using toolfixture::Entry;

using Fields = QList<QList<int>>;
using FieldChange = std::function<void(Fields&)>;
using LineChange = std::function<void(QByteArrayList&)>;
Q_DECLARE_METATYPE(QList<Entry>)
Q_DECLARE_METATYPE(FieldChange)
Q_DECLARE_METATYPE(LineChange)

namespace {

// A damaged file made by changing the fields before the lines are written (the running sums
// stay right) or by changing the lines themselves.
void fieldRow(const char* name, FieldChange change) {
    QTest::newRow(name) << change << LineChange([](QByteArrayList&) {});
}

void lineRow(const char* name, LineChange change) {
    QTest::newRow(name) << FieldChange([](Fields&) {}) << change;
}

QByteArray withSum(const QByteArray& line, qint64 sum) {
    return line.split(',')[0] + ',' + QByteArray::number(sum);
}

}  // namespace

class TestGroupFile : public QObject {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(folder_.isValid()); }

    void cp932Codes_data();
    void cp932Codes();
    void readsTable_data();
    void readsTable();
    void refusesDamagedFile_data();
    void refusesDamagedFile();
    void missingFile();
    void ignoresWhatFollowsTheTable();

  private:
    QString path() const { return folder_.filePath(QStringLiteral("g10.cfg")); }
    QTemporaryDir folder_;
};

// The codes the old files hold for double-byte and half-width characters, so that the reader
// is tested against the real code page and not only against its own inverse.
void TestGroupFile::cp932Codes_data() {
    QTest::addColumn<QString>("character");
    QTest::addColumn<int>("code");
    QTest::newRow("full-width R") << QStringLiteral("Ｒ") << 0x8271 - 65536;
    QTest::newRow("hiragana a") << QStringLiteral("あ") << 0x82A0 - 65536;
    QTest::newRow("kanji") << QStringLiteral("家") << 0x89C6 - 65536;
    QTest::newRow("half-width katakana") << QStringLiteral("ｱ") << 0xB1;
    QTest::newRow("blank") << QStringLiteral(" ") << 32;
    QTest::newRow("minus") << QStringLiteral("-") << 45;
}

void TestGroupFile::cp932Codes() {
    QFETCH(QString, character);
    QFETCH(int, code);
    QCOMPARE(toolfixture::cp932Code(character.at(0)), code);

    QList<Entry> entries = toolfixture::defaultEntries();
    entries[0].name = character;
    toolfixture::writeLines(path(), toolfixture::groupFileLines(entries));
    const auto table = readGroupFile(path());
    QVERIFY(table);
    QCOMPARE((*table)[0].name, character);
}

void TestGroupFile::readsTable_data() {
    QTest::addColumn<QList<Entry>>("entries");
    QTest::newRow("default table") << toolfixture::defaultEntries();

    QList<Entry> mixed = toolfixture::defaultEntries();
    mixed[0] = {QStringLiteral("あかね"), QStringLiteral("1998-12-31"), QStringLiteral(" 32767")};
    mixed[1] = {QStringLiteral("ﾔﾏﾀﾞ太郎"), QStringLiteral("1999-01-02"), QStringLiteral(" 123")};
    mixed[4] = {QString(), QString(), QStringLiteral(" 0")};
    mixed[7] = {QStringLiteral("Ann, Bo"), QStringLiteral("2000-02-29"), QStringLiteral("-5")};
    mixed[9] = {QStringLiteral("最下位"), QStringLiteral("2001-03-03"), QStringLiteral("-32768")};
    QTest::newRow("Japanese names, empty fields, extreme totals") << mixed;

    // A total is its numeric value with leading blanks ignored: any number of blanks, a sign
    // or none, decimal digits.
    QList<Entry> forms = toolfixture::defaultEntries();
    const QStringList totals = {"50",    "  50",   "+5",     " -7",  "-0",
                                "00012", "+32767", "-32768", "   0", " +9"};
    for (int i = 0; i < 10; ++i) forms[i].total = totals[i];
    QTest::newRow("totals in every accepted form") << forms;
}

void TestGroupFile::readsTable() {
    QFETCH(QList<Entry>, entries);
    toolfixture::writeLines(path(), toolfixture::groupFileLines(entries));

    const auto table = readGroupFile(path());
    QVERIFY(table);
    for (int i = 0; i < 10; ++i) {
        const plume1to3::GroupEntry& read = (*table)[i];
        QCOMPARE(read.name, entries[i].name);
        QCOMPARE(read.date, entries[i].date);
        QCOMPARE(read.total, entries[i].total.toInt());
        // The check string is built from the field's characters as they stand in the file
        // (for the game's own form of a total, that is the check string of the total) ...
        QCOMPARE(read.check, toolfixture::checkStringOfField(entries[i].total));
        // ... and the game's table check reads it back as the total.
        const auto decoded = plumet::decodeCheckString(read.check.toStdString());
        QVERIFY(decoded);
        QCOMPARE(qint64(*decoded), qint64(read.total));
    }
}

void TestGroupFile::refusesDamagedFile_data() {
    QTest::addColumn<FieldChange>("changeFields");
    QTest::addColumn<LineChange>("changeLines");

    lineRow("first check value wrong", [](QByteArrayList& lines) {
        lines[0] = withSum(lines[0], lines[0].split(',')[1].toLongLong() + 1);
    });
    lineRow("check value of the last total wrong", [](QByteArrayList& lines) {
        const qsizetype last = lines.size() - 3;  // before "0,0" and the trailer
        lines[last] = withSum(lines[last], 0);
    });
    lineRow("file ends inside the table",
            [](QByteArrayList& lines) { lines = lines.mid(0, lines.size() / 2); });
    lineRow("last terminator missing",
            [](QByteArrayList& lines) { lines = lines.mid(0, lines.size() - 2); });
    lineRow("empty file", [](QByteArrayList& lines) { lines.clear(); });
    lineRow("text instead of a record", [](QByteArrayList& lines) { lines[3] = "ROKEN"; });
    lineRow("blank line", [](QByteArrayList& lines) { lines.insert(5, QByteArray()); });
    lineRow("three numbers on a line", [](QByteArrayList& lines) { lines[2] += ",7"; });
    lineRow("overlong line",
            [](QByteArrayList& lines) { lines[2] = lines[2] + QByteArray(200, '0'); });

    fieldRow("code above one byte", [](Fields& fields) { fields[0][0] = 300; });
    fieldRow("lead byte without its trail byte", [](Fields& fields) { fields[3] = {0x82}; });
    fieldRow("total that is no number", [](Fields& fields) { fields[5] = {32, 'a', 'b'}; });
    fieldRow("total in full-width digits", [](Fields& fields) {
        fields[5] = {32, toolfixture::cp932Code(QChar(0xFF19))};
    });
    const auto total = [](const QString& text) {
        return [text](Fields& fields) {
            fields[5].clear();
            for (QChar ch : text) fields[5].append(toolfixture::cp932Code(ch));
        };
    };
    fieldRow("empty total", total(""));
    fieldRow("total of blanks only", total("   "));
    fieldRow("total of a sign only", total("+"));
    fieldRow("blank after the sign", total("- 5"));
    fieldRow("two signs", total("+-5"));
    fieldRow("blank after the digits", total(" 5 "));
    fieldRow("letter after the digits", total(" 5a"));
    fieldRow("tab before the digits", total("\t5"));
    fieldRow("full-width blank before the digits", total("　5"));
    fieldRow("full-width sign", total("－5"));
    fieldRow("total above 16 bits", total("+32768"));
    fieldRow("total below 16 bits", total("-32769"));
    fieldRow("total beyond 16 bits",
             [](Fields& fields) { fields[2] = {32, '4', '0', '0', '0', '0'}; });
}

void TestGroupFile::refusesDamagedFile() {
    QFETCH(FieldChange, changeFields);
    QFETCH(LineChange, changeLines);
    Fields fields = toolfixture::fieldCodes(toolfixture::defaultEntries());
    changeFields(fields);
    QByteArrayList lines = toolfixture::groupFileLines(fields);
    changeLines(lines);
    toolfixture::writeLines(path(), lines);

    QVERIFY(!readGroupFile(path()));
}

void TestGroupFile::missingFile() {
    QVERIFY(!readGroupFile(folder_.filePath(QStringLiteral("g19.cfg"))));
}

// The trailer and anything after the thirtieth field are not read.
void TestGroupFile::ignoresWhatFollowsTheTable() {
    QByteArrayList lines = toolfixture::groupFileLines(toolfixture::defaultEntries());
    lines.append("not a record at all");
    toolfixture::writeLines(path(), lines);
    QVERIFY(readGroupFile(path()));
}

QTEST_GUILESS_MAIN(TestGroupFile)
#include "tst_groupfile.moc"
