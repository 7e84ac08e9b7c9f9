// SPDX-License-Identifier: GPL-3.0-or-later
// TOP-10 files: the exact form exportTable writes, export and import through the real store,
// every kind of broken file refused without a change, an export that runs out of room leaving
// the old file whole, an import that never waits on what is no file, and a bounded fuzz run
// of the reader.
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <random>

#include "common/smalldisk.h"
#include "common/tempstore.h"
#include "data/checkstring.h"
#include "data/cp932.h"
#include "data/store.h"
#include "data/top10.h"
#include "data/topfile.h"

using namespace plumet;

namespace {

GameState defaultTable() {
    GameState state;
    top10::setDefaultTable(state);
    return state;
}

// A file of the given fields (30 lists of codes) with sums that add up, and the trailer.
QByteArray fileOf(const std::vector<std::vector<int>>& fields, const char* lineEnd = "\r\n") {
    QByteArray out;
    qint64 sum = 0;
    for (const auto& field : fields) {
        for (const int c : field) {
            sum += c;
            out += QByteArray::number(c) + ',' + QByteArray::number(sum) + lineEnd;
        }
        out += QByteArray("0,0") + lineEnd;
    }
    return out + "\"Version 3.15_DVvb6\"" + lineEnd;
}

// The 30 fields of the default table as codes, for building files by hand.
std::vector<std::vector<int>> defaultFields() {
    std::vector<std::vector<int>> fields;
    const GameState state = defaultTable();
    for (int i = 1; i <= 10; ++i) {
        for (const std::string& text :
             {state.topNames[i], state.topDates[i], signedText(state.topScores[i])}) {
            std::vector<int> codes;
            for (const char32_t ch : QString::fromStdString(text).toUcs4()) {
                codes.push_back(cp932::encode(ch));
            }
            fields.push_back(codes);
        }
    }
    return fields;
}

// The file with the running sum of one character line raised by one.
QByteArray withSumChanged(const QByteArray& file, int line) {
    QList<QByteArray> lines = file.split('\n');
    const QList<QByteArray> pair = lines[line].trimmed().split(',');
    lines[line] = pair[0] + ',' + QByteArray::number(pair[1].toLongLong() + 1) + '\r';
    return lines.join('\n');
}

QString writeFile(const QString& dir, const QByteArray& bytes) {
    const QString name = dir + "/table.dat";
    QFile file(name);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
    return name;
}

void compareTables(const GameState& a, const GameState& b) {
    for (int i = 1; i <= 10; ++i) {
        QCOMPARE(QString::fromStdString(a.topNames[i]), QString::fromStdString(b.topNames[i]));
        QCOMPARE(QString::fromStdString(a.topDates[i]), QString::fromStdString(b.topDates[i]));
        QCOMPARE(a.topScores[i], b.topScores[i]);
    }
}

}  // namespace

class TestTopFile : public QObject {
    Q_OBJECT

  private slots:
    void exactForm() {
        GameState state = defaultTable();
        state.topNames[1] = "A漢ｱ";
        state.topScores[2] = -5;
        const QByteArray file = topfile::encode(state);
        QVERIFY(file.startsWith("65,65\r\n-30017,-29952\r\n177,-29775\r\n0,0\r\n49,-29726\r\n"));
        QVERIFY(file.endsWith("0,0\r\n\"Version 3.15_DVvb6\"\r\n"));
        QCOMPARE(file.count("\r\n"), file.count('\n'));
        const QList<QByteArray> lines = file.split('\n');
        // 3 + 9 x 5 name characters, 10 x 10 date characters, totals, 30 terminators, trailer.
        int expected = 3 + 9 * 5 + 100 + 30 + 1;
        for (int i = 1; i <= 10; ++i) expected += int(signedText(state.topScores[i]).size());
        QCOMPARE(lines.size() - 1, expected);
        QVERIFY(file.contains("\r\n45,"));  // the minus sign of -5 as a code
        const auto table = topfile::decode(file);
        QVERIFY(table);
        QCOMPARE(table->checks[2], std::string("4553"));
        QCOMPARE(table->name[1], std::string("A漢ｱ"));
    }

    void handBuiltFileReads() {
        const auto table = topfile::decode(fileOf(defaultFields()));
        QVERIFY(table);
        QCOMPARE(table->checks, top10::defaultCheckStrings());
        QCOMPARE(table->name[4], std::string("ＲＯＫＥＮ"));
    }

