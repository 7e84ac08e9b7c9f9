// SPDX-License-Identifier: GPL-3.0-or-later
// The window arrangement: the cross of the five child windows over the whole client area
// ("ｳｨﾝﾄﾞ全体に整列") and around the board ("場を中心に整列"), the automatic arrangement
// ("勝手に整列") with the counter that keeps the nested runs from undoing each other, the
// toolbar switch and the maximised main window. Geometry is compared in twips with a
// tolerance of one pixel where rounding applies.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include "gamefixture.h"

using namespace plumet;
using plumet::test::Game;

namespace {

constexpr double kPixel = 15;  // one pixel in twips: the rounding tolerance

struct Box {
    double left, top, width, height;
};

Box boxOf(QMdiSubWindow* window) {
    const QRect r = window->geometry();
    return {tw(r.x()), tw(r.y()), tw(r.width()), tw(r.height())};
}

void setBox(QMdiSubWindow* window, const Box& b) {
    window->setGeometry(pxRect(b.left, b.top, b.width, b.height));
}

// The inner height of a child window as its form sees it.
double clientHeightOf(QMdiSubWindow* window) {
    return tw(window->widget()->height());
}

#define QCOMPARE_TW(actual, expected)                                                         \
    do {                                                                                      \
        const double a_ = (actual);                                                           \
        const double e_ = (expected);                                                         \
        if (std::abs(a_ - e_) > kPixel)                                                       \
            QFAIL(qPrintable(                                                                 \
                QStringLiteral("%1 is %2 twips, expected %3").arg(#actual).arg(a_).arg(e_))); \
    } while (false)

// Outer size of the main window in twips, and setting it.
double outerWidth(const MainWindow& main) {
    return tw(main.frameGeometry().width());
}
double outerHeight(const MainWindow& main) {
    return tw(main.frameGeometry().height());
}
void setOuterSize(MainWindow& main, double width, double height) {
    const QSize frame = main.frameGeometry().size() - main.size();
    main.resize(px(width) - frame.width(), px(height) - frame.height());
}

// The client area the children are arranged in.
double areaWidth(const MainWindow& main) {
    return tw(main.mdiArea()->viewport()->width());
}
double areaHeight(const MainWindow& main) {
    return tw(main.mdiArea()->viewport()->height());
}

// Card pictures of the given sizes (pixels) in the first hand slot of each window.
void setCards(Game& game, QSize face, QSize rightBack, QSize topBack, QSize leftBack) {
    game.human().picture(1)->resize(face);
    game.session->window(2).picture(1)->resize(rightBack);
    game.session->window(3).picture(1)->resize(topBack);
    game.session->window(4).picture(1)->resize(leftBack);
}

// The sizes the arrangement gives, from the card sizes.
double sideWidth(const Game& game, int player) {
    return std::max(tw(game.session->window(player).picture(1)->width()) + 60, 1000.0);
}
double topClient(const Game& game) {
    return std::max(tw(game.session->window(3).picture(1)->height()), 900.0);
}
double bottomClient(const Game& game) {
    return std::max(1.2 * tw(game.session->human().picture(1)->height()), 900.0);
}

// Every child window somewhere off the cross, so that a pass that runs shows.
const Box kScattered[] = {
    {150, 150, 2400, 1800},  // BoardWindow
    {300, 300, 2700, 1200},  // HandWindow
    {450, 450, 1500, 2100},  // player 2
    {600, 600, 2550, 1350},  // player 3
    {750, 750, 1650, 2250},  // player 4
};
void scatter(MainWindow& main) {
    for (int i = 0; i < 5; ++i) setBox(main.frames()[i], kScattered[i]);
}

void showChildren(MainWindow& main) {
    for (QMdiSubWindow* frame : main.frames()) frame->show();
}

// The whole-window cross for the client area now, horizontal and vertical parts.
void verifyHorizontal(const Game& game) {
    const MainWindow& main = *game.main;
    const double w = areaWidth(main);
    const Box right = boxOf(main.playerFrame(2)), left = boxOf(main.playerFrame(4));
    QCOMPARE_TW(left.left, 0);
    QCOMPARE_TW(left.width, sideWidth(game, 4));
    QCOMPARE_TW(right.width, sideWidth(game, 2));
    QCOMPARE_TW(right.left + right.width, w);
    for (QMdiSubWindow* frame : {main.playerFrame(3), main.playerFrame(1), main.boardFrame()}) {
        const Box b = boxOf(frame);
        QCOMPARE_TW(b.left, left.width);
        QCOMPARE_TW(b.left + b.width, right.left);
    }
}

void verifyVertical(const Game& game) {
    const MainWindow& main = *game.main;
    const double h = areaHeight(main);
    for (QMdiSubWindow* frame : {main.playerFrame(4), main.playerFrame(2)}) {
        const Box b = boxOf(frame);
        QCOMPARE_TW(b.top, 0);
        QCOMPARE_TW(b.height, h);
    }
    const Box board = boxOf(main.boardFrame()), bottom = boxOf(main.playerFrame(1)),
              top = boxOf(main.playerFrame(3));
    QCOMPARE_TW(top.top, 0);
    QCOMPARE_TW(clientHeightOf(main.playerFrame(3)), topClient(game));
    QCOMPARE_TW(clientHeightOf(main.playerFrame(1)), bottomClient(game));
    QCOMPARE_TW(bottom.top + bottom.height, h);
    QCOMPARE_TW(board.top, top.height);
    QCOMPARE_TW(board.top + board.height, bottom.top);
}

// Nothing of one direction moved from the scattered boxes.
void verifyUntouched(const MainWindow& main, bool horizontal) {
    for (int i = 0; i < 5; ++i) {
        const Box b = boxOf(main.frames()[i]);
        const Box& was = kScattered[i];
        if (horizontal) {
            QCOMPARE_TW(b.left, was.left);
            QCOMPARE_TW(b.width, was.width);
        } else {
            QCOMPARE_TW(b.top, was.top);
            QCOMPARE_TW(b.height, was.height);
        }
    }
}

// The board-centred cross around the board as it stands.
void verifyAroundBoard(const Game& game) {
    const MainWindow& main = *game.main;
    const Box board = boxOf(main.boardFrame()), bottom = boxOf(main.playerFrame(1)),
              right = boxOf(main.playerFrame(2)), top = boxOf(main.playerFrame(3)),
              left = boxOf(main.playerFrame(4));
    for (const Box& b : {top, bottom}) {
        QCOMPARE_TW(b.left, board.left);
        QCOMPARE_TW(b.width, board.width);
    }
    QCOMPARE_TW(right.left, board.left + board.width);
    QCOMPARE_TW(right.width, sideWidth(game, 2));
    QCOMPARE_TW(left.width, sideWidth(game, 4));
    QCOMPARE_TW(left.left + left.width, board.left);
    QCOMPARE_TW(clientHeightOf(main.playerFrame(3)), topClient(game));
    QCOMPARE_TW(clientHeightOf(main.playerFrame(1)), bottomClient(game));
    QCOMPARE_TW(top.top + top.height, board.top);
    QCOMPARE_TW(bottom.top, board.top + board.height);
    for (const Box& b : {right, left}) {
        QCOMPARE_TW(b.top, top.top);
        QCOMPARE_TW(b.height, top.height + board.height + bottom.height);
    }
}

// Records arrangeStep as each resize of the main window arrives, before the window acts on it.
class StepRecorder : public QObject {
  public:
    StepRecorder(MainWindow& main, const GameState& state) : state_(state) {
        main.installEventFilter(this);
    }
    QList<int> steps;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) steps.append(state_.arrangeStep);
        return QObject::eventFilter(watched, event);
    }

  private:
    const GameState& state_;
};

const QSize kEmptyCard(75, 100);  // the empty card with its sunken frame

}  // namespace

Q_DECLARE_METATYPE(Box)

class ArrangeTest : public QObject {
    Q_OBJECT
  private slots:
    void wholeWindow_data();
    void wholeWindow();
    void wholeWindowOnHiddenChildren();
    void aroundBoardKeepsMainWindow_data();
    void aroundBoardKeepsMainWindow();
    void aroundBoardUnderAutoArrange_data();
    void aroundBoardUnderAutoArrange();
    void aroundBoardWhenAlreadyFitting();
    void userResizeArrangesBothWays();
    void autoArrangeSwitchedOn();
    void toolbarHiddenRearranges();
    void aroundBoardUnavailableWhileMaximised();
};

void ArrangeTest::wholeWindow_data() {
    QTest::addColumn<double>("width");  // outer size of the main window, twips
    QTest::addColumn<double>("height");
    QTest::addColumn<int>("step");  // arrangeStep on entry
    QTest::addColumn<QSize>("face");
    QTest::addColumn<QSize>("rightBack");
    QTest::addColumn<QSize>("topBack");
    QTest::addColumn<QSize>("leftBack");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("vertical");
    const QSize e = kEmptyCard;
    QTest::newRow("default size") << 9525.0 << 6735.0 << 0 << e << e << e << e << true << true;
    QTest::newRow("6000 wide: no horizontal pass")
        << 6000.0 << 7500.0 << 0 << e << e << e << e << false << true;
    QTest::newRow("one pixel over 6000 wide")
        << 6015.0 << 7500.0 << 0 << e << e << e << e << true << true;
    QTest::newRow("6000 high: no vertical pass")
        << 9000.0 << 6000.0 << 0 << e << e << e << e << true << false;
    QTest::newRow("one pixel over 6000 high")
        << 9000.0 << 6015.0 << 0 << e << e << e << e << true << true;
    QTest::newRow("6000 square: nothing")
        << 6000.0 << 6000.0 << 0 << e << e << e << e << false << false;
    QTest::newRow("step 1: both") << 9525.0 << 6735.0 << 1 << e << e << e << e << true << true;
    QTest::newRow("step 2: horizontal only")
        << 9525.0 << 6735.0 << 2 << e << e << e << e << true << false;
    QTest::newRow("step 3: vertical only")
        << 9525.0 << 6735.0 << 3 << e << e << e << e << false << true;
    const QSize small(24, 20);  // 360 x 300 twips: the minimum sizes rule
    QTest::newRow("small cards") << 9525.0 << 6735.0 << 0 << small << small << small << small
                                 << true << true;
    const QSize large(104, 144);  // 1560 x 2160 twips
    QTest::newRow("large cards") << 12000.0 << 10500.0 << 0 << large << large << large << large
                                 << true << true;
    // Each side window takes its own card's width, the top its own card's height.
    QTest::newRow("cards differ per window")
        << 11000.0 << 9000.0 << 0 << QSize(90, 130) << QSize(104, 60) << QSize(50, 80) << small
        << true << true;
}

void ArrangeTest::wholeWindow() {
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(int, step);
    QFETCH(QSize, face);
    QFETCH(QSize, rightBack);
    QFETCH(QSize, topBack);
    QFETCH(QSize, leftBack);
    QFETCH(bool, horizontal);
    QFETCH(bool, vertical);
    Game game;
    game.main->setAutoArrange(false);
    setOuterSize(*game.main, width, height);
    QCOMPARE_TW(outerWidth(*game.main), width);
    QCOMPARE_TW(outerHeight(*game.main), height);
    showChildren(*game.main);
    setCards(game, face, rightBack, topBack, leftBack);
    scatter(*game.main);
    game.state().arrangeStep = static_cast<std::int16_t>(step);
    game.main->arrangeWhole();
    QCOMPARE(game.state().arrangeStep, 0);
    if (horizontal)
        verifyHorizontal(game);
    else
        verifyUntouched(*game.main, true);
    if (vertical)
        verifyVertical(game);
    else
        verifyUntouched(*game.main, false);
}

void ArrangeTest::wholeWindowOnHiddenChildren() {
    // At start-up the arrangement runs before any child window is shown: the client heights
    // must still come out right once the windows appear.
    Game game;
    game.main->setAutoArrange(false);
    setCards(game, QSize(104, 144), kEmptyCard, QSize(104, 144), kEmptyCard);
    scatter(*game.main);
    setOuterSize(*game.main, 12000, 10500);
    game.main->arrangeWhole();
    showChildren(*game.main);
    verifyHorizontal(game);
    verifyVertical(game);
}

void ArrangeTest::aroundBoardKeepsMainWindow_data() {
    QTest::addColumn<Box>("board");
    QTest::addColumn<QSize>("card");
    QTest::newRow("small board stays small") << Box{1500, 1800, 3000, 1500} << kEmptyCard;
    QTest::newRow("large board") << Box{1200, 1500, 7200, 3600} << kEmptyCard;
    QTest::newRow("small cards") << Box{1050, 1200, 4500, 2700} << QSize(24, 20);
    QTest::newRow("large cards") << Box{1800, 2400, 5000, 3000} << QSize(104, 144);
}

void ArrangeTest::aroundBoardKeepsMainWindow() {
    QFETCH(Box, board);
    QFETCH(QSize, card);
    Game game;
    game.main->setAutoArrange(false);
    showChildren(*game.main);
    setCards(game, card, card, card, card);
    scatter(*game.main);
    setBox(game.main->boardFrame(), board);
    const QRect mainBefore = game.main->frameGeometry();
    StepRecorder resizes(*game.main, game.state());
    game.main->items().arrangeAroundBoard->trigger();
    QCOMPARE(game.main->frameGeometry(), mainBefore);
    QVERIFY(resizes.steps.isEmpty());
    const Box placed = boxOf(game.main->boardFrame());
    QCOMPARE_TW(placed.left, board.left);
    QCOMPARE_TW(placed.top, board.top);
    QCOMPARE_TW(placed.width, board.width);
    QCOMPARE_TW(placed.height, board.height);
    verifyAroundBoard(game);
}

void ArrangeTest::aroundBoardUnderAutoArrange_data() {
    QTest::addColumn<Box>("board");
    QTest::addColumn<double>("boardWidth");  // the board's size afterwards
    QTest::addColumn<double>("boardHeight");
    QTest::newRow("small board enlarged") << Box{1500, 1800, 3000, 1500} << 4000.0 << 2500.0;
    QTest::newRow("narrow board widened") << Box{1200, 1500, 3300, 3600} << 4000.0 << 3600.0;
    QTest::newRow("low board heightened") << Box{1200, 1500, 6000, 1800} << 6000.0 << 2500.0;
    QTest::newRow("large board kept") << Box{1200, 1500, 7200, 3600} << 7200.0 << 3600.0;
}

void ArrangeTest::aroundBoardUnderAutoArrange() {
    QFETCH(Box, board);
    QFETCH(double, boardWidth);
    QFETCH(double, boardHeight);
    Game game;
    QVERIFY(game.main->items().autoArrange->isChecked());
    showChildren(*game.main);
    scatter(*game.main);
    setBox(game.main->boardFrame(), board);
    StepRecorder resizes(*game.main, game.state());
    game.main->items().arrangeAroundBoard->trigger();
    // The width fit comes with the counter at 1 (the nested arrangement redoes the horizontal
    // pass only), the height fit with it at 2 (the vertical pass only).
    QCOMPARE(resizes.steps, (QList<int>{1, 2}));
    QCOMPARE(game.state().arrangeStep, 0);
    const Box placed = boxOf(game.main->boardFrame());
    QCOMPARE_TW(placed.width, boardWidth);
    QCOMPARE_TW(placed.height, boardHeight);
    // The main window fits the three columns and the three rows exactly; the nested runs
    // have moved the cross to the client area's corner.
    const Box bottom = boxOf(game.main->playerFrame(1)), right = boxOf(game.main->playerFrame(2)),
              left = boxOf(game.main->playerFrame(4));
    QCOMPARE_TW(areaWidth(*game.main), left.width + bottom.width + right.width);
    QCOMPARE_TW(areaHeight(*game.main), left.height);
    verifyAroundBoard(game);
    verifyHorizontal(game);
    verifyVertical(game);
}

void ArrangeTest::aroundBoardWhenAlreadyFitting() {
    // The second time the main window fits already: no resize comes back, and the counter
    // must not stay raised, or the user's next resize would arrange only one way.
    Game game;
    showChildren(*game.main);
    setBox(game.main->boardFrame(), {1500, 1800, 3000, 1500});
    game.main->items().arrangeAroundBoard->trigger();
    const QRect fitted = game.main->frameGeometry();
    StepRecorder resizes(*game.main, game.state());
    game.main->items().arrangeAroundBoard->trigger();
    QCOMPARE(game.main->frameGeometry(), fitted);
    QVERIFY(resizes.steps.isEmpty());
    QCOMPARE(game.state().arrangeStep, 0);
    scatter(*game.main);
    setOuterSize(*game.main, 11250, 8250);
    QCOMPARE(resizes.steps, (QList<int>{0}));
    verifyHorizontal(game);
    verifyVertical(game);
}

void ArrangeTest::userResizeArrangesBothWays() {
    Game game;
    showChildren(*game.main);
    scatter(*game.main);
    StepRecorder resizes(*game.main, game.state());
    setOuterSize(*game.main, 11250, 8250);
    QCOMPARE(resizes.steps, (QList<int>{0}));
    QCOMPARE(game.state().arrangeStep, 0);
    verifyHorizontal(game);
    verifyVertical(game);
    QVERIFY(game.main->items().arrangeAroundBoard->isEnabled());

    // Without the automatic arrangement a resize leaves the children alone.
    game.main->items().autoArrange->trigger();
    QVERIFY(!game.main->items().autoArrange->isChecked());
    scatter(*game.main);
    setOuterSize(*game.main, 10500, 7500);
    verifyUntouched(*game.main, true);
    verifyUntouched(*game.main, false);
    QCOMPARE(game.state().arrangeStep, 0);
}

void ArrangeTest::autoArrangeSwitchedOn() {
    Game game;
    game.main->items().autoArrange->trigger();  // off: nothing moves
    showChildren(*game.main);
    scatter(*game.main);
    verifyUntouched(*game.main, true);
    verifyUntouched(*game.main, false);
    game.main->items().autoArrange->trigger();  // on: arranged at once
    QVERIFY(game.main->items().autoArrange->isChecked());
    verifyHorizontal(game);
    verifyVertical(game);
}

void ArrangeTest::toolbarHiddenRearranges() {
    Game game;
    game.main->setAutoArrange(false);  // the toolbar switch arranges by itself
    showChildren(*game.main);
    const double before = areaHeight(*game.main);
    game.main->items().toolbarShown->trigger();
    QVERIFY(!game.main->toolbar()->isVisible());
    QCOMPARE_TW(areaHeight(*game.main), before + 405);
    verifyHorizontal(game);
    verifyVertical(game);
    game.main->items().toolbarShown->trigger();
    QVERIFY(game.main->toolbar()->isVisible());
    QCOMPARE_TW(areaHeight(*game.main), before);
    verifyVertical(game);
}

void ArrangeTest::aroundBoardUnavailableWhileMaximised() {
    Game game;
    QAction* around = game.main->items().arrangeAroundBoard;
    QVERIFY(around->isEnabled());
    game.main->showMaximized();
    QTRY_VERIFY(game.main->isMaximized());
    QTRY_VERIFY(!around->isEnabled());
    game.main->showNormal();
    QTRY_VERIFY(!game.main->isMaximized());
    QTRY_VERIFY(around->isEnabled());
    // Also with the automatic arrangement off.
    game.main->items().autoArrange->trigger();
    game.main->showMaximized();
    QTRY_VERIFY(!around->isEnabled());
    game.main->showNormal();
    QTRY_VERIFY(around->isEnabled());
}

QTEST_MAIN(ArrangeTest)
#include "tst_arrange.moc"
