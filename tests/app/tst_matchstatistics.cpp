// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics through the whole program, as a player meets them: a ten-game match counted
// game by game and shown in "成績" for its strength and rules, the same figures after a group
// switch and back, every way of giving a match up (and saving one, which is not), damaged
// records found at start, the reset, and `plumet --stats-json` run as its own process.
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "app/matchcourse.h"
#include "app/matchstatistics.h"
#include "common/modalanswers.h"
#include "common/tempstore.h"
#include "data/groups.h"
#include "data/savedgame.h"
#include "data/statistics.h"
#include "data/store.h"
#include "data/top10.h"
#include "programfixture.h"
#include "ui/toolbar.h"
#include "ui/windows/nameentry.h"
#include "ui/windows/resultswindow.h"
#include "ui/windows/statisticschart.h"
#include "ui/windows/statisticswindow.h"
#include "ui/windows/top10dialog.h"

using namespace plumet;
using plumet::test::Run;
using plumet::test::shownWindow;
using Figure = StatisticsWindow::Figure;

namespace {

const Rules kNoJoker{false, JokerMode::None, 3};

// A new match, silent (the voices would wait their length), under the rules without a joker.
void startMatch(Run& run, int seed) {
    run.items().jokerNone->trigger();
    run.startSilentMatch(static_cast<std::uint64_t>(seed));
}

void press(ResultsWindow* results, ResultsWindow::Button button) {
    QTest::mouseClick(results->button(button), Qt::LeftButton);
}

// The TOP-10 entry after a match: the name registered, or the table closed.
void finishTop10Entry(Run& run) {
    if (NameEntry* entry = shownWindow<NameEntry>()) {
        entry->nameEdit()->setText(QStringLiteral("やまだ"));
        QTest::mouseClick(entry->registerButton(), Qt::LeftButton);
    } else if (Top10Dialog* table = shownWindow<Top10Dialog>())
        QTest::mouseClick(table->button(Top10Dialog::Button::Ok), Qt::LeftButton);
    QTRY_VERIFY(acceptsInput(&run.main()));
}

// The number a figure starts with ("3（30%）" reads 3).
int leading(const QLabel* label) {
    return label->text().section(u'（', 0, 0).section(u' ', 0, 0).toInt();
}

QStringList figureTexts(const StatisticsWindow* window) {
    QStringList texts;
    for (int f = 0; f < StatisticsWindow::kFigures; ++f)
        texts.append(window->figure(static_cast<Figure>(f))->text());
    return texts;
}

StatisticsWindow* openStatistics(Run& run) {
    run.items().showStatistics->trigger();
    return shownWindow<StatisticsWindow>();
}

void choose(StatisticsWindow* window, const QString& strength, const Rules& rules) {
    window->strengthList()->setCurrentIndex(
        window->strengthList()->findText(statistics::strengthCaption(strength)));
    window->rulesList()->setCurrentIndex(
        window->rulesList()->findText(statistics::rulesCaption(rules)));
}

void switchGroup(Run& run, int group) {
    run.items().changeGroup->trigger();
    Top10Dialog* dialog = shownWindow<Top10Dialog>();
    QVERIFY(dialog);
    dialog->groupList()->setCurrentIndex(group);
    QCOMPARE(run.state().group, group);
    QTest::mouseClick(dialog->button(Top10Dialog::Button::GroupOk), Qt::LeftButton);
    QTRY_VERIFY(acceptsInput(&run.main()));
}

statistics::Record stored(const statistics::Scope& scope = {}) {
    return statistics::read(Store(), scope);
}

// What one step of a player does in the abandonment table.
enum class Step {
    NewGame,      // "新規ゲーム", confirming its question
    PlayGame,     // the game under way played, then on to the next (or the match's end)
    SaveToTitle,  // the game under way played, then "保存後タイトルへ"
    Continue,     // "前回の続き"
    BackToTitle,  // "初期画面に戻る", confirming its question
    SavedAtNine,  // a match saved after game 9 is in the store (as a restart finds it)
};

}  // namespace

Q_DECLARE_METATYPE(QList<Step>)

class TestMatchStatistics : public QObject {
    Q_OBJECT
    std::unique_ptr<TempStore> dir_;

  private slots:
    void init() { dir_ = std::make_unique<TempStore>(); }
    void cleanup() { dir_.reset(); }

    void wholeMatchInTheWindow();
    void givingUp_data();
    void givingUp();
    void quittingGivesUpTheMatch();
    void damagedRecordsAtStart();
    void resetAsksFirst();
    void json_data();
    void json();
};

