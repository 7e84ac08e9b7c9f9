// SPDX-License-Identifier: GPL-3.0-or-later
// Cards fitted to the windows ("カードを窓に合わせる") with the game's own card set: at every
// window size the board's cards never overlap and are as large as the board holds, the hands
// stay inside their windows and overlap only as the hand layout spreads them, the card size
// grows with the window, the arrangement reaches its sizes in one pass, a resize renders each
// card once and a flight renders nothing and ends on the board at the fitted size, and the
// option can be switched at any time, the classic layout coming back at once.
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include "tablefixture.h"
#include "ui/cards/cardimages.h"
#include "ui/dialogs/cardchooser.h"

using namespace plumet;
using plumet::test::Game;
using plumet::test::Seat;

namespace {

const QString kData = QStringLiteral(PLUMET_BUILD_DATA_DIR);

// A game over the game's own cards with the option on (it is on for a new player).
struct FittedGame : Game {
    FittedGame() : Game(kData) { main->setFitCards(true); }

    // Starts a game and waits for the human's first turn, the pictures made.
    void startAndWait(std::uint64_t seed) {
        start(seed);
        QVERIFY(waitForHuman(gamesEnded));
        QTest::qWait(0);
    }
};

QRect rectOf(const QWidget* widget) {
    return {widget->pos(), widget->size()};
}

// The board: every card of the 52 at its place at the fitted size, no two overlapping, the
// first and last rows and columns on the window's edges, and the cards as large as the board
// holds.
void verifyBoard(Game& game) {
    BoardWindow& board = game.session->board();
    const CardPicture* reference = board.picture(0);
    const QSize card = reference->size();
    QVERIFY(reference->drawnHeight() > 0);
    QCOMPARE(card, reference->sizeAt(reference->drawnHeight()));
    QList<QRect> cards;
    for (int c = 1; c <= 52; ++c) {
        const QPointF pos = board.cardPos(c);
        QCOMPARE(board.picture(c)->pos(), pxPoint(pos.x(), pos.y()));
        QCOMPARE(board.picture(c)->size(), card);
        cards << rectOf(board.picture(c));
    }
    for (int i = 0; i < cards.size(); ++i)
        for (int j = i + 1; j < cards.size(); ++j)
            if (cards[i].intersects(cards[j]))
                QFAIL(qPrintable(QStringLiteral("cards %1 and %2 overlap").arg(i + 1).arg(j + 1)));
    const QRect inside(QPoint(0, 0), board.size());
    QCOMPARE(cards.first().topLeft(), QPoint(0, 0));
    QVERIFY(qAbs(cards.last().right() - inside.right()) <= 1);
    QVERIFY(qAbs(cards.last().bottom() - inside.bottom()) <= 1);
    // One pixel more and the rows or the columns would overlap.
    QVERIFY(!BoardWindow::holds(board.size(), reference->sizeAt(reference->drawnHeight() + 1)));
}

// A hand: its shown cards inside the window, evenly spaced from the labels' room on along the
// run (1000 twips, or a card's width when that is more); where neighbours overlap, they are
// spread as the hand layout spreads a hand of the cards held now or of more (the hand shrinks
// from its end as cards are laid). The four status lines stand whole inside the window, before
// the first card, in a font at least as large as the classic one.
void verifyHand(Game& game, int player) {
    PlayerWindow& playerWindow = game.session->window(player);
    const GameState& s = game.state();
    const bool human = player == kHuman;
    const bool down = player == 2 || player == 4;
    const int count = s.handCount[player];
    const int shown = human ? count + 1 : count;  // the human's pass card after the hand
    const QSize card = playerWindow.picture(1)->size();
    QCOMPARE(card, playerWindow.picture(1)->sizeAt(playerWindow.picture(1)->drawnHeight()));
    const QRect inside(QPoint(0, 0), playerWindow.size());
    QList<int> along;
    for (int i = 1; i <= shown; ++i) {
        const QRect r = rectOf(playerWindow.picture(i));
        QCOMPARE(r.size(), card);
        if (!inside.contains(r))
            QFAIL(qPrintable(
                QStringLiteral("player %1's card %2 leaves the window").arg(player).arg(i)));
        along << (down ? r.top() : r.left());
    }
    const double labels = playerWindow.labelRoom(card);
    QVERIFY(labels >= 1000 && labels >= tw(card.width()) - 1);
    for (StatusLine line :
         {StatusLine::Heading, StatusLine::Score, StatusLine::Status, StatusLine::PassesOrPlace}) {
        const QLabel* label = playerWindow.statusLabel(line);
        const QRect r = rectOf(label);
        QVERIFY2(
            inside.contains(r),
            qPrintable(
                QStringLiteral("player %1's label %2 is clipped").arg(player).arg(label->text())));
        QVERIFY(label->sizeHint().width() <= r.width());
        QVERIFY((down ? r.bottom() : r.right()) < px(labels));
        QVERIFY(label->font().pixelSize() >=
                PlayerWindow::statusFont(playerWindow.font()).pixelSize());
    }
    if (shown < 2) return;
    QVERIFY(qAbs(along.first() - px(labels)) <= 1);
    const int step = along[1] - along[0];
    for (int i = 2; i < shown; ++i) QVERIFY(qAbs(along[i] - along[i - 1] - step) <= 1);
    const int cardLength = down ? card.height() : card.width();
    if (step >= cardLength) return;
    // Overlapping: the spread of n cards for some n from those held now up to a full hand.
    const double room =
        tw(down ? playerWindow.height() : playerWindow.width()) - labels - tw(cardLength);
    bool spread = false;
    for (int n = count; n <= kMaxHand && !spread; ++n)
        spread = qAbs(tw(step) - room / (human ? n : n - 1)) <= tw(1);
    QVERIFY2(
        spread,
        qPrintable(
            QStringLiteral("player %1's cards overlap at a step of %2 px").arg(player).arg(step)));
}

void resizeMain(Game& game, QSize size) {
    game.main->resize(size);
    QTest::qWait(0);
}

// Every card picture of the table.
QList<const CardPicture*> allPictures(Game& game) {
    QList<const CardPicture*> pictures;
    for (int c = 0; c <= kJoker; ++c) pictures << game.session->board().picture(c);
    for (int p = 1; p <= kPlayers; ++p) {
        const PlayerWindow& playerWindow = game.session->window(p);
        for (int i = 1; i <= playerWindow.pictureCount(); ++i) pictures << playerWindow.picture(i);
    }
    return pictures;
}

// The different pictures the table shows now: file and size.
int distinctPictures(Game& game) {
    QSet<QString> shown;
    for (const CardPicture* picture : allPictures(game)) {
        if (picture->imageFile().isEmpty()) continue;
        shown << QStringLiteral("%1 %2x%3")
                     .arg(picture->imageFile())
                     .arg(picture->width())
                     .arg(picture->height());
    }
    return shown.size();
}

// Geometry of every child window and the height of every window's cards.
struct TableShape {
    QList<QRect> frames;
    QList<int> heights;
    bool operator==(const TableShape&) const = default;
};

TableShape shapeOf(Game& game) {
    TableShape shape;
    for (const QMdiSubWindow* frame : game.main->frames()) shape.frames << frame->geometry();
    shape.heights << game.session->board().picture(0)->drawnHeight();
    for (int p = 1; p <= kPlayers; ++p)
        shape.heights << game.session->window(p).picture(1)->drawnHeight();
    return shape;
}

}  // namespace

