// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of the game's windows, and a game posed for screenshots.
//
//   plumetgamebench flight [--maximized]   a card flight at speed 64: its length against 64
//                            frame intervals (maximised: at the largest card size the screen
//                            gives), and the card pictures rendered during the flights
//   plumetgamebench render   every card picture of the game's own set rendered for new sizes
//                            (the sizes of a maximised window, at device pixel ratio 1 and 2)
//   plumetgamebench idle     CPU time used while the game waits for the human, over 5 s
//   plumetgamebench memory   peak memory (max RSS) over a ten-game match at the default size,
//                            the human played too, the results and the TOP-10 entry included
//                            (the settings store in a folder of its own)
//   plumetgamebench shot [--maximized] [--keys | --joker | --refused] [FILE.png]
//                            a game in progress, left in a computer player's turn (its thinking
//                            never ends), in the game's Japanese look; prints "ready" when
//                            posed. With FILE.png it saves what the screen shows of the main
//                            window there and ends. With --keys: the human's turn instead, the
//                            focus mark moved with the arrow keys and the hint asked with H.
//                            With --joker: the first turn of a game in which the human holds
//                            the joker and it can free a card, the joker selected with J (its
//                            frame beside the focus mark). With --refused: the human passes
//                            with P until one pass is left, then P again while a card can be
//                            laid (the board's caption says why the pass is refused).
//   plumetgamebench stats [--matches N] [FILE.png]
//                            the whole program over a fresh store of its own: N matches (3 by
//                            default) played to their end as a simple player plays them, one
//                            more given up, then "成績" for the strength and rules played; prints
//                            "ready". With FILE.png it saves what the screen shows of the
//                            window there and ends.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "app/defaults.h"
#include "app/japaneseui.h"
#include "app/mainwindow.h"
#include "app/matchcourse.h"
#include "app/matchstatistics.h"
#include "app/program.h"
#include "app/session.h"
#include "data/store.h"
#include "rules/cards.h"
#include "rules/deal.h"
#include "rules/joker.h"
#include "rules/laying.h"
#include "rules/passing.h"
#include "ui/cards/cardfolders.h"
#include "ui/cards/cardimages.h"
#include "ui/inputblock.h"
#include "ui/speeds.h"
#include "ui/table/boardwindow.h"
#include "ui/table/computerwindow.h"
#include "ui/table/handwindow.h"
#include "ui/windows/nameentry.h"
#include "ui/windows/resultswindow.h"
#include "ui/windows/statisticswindow.h"
#include "ui/windows/top10dialog.h"

using namespace plumet;

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The visible top-level window of that class, or nullptr.
template <class Window>
Window* shownWindow() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(w); window && window->isVisible()) return window;
    }
    return nullptr;
}

bool waitForHuman(Session& s, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        if (acceptsInput(&s.human()) && acceptsInput(&s.main()) &&
            s.state().handCount[kHuman] > 0 && s.state().gameNumber > 0)
            return true;
        QTest::qWait(2);
    }
    return false;
}

// The human's move as a player would make it: the first card that fits, else the pass card.
void humanMove(Session& s) {
    const GameState& g = s.state();
    int slot = g.handCount[kHuman] + 1;
    for (int i = 1; i <= g.handCount[kHuman]; ++i) {
        const int target = clickTarget(g, i);
        if (target >= 1 && target <= 52) {
            slot = i;
            break;
        }
    }
    const int count = g.handCount[kHuman];
    if (slot == count + 1 && g.hand[kHuman][count] == kJoker) {
        // No plain card fits: free one with the joker when it can.
        for (int i = 1; i < count; ++i) {
            if (jokerEnd(g, s.rules(), kHuman, i) == 0) continue;
            CardPicture* joker = s.human().picture(count);
            QTest::mouseClick(joker, Qt::LeftButton, {}, joker->rect().center());
            slot = i;
            break;
        }
    }
    CardPicture* card = s.human().picture(slot);
    QTest::mouseClick(card, Qt::LeftButton, {}, card->rect().center());
}

