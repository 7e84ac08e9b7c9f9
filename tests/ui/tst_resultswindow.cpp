// SPDX-License-Identifier: GPL-3.0-or-later
// The results window after a game: the score columns, the record of the match, the graphs
// and the graph switch with its remembered choice, and what each button leaves behind.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "common/tempstore.h"
#include "data/store.h"
#include "ui/inputblock.h"
#include "ui/windows/resultswindow.h"
#include "ui/windows/scoregraph.h"

using namespace plumet;

namespace {

const QString kPerGame = QString::fromUtf8(kPerGameGraph);
const QString kCumulative = QString::fromUtf8(kCumulativeGraph);

ResultsWindow::Sources sources() {
    return {[](int p) { return QStringLiteral("player%1").arg(p); },
            [] { return QStringLiteral(" 2 位 / あがり！"); }};
}

// A match after game `gameNumber`, with this game's points and the totals given.
GameState match(int gameNumber, PlayerInts points, PlayerInts totals) {
    GameState state;
    state.gameNumber = static_cast<std::int16_t>(gameNumber);
    state.gamePoints = points;
    state.score = totals;
    for (int g = 1; g < gameNumber; ++g) {
        state.humanGamePoints[g] = static_cast<std::int16_t>(10 * g);
        state.humanGamePlaces[g] = " 1 位 / あがり！";
    }
    return state;
}

bool blue(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == ScoreGraph::kInk;
}

QImage graph(QSize size, GraphKind kind, const GameHistory& history, int games) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    ScoreGraph::paint(painter, size, kind, history, games);
    return image;
}

}  // namespace

class TestResults : public QObject {
    Q_OBJECT

    std::unique_ptr<TempStore> dir_;
    std::unique_ptr<Store> store_;

  private slots:
    void init() {
        dir_ = std::make_unique<TempStore>();
        store_ = std::make_unique<Store>();
    }
    void cleanup() {
        store_.reset();
        dir_.reset();
    }

