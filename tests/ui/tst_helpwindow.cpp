// SPDX-License-Identifier: GPL-3.0-or-later
// The help window and the help document the game ships.
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "ui/windows/helpwindow.h"

using plumet::HelpWindow;

class TestDialogsHelp : public QObject {
    Q_OBJECT

  private:
    static QString shippedDocument() {
        QFile file(plumet::helpFilePath(QStringLiteral(PLUMET_BUILD_DATA_DIR)));
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(file.readAll());
    }

  private slots:
    void showsTheShippedDocument() {
        auto* window = new HelpWindow(QStringLiteral(PLUMET_BUILD_DATA_DIR));
        QVERIFY(window->hasDocument());
        const QString text = window->browser()->toPlainText();
        QVERIFY(text.contains(QStringLiteral("カドリオ")));
        QVERIFY(!text.contains(QStringLiteral("見つかりません")));
        delete window;
    }

    // Esc closes the window, wherever the focus is in it.
    void escapeCloses() {
        QPointer<HelpWindow> window = new HelpWindow(QStringLiteral(PLUMET_BUILD_DATA_DIR));
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        window->browser()->setFocus();
        QTest::keyClick(window->browser(), Qt::Key_Escape);
        QTRY_VERIFY(window.isNull());
    }

    void documentCoversTheRules_data() {
        QTest::addColumn<QString>("term");
        for (const char* term : {"七並べ",
                                 "パス３回まで",
                                 "パス２回まで",
                                 "はきだし",
                                 "ばばもち",
                                 "あがり！",
                                 "未使用",
                                 "使用",
                                 "再使用",
                                 "ＡＫ接続",
                                 "出せるカードを検出",
                                 "トップ１０",
                                 "グループ変更",
                                 "前回の続き",
                                 "保存後タイトルへ",
                                 "カードの移動速度",
                                 "名前の変更",
                                 "d7.bmp",
                                 "urat.bmp",
                                 "uray2.bmp",
                                 "joker1.bmp",
                                 "効果音",
                                 "カードを窓に合わせる",
                                 "ヒント",
                                 "Enter",
                                 "Esc"})
            QTest::newRow(term) << QString::fromUtf8(term);
    }
    void documentCoversTheRules() {
        QFETCH(QString, term);
        QVERIFY2(shippedDocument().contains(term), qPrintable(term));
    }

    void everyLinkInsideTheDocumentHasItsTarget() {
        const QString html = shippedDocument();
        QVERIFY(!html.isEmpty());
        QSet<QString> targets;
        const QRegularExpression anchor(QStringLiteral("(?:id|name)=\"([^\"]+)\""));
        for (const auto& match : anchor.globalMatch(html)) targets.insert(match.captured(1));
        const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
        int links = 0;
        for (const auto& match : link.globalMatch(html)) {
            ++links;
            QVERIFY2(targets.contains(match.captured(1)), qPrintable(match.captured(1)));
        }
        QVERIFY(links > 0);
    }

    void missingDocumentSaysWhereItLooked_data() {
        QTest::addColumn<bool>("folderInItsPlace");
        QTest::newRow("no file") << false;
        QTest::newRow("a folder in its place") << true;
    }
    void missingDocumentSaysWhereItLooked() {
        QFETCH(bool, folderInItsPlace);
        QTemporaryDir dataFolder;
        if (folderInItsPlace) QVERIFY(QDir(dataFolder.path()).mkpath("help/plumet.html"));
        auto* window = new HelpWindow(dataFolder.path());
        QVERIFY(!window->hasDocument());
        const QString text = window->browser()->toPlainText();
        QVERIFY(text.contains(QStringLiteral("ヘルプファイルが見つかりません")));
        QVERIFY(text.contains(plumet::helpFilePath(dataFolder.path())));
        QVERIFY(!window->findChild<QPushButton*>("homeButton")->isEnabled());
        delete window;
    }
};

QTEST_MAIN(TestDialogsHelp)
#include "tst_helpwindow.moc"