// A ten-game match: each game is in the store as soon as it ends; "成績" shows 10 games and one
// match for its strength and rules, the places adding up to 10; a group switch and back leaves
// every figure as it was.
void TestMatchStatistics::wholeMatchInTheWindow() {
    ModalAnswers answers;  // closes any message box that should not come
    Run run;
    QVERIFY(run.started);
    run.items().strengthStrong->trigger();  // a match against "つよい"
    startMatch(run, 21);
    std::array<int, 4> places{};
    int wentOut = 0, droppedOut = 0, jokerLeft = 0, passes = 0, points = 0;
    int total = 0;
    for (int game = 1; game <= 10; ++game) {
        ResultsWindow* results = run.playToResults();
        QVERIFY2(results, "the game stalled");
        // Written when the game ended: a kill now would lose nothing of it.
        QCOMPARE(stored().games, std::int64_t{game});
        const GameState& s = run.state();
        ++places[s.place[kHuman] - 1];
        wentOut += s.outcome[kHuman] == Outcome::WentOut;
        droppedOut += s.outcome[kHuman] == Outcome::DroppedOut;
        jokerLeft += s.outcome[kHuman] == Outcome::JokerLeft;
        passes += run.program->session().humanPasses();
        points += s.gamePoints[kHuman];
        total = s.score[kHuman];
        press(results, ResultsWindow::Button::Proceed);
    }
    finishTop10Entry(run);
    QCOMPARE(stored().matches, std::int64_t{1});

    StatisticsWindow* window = openStatistics(run);
    QVERIFY(window);
    QVERIFY(window->isWindow() && window->parentWidget() == &run.main());
    QVERIFY(!acceptsInput(&run.main()));
    QCOMPARE(window->windowTitle(), QStringLiteral("成績 － グループ１"));
    // Every game of the group first.
    QCOMPARE(window->figure(Figure::Games)->text(), QStringLiteral("10"));
    QCOMPARE(window->figure(Figure::Matches)->text(), QStringLiteral("1"));

    choose(window, QStringLiteral("strong"), kNoJoker);
    QCOMPARE(window->scope().strength.value_or(QString()), QStringLiteral("strong"));
    QVERIFY(window->scope().rules.has_value());
    QCOMPARE(window->figure(Figure::Games)->text(), QStringLiteral("10"));
    QCOMPARE(window->figure(Figure::Matches)->text(), QStringLiteral("1"));
    QCOMPARE(window->figure(Figure::Abandoned)->text(), QStringLiteral("0"));
    int sum = 0;
    for (int place = 1; place <= 4; ++place) {
        const int shown = leading(
            window->figure(static_cast<Figure>(static_cast<int>(Figure::Place1) + place - 1)));
        QCOMPARE(shown, places[place - 1]);
        sum += shown;
    }
    QCOMPARE(sum, 10);
    QCOMPARE(leading(window->figure(Figure::WentOut)), wentOut);
    QCOMPARE(leading(window->figure(Figure::DroppedOut)), droppedOut);
    QCOMPARE(leading(window->figure(Figure::JokerLeft)), jokerLeft);
    QCOMPARE(leading(window->figure(Figure::Passes)), passes);
    QCOMPARE(window->figure(Figure::MeanPoints)->text(),
             QString::number(points / 10.0, 'f', 1) + QStringLiteral(" 点"));
    QCOMPARE(window->figure(Figure::BestMatch)->text(), QString::number(total) + " 点");
    QCOMPARE(window->figure(Figure::WorstMatch)->text(), QString::number(total) + " 点");
    QCOMPARE(window->shown().points, std::int64_t{points});
    QCOMPARE(window->shown().recentMatches, QList<int>{total});
    QVERIFY(window->chart()->record() == window->shown());
    // The other strengths and rules have nothing of it.
    choose(window, QStringLiteral("classic"), kNoJoker);
    QCOMPARE(window->figure(Figure::Games)->text(), QStringLiteral("0"));
    QCOMPARE(window->figure(Figure::MeanPoints)->text(), QStringLiteral("－"));
    choose(window, QStringLiteral("strong"), Rules{});
    QCOMPARE(window->figure(Figure::Games)->text(), QStringLiteral("0"));
    choose(window, QStringLiteral("strong"), kNoJoker);
    const QStringList figures = figureTexts(window);

    // The window fits the screen; Esc closes it and gives the main window its input back.
    const QRect screen = window->screen()->availableGeometry();
    QVERIFY(window->frameGeometry().width() <= screen.width());
    QVERIFY(window->frameGeometry().height() <= screen.height());
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(!shownWindow<StatisticsWindow>());
    QVERIFY(acceptsInput(&run.main()));

    // Another group has none of them; back in the first, every figure is as it was.
    switchGroup(run, 3);
    window = openStatistics(run);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("成績 － グループ４"));
    QCOMPARE(window->figure(Figure::Games)->text(), QStringLiteral("0"));
    QTest::mouseClick(window->closeButton(), Qt::LeftButton);
    QTRY_VERIFY(!shownWindow<StatisticsWindow>());
    switchGroup(run, 0);
    window = openStatistics(run);
    QVERIFY(window);
    choose(window, QStringLiteral("strong"), kNoJoker);
    QCOMPARE(figureTexts(window), figures);
    // Enter presses "閉じる".
    QTest::keyClick(window, Qt::Key_Return);
    QTRY_VERIFY(!shownWindow<StatisticsWindow>());
    QVERIFY2(answers.unexpected.isEmpty(), qPrintable(answers.unexpected.join(u'\n')));
}