class FitCardsTest : public QObject {
    Q_OBJECT
  private slots:
    void menuItem();
    void layoutAtWindowSizes_data();
    void layoutAtWindowSizes();
    void cardsGrowWithTheWindow();
    void statusLinesGrowWithTheCards();
    void arrangementInOnePass_data();
    void arrangementInOnePass();
    void switchedDuringMatch();
    void resizeRendersOnce();
    void flightEndsOnTheFittedBoard();
    void chooserShowsTheShippedSet();
};

void FitCardsTest::menuItem() {
    Game game;
    const QList<QAction*> items = game.main->items().optionMenu->actions();
    QAction* fit = game.main->items().fitCards;
    QCOMPARE(items.indexOf(fit), items.indexOf(game.main->items().cardFrames) + 1);
    QCOMPARE(fit->objectName(), QStringLiteral("mnuawase"));
    QCOMPARE(fit->text(), QStringLiteral("カードを窓に合わせる"));
    QVERIFY(fit->isCheckable());
    // The classic fixture keeps it off; a new player has it on.
    QVERIFY(!fit->isChecked());
    QVERIFY(Options().fitCards);
    fit->trigger();
    QVERIFY(game.main->options().fitCards);
    QVERIFY(fit->isChecked());
}

void FitCardsTest::layoutAtWindowSizes_data() {
    QTest::addColumn<QSize>("window");  // the main window, pixels
    QTest::newRow("first run") << QSize(px(9525), px(6735));
    QTest::newRow("640 x 480") << QSize(640, 480);
    QTest::newRow("1024 x 768") << QSize(1024, 768);
    QTest::newRow("1280 x 1024") << QSize(1280, 1024);
    QTest::newRow("1920 x 1080") << QSize(1920, 1080);
    QTest::newRow("wide and low") << QSize(1900, 600);
    QTest::newRow("narrow and high") << QSize(700, 1100);
}