// Plays the game under way to its results window and goes on from it: the next game, or the
// match's end with its TOP-10 entry closed. False when the game stalls.
bool playGame(Session& s) {
    QElapsedTimer clock;
    clock.start();
    ResultsWindow* results = nullptr;
    while (!(results = shownWindow<ResultsWindow>())) {
        if (clock.elapsed() > 120000) return false;
        if (waitForHuman(s, 5)) humanMove(s);
    }
    const bool over = s.state().gameNumber >= 10;
    results->proceed();
    if (!over) return true;
    QTest::qWait(50);
    if (NameEntry* entry = shownWindow<NameEntry>()) {
        entry->nameEdit()->setText(QStringLiteral("あなた"));
        entry->registerButton()->click();
    }
    if (Top10Dialog* table = shownWindow<Top10Dialog>()) table->acceptTable();
    return true;
}

// "成績" after real play over a store of its own: see the head of the file.
int statisticsShot(QApplication& app, const QStringList& options, const QString& file) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    setUpJapaneseUi(app);
    int matches = 3;
    if (const int at = options.indexOf(QStringLiteral("--matches")); at >= 0)
        matches = std::max(1, options.value(at + 1).toInt());
    speeds::timing() = {1, 0, false};
    Program program;
    if (!program.initialiseData() || !program.createMain()) return 1;
    MainWindow& window = program.main();
    window.show();
    window.setSoundOn(false);
    window.setJoker(JokerMode::Reused);
    Session& session = program.session();
    session.random().seed(7);
    for (int m = 0; m < matches; ++m) {
        window.items().newGame->trigger();
        session.state().flightFrames = 1;
        for (int g = 1; g <= 10; ++g) {
            if (!playGame(session)) return 1;
        }
    }
    // One more match, given up in its second game.
    window.items().newGame->trigger();
    session.state().flightFrames = 1;
    if (!playGame(session)) return 1;
    QTimer::singleShot(100, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Ok)->click();
    });
    window.items().backToInitialScreen->trigger();

    StatisticsWindow* statistics = program.match().statistics().showWindow();
    statistics->setScope({strengthInUse(session), window.rules()});
    QTest::qWait(300);
    std::puts("ready");
    std::fflush(stdout);
    if (!file.isEmpty()) {
        const QRect frame = statistics->frameGeometry();
        const QPixmap shot = statistics->screen()->grabWindow(0, frame.x(), frame.y(),
                                                              frame.width(), frame.height());
        return shot.save(file) ? 0 : 1;
    }
    return QApplication::exec();
}

// The pose is ready: "ready" printed, and with `file` what the screen shows of the main
// window saved there.
bool finishShot(MainWindow& window, const QString& file) {
    QTest::qWait(300);
    std::puts("ready");
    std::fflush(stdout);
    if (file.isEmpty()) return true;
    const QRect frame = window.frameGeometry();
    const QPixmap shot =
        window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    return shot.save(file);
}

}  // namespace

