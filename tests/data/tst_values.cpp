// SPDX-License-Identifier: GPL-3.0-or-later
// Reading stored text as booleans, 16-bit integers and lengths: hand-edited values give a
// documented answer and never overflow.
#include <QTest>

#include "data/values.h"

using namespace plumet;

class TestValues : public QObject {
    Q_OBJECT

  private slots:
    void toBool_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fallback");
        QTest::addColumn<bool>("expected");
        QTest::newRow("True as written") << "True" << false << true;
        QTest::newRow("False as written") << "False" << true << false;
        QTest::newRow("any case") << "tRUE" << false << true;
        QTest::newRow("blanks around") << "  false " << true << false;
        QTest::newRow("zero") << "0" << true << false;
        QTest::newRow("minus one") << "-1" << false << true;
        QTest::newRow("fraction") << "0.5" << false << true;
        QTest::newRow("zero fraction") << "0.0" << true << false;
        QTest::newRow("word") << "yes" << true << true;
        QTest::newRow("word, other default") << "yes" << false << false;
        QTest::newRow("number then text") << "1abc" << false << false;
        QTest::newRow("empty") << "" << true << true;
        QTest::newRow("inf is no number") << "inf" << false << false;
        QTest::newRow("huge") << "1e999" << true << true;
    }
    void toBool() {
        QFETCH(QString, text);
        QFETCH(bool, fallback);
        QFETCH(bool, expected);
        QCOMPARE(values::toBool(text, fallback), expected);
    }

    void boolText() {
        QCOMPARE(values::boolText(true), QStringLiteral("True"));
        QCOMPARE(values::boolText(false), QStringLiteral("False"));
    }

    void toInt16_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("digits") << "64" << 64;
        QTest::newRow("negative") << "-5" << -5;
        QTest::newRow("leading blank") << " 12" << 12;
        QTest::newRow("plus") << "+7" << 7;
        QTest::newRow("leading number") << "12abc" << 12;
        QTest::newRow("fraction cut") << "3.7" << 3;
        QTest::newRow("no number") << "abc" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("sign only") << "-" << 0;
        QTest::newRow("above 16 bits") << "40000" << 32767;
        QTest::newRow("below 16 bits") << "-40000" << -32768;
        QTest::newRow("beyond 64 bits") << "123456789012345678901234567890" << 32767;
        QTest::newRow("full-width digits") << "１２" << 0;
    }
    void toInt16() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(int{values::toInt16(text)}, expected);
    }

    void toLength_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("expected");
        QTest::newRow("integer") << "9525" << 9525.0f;
        QTest::newRow("fraction") << "1234.5" << 1234.5f;
        QTest::newRow("exponent") << "1.5E3" << 1500.0f;
        QTest::newRow("negative") << "-15" << -15.0f;
        QTest::newRow("leading number") << "120px" << 120.0f;
        QTest::newRow("dangling exponent") << "12e" << 12.0f;
        QTest::newRow("no number") << "wide" << 0.0f;
        QTest::newRow("beyond float") << "1e999" << 0.0f;
        QTest::newRow("nan is no number") << "nan" << 0.0f;
    }
    void toLength() {
        QFETCH(QString, text);
        QFETCH(float, expected);
        QCOMPARE(values::toLength(text), expected);
    }

    void lengthTextReadsBack_data() {
        QTest::addColumn<float>("twips");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 9525.0f << "9525";
        QTest::newRow("half") << 1234.5f << "1234.5";
        QTest::newRow("zero") << 0.0f << "0";
        QTest::newRow("odd fraction") << 7305.123f << "7305.123";
    }
    void lengthTextReadsBack() {
        QFETCH(float, twips);
        QFETCH(QString, text);
        QCOMPARE(values::lengthText(twips), text);
        QCOMPARE(values::toLength(values::lengthText(twips)), twips);
    }
};

QTEST_GUILESS_MAIN(TestValues)
#include "tst_values.moc"
