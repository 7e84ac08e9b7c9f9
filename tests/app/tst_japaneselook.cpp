// SPDX-License-Identifier: GPL-3.0-or-later
// The game's Japanese look as it starts: Qt's Japanese captions of the standard buttons, in
// the game's own question boxes too, and the Japanese UI font chosen on purpose, which holds
// every character of the menus (the half-width katakana with their voiced marks included).
#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QRawFont>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "app/japaneseui.h"
#include "programfixture.h"

using namespace plumet;

namespace {

// A button's caption without its keyboard accelerator: Qt's Japanese captions carry it as
// "(&Y)" after the word, as Japanese Windows' message boxes show "はい(Y)".
QString caption(const QAbstractButton* button) {
    QString text = button->text();
    text.remove(QRegularExpression(QStringLiteral("\\(&[A-Z]\\)$")));
    return text;
}

}  // namespace

class TestJapaneseLook : public QObject {
    Q_OBJECT

    QString family_;

  private slots:
    void initTestCase() { family_ = setUpJapaneseUi(*qApp); }

    void standardButtons_data();
    void standardButtons();
    void questionOfTheGame();
    void uiFont();
    void menusInOneFont();
    void chooseUiFamily_data();
    void chooseUiFamily();
};

void TestJapaneseLook::standardButtons_data() {
    QTest::addColumn<QMessageBox::StandardButton>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("OK") << QMessageBox::Ok << "OK";
    QTest::newRow("Cancel") << QMessageBox::Cancel << "キャンセル";
    QTest::newRow("Yes") << QMessageBox::Yes << "はい";
    QTest::newRow("No") << QMessageBox::No << "いいえ";
}

void TestJapaneseLook::standardButtons() {
    QFETCH(QMessageBox::StandardButton, button);
    QFETCH(QString, text);
    QMessageBox box(QMessageBox::Question, QStringLiteral("終了？"), QString(),
                    QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(caption(box.button(button)), text);
}

// The main window's own question "終了？" shows "OK" and "キャンセル"; Cancel keeps the game.
void TestJapaneseLook::questionOfTheGame() {
    test::Run run;
    QStringList buttons;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        answer.stop();
        buttons << box->windowTitle() << caption(box->button(QMessageBox::Ok))
                << caption(box->button(QMessageBox::Cancel));
        box->button(QMessageBox::Cancel)->click();
    });
    answer.start(5);
    QVERIFY(!run.main().close());
    QCOMPARE(buttons, (QStringList{"終了？", "OK", "キャンセル"}));
}

void TestJapaneseLook::uiFont() {
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(QStringLiteral("IPAGothic")))
        QCOMPARE(family_, QStringLiteral("IPAGothic"));
    else if (installed.contains(QStringLiteral("Noto Sans CJK JP")))
        QCOMPARE(family_, QStringLiteral("Noto Sans CJK JP"));
    else
        QSKIP("neither IPA Gothic nor Noto Sans CJK JP is installed");
    QCOMPARE(QApplication::font().family(), family_);
    QVERIFY(QFontDatabase::writingSystems(family_).contains(QFontDatabase::Japanese));
}

// Every character of every menu caption is in the UI font itself: no character is borrowed
// from another font, so the voiced marks of ｹﾞｰﾑ stay with their kana.
void TestJapaneseLook::menusInOneFont() {
    if (family_.isEmpty()) QSKIP("no Japanese UI font is installed");
    test::Run run;
    const QList<QMenu*> menus = run.main().menuBar()->findChildren<QMenu*>();
    QVERIFY(menus.size() >= 4);
    for (const QMenu* menu : menus) {
        const QRawFont font = QRawFont::fromFont(menu->font());
        QCOMPARE(font.familyName(), family_);
        QStringList captions{menu->title()};
        for (const QAction* item : menu->actions()) captions << item->text();
        for (const QString& text : captions) {
            for (const QChar c : text)
                QVERIFY2(c == u'&' || font.supportsCharacter(c), qPrintable(text));
        }
    }
}

void TestJapaneseLook::chooseUiFamily_data() {
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("japanese");
    QTest::addColumn<QString>("chosen");
    const QStringList both = {"DejaVu Sans", "Noto Sans CJK JP", "IPAPGothic", "IPAGothic"};
    QTest::newRow("IPA Gothic first") << both << both.mid(1) << "IPAGothic";
    QTest::newRow("IPA Gothic by its Japanese name")
        << QStringList{"Noto Sans CJK JP", "IPAゴシック"} << QStringList{"IPAゴシック"}
        << "IPAゴシック";
    QTest::newRow("then Noto Sans CJK JP")
        << QStringList{"DejaVu Sans", "IPAPGothic", "Noto Sans CJK JP"}
        << QStringList{"IPAPGothic", "Noto Sans CJK JP"} << "Noto Sans CJK JP";
    QTest::newRow("then any Japanese family")
        << QStringList{"DejaVu Sans", "VL Gothic"} << QStringList{"VL Gothic"} << "VL Gothic";
    QTest::newRow("none: the platform's font stays")
        << QStringList{"DejaVu Sans"} << QStringList() << QString();
}

void TestJapaneseLook::chooseUiFamily() {
    QFETCH(QStringList, installed);
    QFETCH(QStringList, japanese);
    QFETCH(QString, chosen);
    QCOMPARE(plumet::chooseUiFamily(installed, japanese), chosen);
}

QTEST_MAIN(TestJapaneseLook)
#include "tst_japaneselook.moc"