    void numberField_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("text");
        QTest::newRow("one digit") << 5 << 3 << "  5";
        QTest::newRow("three digits") << 123 << 3 << "123";
        QTest::newRow("four digits shown whole") << 1234 << 3 << "1234";
        QTest::newRow("negative") << -5 << 3 << " -5";
        QTest::newRow("negative, longer than the field") << -123 << 3 << "-123";
        QTest::newRow("game points") << 18 << 4 << "  18";
        QTest::newRow("zero") << 0 << 4 << "   0";
    }
    void numberField() {
        QFETCH(int, value);
        QFETCH(int, width);
        QFETCH(QString, text);
        QCOMPARE(plumet::numberField(value, width), text);
    }

    // After the first game: captions, columns, one record row, the cumulative graph.
    void firstGame() {
        GameState state = match(1, {0, 18, 10, 4, 0}, {0, 18, 10, 4, 1234});
        QPointer<ResultsWindow> window = ResultsWindow::open(state, *store_, sources(), false);
        QVERIFY(window->isVisible());
        QVERIFY(acceptsInput(window));
        QCOMPARE(window->windowTitle(), QStringLiteral(" 1 回戦終了"));
        QCOMPARE(window->button(ResultsWindow::Button::Proceed)->text(),
                 QStringLiteral(" 2 回戦に進む"));
        QVERIFY(window->button(ResultsWindow::Button::SaveToTitle)->isVisibleTo(window));
        QCOMPARE(window->button(ResultsWindow::Button::SaveToTitle)->text(),
                 QStringLiteral("保存後タイトルへ"));
        QCOMPARE(window->nameLabel(0)->text(), QStringLiteral("　名　前"));
        QCOMPARE(window->gamePointsLabel(0)->text(), QStringLiteral("今回の得点"));
        QCOMPARE(window->totalLabel(0)->text(), QStringLiteral("総得点"));
        QCOMPARE(window->nameLabel(2)->text(), QStringLiteral("player2"));
        QCOMPARE(window->gamePointsLabel(1)->text(), QStringLiteral("  18 点"));
        QCOMPARE(window->gamePointsLabel(4)->text(), QStringLiteral("   0 点"));
        QCOMPARE(window->totalLabel(3)->text(), QStringLiteral("  4 点"));
        QCOMPARE(window->totalLabel(4)->text(), QStringLiteral("1234 点"));
        QCOMPARE(window->recordHeadLabel()->text(), QStringLiteral("得点　　 順位 /  結 果"));

        QCOMPARE(state.humanGamePoints[1], 18);
        QCOMPARE(state.humanGamePlaces[1], std::string(" 2 位 / あがり！"));
        QCOMPARE(window->gameNumberLabel(0)->text(), QStringLiteral("1"));
        QCOMPARE(window->recordPointsLabel(0)->text(), QStringLiteral("  18 点"));
        QCOMPARE(window->recordPlaceLabel(0)->text(), QStringLiteral(" 2 位 / あがり！"));
        for (int k = 1; k < 10; ++k) {
            QVERIFY(window->recordPointsLabel(k)->text().isEmpty());
            QVERIFY(window->recordPlaceLabel(k)->text().isEmpty());
        }
        // No graph was chosen yet: the cumulative one.
        QCOMPARE(window->graphCaptionLabel()->text(), kCumulative);
        QCOMPARE(window->button(ResultsWindow::Button::SwitchGraph)->text(),
                 QStringLiteral("各計グラフへ"));
        QVERIFY(!window->graph()->pixmap().isNull());
        window->proceed();
    }

    // Records of earlier games (a continued match) come from humanGamePoints and humanGamePlaces.
    void recordOfEarlierGames() {
        GameState state = match(4, {0, 5, 18, 10, 4}, {0, 65, 50, 40, 30});
        QPointer<ResultsWindow> window = ResultsWindow::open(state, *store_, sources(), false);
        QCOMPARE(window->recordPointsLabel(2)->text(), QStringLiteral("  30 点"));
        QCOMPARE(window->recordPlaceLabel(2)->text(), QStringLiteral(" 1 位 / あがり！"));
        QCOMPARE(window->recordPointsLabel(3)->text(), QStringLiteral("   5 点"));
        QVERIFY(window->recordPointsLabel(4)->text().isEmpty());
        window->proceed();
    }

    // The graph last shown is shown again; switching twice returns to it.
    void graphChoice_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("button");
        QTest::newRow("none stored") << QString() << kCumulative << "各計グラフへ";
        QTest::newRow("per game") << kPerGame << kPerGame << "累計グラフへ";
        QTest::newRow("cumulative") << kCumulative << kCumulative << "各計グラフへ";
        QTest::newRow("hand-edited") << "xyz" << kCumulative << "各計グラフへ";
    }
    void graphChoice() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, button);
        if (!stored.isNull()) store_->save(u"form2", u"gurahu", stored);
        GameState state = match(2, {0, 4, 10, 18, 0}, {0, 14, 20, 28, 10});
        QPointer<ResultsWindow> window = ResultsWindow::open(state, *store_, sources(), false);
        QCOMPARE(window->graphCaptionLabel()->text(), shown);
        QCOMPARE(window->button(ResultsWindow::Button::SwitchGraph)->text(), button);

        const QImage first = window->graph()->pixmap().toImage();
        window->switchGraph();
        const QString other = shown == kPerGame ? kCumulative : kPerGame;
        QCOMPARE(window->graphCaptionLabel()->text(), other);
        QVERIFY(window->graph()->pixmap().toImage() != first);
        window->switchGraph();
        QCOMPARE(window->graphCaptionLabel()->text(), shown);
        QCOMPARE(window->button(ResultsWindow::Button::SwitchGraph)->text(), button);
        QCOMPARE(window->graph()->pixmap().toImage(), first);

        // Leaving by the next game remembers the graph shown last.
        window->switchGraph();
        window->proceed();
        QCOMPARE(store_->get(u"form2", u"gurahu", {}), other);
    }

    void nextGame() {
        GameState state = match(3, {0, 4, 10, 18, 0}, {0, 14, 20, 28, 10});
        QPointer<ResultsWindow> window = ResultsWindow::open(state, *store_, sources(), false);
        QSignalSpy next(window.data(), &ResultsWindow::nextGame);
        QSignalSpy over(window.data(), &ResultsWindow::matchOver);
        window->close();  // the close box does nothing
        QVERIFY(window->isVisible());
        QTest::mouseClick(window->button(ResultsWindow::Button::Proceed), Qt::LeftButton);
        QCOMPARE(next.count(), 1);
        QCOMPARE(over.count(), 0);
        QCOMPARE(state.gameNumber, 3);
        QTRY_VERIFY(window.isNull());
        QVERIFY(!store_->contains(u"form2", u"sp"));
    }

    // Enter is the default button, proceed, wherever the keyboard is in the window; Esc does
    // nothing (there is no cancel, only the buttons close the window).
    void keys_data() {
        QTest::addColumn<bool>("matchOver");
        QTest::newRow("after game 3") << false;
        QTest::newRow("after game 10") << true;
    }
    void keys() {
        QFETCH(bool, matchOver);
        GameState state = match(matchOver ? 10 : 3, {0, 4, 10, 18, 0}, {0, 14, 20, 28, 10});
        QPointer<ResultsWindow> window = ResultsWindow::open(state, *store_, sources(), matchOver);
        QSignalSpy next(window.data(), &ResultsWindow::nextGame);
        QSignalSpy over(window.data(), &ResultsWindow::matchOver);
        QVERIFY(window->button(ResultsWindow::Button::Proceed)->isDefault());
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(window->isVisible());
        window->button(ResultsWindow::Button::SwitchGraph)->setFocus();
        const QString graph = window->graphCaptionLabel()->text();
        QTest::keyClick(window->button(ResultsWindow::Button::SwitchGraph),
                        Qt::Key_Space);  // the focused button
        QVERIFY(window->graphCaptionLabel()->text() != graph);
        QCOMPARE(next.count() + over.count(), 0);
        QTest::keyClick(window->button(ResultsWindow::Button::SwitchGraph), Qt::Key_Return);
        QCOMPARE(next.count(), matchOver ? 0 : 1);
        QCOMPARE(over.count(), matchOver ? 1 : 0);
        QTRY_VERIFY(window.isNull());
    }

    void endOfMatch() {
        GameState state = match(10, {0, 4, 10, 18, 0}, {0, 140, 200, 280, 100});
        QPointer<ResultsWindow> window = ResultsWindow::open(state, *store_, sources(), true);
        QCOMPARE(window->windowTitle(), QStringLiteral("ゲーム終了"));
        QCOMPARE(window->button(ResultsWindow::Button::Proceed)->text(),
                 QStringLiteral("ゲーム終了"));
        QVERIFY(!window->button(ResultsWindow::Button::SaveToTitle)->isVisibleTo(window));
        QCOMPARE(window->recordPointsLabel(9)->text(), QStringLiteral("   4 点"));
        QSignalSpy over(window.data(), &ResultsWindow::matchOver);
        QTest::mouseClick(window->button(ResultsWindow::Button::Proceed), Qt::LeftButton);
        QCOMPARE(over.count(), 1);
        QCOMPARE(state.gameNumber, 0);
        QCOMPARE(state.score[1], 140);  // the TOP-10 entry still needs it
    }

    // "保存後タイトルへ" stores the match after this game with the graph shown.
    void saveAndTitle() {
        GameState state = match(3, {0, 4, 10, 18, 0}, {0, 12, 30, 4, 18});
        state.starter = 2;
        state.streak = 1;
        QPointer<ResultsWindow> window = ResultsWindow::open(state, *store_, sources(), false);
        window->switchGraph();
        QSignalSpy saved(window.data(), &ResultsWindow::saved);
        QTest::mouseClick(window->button(ResultsWindow::Button::SaveToTitle), Qt::LeftButton);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(state.gameNumber, 0);
        QCOMPARE(state.savedGameNumber, 3);
        const auto stored = [this](const char* key) {
            return store_->get(u"form2", QString::fromLatin1(key), QStringLiteral("?"));
        };
        QCOMPARE(stored("sp"), QStringLiteral("3"));
        QCOMPARE(stored("p2"), QStringLiteral("30"));
        QCOMPARE(stored("tp"), QStringLiteral("12"));
        QCOMPARE(stored("right"), QStringLiteral("325457"));
        QCOMPARE(stored("tenka3"), QStringLiteral("4"));
        QCOMPARE(stored("tenjun3"), QStringLiteral(" 2 位 / あがり！"));
        QCOMPARE(stored("gurahu"), kPerGame);
        QTRY_VERIFY(window.isNull());
    }

    // The engraved grid: a white line over a black one, every 10 points per game.
    void grid() {
        const QImage image = graph({242, 220}, GraphKind::PerGame, {}, 0);
        const int x = 11;  // half a column: no vertical line there
        QCOMPARE(image.pixelColor(x, 214), QColor(Qt::white));
        QCOMPARE(image.pixelColor(x, 215), QColor(Qt::black));
        QCOMPARE(image.pixelColor(x, 194), QColor(Qt::white));  // 10 points up: 214 - 20
        QCOMPARE(image.pixelColor(x, 195), QColor(Qt::black));
        QCOMPARE(image.pixelColor(x, 205), ScoreGraph::kBackground);
        QCOMPARE(image.pixelColor(21, 100), QColor(Qt::white));  // u - 1 of column 1
        QCOMPARE(image.pixelColor(22, 100), QColor(Qt::black));
        QCOMPARE(image.pixelColor(241, 219), ScoreGraph::kBackground);
    }

    // Bars of games 1..games, 2 pixels a point here, from the bottom line up; a bar taller
    // than the picture is cut off at its top.
    void bars() {
        GameHistory history{};
        history[1] = 50;
        history[2] = 150;
        history[3] = 30;
        const QImage image = graph({242, 220}, GraphKind::PerGame, history, 2);
        QVERIFY(blue(image, 22, 165));  // inside the first bar (215 .. 115)
        QVERIFY(blue(image, 22 - 7, 120));
        QVERIFY(!blue(image, 22 - 8, 165));
        QVERIFY(!blue(image, 22, 60));   // above it
        QVERIFY(blue(image, 44, 0));     // 150 points: up to the top and beyond
        QVERIFY(!blue(image, 66, 200));  // game 3 is not drawn yet
    }

    // The running total: a line from the bottom left through a circle per game.
    void cumulativeLine() {
        GameHistory history{};
        history[1] = 200;
        history[2] = 100;
        const QImage image = graph({242, 220}, GraphKind::Cumulative, history, 2);
        // Game 1 at (22, 175), game 2 at (44, 155); circles of radius 2.
        QVERIFY(blue(image, 11, 195));  // the line from (0, 215)
        QVERIFY(blue(image, 22, 177));
        QVERIFY(blue(image, 24, 175));
        QVERIFY(blue(image, 44, 157));
        QVERIFY(!blue(image, 66, 150));
        // A total beyond 1000 runs off the top without harm.
        history[3] = 900;
        const QImage high = graph({242, 220}, GraphKind::Cumulative, history, 3);
        QVERIFY(blue(high, 44, 157));
    }

    // Ten games at the window's own graph size: no two printed numbers overlap, whatever the
    // points, and the last game's number is always there.
    void numbersKeepApart_data() {
        QTest::addColumn<QList<int>>("points");
        QTest::newRow("a match") << QList<int>{28, 12, 4, 35, 18, 10, 40, 22, 19, 31};
        QTest::newRow("even") << QList<int>{20, 20, 20, 20, 20, 20, 20, 20, 20, 20};
        QTest::newRow("high") << QList<int>{95, 99, 90, 97, 99, 92, 98, 96, 99, 99};
        QTest::newRow("none") << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("up and down") << QList<int>{60, 0, 55, 2, 70, 1, 66, 0, 58, 3};
    }
    void numbersKeepApart() {
        QFETCH(QList<int>, points);
        GameHistory history{};
        for (int g = 1; g <= 10; ++g) history[g] = static_cast<std::int16_t>(points[g - 1]);
        GameState state;
        const ResultsWindow window(state, *store_, sources());
        const QSize size = window.graph()->contentsRect().size();
        for (GraphKind kind : {GraphKind::Cumulative, GraphKind::PerGame}) {
            const std::vector<GraphNumber> numbers =
                ScoreGraph::numbers(size, kind, history, 10, QApplication::font());
            QVERIFY(!numbers.empty());
            QCOMPARE(numbers.back().game, 10);
            for (std::size_t i = 0; i < numbers.size(); ++i) {
                QVERIFY(numbers[i].font.pointSize() <= ScoreGraph::kNumberPoints);
                for (std::size_t j = i + 1; j < numbers.size(); ++j) {
                    QVERIFY2(
                        !numbers[i].box.intersects(numbers[j].box),
                        qPrintable(numbers[i].text + QStringLiteral(" over ") + numbers[j].text));
                }
            }
        }
    }

    // Where there is room the numbers are printed whole at 9 points: the first games.
    void numbersWithRoom() {
        GameHistory history{};
        history[1] = 28;
        history[2] = 12;
        const std::vector<GraphNumber> numbers = ScoreGraph::numbers(
            {248, 143}, GraphKind::Cumulative, history, 2, QApplication::font());
        QCOMPARE(numbers.size(), std::size_t(2));
        QCOMPARE(numbers[0].text, QStringLiteral(" 28"));
        QCOMPARE(numbers[1].text, QStringLiteral(" 40"));
        QCOMPARE(numbers[1].font.pointSize(), ScoreGraph::kNumberPoints);
    }
};

QTEST_MAIN(TestResults)
#include "tst_resultswindow.moc"