void FitCardsTest::layoutAtWindowSizes() {
    QFETCH(QSize, window);
    FittedGame game;
    resizeMain(game, window);
    game.startAndWait(7);
    verifyBoard(game);
    for (int p = 1; p <= kPlayers; ++p) verifyHand(game, p);
    // Resized during the game: fitted again and laid out again.
    resizeMain(game, window * 3 / 4);
    verifyBoard(game);
    for (int p = 1; p <= kPlayers; ++p) verifyHand(game, p);
}

void FitCardsTest::cardsGrowWithTheWindow() {
    FittedGame game;
    const QSize firstRun(px(9525), px(6735));
    resizeMain(game, firstRun);
    game.startAndWait(1);
    const int firstWidth = game.session->board().picture(0)->width();
    int last = 0;
    for (const QSize size : {QSize(800, 600), QSize(1024, 768), QSize(1280, 1024),
                             QSize(1600, 1000), QSize(1920, 1080)}) {
        resizeMain(game, size);
        const int height = game.session->board().picture(0)->drawnHeight();
        QVERIFY2(
            height > last,
            qPrintable(
                QStringLiteral("%1 at %2 x %3").arg(height).arg(size.width()).arg(size.height())));
        last = height;
        // The board and the hands above and below it hold cards of the height the windows
        // were arranged for (the board sometimes one pixel more); the reference pictures
        // report the size drawn.
        const int table = game.main->tableCardHeight();
        QVERIFY(height == table || height == table + 1);
        QCOMPARE(game.session->board().picture(0)->height(), height);
        for (int p : {1, 3}) QCOMPARE(game.session->window(p).picture(1)->height(), table);
    }
    // Filling a 1920 x 1080 screen the cards are drawn at least 1.7 times as wide as in the
    // window of the first run.
    const int largeWidth = game.session->board().picture(0)->width();
    QVERIFY2(largeWidth >= 1.7 * firstWidth,
             qPrintable(QStringLiteral("%1 against %2").arg(largeWidth).arg(firstWidth)));
}

// The status lines grow with the fitted cards, and keep their classic size with the option
// off.
void FitCardsTest::statusLinesGrowWithTheCards() {
    FittedGame game;
    resizeMain(game, QSize(px(9525), px(6735)));
    game.startAndWait(2);
    const auto sizes = [&game] {
        QList<int> pixels;
        for (int p = 1; p <= kPlayers; ++p)
            pixels << game.session->window(p).statusLabel(StatusLine::Status)->font().pixelSize();
        return pixels;
    };
    const QList<int> small = sizes();
    resizeMain(game, QSize(1920, 1080));
    const QList<int> large = sizes();
    for (int p = 1; p <= kPlayers; ++p) {
        verifyHand(game, p);
        QVERIFY2(large[p - 1] >= small[p - 1] * 3 / 2,
                 qPrintable(QStringLiteral("player %1: %2 px at 1920 x 1080, %3 px in the first "
                                           "run's window")
                                .arg(p)
                                .arg(large[p - 1])
                                .arg(small[p - 1])));
    }
    game.main->setFitCards(false);
    const int classic = PlayerWindow::statusFont(game.human().font()).pixelSize();
    QCOMPARE(sizes(), QList<int>(kPlayers, classic));
    for (int p = 1; p <= kPlayers; ++p) {
        const PlayerWindow& playerWindow = game.session->window(p);
        QCOMPARE(playerWindow.labelRoom(playerWindow.picture(1)->size()), 1000.0);
        QCOMPARE(playerWindow.statusLabel(StatusLine::Heading)->pos(), pxPoint(100, 100));
    }
}

void FitCardsTest::arrangementInOnePass_data() {
    QTest::addColumn<QSize>("window");
    QTest::newRow("first run") << QSize(px(9525), px(6735));
    QTest::newRow("1280 x 1024") << QSize(1280, 1024);
    QTest::newRow("1920 x 1080") << QSize(1920, 1080);
}

