// SPDX-License-Identifier: GPL-3.0-or-later
// The window "成績" on its own, over a store of the test's: the lists and the scope they choose,
// the figures of a record, its contents laid out whole at every size, the keys, and the chart
// drawn from the record at the device pixel ratio.
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "common/tempstore.h"
#include "data/statistics.h"
#include "data/store.h"
#include "ui/windows/statisticschart.h"
#include "ui/windows/statisticswindow.h"

using namespace plumet;
using Figure = StatisticsWindow::Figure;

namespace {

const Rules kReused{false, JokerMode::Reused, 2};

// Ten games at "weak" under kReused: places 1, 1, 1, 2, 2, 3, 4 (dropped out), 4 (joker left),
// 1, 2; the match totals 150.
void playTen(Store& store) {
    const int places[] = {1, 1, 1, 2, 2, 3, 4, 4, 1, 2};
    for (int g = 0; g < 10; ++g) {
        const Outcome outcome = g == 6   ? Outcome::DroppedOut
                                : g == 7 ? Outcome::JokerLeft
                                         : Outcome::WentOut;
        statistics::recordGame(store, QStringLiteral("weak"), kReused,
                               {places[g], outcome, g % 3, 15},
                               g == 9 ? std::optional(150) : std::nullopt);
    }
}

// The length of the run of ink in row y of the image, from x on.
int inkRun(const QImage& image, int y, int x) {
    int length = 0;
    while (x + length < image.width() && image.pixelColor(x + length, y) == StatisticsChart::kInk)
        ++length;
    return length;
}

int firstInk(const QImage& image, int y) {
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) == StatisticsChart::kInk) return x;
    }
    return -1;
}

}  // namespace

class TestStatisticsWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<TempStore> dir_;

  private slots:
    void init() { dir_ = std::make_unique<TempStore>(); }
    void cleanup() { dir_.reset(); }

    void listsChooseTheScope();
    void figuresOfARecord();
    void contentsFitEverySize_data();
    void contentsFitEverySize();
    void keys();
    void chartDrawsTheRecord_data();
    void chartDrawsTheRecord();
};

void TestStatisticsWindow::listsChooseTheScope() {
    Store store;
    StatisticsWindow window(store, QStringLiteral("家族"));
    QCOMPARE(window.windowTitle(), QStringLiteral("成績 － 家族"));
    QCOMPARE(window.strengthList()->count(), 4);
    QCOMPARE(window.strengthList()->itemText(0), QStringLiteral("すべて"));
    QCOMPARE(window.strengthList()->itemText(2), QStringLiteral("ふつう"));
    QCOMPARE(window.rulesList()->count(), 13);
    QVERIFY(!window.scope().strength);
    QVERIFY(!window.scope().rules);
    for (const Rules& rules : statistics::ruleCombinations()) {
        for (const char* strength : statistics::kStrengths) {
            window.setScope({QString::fromLatin1(strength), rules});
            const statistics::Scope chosen = window.scope();
            QCOMPARE(statistics::key(chosen),
                     statistics::key({QString::fromLatin1(strength), rules}));
        }
    }
    window.setScope({});
    QCOMPARE(statistics::key(window.scope()), QStringLiteral("seiseki"));
}

void TestStatisticsWindow::figuresOfARecord() {
    Store store;
    playTen(store);
    statistics::recordAbandoned(store, QStringLiteral("weak"), kReused);
    StatisticsWindow window(store, QStringLiteral("グループ１"));
    const auto text = [&](Figure f) { return window.figure(f)->text(); };
    QCOMPARE(text(Figure::Games), QStringLiteral("10"));
    QCOMPARE(text(Figure::Matches), QStringLiteral("1"));
    QCOMPARE(text(Figure::Abandoned), QStringLiteral("1"));
    QCOMPARE(text(Figure::Place1), QStringLiteral("4（40%）"));
    QCOMPARE(text(Figure::Place2), QStringLiteral("3（30%）"));
    QCOMPARE(text(Figure::Place3), QStringLiteral("1（10%）"));
    QCOMPARE(text(Figure::Place4), QStringLiteral("2（20%）"));
    QCOMPARE(text(Figure::WentOut), QStringLiteral("8（80%）"));
    QCOMPARE(text(Figure::DroppedOut), QStringLiteral("1（10%）"));
    QCOMPARE(text(Figure::JokerLeft), QStringLiteral("1（10%）"));
    QCOMPARE(text(Figure::Passes), QStringLiteral("9（１ゲーム 0.9）"));
    QCOMPARE(text(Figure::MeanPoints), QStringLiteral("15.0 点"));
    QCOMPARE(text(Figure::BestGame), QStringLiteral("15 点"));
    QCOMPARE(text(Figure::BestMatch), QStringLiteral("150 点"));
    QCOMPARE(text(Figure::WorstMatch), QStringLiteral("150 点"));
    QCOMPARE(text(Figure::LongestFirstRun), QStringLiteral("3（今 0）"));

    // Another strength: nothing yet, and no figure where there is none.
    window.setScope({QStringLiteral("strong"), std::nullopt});
    QCOMPARE(text(Figure::Games), QStringLiteral("0"));
    QCOMPARE(text(Figure::Place1), QStringLiteral("0"));
    for (const Figure none :
         {Figure::MeanPoints, Figure::BestGame, Figure::BestMatch, Figure::WorstMatch})
        QCOMPARE(text(none), QStringLiteral("－"));
    QVERIFY(window.chart()->record() == statistics::Record{});

    // A game stored meanwhile shows at the next refresh.
    window.setScope({QStringLiteral("weak"), kReused});
    statistics::recordGame(store, QStringLiteral("weak"), kReused, {1, Outcome::WentOut, 0, 20},
                           std::nullopt);
    window.refresh();
    QCOMPARE(text(Figure::Games), QStringLiteral("11"));
    QCOMPARE(window.chart()->record().games, std::int64_t{11});
}