void TestMatchStatistics::givingUp_data() {
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("matches");
    QTest::addColumn<int>("abandoned");
    using enum Step;
    QTest::newRow("初期画面に戻る in the first game")
        << QList<Step>{NewGame, BackToTitle} << 0 << 0 << 1;
    QTest::newRow("初期画面に戻る in the second game")
        << QList<Step>{NewGame, PlayGame, BackToTitle} << 1 << 0 << 1;
    QTest::newRow("新規ゲーム during a match")
        << QList<Step>{NewGame, PlayGame, NewGame, BackToTitle} << 1 << 0 << 2;
    QTest::newRow("保存後タイトルへ") << QList<Step>{NewGame, SaveToTitle} << 1 << 0 << 0;
    QTest::newRow("a saved match thrown away by 新規ゲーム")
        << QList<Step>{NewGame, SaveToTitle, NewGame, PlayGame} << 2 << 0 << 1;
    QTest::newRow("a saved match continued to its end")
        << QList<Step>{SavedAtNine, Continue, PlayGame} << 1 << 1 << 0;
    // After a match's end there is no match left to give up until the next starts.
    QTest::newRow("a match ended, the next given up")
        << QList<Step>{SavedAtNine, Continue, PlayGame, NewGame, BackToTitle} << 1 << 1 << 1;
}

// Giving a match up counts once; saving it does not, and a continued match is the same match.
void TestMatchStatistics::givingUp() {
    QFETCH(QList<Step>, steps);
    QFETCH(int, games);
    QFETCH(int, matches);
    QFETCH(int, abandoned);
    if (steps.first() == Step::SavedAtNine) {
        Run first;  // the data initialised
        GameState match;
        match.gameNumber = 9;
        match.score = {0, 120, 140, 90, 100};
        match.starter = 2;
        QVERIFY(savedmatch::saveMatch(first.program->store(), match, {}));
    }
    ModalAnswers answers;
    Run run;
    QVERIFY(run.started);
    run.items().soundOff->trigger();
    run.items().jokerNone->trigger();
    run.program->session().random().seed(5);
    for (const Step step : steps) {
        GameState& s = run.state();
        switch (step) {
            case Step::NewGame:
                if (s.gameNumber > 0 || s.savedGameNumber > 0) answers.box(QMessageBox::Ok);
                run.items().newGame->trigger();
                s.flightFrames = 1;
                break;
            case Step::BackToTitle:
                if (s.gameNumber > 0) answers.box(QMessageBox::Ok);
                run.items().backToInitialScreen->trigger();
                QCOMPARE(s.gameNumber, 0);
                break;
            case Step::Continue:
                run.items().continueMatch->trigger();
                QCOMPARE(s.gameNumber, 10);
                s.flightFrames = 1;
                break;
            case Step::PlayGame:
            case Step::SaveToTitle: {
                ResultsWindow* results = run.playToResults();
                QVERIFY2(results, "the game stalled");
                const bool over = s.gameNumber == 10;
                press(results, step == Step::PlayGame ? ResultsWindow::Button::Proceed
                                                      : ResultsWindow::Button::SaveToTitle);
                if (over) finishTop10Entry(run);
                break;
            }
            case Step::SavedAtNine:
                break;
        }
    }
    QVERIFY(answers.done());
    QVERIFY2(answers.unexpected.isEmpty(), qPrintable(answers.unexpected.join(u'\n')));
    const statistics::Record total = stored();
    QCOMPARE(total.games, std::int64_t{games});
    QCOMPARE(total.matches, std::int64_t{matches});
    QCOMPARE(total.abandoned, std::int64_t{abandoned});
    // Counted under the strength and rules in force.
    QCOMPARE(stored({QStringLiteral("classic"), kNoJoker}), total);
}

