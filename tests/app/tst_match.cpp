// SPDX-License-Identifier: GPL-3.0-or-later
// Whole matches through the real windows: ten games with the results after each, a match
// saved after game 3 and continued after the program was started again, the total entered
// in the TOP-10 table under a Japanese name, the table exported, a hand-altered copy refused
// and the good file imported into another group; and the damaged stored data.
#include <QComboBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "common/modalanswers.h"
#include "common/tempstore.h"
#include "data/savedgame.h"
#include "data/top10.h"
#include "matchfixture.h"
#include "ui/table/boardwindow.h"
#include "ui/table/computerwindow.h"
#include "ui/toolbar.h"

using namespace plumet;
using plumet::test::Program;
using plumet::test::shownWindow;

namespace {

QString stored(const Store& store, const char* key) {
    return store.get(u"form2", QString::fromLatin1(key), QStringLiteral("<none>"));
}

bool continueEnabled(Program& p) {
    const bool item = p.items().continueMatch->isEnabled();
    const bool image = p.main->toolButton(ToolButton::Continue)->isVisibleTo(p.main.get());
    return item && image && !p.main->toolButton(ToolButton::ContinueOff)->isVisibleTo(p.main.get());
}

// The title screen: no match, the board hidden, the rule options free again.
bool atTitle(Program& p) {
    return p.state().gameNumber == 0 && !p.main->boardFrame()->isVisible() &&
           !p.main->playerFrame(1)->isVisible() && !p.items().backToInitialScreen->isEnabled() &&
           p.items().changeGroup->isEnabled() && p.items().aceKing->isEnabled() &&
           p.main->windowTitle() == QStringLiteral("カドリオ   （ グループ１ ）");
}

// A window of its own whose parent is the main window: it stays with the game's window.
bool withTheGame(Program& p, const QWidget* window) {
    return window->isWindow() && window->parentWidget() == p.main.get();
}

// In the middle of the main window, to the width of the frames (a window's frame is not known
// before its first show).
bool centred(Program& p, const QWidget* window) {
    const QPoint offset = window->frameGeometry().center() - p.main->frameGeometry().center();
    const QPoint frame = window->geometry().topLeft() - window->frameGeometry().topLeft();
    return std::abs(offset.x()) <= 2 * frame.x() + 1 && std::abs(offset.y()) <= 2 * frame.y() + 1;
}

}  // namespace

class TestMatch : public QObject {
    Q_OBJECT

    std::unique_ptr<TempStore> dir_;
    QTemporaryDir data_;

  private slots:
    void init() { dir_ = std::make_unique<TempStore>(); }
    void cleanup() { dir_.reset(); }

    void wholeMatch();
    void damagedTop10();
    void damagedSavedMatch();
    void newGameDiscardsTheSavedMatch();
    void firstRun();
    void ruleFaultEndsTheGame();
};

