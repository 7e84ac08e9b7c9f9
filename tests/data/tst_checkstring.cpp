// SPDX-License-Identifier: GPL-3.0-or-later
// Check strings and their decoding, shared by the TOP-10 table and the saved match.
#include <QTest>

#include "data/checkstring.h"

using namespace plumet;

class TestCheckString : public QObject {
    Q_OBJECT

  private slots:
    void checkString_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("check");
        QTest::newRow("-5") << -5 << "-5"
                            << "4553";
        QTest::newRow("7") << 7 << " 7"
                           << "3255";
        QTest::newRow("0") << 0 << " 0"
                           << "3248";
        QTest::newRow("100") << 100 << " 100"
                             << "32494848";
        QTest::newRow("123") << 123 << " 123"
                             << "32495051";
        QTest::newRow("-32768") << -32768 << "-32768"
                                << "455150555456";
    }
    void checkString() {
        QFETCH(int, value);
        QFETCH(QString, text);
        QFETCH(QString, check);
        QCOMPARE(QString::fromStdString(signedText(value)), text);
        QCOMPARE(QString::fromStdString(plumet::checkString(value)), check);
        QCOMPARE(decodeCheckString(check.toStdString()), std::optional<std::int64_t>(value));
    }

    void decode_data() {
        QTest::addColumn<QString>("check");
        QTest::addColumn<bool>("digits");
        QTest::addColumn<qint64>("value");
        QTest::newRow("default of right") << "49" << true << 1LL;
        QTest::newRow("odd length, last digit ignored") << "3249505" << true << 12LL;
        QTest::newRow("one digit") << "3" << true << 0LL;
        QTest::newRow("empty") << "" << true << 0LL;
        QTest::newRow("letters spelled") << "6566" << true << 0LL;           // "AB"
        QTest::newRow("number then letters") << "49506566" << true << 12LL;  // "12AB"
        QTest::newRow("not digits") << "32a9" << false << 0LL;
        QTest::newRow("blank inside") << "32 49" << false << 0LL;
        QTest::newRow("full-width digit") << "３２" << false << 0LL;
        QTest::newRow("huge clamped")
            << QString("57").repeated(40) << true << 1'000'000'000'000'000LL;
    }
    void decode() {
        QFETCH(QString, check);
        QFETCH(bool, digits);
        QFETCH(qint64, value);
        const auto decoded = decodeCheckString(check.toStdString());
        QCOMPARE(decoded.has_value(), digits);
        if (digits) QCOMPARE(*decoded, value);
    }
};

QTEST_GUILESS_MAIN(TestCheckString)
#include "tst_checkstring.moc"