// Closing the program during a match gives the match up; the close's "終了？" comes first.
void TestMatchStatistics::quittingGivesUpTheMatch() {
    {
        Run run;
        startMatch(run, 8);
        ResultsWindow* results = run.playToResults();
        QVERIFY(results);
        press(results, ResultsWindow::Button::Proceed);
        ModalAnswers answers;
        answers.box(QMessageBox::Cancel);
        QVERIFY(!run.main().close());
        QCOMPARE(stored().abandoned, std::int64_t{0});
        answers.box(QMessageBox::Ok);
        QVERIFY(run.main().close());
        QVERIFY(answers.done());
        QCOMPARE(answers.boxes.size(), 2);
    }
    const statistics::Record total = stored();
    QCOMPARE(total.games, std::int64_t{1});
    QCOMPARE(total.abandoned, std::int64_t{1});
    // At the title screen there is no match to give up.
    Run run;
    ModalAnswers answers;
    answers.box(QMessageBox::Ok);
    QVERIFY(run.main().close());
    QCOMPARE(stored().abandoned, std::int64_t{1});
}

// Records edited by hand: one message at start names what was reset; the TOP-10 table, the
// saved match and the sound records stay; the program goes on.
void TestMatchStatistics::damagedRecordsAtStart() {
    {
        Run first;
        Store& store = first.program->store();
        statistics::recordGame(store, QStringLiteral("classic"), kNoJoker,
                               {1, Outcome::WentOut, 0, 30}, std::nullopt);
        GameState state;
        QVERIFY(top10::enterTotal(store, state, 150, QStringLiteral("2024-05-05")));
        store.save(u"form2", u"seiseki", QStringLiteral("games=ten"));
        store.save(u"form2", u"seiseki_classic", QStringLiteral("games=1 matches=1"));
    }
    const KeyValues before = Store().list(u"form2");
    {
        ModalAnswers answers;
        answers.box(QMessageBox::Ok);
        Run run;
        QVERIFY(run.started);
        QVERIFY(answers.done());
        QCOMPARE(answers.boxes.size(), 1);
        QCOMPARE(answers.boxes[0].title, QStringLiteral("データ異常"));
        QCOMPARE(answers.boxes[0].text,
                 QStringLiteral("成績のデータが異常です。\n次の成績を初期化しました：\n"
                                "・全体（seiseki）\n・ふつう（seiseki_classic）\n\n"
                                "トップ１０とその他のデータはそのままです。"));
    }
    const Store after;
    QVERIFY(!after.contains(u"form2", u"seiseki"));
    QVERIFY(!after.contains(u"form2", u"seiseki_classic"));
    QCOMPARE(stored({QStringLiteral("classic"), kNoJoker}).games, std::int64_t{1});
    for (const auto& [key, value] : before) {
        if (key != u"seiseki" && key != u"seiseki_classic")
            QCOMPARE(after.get(u"form2", key, {}), value);
    }
    QCOMPARE(after.get(u"form2", u"ten1", {}), QStringLiteral("150"));
    // The next start finds nothing more to say.
    ModalAnswers quiet;
    Run again;
    QVERIFY(again.started);
    QCOMPARE(quiet.boxes.size(), 0);
}

// "リセット" asks "成績のリセット？"; "いいえ" keeps every figure, "はい" clears the group's.
void TestMatchStatistics::resetAsksFirst() {
    {
        Run first;
        Store& store = first.program->store();
        for (const char* strength : {"weak", "classic"})
            statistics::recordGame(store, QString::fromLatin1(strength), kNoJoker,
                                   {2, Outcome::WentOut, 1, 12}, 100);
        store.save(u"form4", u"seiseki", store.get(u"form2", u"seiseki", {}));  // group 1's
    }
    ModalAnswers answers;
    Run run;
    StatisticsWindow* window = openStatistics(run);
    QVERIFY(window);
    QCOMPARE(window->figure(Figure::Games)->text(), QStringLiteral("2"));
    answers.box(QMessageBox::No);
    QTest::mouseClick(window->resetButton(), Qt::LeftButton);
    QCOMPARE(answers.boxes.size(), 1);
    QCOMPARE(answers.boxes[0].title, QStringLiteral("成績のリセット？"));
    QCOMPARE(window->figure(Figure::Games)->text(), QStringLiteral("2"));
    QCOMPARE(stored().games, std::int64_t{2});

    answers.box(QMessageBox::Yes);
    QTest::mouseClick(window->resetButton(), Qt::LeftButton);
    QCOMPARE(window->figure(Figure::Games)->text(), QStringLiteral("0"));
    for (const auto& [key, value] : Store().list(u"form2"))
        QVERIFY2(!statistics::isStatisticsKey(key), qPrintable(key));
    QVERIFY(Store().contains(u"form4", u"seiseki"));  // another group's stays
    QVERIFY(answers.unexpected.isEmpty());
}

