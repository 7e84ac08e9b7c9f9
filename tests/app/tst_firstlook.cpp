// SPDX-License-Identifier: GPL-3.0-or-later
// What a new player meets first, through the whole program over its store: the main window's
// size and place at the first start, the empty table that says what to do, the dialogs and
// message boxes that open over the main window, and the close question during a match.
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include "app/tablearea.h"
#include "common/modalanswers.h"
#include "common/tempstore.h"
#include "data/settings.h"
#include "programfixture.h"
#include "ui/dialogs/namesdialog.h"
#include "ui/dialogs/speeddialog.h"
#include "ui/table/handwindow.h"
#include "ui/twips.h"
#include "ui/windows/top10dialog.h"

using namespace plumet;
using plumet::test::Run;
using plumet::test::shownWindow;

namespace {

QRect available() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

QSize classicSize() {
    return {px(9525), px(6735)};
}

// The two centres differ by rounding and the window's frame at most (the frame a window
// gets when shown: the offscreen platform's is 2 pixels wide).
bool centredOn(const QRect& window, const QRect& over) {
    return (window.center() - over.center()).manhattanLength() <= 6;
}

}  // namespace

class FirstLookTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<TempStore> dir_;

  private slots:
    void init() { dir_ = std::make_unique<TempStore>(); }
    void cleanup() { dir_.reset(); }

    void firstStart_data();
    void firstStart();
    void emptyTableSaysWhatToDo();
    void windowsOpenOverTheMainWindow_data();
    void windowsOpenOverTheMainWindow();
    void closeQuestionDuringMatch();
};

void FirstLookTest::firstStart_data() {
    QTest::addColumn<QString>("fitCards");  // "awase" stored before the start, or "" for none
    QTest::addColumn<bool>("geometryStored");
    QTest::addColumn<bool>("large");
    QTest::newRow("a new player") << QString() << false << true;
    QTest::newRow("cards fitted, no geometry stored") << "True" << false << true;
    QTest::newRow("classic cards, no geometry stored") << "False" << false << false;
    QTest::newRow("geometry stored") << QString() << true << false;
}

// At the first start the main window opens in the middle of the screen at about three
// quarters of it (never below the classic window, never beyond the screen), arranged, so that
// the cards fitted to it are large; the classic cards keep the classic window, and a stored
// geometry is used as it is.
void FirstLookTest::firstStart() {
    QFETCH(QString, fitCards);
    QFETCH(bool, geometryStored);
    QFETCH(bool, large);
    if (!fitCards.isEmpty()) TempStore::store("awase", fitCards);
    if (geometryStored) {
        for (const auto& [key, twips] :
             {std::pair{"topmdi", 300}, std::pair{"leftmdi", 450}, std::pair{"widthmdi", 10500},
              std::pair{"heightmdi", 7500}})
            TempStore::store(key, QString::number(twips));
    }
    Run run;
    QVERIFY(run.started);
    MainWindow& main = run.main();
    const QRect area = available();
    if (large) {
        const QSize wanted = (area.size() * 3 / 4).expandedTo(classicSize()).boundedTo(area.size());
        const QSize frame = main.frameGeometry().size() - main.size();
        QVERIFY(qAbs(main.frameGeometry().width() - wanted.width()) <= frame.width());
        QVERIFY(qAbs(main.frameGeometry().height() - wanted.height()) <= frame.height());
        QVERIFY(centredOn(main.frameGeometry(), area));
        QVERIFY(area.contains(main.frameGeometry()));
        QVERIFY(main.tableCardHeight() > 0);
        // Arranged for that size: arranging again moves nothing.
        QList<QRect> frames;
        for (const QMdiSubWindow* frame : main.frames()) frames << frame->geometry();
        main.arrangeWhole();
        for (int i = 0; i < frames.size(); ++i) QCOMPARE(main.frames()[i]->geometry(), frames[i]);
        QCOMPARE(main.boardFrame()->geometry().right() + main.playerFrame(2)->width(),
                 main.mdiArea()->viewport()->width() - 1);
    } else if (geometryStored) {
        QCOMPARE(main.pos(), QPoint(px(450), px(300)));
        QCOMPARE(main.size(), QSize(px(10500), px(7500)));
    } else {
        QCOMPARE(main.size(), classicSize());
        QCOMPARE(main.pos(), QPoint(0, 0));
    }
}