void FitCardsTest::arrangementInOnePass() {
    QFETCH(QSize, window);
    FittedGame game;
    game.startAndWait(3);
    resizeMain(game, window);
    // The arrangement sizes the windows from the drawn card size...
    const MainWindow& main = *game.main;
    const int height = main.tableCardHeight();
    for (int p : {2, 4}) {
        const QSize card = game.session->window(p).picture(1)->sizeAt(height);
        QCOMPARE(main.playerFrame(p)->width(), px(std::max(tw(card.width()) + 60, 1000.0)));
    }
    QCOMPARE(game.session->window(3).height(),
             px(std::max(tw(game.session->window(3).picture(1)->sizeAt(height).height()), 900.0)));
    // (the human's window is at least 900 twips high: small cards may be drawn larger there)
    QVERIFY(game.session->human().picture(1)->height() >= height);
    // ... and arranging again changes nothing: the sizes were reached in one pass.
    const TableShape once = shapeOf(game);
    game.main->items().arrangeWhole->trigger();
    QTest::qWait(0);
    QCOMPARE(shapeOf(game), once);
    // Around the board: the board stays, the cards take the size it holds, and the windows
    // around it (and the main window, under 勝手に整列) are fitted to them for good.
    game.main->showNormal();
    game.main->boardFrame()->resize(game.main->boardFrame()->size() * 9 / 10);
    game.main->items().arrangeAroundBoard->trigger();
    QTest::qWait(0);
    verifyBoard(game);
    const TableShape around = shapeOf(game);
    game.main->items().arrangeWhole->trigger();
    QTest::qWait(0);
    QCOMPARE(shapeOf(game), around);
}

void FitCardsTest::switchedDuringMatch() {
    FittedGame game;
    resizeMain(game, QSize(1280, 1000));
    game.startAndWait(5);
    QAction* fit = game.main->items().fitCards;
    // Not part of the match lock.
    QVERIFY(!game.main->items().aceKing->isEnabled());
    QVERIFY(fit->isEnabled());
    const int fitted = game.session->board().picture(0)->height();
    fit->trigger();
    QVERIFY(!game.main->options().fitCards);
    // Off: every picture at its own size with its frame, laid out again at once.
    for (const CardPicture* picture : allPictures(game)) {
        QCOMPARE(picture->drawnHeight(), 0);
        QCOMPARE(picture->size(), picture->naturalSize() + QSize(4, 4));
    }
    for (int c = 1; c <= 52; ++c) {
        const QPointF pos = game.session->board().cardPos(c);
        QCOMPARE(game.session->board().picture(c)->pos(), pxPoint(pos.x(), pos.y()));
    }
    for (int p = 1; p <= kPlayers; ++p) verifyHand(game, p);
    fit->trigger();
    QCOMPARE(game.session->board().picture(0)->height(), fitted);
    verifyBoard(game);
    for (int p = 1; p <= kPlayers; ++p) verifyHand(game, p);
}

void FitCardsTest::resizeRendersOnce() {
    FittedGame game;
    resizeMain(game, QSize(1000, 750));
    game.startAndWait(9);
    CardImages& images = CardImages::shared();
    int before = images.renders();
    // A resize in one step moves and resizes every window several times: each picture the
    // table shows is made once, at its final size.
    resizeMain(game, QSize(1500, 1050));
    QCOMPARE(images.renders() - before, distinctPictures(game));
    // Sizes seen before come from the cache.
    before = images.renders();
    resizeMain(game, QSize(1000, 750));
    resizeMain(game, QSize(1500, 1050));
    QCOMPARE(images.renders() - before, 0);
}

void FitCardsTest::flightEndsOnTheFittedBoard() {
    FittedGame game;
    resizeMain(game, QSize(1600, 1000));
    std::array<Seat, kPlayers + 1> seats;
    seats[1].hand = {9, 11};
    seats[2].hand = {8, 12};
    seats[3].hand = {13, 1};
    seats[4].hand = {10, 2};
    plumet::test::setTable(game, JokerMode::None, seats);
    QTest::qWait(0);
    game.state().flightFrames = 16;
    const CardImages& images = CardImages::shared();
    for (int p = 1; p <= kPlayers; ++p) {
        const int before = images.renders();
        const int card = game.state().hand[p][1];
        game.session->window(p).cardFlight(card, 1);
        QCOMPARE(images.renders(), before);  // no frame of the flight renders
        const CardPicture* flown = game.session->board().picture(card);
        const QPointF target = game.session->board().cardPos(card);
        QCOMPARE(flown->pos(), pxPoint(target.x(), target.y()));
        QCOMPARE(flown->size(), game.session->board().picture(0)->size());
        QCOMPARE(flown->drawnHeight(), game.main->tableCardHeight());
    }
}

void FitCardsTest::chooserShowsTheShippedSet() {
    // The game's own set is a set like any other: it can be chosen, and its preview shows.
    for (int mode : {1, 2, 3}) {
        auto* chooser = new CardChooser(mode, kData);
        chooser->open();
        QCOMPARE(chooser->selectedFolder(), kData);
        QVERIFY(chooser->findChild<QPushButton*>(QStringLiteral("Command1"))->isEnabled());
        const QPixmap preview = chooser->findChild<QLabel*>(QStringLiteral("Picture1"))->pixmap();
        QCOMPARE(preview.deviceIndependentSize().toSize(), QSize(34, 42));
        delete chooser;
    }
}

QTEST_MAIN(FitCardsTest)
#include "tst_fitcards.moc"