void TestMatchStatistics::json_data() {
    QTest::addColumn<QString>("store");  // what the store holds
    QTest::addColumn<int>("status");
    QTest::newRow("nothing stored") << "none" << 0;
    QTest::newRow("a group with games") << "played" << 0;
    QTest::newRow("a damaged record") << "damaged" << 3;
    QTest::newRow("a file that cannot be read") << "unreadable" << 2;
}

// `plumet --stats-json`: the group in use on stdout, no window and no lock; it writes nothing;
// damage is said on stderr with a non-zero status.
void TestMatchStatistics::json() {
    QFETCH(QString, store);
    QFETCH(int, status);
    if (store == u"played") {
        Store s;
        s.save(u"form2", u"plymdi", QStringLiteral("2"));
        groups::rename(s, 2, QStringLiteral("家族"));
        for (int g = 1; g <= 10; ++g) {
            statistics::recordGame(s, QStringLiteral("classic"), kNoJoker,
                                   {g % 2 + 1, Outcome::WentOut, 1, 15},
                                   g == 10 ? std::optional<int>(150) : std::nullopt);
        }
        statistics::recordAbandoned(s, QStringLiteral("classic"), kNoJoker);
    } else if (store == u"damaged") {
        Store().save(u"form2", u"seiseki_weak", QStringLiteral("games=-1"));
    } else if (store == u"unreadable") {
        QVERIFY(QDir().mkpath(Store::filePath()));
    }
    const QByteArray before = TempStore::fileBytes();
    const QFileInfo file(Store::filePath());
    const QDateTime modified = file.exists() ? file.lastModified() : QDateTime();

    QTemporaryDir runtime;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));  // no window: no platform needed either
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_->path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(PLUMET_PROGRAM), {QStringLiteral("--stats-json")});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    const QByteArray out = process.readAllStandardOutput();
    const QString err = QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(process.exitCode(), status);
    // Nothing written, no lock taken.
    QCOMPARE(TempStore::fileBytes(), before);
    if (modified.isValid()) QCOMPARE(QFileInfo(Store::filePath()).lastModified(), modified);
    QCOMPARE(QDir(runtime.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList());

    if (status != 0) {
        QVERIFY(out.isEmpty());
        QVERIFY2(err.contains(Store::filePath()), qPrintable(err));
        if (store == u"damaged")
            QVERIFY2(err.contains(QStringLiteral("seiseki_weak")), qPrintable(err));
        return;
    }
    QVERIFY2(err.isEmpty(), qPrintable(err));
    QJsonParseError error;
    const QJsonObject doc = QJsonDocument::fromJson(out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject total = doc.value("total").toObject();
    const QJsonObject classic = doc.value("levels").toObject().value("classic").toObject();
    QCOMPARE(doc.value("rules").toArray().size(), 12);
    if (store == u"none") {
        QCOMPARE(doc.value("group").toInt(-1), 0);
        QCOMPARE(doc.value("groupName").toString(), QStringLiteral("グループ１"));
        QCOMPARE(total.value("games").toInt(-1), 0);
        QCOMPARE(total.value("places").toArray(), (QJsonArray{0, 0, 0, 0}));
        QCOMPARE(classic.keys(), total.keys());
        return;
    }
    QCOMPARE(doc.value("group").toInt(), 2);
    QCOMPARE(doc.value("groupName").toString(), QStringLiteral("家族"));
    QCOMPARE(total.value("games").toInt(), 10);
    QCOMPARE(total.value("matches").toInt(), 1);
    QCOMPARE(total.value("abandoned").toInt(), 1);
    QCOMPARE(total.value("places").toArray(), (QJsonArray{5, 5, 0, 0}));
    QCOMPARE(classic, total);
    QCOMPARE(doc.value("levels").toObject().value("weak").toObject().value("games").toInt(-1), 0);
}

QTEST_MAIN(TestMatchStatistics)
#include "tst_matchstatistics.moc"