void TestMatch::wholeMatch() {
    ModalAnswers answers;  // also closes any message box that should not come
    QTemporaryDir files;
    PlayerInts afterThree{};
    std::array<std::string, 11> placesOfThree;
    {
        Program p(data_.path());
        QVERIFY(p.started);
        QVERIFY(!continueEnabled(p));
        QVERIFY(p.main->toolButton(ToolButton::ContinueOff)->isVisibleTo(p.main.get()));
        // Away from the middle of the screen: the windows of the match open over it.
        p.main->move(p.main->screen()->availableGeometry().topLeft());
        p.items().jokerNone->trigger();
        p.session->random().seed(11);
        p.items().newGame->trigger();
        QCOMPARE(p.state().gameNumber, 1);
        QVERIFY(!p.items().changeGroup->isEnabled());

        for (int game = 1; game <= 3; ++game) {
            ResultsWindow* results = p.playToResults();
            QVERIFY2(results, "the game stalled");
            QVERIFY(!acceptsInput(p.main.get()));
            // A window of its own, with the game's window, in the middle of it.
            QVERIFY(withTheGame(p, results));
            QVERIFY(centred(p, results));
            QCOMPARE(results->windowTitle(), QStringLiteral(" %1 回戦終了").arg(game));
            QCOMPARE(results->button(ResultsWindow::Button::Proceed)->text(),
                     QStringLiteral(" %1 回戦に進む").arg(game + 1));
            QCOMPARE(results->nameLabel(1)->text(), p.session->human().windowTitle());
            QCOMPARE(results->recordPlaceLabel(game - 1)->text(),
                     p.session->human().statusLabel(StatusLine::PassesOrPlace)->text() +
                         QStringLiteral(" / ") +
                         p.session->human().statusLabel(StatusLine::Status)->text());
            QVERIFY(results->recordPointsLabel(game)->text().isEmpty());
            if (game == 2)
                QTest::mouseClick(results->button(ResultsWindow::Button::SwitchGraph),
                                  Qt::LeftButton);
            if (game < 3) {
                QTest::mouseClick(results->button(ResultsWindow::Button::Proceed), Qt::LeftButton);
                QCOMPARE(p.state().gameNumber, game + 1);
            }
        }
        // After game 3: save and back to the title screen.
        afterThree = p.state().score;
        placesOfThree = p.state().humanGamePlaces;
        QTest::mouseClick(shownWindow<ResultsWindow>()->button(ResultsWindow::Button::SaveToTitle),
                          Qt::LeftButton);
        QTRY_VERIFY(!shownWindow<ResultsWindow>());
        QVERIFY(acceptsInput(p.main.get()));
        QVERIFY(atTitle(p));
        QVERIFY(continueEnabled(p));
        QCOMPARE(p.state().savedGameNumber, 3);
        QCOMPARE(stored(*p.store, "sp"), QStringLiteral("3"));
        QCOMPARE(stored(*p.store, "gurahu"), QString::fromUtf8(kPerGameGraph));
        for (int c = 1; c <= 52; ++c) QVERIFY(!p.session->board().picture(c)->isVisible());
        p.items().quit->trigger();
    }

    // The program starts again and continues the match.
    Program p(data_.path());
    QVERIFY(p.started);
    QVERIFY(continueEnabled(p));
    QCOMPARE(p.state().gameNumber, 0);
    p.items().jokerNone->trigger();
    p.session->random().seed(12);
    QTest::mouseClick(p.main->toolButton(ToolButton::Continue),
                      Qt::LeftButton);  // the toolbar's continue button
    QCOMPARE(p.state().gameNumber, 4);
    QCOMPARE(p.state().score[1], afterThree[1]);
    QCOMPARE(p.state().score[4], afterThree[4]);
    QVERIFY(!continueEnabled(p));
    QVERIFY(p.items().backToInitialScreen->isEnabled());
    QVERIFY(!p.items().changeGroup->isEnabled());
    QCOMPARE(stored(*p.store, "sp"), QStringLiteral("0"));

    for (int game = 4; game <= 10; ++game) {
        ResultsWindow* results = p.playToResults();
        QVERIFY2(results, "the game stalled");
        if (game == 4) {
            // The record of the games before the break, and the graph last shown.
            QCOMPARE(results->recordPlaceLabel(0)->text(),
                     QString::fromStdString(placesOfThree[1]));
            QCOMPARE(results->recordPlaceLabel(2)->text(),
                     QString::fromStdString(placesOfThree[3]));
            QCOMPARE(results->graphCaptionLabel()->text(), QString::fromUtf8(kPerGameGraph));
        }
        if (game < 10) {
            QTest::mouseClick(results->button(ResultsWindow::Button::Proceed), Qt::LeftButton);
            continue;
        }
        QCOMPARE(results->windowTitle(), QStringLiteral("ゲーム終了"));
        QCOMPARE(results->button(ResultsWindow::Button::Proceed)->text(),
                 QStringLiteral("ゲーム終了"));
        QVERIFY(!results->button(ResultsWindow::Button::SaveToTitle)->isVisible());
        for (int k = 0; k < 10; ++k) QVERIFY(!results->recordPointsLabel(k)->text().isEmpty());
        QTest::mouseClick(results->button(ResultsWindow::Button::Proceed), Qt::LeftButton);
    }

    // The TOP-10 entry: the total is well above the default tenth total of 10.
    const int total = p.state().score[1];
    QVERIFY(total >= 10);
    QCOMPARE(p.state().gameNumber, 0);
    QVERIFY(!acceptsInput(p.main.get()));
    QVERIFY(!p.items().backToInitialScreen->isEnabled());
    QVERIFY(p.items().changeGroup->isEnabled());
    Top10Dialog* table = shownWindow<Top10Dialog>();
    NameEntry* entry = shownWindow<NameEntry>();
    QVERIFY(table && entry);
    QVERIFY(withTheGame(p, table) && withTheGame(p, entry));
    QVERIFY(centred(p, table));
    const int rank = p.state().newRank;
    QCOMPARE(entry->windowTitle(), QStringLiteral("おめでとう %1 位です").arg(rank));
    QCOMPARE(table->nameLabel(rank - 1)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QInputMethodEvent typing;
    typing.setCommitString(QStringLiteral("やまだ"));
    QApplication::sendEvent(entry->nameEdit(), &typing);
    QCOMPARE(table->nameLabel(rank - 1)->text(), QStringLiteral("やまだ"));
    QTest::mouseClick(entry->registerButton(), Qt::LeftButton);
    QTRY_VERIFY(!shownWindow<Top10Dialog>() && !shownWindow<NameEntry>());
    QVERIFY(acceptsInput(p.main.get()));
    QCOMPARE(p.state().score[1], 0);
    QCOMPARE(p.store->get(u"form2", QStringLiteral("name%1").arg(rank), {}),
             QStringLiteral("やまだ"));
    QCOMPARE(p.store->get(u"form2", QStringLiteral("ten%1").arg(rank), {}), QString::number(total));

    // Export through the TOP-10 view and its file dialog.
    const QString good = files.filePath(QStringLiteral("top.dat"));
    p.items().showTop10->trigger();
    QVERIFY(!acceptsInput(p.main.get()));
    table = shownWindow<Top10Dialog>();
    QVERIFY(table);
    QVERIFY(withTheGame(p, table));
    QCOMPARE(table->nameLabel(rank - 1)->text(), QStringLiteral("やまだ"));
    answers.file(good);
    QTest::mouseClick(table->button(Top10Dialog::Button::Export), Qt::LeftButton);
    QVERIFY(QFile::exists(good));
    QTest::mouseClick(table->button(Top10Dialog::Button::Ok), Qt::LeftButton);
    QVERIFY(acceptsInput(p.main.get()));

    // A copy altered by hand: the first character of the first name changed.
    QFile file(good);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    const int comma = bytes.indexOf(',');
    const int code = bytes.left(comma).toInt();
    bytes.replace(0, comma, QByteArray::number(code + 1));
    const QString altered = files.filePath(QStringLiteral("altered.dat"));
    QFile copy(altered);
    QVERIFY(copy.open(QIODevice::WriteOnly));
    copy.write(bytes);
    copy.close();

    // Another group, with the default table, takes the files.
    p.items().changeGroup->trigger();
    table = shownWindow<Top10Dialog>();
    QVERIFY(table);
    QVERIFY(withTheGame(p, table));
    table->groupList()->setCurrentIndex(2);
    QCOMPARE(p.state().group, 2);
    QCOMPARE(p.main->windowTitle(), QStringLiteral("カドリオ   （ グループ３ ）"));
    QCOMPARE(table->nameLabel(rank - 1)->text(), QStringLiteral("ＲＯＫＥＮ"));
    QTest::mouseClick(table->button(Top10Dialog::Button::GroupOk), Qt::LeftButton);
    QVERIFY(acceptsInput(p.main.get()));

    p.items().showTop10->trigger();
    table = shownWindow<Top10Dialog>();
    answers.box(QMessageBox::Ok);
    answers.file(altered);
    answers.box(QMessageBox::Ok);
    QTest::mouseClick(table->button(Top10Dialog::Button::Import), Qt::LeftButton);
    QCOMPARE(answers.boxes.size(), 2);
    QCOMPARE(answers.boxes[1].text,
             QStringLiteral("データが異常です。\nベスト１０は更新されませんでした。"));
    QCOMPARE(table->nameLabel(rank - 1)->text(), QStringLiteral("ＲＯＫＥＮ"));
    QCOMPARE(stored(*p.store, "ten1"), QStringLiteral("100"));

    answers.box(QMessageBox::Ok);
    answers.file(good);
    QTest::mouseClick(table->button(Top10Dialog::Button::Import), Qt::LeftButton);
    QCOMPARE(answers.boxes.size(), 3);
    QCOMPARE(table->nameLabel(rank - 1)->text(), QStringLiteral("やまだ"));
    QCOMPARE(p.store->get(u"form2", QStringLiteral("ten%1").arg(rank), {}), QString::number(total));
    QTest::mouseClick(table->button(Top10Dialog::Button::Ok), Qt::LeftButton);
    QCOMPARE(answers.fileDialogs.size(), 3);
    QVERIFY2(answers.unexpected.isEmpty(), qPrintable(answers.unexpected.join(u'\n')));
    QCOMPARE(p.ended, 0);

    // The imported table passes the next check.
    p.items().showTop10->trigger();
    QVERIFY(shownWindow<Top10Dialog>());
    QCOMPARE(p.ended, 0);
}

// A total changed by hand: the TOP-10 dialog reports it, resets the table and ends the
// program; the next start shows the default table.
void TestMatch::damagedTop10() {
    {
        Program p(data_.path());
        p.items().showTop10->trigger();  // the first opening makes the check strings
        QTest::mouseClick(shownWindow<Top10Dialog>()->button(Top10Dialog::Button::Ok),
                          Qt::LeftButton);
        p.store->save(u"form2", u"ten3", QStringLiteral("85"));
        ModalAnswers answers;
        answers.box(QMessageBox::Ok);
        p.items().showTop10->trigger();
        QCOMPARE(answers.boxes.size(), 1);
        QCOMPARE(answers.boxes[0].title, QStringLiteral("データ異常"));
        QCOMPARE(answers.boxes[0].text,
                 QStringLiteral(
                     "データが異常です。\nベスト１０を初期化後終了します。\n再起動して下さい。"));
        QCOMPARE(p.ended, 1);
        QTRY_VERIFY(!shownWindow<Top10Dialog>());
        QCOMPARE(stored(*p.store, "ckkc"), QStringLiteral("9999"));
        QCOMPARE(stored(*p.store, "ten3"), QStringLiteral("<none>"));
    }
    Program p(data_.path());
    p.items().showTop10->trigger();
    Top10Dialog* table = shownWindow<Top10Dialog>();
    QVERIFY(table);
    QCOMPARE(p.ended, 0);
    QCOMPARE(table->rowLabel(2)->text(), QStringLiteral("1997-04-01   80  "));
}

// A saved match with its check digits altered is refused and the program goes on; one whose
// "tp" reads "59" ends the program after resetting "tp", and the next start refuses the
// match by its check digits.
void TestMatch::damagedSavedMatch() {
    {
        Store store;
        GameState s;
        s.gameNumber = 3;
        s.score = {0, 12, 30, 4, 18};
        s.starter = 2;
        s.streak = 1;
        savedmatch::saveMatch(store, s, QString::fromUtf8(kCumulativeGraph));
        store.save(u"form2", u"right", QStringLiteral("325458"));
        store.save(u"form2", u"ckkc", QStringLiteral("1234"));  // not the first run
    }
    {
        ModalAnswers answers;
        answers.box(QMessageBox::Ok);
        Program p(data_.path());
        QVERIFY(p.started);
        QCOMPARE(answers.boxes.size(), 1);
        QCOMPARE(answers.boxes[0].title, QStringLiteral("データ異常"));
        QCOMPARE(answers.boxes[0].text,
                 QStringLiteral("データが異常です。\n前回の続きが出来ません。"));
        QVERIFY(!continueEnabled(p));
        QCOMPARE(p.state().savedGameNumber, 0);
        QCOMPARE(p.state().gameNumber, 0);
        QCOMPARE(p.ended, 0);
        p.store->save(u"form2", u"right", QStringLiteral("325457"));
        p.store->save(u"form2", u"tp", QStringLiteral("59"));
    }
    {
        ModalAnswers answers;
        answers.box(QMessageBox::Ok);
        Program p(data_.path());
        QVERIFY(!p.started);
        QCOMPARE(p.ended, 1);
        QCOMPARE(answers.boxes.size(), 1);
        QCOMPARE(answers.boxes[0].text,
                 QStringLiteral("データが異常です。\nデータ初期化後終了致します。"));
        QCOMPARE(stored(*p.store, "tp"), QStringLiteral("0"));
    }
    {
        ModalAnswers answers;
        answers.box(QMessageBox::Ok);
        Program p(data_.path());
        QVERIFY(p.started);
        QCOMPARE(p.ended, 0);
        QCOMPARE(answers.boxes.size(), 1);
        QCOMPARE(answers.boxes[0].text,
                 QStringLiteral("データが異常です。\n前回の続きが出来ません。"));
        QVERIFY(!continueEnabled(p));
    }
    // A match that passes at start-up but is altered before "前回の続き": refused there.
    {
        Store store;
        store.save(u"form2", u"tp", QStringLiteral("12"));
    }
    ModalAnswers answers;
    Program p(data_.path());
    QVERIFY(continueEnabled(p));
    p.store->save(u"form2", u"p2", QStringLiteral("31"));
    answers.box(QMessageBox::Ok);
    p.items().continueMatch->trigger();
    QCOMPARE(answers.boxes.size(), 1);
    QCOMPARE(answers.boxes[0].text, QStringLiteral("データが異常です。\n前回の続きが出来ません。"));
    QVERIFY(!continueEnabled(p));
    QCOMPARE(p.state().gameNumber, 0);
    QVERIFY(!p.main->boardFrame()->isVisible());
}

// "新規ゲーム" over a saved match asks once, discards it, and a second new game during the
// new match asks only about the current game.
void TestMatch::newGameDiscardsTheSavedMatch() {
    {
        Store store;
        GameState s;
        s.gameNumber = 3;
        s.score = {0, 12, 30, 4, 18};
        s.starter = 2;
        savedmatch::saveMatch(store, s, QString::fromUtf8(kCumulativeGraph));
    }
    Program p(data_.path());
    QVERIFY(continueEnabled(p));
    ModalAnswers answers;
    answers.box(QMessageBox::Cancel);
    p.items().newGame->trigger();
    QCOMPARE(p.state().gameNumber, 0);
    QVERIFY(continueEnabled(p));
    answers.box(QMessageBox::Ok);
    p.items().newGame->trigger();
    QCOMPARE(p.state().gameNumber, 1);
    QVERIFY(!continueEnabled(p));
    for (const char* key : {"sp", "p1", "p2", "p3", "p4"})
        QCOMPARE(stored(*p.store, key), QStringLiteral("0"));
    answers.box(QMessageBox::Cancel);
    p.items().newGame->trigger();
    QCOMPARE(answers.boxes.size(), 3);
    QCOMPARE(answers.boxes[0].text,
             QStringLiteral("前回の保存データを破棄し\n新規ゲームを開始しますか？"));
    QCOMPARE(answers.boxes[2].text,
             QStringLiteral("現在のゲームを破棄し\n新規ゲームを開始しますか？"));
    QVERIFY(answers.unexpected.isEmpty());
}

// The first start makes the check strings; a saved match found inconsistent then ends it.
void TestMatch::firstRun() {
    {
        Program p(data_.path());
        QVERIFY(p.started);
        QCOMPARE(stored(*p.store, "ckkc"), QStringLiteral("1234"));
        QCOMPARE(stored(*p.store, "right"), QStringLiteral("3249"));
        p.store->removeApplication();
        Store store;
        store.save(u"form2", u"sp", QStringLiteral("2"));
        store.save(u"form2", u"tp", QStringLiteral("31"));  // a streak of 3 after 2 games
    }
    ModalAnswers answers;
    answers.box(QMessageBox::Ok);
    Program p(data_.path());
    QVERIFY(!p.started);
    QCOMPARE(p.ended, 1);
    QCOMPARE(answers.boxes.size(), 1);
    QCOMPARE(answers.boxes[0].text,
             QStringLiteral("データが異常です。\nデータ初期化後終了致します。"));
    QCOMPARE(stored(*p.store, "tp"), QStringLiteral("0"));
}

// A rule that finds the game in a state the rules never produce (here the hand-off after the
// human's last card finds cards left but nobody holding any): a message, the game ends and
// the initial screen comes back as "初期画面に戻る" leaves it, and the store is untouched.
void TestMatch::ruleFaultEndsTheGame() {
    Program p(data_.path());
    p.session->random().seed(5);
    p.items().newGame->trigger();
    GameState& s = p.state();
    int slot = 0;
    for (int spin = 0; spin < 100000 && slot == 0; ++spin) {
        if (!p.humanToMove()) {
            QTest::qWait(1);
            continue;
        }
        for (int i = 1; i <= s.handCount[kHuman] && slot == 0; ++i) {
            const int target = clickTarget(s, i);
            if (target >= 1 && target <= 8) slot = i;
        }
        if (slot == 0) {  // nothing fits: pass and wait for the next turn
            CardPicture* pass = p.session->human().picture(s.handCount[kHuman] + 1);
            QTest::mouseClick(pass, Qt::LeftButton, {}, pass->rect().center());
        }
    }
    QVERIFY(slot > 0);
    const QByteArray bytes = TempStore::fileBytes();

    const std::int16_t card = s.hand[kHuman][slot];
    s.hand[kHuman] = {};
    s.hand[kHuman][1] = card;
    s.handCount[kHuman] = 1;
    for (int q = 2; q <= kPlayers; ++q) {
        s.hand[q] = {};
        s.handCount[q] = 0;
    }
    ModalAnswers answers;
    answers.box(QMessageBox::Ok);
    CardPicture* picture = p.session->human().picture(1);
    QTest::mouseClick(picture, Qt::LeftButton, {}, picture->rect().center());

    QVERIFY(answers.done());
    QCOMPARE(answers.boxes.size(), 1);
    QCOMPARE(answers.boxes[0].title, QStringLiteral("ゲームの中断"));
    QVERIFY(atTitle(p));
    QVERIFY(acceptsInput(p.main.get()));
    QVERIFY(p.items().newGame->isEnabled());
    QVERIFY(!p.main->captionTimer().isActive());
    for (ComputerWindow* playerWindow : p.session->computers())
        QVERIFY(!playerWindow->thinkTimer().isActive());
    for (int c = 1; c <= kJoker; ++c) QVERIFY(!p.session->board().picture(c)->isVisible());
    QCOMPARE(TempStore::fileBytes(), bytes);

    // The next game starts as usual.
    p.items().newGame->trigger();
    QCOMPARE(s.gameNumber, std::int16_t{1});
    QVERIFY(p.main->boardFrame()->isVisible());
    QVERIFY(answers.unexpected.isEmpty());
}

QTEST_MAIN(TestMatch)
#include "tst_match.moc"