void TestStatisticsWindow::contentsFitEverySize_data() {
    QTest::addColumn<QSize>("size");  // what the window is given after it opened
    QTest::newRow("as it opens") << QSize();
    QTest::newRow("its smallest") << QSize(1, 1);
    QTest::newRow("large") << QSize(1800, 1000);
}

// Whatever its size, every figure shows whole, and the chart lies inside the window.
void TestStatisticsWindow::contentsFitEverySize() {
    QFETCH(QSize, size);
    Store store;
    playTen(store);
    StatisticsWindow window(store, QStringLiteral("グループ１"));
    window.open();
    if (size.isValid()) window.resize(size);  // the minimum size stops a smaller one
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.width() >= window.minimumSizeHint().width());
    for (int f = 0; f < StatisticsWindow::kFigures; ++f) {
        const QLabel* label = window.figure(static_cast<Figure>(f));
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
        QVERIFY(window.rect().contains(label->mapTo(&window, label->rect().bottomRight())));
    }
    const QRect chart(window.chart()->mapTo(&window, QPoint(0, 0)), window.chart()->size());
    QVERIFY(window.rect().contains(chart));
    QVERIFY(chart.width() >= window.chart()->minimumSizeHint().width());
    QVERIFY(chart.height() >= window.chart()->minimumSizeHint().height());
    QVERIFY(window.rect().contains(window.closeButton()->geometry()));
}

// Tab goes round the lists and the buttons; Esc closes the window and says so.
void TestStatisticsWindow::keys() {
    Store store;
    auto* window = new StatisticsWindow(store, QStringLiteral("グループ１"));
    QSignalSpy closed(window, &StatisticsWindow::closed);
    window->open();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), window->strengthList());
    const QWidget* order[] = {window->rulesList(), window->resetButton(), window->closeButton(),
                              window->strengthList()};
    for (const QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    QVERIFY(window->closeButton()->isDefault());
    const QPointer<StatisticsWindow> alive(window);
    QTest::keyClick(window, Qt::Key_Escape);
    QCOMPARE(closed.count(), 1);
    QTRY_VERIFY(alive.isNull());  // it deletes itself
}

void TestStatisticsWindow::chartDrawsTheRecord_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("device pixel ratio 1") << 1.0;
    QTest::newRow("device pixel ratio 2") << 2.0;
}

// The place bars are as long as the places' shares, one bar a recent match; at ratio 2 every
// length is drawn in device pixels, twice as many.
void TestStatisticsWindow::chartDrawsTheRecord() {
    QFETCH(qreal, ratio);
    statistics::Record record;
    const int places[] = {1, 1, 1, 1, 2, 2, 3, 4};  // shares 4 : 2 : 1 : 1
    for (const int place : places) statistics::addGame(record, {place, Outcome::WentOut, 0, 12});
    for (const int total : {180, 120, 240, 200, 90}) statistics::addMatch(record, total);

    const QSize size(600, 400);
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    StatisticsChart::paint(painter, size, record);
    painter.end();

    const StatisticsChart::Panels panels =
        StatisticsChart::panels(size, QFontMetrics(QGuiApplication::font()));
    // The place bars: the rows of the panel whose ink starts furthest left are the bars (their
    // figures start further right); the middle row of each bar gives its length.
    const int top = qRound(panels.places.top() * ratio);
    const int bottom = qRound(panels.places.bottom() * ratio);
    int barLeft = image.width();
    for (int y = top; y <= bottom; ++y) {
        const int x = firstInk(image, y);
        if (x >= 0) barLeft = std::min(barLeft, x);
    }
    QList<int> lengths;
    for (int y = top; y <= bottom; ++y) {
        if (firstInk(image, y) != barLeft) continue;
        int end = y;
        while (end + 1 <= bottom && firstInk(image, end + 1) == barLeft) ++end;
        lengths.append(inkRun(image, (y + end) / 2, barLeft));
        y = end;
    }
    QCOMPARE(lengths.size(), 4);
    QVERIFY(qAbs(lengths[0] - 4 * lengths[3]) <= 2 * ratio);
    QVERIFY(qAbs(lengths[1] - 2 * lengths[3]) <= 2 * ratio);
    QVERIFY(qAbs(lengths[2] - lengths[3]) <= ratio);
    // Drawn at the device's resolution: the longest bar, half of all games, is about half
    // the width of the panel in device pixels.
    QVERIFY(lengths[0] > panels.places.width() * ratio / 3);

    // The recent matches: five bars along a row a little above the grid's bottom line.
    const int y = qRound((panels.matches.bottom() - 30) * ratio);
    int bars = 0;
    bool inBar = false;
    for (int x = qRound(panels.matches.left() * ratio); x < image.width(); ++x) {
        const bool ink = image.pixelColor(x, y) == StatisticsChart::kInk;
        if (ink && !inBar) ++bars;
        inBar = ink;
    }
    QCOMPARE(bars, 5);
    QCOMPARE(StatisticsChart::matchScaleTop(record), 300);
}

QTEST_MAIN(TestStatisticsWindow)
#include "tst_statisticswindow.moc"
