// SPDX-License-Identifier: GPL-3.0-or-later
// The Japanese look both companion programs set up at start: Qt's Japanese captions of the
// standard buttons and the choice of the Japanese UI font.
#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "common/japaneseui.h"

class TestJapaneseUi : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { family_ = toolcommon::setUpJapaneseUi(*qApp); }

    void standardButtonsReadJapanese_data();
    void standardButtonsReadJapanese();
    void chosenFontIsInstalledJapaneseFont();
    void chooseJapaneseFamily_data();
    void chooseJapaneseFamily();

  private:
    QString family_;
};

void TestJapaneseUi::standardButtonsReadJapanese_data() {
    QTest::addColumn<QMessageBox::StandardButton>("button");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Yes") << QMessageBox::Yes << "はい";
    QTest::newRow("No") << QMessageBox::No << "いいえ";
    QTest::newRow("Cancel") << QMessageBox::Cancel << "キャンセル";
    QTest::newRow("OK") << QMessageBox::Ok << "OK";
}

// The caption without its keyboard accelerator: Qt's Japanese captions carry it as "(&Y)"
// after the word, as Japanese Windows' message boxes show "はい(Y)".
void TestJapaneseUi::standardButtonsReadJapanese() {
    QFETCH(QMessageBox::StandardButton, button);
    QFETCH(QString, caption);
    QMessageBox box(QMessageBox::Question, QStringLiteral("元データの削除？"), QString(),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Ok);
    QString text = box.button(button)->text();
    text.remove(QRegularExpression(QStringLiteral("\\(&[A-Z]\\)$")));
    QCOMPARE(text, caption);
}

void TestJapaneseUi::chosenFontIsInstalledJapaneseFont() {
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(QStringLiteral("IPAGothic"))) {
        QCOMPARE(family_, QStringLiteral("IPAGothic"));
    } else if (installed.contains(QStringLiteral("Noto Sans CJK JP"))) {
        QCOMPARE(family_, QStringLiteral("Noto Sans CJK JP"));
    } else {
        QSKIP("neither IPA Gothic nor Noto Sans CJK JP is installed");
    }
    QCOMPARE(QApplication::font().family(), family_);
    QVERIFY(QFontDatabase::writingSystems(family_).contains(QFontDatabase::Japanese));
}

void TestJapaneseUi::chooseJapaneseFamily_data() {
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("japanese");
    QTest::addColumn<QString>("chosen");
    const QStringList both = {"DejaVu Sans", "Noto Sans CJK JP", "IPAPGothic", "IPAGothic"};
    QTest::newRow("IPA Gothic before Noto") << both << both.mid(1) << "IPAGothic";
    QTest::newRow("IPA Gothic under its Japanese name")
        << QStringList{"Noto Sans CJK JP", "IPAゴシック"} << QStringList{"IPAゴシック"}
        << "IPAゴシック";
    QTest::newRow("only Noto") << QStringList{"DejaVu Sans", "IPAPGothic", "Noto Sans CJK JP"}
                               << QStringList{"IPAPGothic", "Noto Sans CJK JP"}
                               << "Noto Sans CJK JP";
    QTest::newRow("another Japanese family")
        << QStringList{"DejaVu Sans", "Droid Sans Fallback"} << QStringList{"Droid Sans Fallback"}
        << "Droid Sans Fallback";
    QTest::newRow("no Japanese family") << QStringList{"DejaVu Sans"} << QStringList() << QString();
}

void TestJapaneseUi::chooseJapaneseFamily() {
    QFETCH(QStringList, installed);
    QFETCH(QStringList, japanese);
    QFETCH(QString, chosen);
    QCOMPARE(toolcommon::chooseJapaneseFamily(installed, japanese), chosen);
}

QTEST_MAIN(TestJapaneseUi)
#include "tst_japaneseui.moc"