// The empty table says "F2 で新規ゲーム", and how to go on with a saved match where one
// exists; the notice goes with the game's windows and comes back with the initial screen.
void FirstLookTest::emptyTableSaysWhatToDo() {
    Run run;
    TableArea* table = run.main().mdiArea();
    const QString newGame = QStringLiteral("F2 で新規ゲーム");
    const QString goOn = QStringLiteral("ｹﾞｰﾑ(G) →「前回の続き」で保存した対戦の続き");
    QCOMPARE(table->shownNotice(), QStringList{newGame});
    // Painted in white on the green table.
    const QImage shown = table->viewport()->grab().toImage();
    bool white = false;
    for (int y = 0; y < shown.height() && !white; ++y) {
        for (int x = 0; x < shown.width() && !white; ++x)
            white = shown.pixel(x, y) == qRgb(255, 255, 255);
    }
    QVERIFY(white);

    run.items().continueMatch->setEnabled(true);
    QCOMPARE(table->shownNotice(), (QStringList{newGame, goOn}));
    run.items().continueMatch->setEnabled(false);

    run.state().flightFrames = 1;
    run.program->session().random().seed(5);
    run.items().newGame->trigger();
    QTRY_VERIFY(acceptsInput(&run.program->session().human()));
    QCOMPARE(table->shownNotice(), QStringList{});
    ModalAnswers answers;
    answers.box(QMessageBox::Ok);
    run.items().backToInitialScreen->trigger();
    QTRY_VERIFY(answers.done());
    QCOMPARE(table->shownNotice(), QStringList{newGame});
}

void FirstLookTest::windowsOpenOverTheMainWindow_data() {
    QTest::addColumn<QString>("which");
    QTest::newRow("names") << "names";
    QTest::newRow("card moving speed") << "speed";
    QTest::newRow("version") << "version";
    QTest::newRow("TOP-10") << "top10";
    QTest::newRow("close question") << "close";
}

// Every window the main window opens stands in its middle, not in the middle of the screen.
void FirstLookTest::windowsOpenOverTheMainWindow() {
    QFETCH(QString, which);
    Run run;
    MainWindow& main = run.main();
    const QRect area = available();
    main.move(area.topLeft() + QPoint(10, 20));
    main.resize(classicSize());
    QTest::qWait(0);
    QVERIFY(!centredOn(main.frameGeometry(), area));
    QRect opened;
    if (which == u"close") {
        ModalAnswers answers;
        answers.box(QMessageBox::Cancel);
        QVERIFY(!main.close());
        QVERIFY(answers.done());
        opened = answers.boxes.at(0).frame;
    } else {
        QWidget* window = nullptr;
        if (which == u"names") {
            run.items().changeNames->trigger();
            window = shownWindow<NamesDialog>();
        } else if (which == u"speed") {
            run.items().moveSpeed->trigger();
            window = shownWindow<SpeedDialog>();
        } else if (which == u"version") {
            run.items().versionInfo->trigger();
            window = shownWindow<TitleWindow>();
        } else {
            run.items().showTop10->trigger();
            window = shownWindow<Top10Dialog>();
        }
        QVERIFY(window);
        opened = window->frameGeometry();
        window->close();
    }
    QVERIFY2(centredOn(opened, main.frameGeometry()),
             qPrintable(QStringLiteral("%1,%2 against %3,%4")
                            .arg(opened.center().x())
                            .arg(opened.center().y())
                            .arg(main.frameGeometry().center().x())
                            .arg(main.frameGeometry().center().y())));
}

// During a match "終了？" says that the match is lost unless it was saved; with no match
// under way it keeps the classic text (see tst_startup).
void FirstLookTest::closeQuestionDuringMatch() {
    Run run;
    run.state().flightFrames = 1;
    run.program->session().random().seed(3);
    run.items().newGame->trigger();
    QTRY_VERIFY(acceptsInput(&run.program->session().human()));
    ModalAnswers answers;
    answers.box(QMessageBox::Cancel);
    QVERIFY(!run.main().close());
    QVERIFY(answers.done());
    QCOMPARE(answers.boxes.at(0).title, QStringLiteral("終了？"));
    QCOMPARE(answers.boxes.at(0).text,
             QStringLiteral("カドリオを\n終了しますか？\n\n"
                            "対戦中の試合は、結果画面の「保存後タイトルへ」で\n"
                            "保存していなければ失われます。"));
    QVERIFY(run.main().isVisible());
}

QTEST_MAIN(FirstLookTest)
#include "tst_firstlook.moc"