int main(int argc, char* argv[]) {
    // The match of the memory benchmark keeps its settings store in a folder of its own.
    QTemporaryDir settings;
    if (argc > 1 && qstrcmp(argv[1], "memory") == 0)
        qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("flight");
    const QStringList options = QApplication::arguments().mid(2);
    const bool maximized = options.contains(QStringLiteral("--maximized"));
    QString file;
    for (qsizetype i = 0; i < options.size(); ++i) {
        if (options[i] == QLatin1String("--matches"))
            ++i;  // its number
        else if (!options[i].startsWith(u'-'))
            file = options[i];
    }
    if (mode == QLatin1String("stats")) return statisticsShot(app, options, file);
    if (mode == QLatin1String("shot")) setUpJapaneseUi(app);
    Session session;
    MainWindow window(session);
    applyDefaults(window, session);
    if (maximized) {
        // Without a window manager (xvfb) maximising is only a state: give the window the
        // screen's size as a window manager would.
        window.setGeometry(window.screen()->availableGeometry());
        window.showMaximized();
    } else {
        window.show();
    }
    QTest::qWait(200);

    if (mode == QLatin1String("flight")) {
        speeds::timing().frameMs = 0;
        session.random().seed(11);
        window.items().newGame->trigger();
        speeds::timing().frameMs = speeds::kFrameMs;
        session.state().flightFrames = 64;
        // Nothing else runs: no computer turn comes due in the middle of the measurement.
        for (int p = 1; p <= kPlayers; ++p) session.window(p).stopTimers();
        ComputerWindow* playerWindow = session.computers()[0];
        const int card = session.state().hand[2][1];
        QTest::qWait(50);  // the pictures made for the window's size
        const CardPicture* flying = session.board().picture(card);
        std::printf("board card %d x %d px, device pixel ratio %.1f\n", flying->width(),
                    flying->height(), flying->devicePixelRatioF());
        const int rendersBefore = CardImages::shared().renders();
        double worst = 0, total = 0;
        const int runs = 10;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer clock;
            clock.start();
            playerWindow->cardFlight(card, 1);
            const double ms = clock.nsecsElapsed() / 1e6;
            total += ms;
            worst = std::max(worst, ms);
            std::printf("  run %d: %.1f ms\n", run + 1, ms);
        }
        const double ideal = 64.0 * speeds::kFrameMs;
        std::printf(
            "flight at speed 64: mean %.1f ms, worst %.1f ms, 64 frame intervals = %.0f ms "
            "(mean %+.1f %%)\n",
            total / runs, worst, ideal, (total / runs / ideal - 1) * 100);
        std::printf("card pictures rendered during the %d flights: %d\n", runs,
                    CardImages::shared().renders() - rendersBefore);
    } else if (mode == QLatin1String("render")) {
        // Every picture of the set the game shows, read once; then made for new sizes, as a
        // resize of the window makes them.
        const QString folder = QString::fromStdString(session.state().boardFaceFolder);
        QStringList files;
        for (int c = 1; c <= kJoker; ++c)
            files << cardFilePath(folder, QString::fromStdString(cardFileName(c)));
        for (const char* name : {"joker1.bmp", "ps1.bmp", "ps2.bmp", "ps3.bmp", "ps4.bmp",
                                 "uray.bmp", "urat.bmp", "uray2.bmp"})
            files << cardFilePath(folder, QString::fromLatin1(name));
        CardImages& images = CardImages::shared();
        for (const QString& file : files) images.naturalSize(file);
        const QSize own = images.naturalSize(files.first());
        // The card heights of a window filling 1920 x 1080 and the sizes a resize passes.
        for (const double ratio : {1.0, 2.0}) {
            double worst = 0, total = 0;
            int runs = 0;
            for (int height = 140; height <= 159; ++height) {
                const QSize pixels(qRound(height * ratio * own.width() / own.height()),
                                   qRound(height * ratio));
                QList<CardImages::Request> requests;
                for (const QString& file : files) requests.append({file, pixels, ratio});
                QElapsedTimer clock;
                clock.start();
                // As a resize makes them: all together, then each card takes its own.
                images.renderAll(requests);
                for (const QString& file : files) images.pixmap(file, pixels, ratio);
                const double ms = clock.nsecsElapsed() / 1e6;
                worst = std::max(worst, ms);
                total += ms;
                ++runs;
            }
            std::printf(
                "%lld card pictures at a new size, device pixel ratio %.0f (%d sizes, %d x %d "
                "px the largest): mean %.1f ms, worst %.1f ms\n",
                static_cast<long long>(files.size()), ratio, runs,
                qRound(159 * ratio * own.width() / own.height()), qRound(159 * ratio), total / runs,
                worst);
        }
    } else if (mode == QLatin1String("idle")) {
        speeds::timing() = {0, 0, false};
        session.random().seed(3);
        window.items().newGame->trigger();
        if (!waitForHuman(session, 20000)) return 1;
        const double before = cpuSeconds();
        QElapsedTimer clock;
        clock.start();
        QTimer::singleShot(5000, &app, &QCoreApplication::quit);
        QApplication::exec();
        std::printf("waiting for the human: %.3f s CPU in %.1f s (%.2f %%)\n",
                    cpuSeconds() - before, clock.elapsed() / 1000.0,
                    (cpuSeconds() - before) * 100000.0 / clock.elapsed());
    } else if (mode == QLatin1String("memory")) {
        // A ten-game match as the program plays it: the match course over a store of its own,
        // the results window after each game, the TOP-10 table and its name entry at the end.
        speeds::timing() = {1, 0, false};
        window.setSoundOn(false);
        Store store;
        auto* course = new MatchCourse(session, window, store);
        course->endProgram = [] {};
        course->endAtOnce = [] {};
        if (!course->startUp()) return 1;
        session.random().seed(9);
        window.items().newGame->trigger();
        // Ten games, the results windows and the TOP-10 entry at the end included.
        for (int game = 1; game <= 10; ++game) {
            if (!playGame(session)) return 1;
        }
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("peak memory over a ten-game match: %.1f MiB = %.1f MB (max RSS)\n",
                    usage.ru_maxrss / 1024.0, usage.ru_maxrss * 1024 / 1e6);
    } else if (options.contains(QStringLiteral("--joker"))) {
        // A seed whose deal gives the human the joker.
        std::uint64_t seed = 1;
        for (; seed < 1000; ++seed) {
            GameState dealt = session.state();
            dealt.gameNumber = 0;
            Random random(seed);
            deal(dealt, session.rules(), random);
            const int count = dealt.handCount[kHuman];
            if (count > 0 && dealt.hand[kHuman][count] == kJoker) break;
        }
        session.random().seed(seed);
        window.items().newGame->trigger();
        for (int move = 0; move < 20; ++move) {
            if (!waitForHuman(session, 60000)) return 1;
            const GameState& g = session.state();
            const int count = g.handCount[kHuman];
            if (g.hand[kHuman][count] == kJoker && jokerCanFree(g, session.rules(), kHuman)) break;
            humanMove(session);
        }
        QTest::keyClick(&session.human(), Qt::Key_J);
        if (session.state().selectedJokerSlot == 0) return 1;
        if (!finishShot(window, file)) return 1;
        return file.isEmpty() ? QApplication::exec() : 0;
    } else if (options.contains(QStringLiteral("--refused"))) {
        session.random().seed(20);
        window.items().newGame->trigger();
        for (int turn = 0; turn < 20; ++turn) {
            if (!waitForHuman(session, 60000)) return 1;
            const GameState& g = session.state();
            bool canLay = false;
            for (int i = 1; i <= g.handCount[kHuman]; ++i) canLay |= fittingEnd(g, kHuman, i) > 0;
            if (g.passesLeft[kHuman] > 1) {
                QTest::keyClick(&session.human(), Qt::Key_P);
            } else if (canLay) {
                QTest::keyClick(&session.human(), Qt::Key_P);
                break;
            } else {
                return 1;
            }
        }
        if (!finishShot(window, file)) return 1;
        return file.isEmpty() ? QApplication::exec() : 0;
    } else {
        session.random().seed(20);
        window.items().newGame->trigger();
        for (int move = 0; move < 4; ++move) {
            if (!waitForHuman(session, 60000)) break;
            humanMove(session);
        }
        if (!waitForHuman(session, 60000)) return 1;
        if (options.contains(QStringLiteral("--keys"))) {
            // From the human's fifth turn on, the first turn whose hint is a card: the hint
            // asked with H, the focus moved off it with the arrow keys, so that both marks show.
            HandWindow& hand = session.human();
            const auto hintedSlot = [&hand] {
                for (int i = 1; i <= hand.pictureCount(); ++i) {
                    if (hand.picture(i)->hintMarked()) return i;
                }
                return 0;
            };
            int hinted = 0;
            for (int turn = 0; turn < 8; ++turn) {
                QTest::keyClick(&hand, Qt::Key_H);
                hinted = hintedSlot();
                if (hinted > 0 && hinted <= session.state().handCount[kHuman]) break;
                humanMove(session);
                if (!waitForHuman(session, 60000)) return 1;
            }
            if (!hinted) return 1;
            QTest::qWait(300);
            QTest::keyClick(&hand, Qt::Key_Home);
            QTest::keyClick(&hand, Qt::Key_Right);
            if (hand.focusSlot() == hinted) QTest::keyClick(&hand, Qt::Key_Right);
        } else {
            // The human's fifth move; then the next computer player thinks for ever.
            speeds::timing().paceMs = 24 * 3600 * 1000;
            humanMove(session);
            const auto thinking = [&session] {
                for (ComputerWindow* playerWindow : session.computers()) {
                    if (playerWindow->thinkTimer().isActive()) return true;
                }
                return false;
            };
            QElapsedTimer clock;
            clock.start();
            while (!thinking() && clock.elapsed() < 60000) QTest::qWait(2);
            if (!thinking()) return 1;
        }
        if (!finishShot(window, file)) return 1;
        return file.isEmpty() ? QApplication::exec() : 0;
    }
    return 0;
}