    // Export, delete everything, import: the same table, names and check strings.
    void exportAndImportThroughTheStore_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("total");
        QTest::newRow("Japanese") << "山田　太郎～" << 120;
        QTest::newRow("half-width katakana") << "ｷｬﾝｾﾙ" << 95;
        QTest::newRow("ASCII with comma and quote") << "a,\"b\"" << 61;
        QTest::newRow("empty name") << "" << 100;
        QTest::newRow("long name") << QString(3000, u'鳥') << 10;
        QTest::newRow("negative total") << "負け" << -40;
        QTest::newRow("four digits") << "強い" << 1500;
    }
    void exportAndImportThroughTheStore() {
        QFETCH(QString, name);
        QFETCH(int, total);
        TempStore temp;
        GameState before;
        {
            Store store;
            QCOMPARE(top10::loadTable(store, before), top10::Load::Sound);
            before.topNames[4] = name.toStdString();
            before.topDates[4] = "2023-12-31";
            before.topScores[4] = static_cast<std::int16_t>(total);
            top10::CheckStrings checks = top10::defaultCheckStrings();
            checks[4] = checkString(total);
            top10::writeTable(store, before, &checks);
            QVERIFY(topfile::exportTable(temp.path() + "/mine.dat", before));
            store.removeApplication();
        }
        Store store;
        GameState after;
        QCOMPARE(topfile::importTable(temp.path() + "/mine.dat", store, after),
                 topfile::Load::Loaded);
        compareTables(after, before);
        GameState reread;
        QCOMPARE(top10::loadTable(store, reread), top10::Load::Sound);
        compareTables(reread, before);
        for (int i = 1; i <= 10; ++i) {
            QCOMPARE(store.get(u"form2", QStringLiteral("def%1").arg(i), {}).toStdString(),
                     checkString(before.topScores[i]));
        }
    }

    // A total field is read as its numeric value, leading blanks ignored: blanks, an optional
    // sign and decimal digits. The imported table stores the value as "ten" and the check
    // string built from the field's characters as "def", and passes the game's table check.
    void totalFormsImportAndPassTheCheck_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("total");
        QTest::newRow("no sign position") << QByteArray("50") << 50;
        QTest::newRow("two blanks") << QByteArray("  50") << 50;
        QTest::newRow("plus sign") << QByteArray("+5") << 5;
        QTest::newRow("blank and minus") << QByteArray(" -7") << -7;
        QTest::newRow("blank and plus") << QByteArray(" +70") << 70;
        QTest::newRow("leading zeros") << QByteArray("  007") << 7;
        QTest::newRow("minus zero") << QByteArray("-0") << 0;
        QTest::newRow("largest") << QByteArray("+32767") << 32767;
        QTest::newRow("smallest") << QByteArray("-32768") << -32768;
        QTest::newRow("the writer's own form") << QByteArray(" 60") << 60;
    }
    void totalFormsImportAndPassTheCheck() {
        QFETCH(QByteArray, field);
        QFETCH(int, total);
        auto fields = defaultFields();
        fields[3 * 3 + 2] = std::vector<int>(field.begin(), field.end());  // place 4
        std::string check;
        for (const char c : field) check += std::to_string(static_cast<unsigned char>(c));

        TempStore temp;
        Store store;
        GameState state;
        QCOMPARE(top10::loadTable(store, state), top10::Load::Sound);  // check strings made
        const QString name = writeFile(temp.path(), fileOf(fields));
        QCOMPARE(topfile::importTable(name, store, state), topfile::Load::Loaded);

        QCOMPARE(int(state.topScores[4]), total);
        QCOMPARE(store.get(u"form2", u"ten4", {}), QString::number(total));
        QCOMPARE(store.get(u"form2", u"def4", {}).toStdString(), check);
        GameState reread;
        const top10::CheckStrings checks = top10::readTable(store, reread);
        QVERIFY(top10::tableSound(reread, checks));
        QCOMPARE(top10::marker(store), top10::kMarkerMade.toString());
        QCOMPARE(top10::loadTable(store, reread), top10::Load::Sound);
        QCOMPARE(int(reread.topScores[4]), total);
    }

    void characterOutsideTheCodePageBecomesQuestionMark() {
        GameState state = defaultTable();
        state.topNames[1] = "é🂡x";
        const auto table = topfile::decode(topfile::encode(state));
        QVERIFY(table);
        QCOMPARE(table->name[1], std::string("??x"));
    }

    void accepted_data() {
        QTest::addColumn<QByteArray>("file");
        auto fields = defaultFields();
        QTest::newRow("LF line ends") << fileOf(fields, "\n");
        QByteArray noTrailer = fileOf(fields);
        noTrailer.chop(QByteArray("\"Version 3.15_DVvb6\"\r\n").size());
        QTest::newRow("no trailer") << noTrailer;
        QTest::newRow("blanks around numbers") << fileOf(fields).replace(",", " , ");
    }
    void accepted() {
        QFETCH(QByteArray, file);
        QVERIFY(topfile::decode(file));
    }

    // Broken files: importTable refuses them and the state, the rows' source and the store keep
    // what they held.
    void refused_data() {
        QTest::addColumn<QByteArray>("file");
        const QByteArray good = topfile::encode(defaultTable());
        const auto fields = defaultFields();

        QTest::newRow("one sum changed") << withSumChanged(good, 4);
        QTest::newRow("last sum changed") << withSumChanged(good, good.count('\n') - 3);
        QTest::newRow("ends early") << good.left(good.indexOf("0,0\r\n49,", 1000));
        QTest::newRow("cut inside a line") << good.left(301);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QTest::newRow("text") << QByteArray("name,date,score\r\nROKEN,1997-04-01,100\r\n");
        QTest::newRow("three numbers on a line")
            << QByteArray(good).replace("0,0\r\n", "0,0,0\r\n");
        QTest::newRow("blank line") << QByteArray(good).insert(good.indexOf("0,0"), "\r\n");
        QTest::newRow("number too long") << QByteArray("65,99999999999999999999999\r\n") + good;

        auto wide = fields;
        wide[0].push_back(300);
        QTest::newRow("code beyond a byte") << fileOf(wide);
        auto lone = fields;
        lone[0].push_back(0x81);  // a lead byte without its trail byte
        QTest::newRow("lone lead byte") << fileOf(lone);
        auto below = fields;
        below[0].push_back(-40000);
        QTest::newRow("code below 16 bits") << fileOf(below);
        auto word = fields;
        word[2] = {'a', 'b'};
        QTest::newRow("total not a number") << fileOf(word);
        auto big = fields;
        big[2] = {' ', '9', '9', '9', '9', '9'};
        QTest::newRow("total beyond 16 bits") << fileOf(big);
        const auto withTotal = [&fields](const std::vector<int>& codes) {
            auto changed = fields;
            changed[5] = codes;
            return fileOf(changed);
        };
        QTest::newRow("empty total") << withTotal({});
        QTest::newRow("total of blanks only") << withTotal({' ', ' '});
        QTest::newRow("total of a sign only") << withTotal({'-'});
        QTest::newRow("blank after the sign") << withTotal({'+', ' ', '5'});
        QTest::newRow("two signs") << withTotal({'-', '-', '5'});
        QTest::newRow("blank after the digits") << withTotal({' ', '5', ' '});
        QTest::newRow("letter after the digits") << withTotal({' ', '5', 'x'});
        QTest::newRow("tab before the digits") << withTotal({'\t', '5'});
        QTest::newRow("full-width digit") << withTotal({' ', 0x8254 - 65536});
        QTest::newRow("total above 16 bits") << withTotal({'+', '3', '2', '7', '6', '8'});
        QTest::newRow("total below 16 bits") << withTotal({'-', '3', '2', '7', '6', '9'});
        auto kanji = fields;
        kanji[5] = {0x8ABF - 65536};  // the check string would not be digit pairs
        QTest::newRow("total of a kanji") << fileOf(kanji);
        auto short29 = fields;
        short29.pop_back();
        QTest::newRow("29 fields") << fileOf(short29);
        QTest::newRow("huge") << good + QByteArray(topfile::kMaxFileSize, ' ');
    }
    void refused() {
        QFETCH(QByteArray, file);
        TempStore temp;
        Store store;
        GameState state;
        QCOMPARE(top10::loadTable(store, state), top10::Load::Sound);
        state.topNames[3] = "今の表";
        top10::registerName(store, state);
        const GameState before = state;
        const QByteArray storeBefore = TempStore::fileBytes();

        const QString name = writeFile(temp.path(), file);
        QCOMPARE(topfile::importTable(name, store, state), topfile::Load::Refused);
        compareTables(state, before);
        QCOMPARE(TempStore::fileBytes(), storeBefore);
    }

    void missingFileIsUnreadable() {
        TempStore temp;
        Store store;
        GameState state;
        QCOMPARE(topfile::importTable(temp.path() + "/none.dat", store, state),
                 topfile::Load::Unreadable);
        QVERIFY(!topfile::exportTable(temp.path() + "/no/such/folder/x.dat", state));
    }

    // An export over an earlier one (the player's backup) on a disk without room for the
    // new file fails and leaves the earlier file byte for byte, with no temporary file beside
    // it; with room it replaces it whole.
    void exportOnANearlyFullDiskKeepsTheOldFile_data() {
        QTest::addColumn<int>("free");  // bytes; -1: half the new file
        QTest::newRow("nothing free") << 0;
        QTest::newRow("half the file free") << -1;
    }
    void exportOnANearlyFullDiskKeepsTheOldFile() {
        QFETCH(int, free);
        TempStore temp;
        SmallDisk disk(temp.path() + "/backup");
        qInfo("small disk: %s", qPrintable(disk.kind()));
        const QString name = disk.folder() + "/backup.dat";
        GameState old = defaultTable();
        old.topNames[1] = "前の表";
        QVERIFY(topfile::exportTable(name, old));
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        GameState state = defaultTable();
        for (int i = 1; i <= 10; ++i) {
            state.topNames[i] = std::to_string(i);
            for (int part = 0; part < 6; ++part) state.topNames[i] += "とても長い名前の人、";
        }
        const QByteArray wanted = topfile::encode(state);
        QVERIFY(wanted.size() > 8192);  // half of it is more than a page of a tmpfs
        QVERIFY(disk.leaveFree(free < 0 ? wanted.size() / 2 : free));
        QVERIFY(!topfile::exportTable(name, state));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        file.close();
        QCOMPARE(QDir(disk.folder()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"backup.dat", "filler"}));

        QVERIFY(disk.leaveFree(32 * 1024));
        QVERIFY(topfile::exportTable(name, state));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), wanted);
    }

    // What is no plain file (a named pipe, a folder, a device, a link to a pipe) is neither
    // imported nor written over: the import refuses it at once, without opening it (a pipe
    // with no writer would keep an open waiting forever), and the export fails.
    void whatIsNoFileIsNeverOpened_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a named pipe") << "pipe";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a device") << "device";
        QTest::newRow("a link to a named pipe") << "link";
    }
    void whatIsNoFileIsNeverOpened() {
        QFETCH(QString, kind);
        TempStore temp;
        QString name = temp.path() + "/table.dat";
        const QString pipe = temp.path() + "/pipe";
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        if (kind == u"pipe")
            name = pipe;
        else if (kind == u"folder")
            QVERIFY(QDir().mkpath(name));
        else if (kind == u"device")
            name = QStringLiteral("/dev/null");
        else
            QVERIFY(QFile::link(pipe, name));

        Store store;
        GameState state;
        QCOMPARE(top10::loadTable(store, state), top10::Load::Sound);
        const GameState before = state;
        const QByteArray storeBefore = TempStore::fileBytes();
        QCOMPARE(topfile::importTable(name, store, state), topfile::Load::Refused);
        compareTables(state, before);
        QCOMPARE(TempStore::fileBytes(), storeBefore);
        if (kind != u"device") QVERIFY(!topfile::exportTable(name, state));
        QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
    }

    // Mutated files: the reader never crashes or reads out of bounds (the sanitizer build
    // runs this too), and a file it takes gives a table that passes the table check and
    // writes back to the same table.
    void boundedFuzz() {
        GameState state = defaultTable();
        state.topNames[2] = "漢字ｶﾅ,\"x\"";
        state.topScores[7] = -12;
        const QByteArray good = topfile::encode(state);
        std::mt19937 random(20240601);
        const auto pick = [&](qsizetype n) {
            return static_cast<qsizetype>(random() % static_cast<std::uint32_t>(n + 1));
        };
        int accepted = 0;
        for (int round = 0; round < 3000; ++round) {
            QByteArray file = good;
            const int edits = 1 + static_cast<int>(random() % 4);
            for (int e = 0; e < edits; ++e) {
                const qsizetype at = pick(file.size() - 1);
                switch (random() % 7) {
                    case 0:
                        file[at] = static_cast<char>(random());
                        break;
                    case 1:
                        file.remove(at, pick(20));
                        break;
                    case 2:
                        file.insert(at, QByteArray(pick(8), static_cast<char>(random())));
                        break;
                    case 3:
                        file.truncate(at);
                        break;
                    case 4:
                        file.insert(at, file.mid(pick(file.size() - 1), pick(40)));
                        break;
                    case 5:
                        file[at] = static_cast<char>('0' + random() % 10);
                        break;
                    case 6:
                        file.insert(at, QByteArray::number(int(random() % 70000) - 35000));
                        break;
                }
                if (file.isEmpty()) break;
            }
            const auto table = topfile::decode(file);
            if (!table) continue;
            ++accepted;
            GameState read;
            for (int i = 1; i <= 10; ++i) {
                read.topNames[i] = table->name[i];
                read.topDates[i] = table->date[i];
                read.topScores[i] = table->score[i];
            }
            QVERIFY(top10::tableSound(read, table->checks));
            const auto again = topfile::decode(topfile::encode(read));
            QVERIFY(again);
            QCOMPARE(again->score, table->score);
        }
        QVERIFY(accepted > 0);  // edits after the last field leave files that still read
    }
};

QTEST_GUILESS_MAIN(TestTopFile)
#include "tst_topfile.moc"
