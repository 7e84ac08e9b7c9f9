// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar as a player uses it: what a click on each button does, the images that show
// each option's state (one per position), the pressed look, and the match lock reaching the
// rule buttons but not the detection button.
#include <QSignalSpy>
#include <QTest>

#include "gamefixture.h"
#include "rules/joker.h"
#include "rules/laying.h"

using namespace plumet;
using plumet::test::Game;
using plumet::test::menuItem;

namespace {

// The options the toolbar shows, each with the images of its states.
enum class Option { AceKing, Joker, Passes, Detection, Frame, Sound, Pace };

// State values: on/off 1/0; joker 0 none, 1 used, 2 reused; passes 3 or 2; pace 0 fast,
// 1 standard, 2 slow.
int stateOf(const MainWindow& main, Option option) {
    const auto checked = [&main](const char* name) { return menuItem(main, name)->isChecked(); };
    const auto oneOf = [&](std::initializer_list<const char*> names) {
        int index = 0, found = -1, count = 0;
        for (const char* name : names) {
            if (checked(name)) {
                found = index;
                ++count;
            }
            ++index;
        }
        return count == 1 ? found : -1;  // -1: not exactly one item checked
    };
    switch (option) {
        case Option::AceKing:
            return checked("ruruak");
        case Option::Joker:
            return oneOf({"jokernai", "jokerdo", "jokersai"});
        case Option::Passes: {
            const int i = oneOf({"ps3", "ps2"});
            return i < 0 ? -1 : 3 - i;
        }
        case Option::Detection:
            return checked("daseruka");
        case Option::Frame:
            return checked("mnucawaku");
        case Option::Sound: {
            const int i = oneOf({"otooff", "otoon"});
            return i;
        }
        case Option::Pace:
            return oneOf({"mnuhayai", "mnuhyojun", "mnuosoi"});
    }
    return -1;
}

void setState(MainWindow& main, Option option, int state) {
    switch (option) {
        case Option::AceKing:
            return main.setAceKing(state);
        case Option::Joker:
            return main.setJoker(static_cast<JokerMode>(state));
        case Option::Passes:
            return main.setPasses(state);
        case Option::Detection:
            return main.setDetection(state);
        case Option::Frame:
            return main.setFramed(state);
        case Option::Sound:
            return main.setSoundOn(state);
        case Option::Pace:
            return main.setPace(static_cast<Pace>(state));
    }
}

// The image that shows `state` of `option`.
int imageFor(Option option, int state) {
    switch (option) {
        case Option::AceKing:
            return state ? 8 : 9;
        case Option::Joker:
            return 10 + state;
        case Option::Passes:
            return state == 3 ? 23 : 24;
        case Option::Detection:
            return state ? 13 : 14;
        case Option::Frame:
            return state ? 25 : 26;
        case Option::Sound:
            return state ? 18 : 19;
        case Option::Pace:
            return state == 0 ? 17 : state == 1 ? 16 : 15;
    }
    return 0;
}

// The buttons that share a position, by position.
const QList<QList<int>> kPositions = {{1},          {2, 3},   {4, 5},   {6},      {7},  {8, 9},
                                      {10, 11, 12}, {23, 24}, {13, 14}, {27, 29}, {28}, {25, 26},
                                      {15, 16, 17}, {22},     {18, 19}, {20},     {21}, {30}};

// Left edge of each position, in twips.
const QList<double> kLefts = {30,   510,  990,  1470, 1950, 2550, 3030, 3510, 3990,
                              4470, 4950, 5430, 5910, 6390, 6870, 7470, 8030, 8590};

bool shown(const MainWindow& main, int n) {
    return main.toolButton(static_cast<ToolButton>(n))->isVisibleTo(main.toolbar());
}

// Every position shows exactly one of its buttons.
void verifyOnePerPosition(const MainWindow& main) {
    for (const QList<int>& position : kPositions) {
        int count = 0;
        for (int n : position) count += shown(main, n);
        QVERIFY2(count == 1, qPrintable(QStringLiteral("position of Image%1 shows %2 buttons")
                                            .arg(position.first())
                                            .arg(count)));
    }
    for (int k = 0; k < kPositions.size(); ++k) {
        for (int n : kPositions[k])
            QCOMPARE(main.toolButton(static_cast<ToolButton>(n))->geometry(),
                     pxRect(kLefts[k], 30, 480, 300));
    }
}

QList<bool> visibility(const MainWindow& main) {
    QList<bool> all;
    for (int n = 1; n <= kToolButtons; ++n) all.append(shown(main, n));
    return all;
}

void clickImage(MainWindow& main, int n) {
    ToolImage* image = main.toolButton(static_cast<ToolButton>(n));
    QTest::mouseClick(image, Qt::LeftButton, {}, image->rect().center());
}

// Plays the human's side of the current game to its end: the first card that fits, else a
// joker move, else a pass.
void playToEnd(Game& game) {
    const GameState& s = game.state();
    const int ended = game.gamesEnded;
    while (game.gamesEnded == ended) {
        QVERIFY(game.waitForHuman(ended));
        if (game.gamesEnded > ended) break;
        const Rules rules = game.main->rules();
        const int count = s.handCount[kHuman];
        int slot = 0;
        for (int i = 1; i <= count && !slot; ++i) {
            const int target = clickTarget(s, i);
            if (target >= 1 && target <= 52) slot = i;
        }
        if (slot) {
            game.click(slot);
            continue;
        }
        if (s.hand[kHuman][count] == kJoker) {
            for (int i = 1; i < count && !slot; ++i) {
                if (jokerEnd(s, rules, kHuman, i)) slot = i;
            }
        }
        if (slot) {
            game.click(count);
            game.click(slot);
            continue;
        }
        game.click(count + 1);
    }
}

}  // namespace

Q_DECLARE_METATYPE(Option)

class ToolbarTest : public QObject {
    Q_OBJECT
  private slots:
    void optionButtons_data();
    void optionButtons();
    void commandButtons_data();
    void commandButtons();
    void pressedLook_data();
    void pressedLook();
    void menuChoiceAlreadyInForce_data();
    void menuChoiceAlreadyInForce();
    void duringMatch();
};

void ToolbarTest::optionButtons_data() {
    QTest::addColumn<Option>("option");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("AK on -> off") << Option::AceKing << 1 << 0;
    QTest::newRow("AK off -> on") << Option::AceKing << 0 << 1;
    QTest::newRow("joker none -> used") << Option::Joker << 0 << 1;
    QTest::newRow("joker used -> reused") << Option::Joker << 1 << 2;
    QTest::newRow("joker reused -> none") << Option::Joker << 2 << 0;
    QTest::newRow("pass 3 -> 2") << Option::Passes << 3 << 2;
    QTest::newRow("pass 2 -> 3") << Option::Passes << 2 << 3;
    QTest::newRow("detection on -> off") << Option::Detection << 1 << 0;
    QTest::newRow("detection off -> on") << Option::Detection << 0 << 1;
    QTest::newRow("frame on -> off") << Option::Frame << 1 << 0;
    QTest::newRow("frame off -> on") << Option::Frame << 0 << 1;
    QTest::newRow("sound on -> off") << Option::Sound << 1 << 0;
    QTest::newRow("sound off -> on") << Option::Sound << 0 << 1;
    QTest::newRow("pace standard -> slow") << Option::Pace << 1 << 2;
    QTest::newRow("pace slow -> fast") << Option::Pace << 2 << 0;
    QTest::newRow("pace fast -> standard") << Option::Pace << 0 << 1;
}

void ToolbarTest::optionButtons() {
    QFETCH(Option, option);
    QFETCH(int, before);
    QFETCH(int, after);
    Game game;
    MainWindow& main = *game.main;
    setState(main, option, before);
    QCOMPARE(stateOf(main, option), before);
    verifyOnePerPosition(main);
    QVERIFY(shown(main, imageFor(option, before)));

    clickImage(main, imageFor(option, before));
    QCOMPARE(stateOf(main, option), after);
    QVERIFY(shown(main, imageFor(option, after)));
    verifyOnePerPosition(main);
    if (option == Option::Pace) {
        const int interval = after == 0 ? 100 : after == 1 ? 500 : 1000;
        for (ComputerWindow* playerWindow : game.session->computers())
            QCOMPARE(playerWindow->thinkTimer().interval(), interval);
    }
    if (option == Option::Frame) {
        for (int p = 1; p <= kPlayers; ++p)
            QCOMPARE(game.session->window(p).picture(1)->framed(), after == 1);
        QCOMPARE(game.session->board().picture(1)->framed(), after == 1);
    }
}

void ToolbarTest::commandButtons_data() {
    QTest::addColumn<int>("image");
    QTest::addColumn<QString>("item");  // empty: the button does nothing
    QTest::newRow("START") << 1 << "mnugstart";
    QTest::newRow("CONT blue") << 2 << "mnutuduki";
    QTest::newRow("CONT grey") << 3 << "";
    QTest::newRow("TITLE blue") << 4 << "mnusyoki";
    QTest::newRow("TITLE grey") << 5 << "";
    QTest::newRow("TOP10") << 6 << "mnutop";
    QTest::newRow("END") << 7 << "end";
    QTest::newRow("GROUP blue") << 27 << "mnugroup";
    QTest::newRow("GROUP grey") << 29 << "";
    QTest::newRow("NAME") << 28 << "mnuname";
    QTest::newRow("MOVE") << 22 << "mnumove";
    QTest::newRow("FIT") << 20 << "winall";
    QTest::newRow("HELP") << 21 << "mnuhelpm";
    QTest::newRow("STATS") << 30 << "mnuseiseki";
}

void ToolbarTest::commandButtons() {
    QFETCH(int, image);
    QFETCH(QString, item);
    Game game;
    MainWindow& main = *game.main;
    // Only the routing is under test: each item's own command is cut off and counted.
    QList<QAction*> items;
    QList<int> counts;
    for (const char* name : {"mnugstart", "mnutuduki", "mnusyoki", "mnutop", "end", "mnugroup",
                             "mnuname", "mnumove", "winall", "mnuhelpm", "mnuseiseki"}) {
        QAction* action = menuItem(main, name);
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        action->setEnabled(true);
        items.append(action);
    }
    counts.resize(items.size());
    for (int i = 0; i < items.size(); ++i)
        QObject::connect(items[i], &QAction::triggered, &main, [&counts, i] { ++counts[i]; });
    main.toolButton(static_cast<ToolButton>(image))->show();

    clickImage(main, image);
    for (int i = 0; i < items.size(); ++i) {
        const int expected = items[i]->objectName() == item ? 1 : 0;
        QVERIFY2(counts[i] == expected, qPrintable(items[i]->objectName()));
    }
}

void ToolbarTest::pressedLook_data() {
    QTest::addColumn<int>("image");
    for (int n = 1; n <= kToolButtons; ++n) QTest::addRow("Image%d", n) << n;
}

void ToolbarTest::pressedLook() {
    QFETCH(int, image);
    Game game;
    ToolImage* button = game.main->toolButton(static_cast<ToolButton>(image));
    button->show();
    const QRect picture = button->contentsRect().translated(button->pos());
    QSignalSpy clicks(button, &ToolImage::clicked);
    QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
    if (image == 29) {
        QCOMPARE(button->frameWidth(), 0);
    } else {
        // A thin single border around the picture, which itself stays where it was.
        QCOMPARE(button->frameShape(), QFrame::Box);
        QCOMPARE(button->frameShadow(), QFrame::Plain);
        QCOMPARE(button->frameWidth(), 1);
        QCOMPARE(button->contentsRect().translated(button->pos()), picture);
    }
    // Released away from the button: the look goes, and nothing is clicked.
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-20, -20));
    QCOMPARE(button->frameWidth(), 0);
    QCOMPARE(button->contentsRect().translated(button->pos()), picture);
    QCOMPARE(clicks.count(), 0);
}

void ToolbarTest::menuChoiceAlreadyInForce_data() {
    QTest::addColumn<Option>("option");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("item");
    QTest::newRow("パス３回まで under 3") << Option::Passes << 3 << "ps3";
    QTest::newRow("パス２回まで under 2") << Option::Passes << 2 << "ps2";
    QTest::newRow("鳴らす while on") << Option::Sound << 1 << "otoon";
    QTest::newRow("鳴らさない while off") << Option::Sound << 0 << "otooff";
    QTest::newRow("使用 while used") << Option::Joker << 1 << "jokerdo";
    QTest::newRow("再使用 while reused") << Option::Joker << 2 << "jokersai";
    QTest::newRow("未使用 while none") << Option::Joker << 0 << "jokernai";
    QTest::newRow("標準 while standard") << Option::Pace << 1 << "mnuhyojun";
    QTest::newRow("速い while fast") << Option::Pace << 0 << "mnuhayai";
}

void ToolbarTest::menuChoiceAlreadyInForce() {
    QFETCH(Option, option);
    QFETCH(int, state);
    QFETCH(QString, item);
    Game game;
    MainWindow& main = *game.main;
    setState(main, option, state);
    const QList<bool> before = visibility(main);
    menuItem(main, item.toLatin1().constData())->trigger();
    QCOMPARE(stateOf(main, option), state);
    QVERIFY(menuItem(main, item.toLatin1().constData())->isChecked());
    QCOMPARE(visibility(main), before);
}

void ToolbarTest::duringMatch() {
    Game game;
    MainWindow& main = *game.main;
    setState(main, Option::Detection, 0);
    game.start(11);
    QVERIFY(game.waitForHuman(0));
    QVERIFY(acceptsInput(&main));
    verifyOnePerPosition(main);
    QVERIFY(shown(main, 4) && shown(main, 29));

    // The rule buttons: nothing changes, nothing else shows.
    for (Option option : {Option::AceKing, Option::Joker, Option::Passes}) {
        const int state = stateOf(main, option);
        const QList<bool> before = visibility(main);
        clickImage(main, imageFor(option, state));
        QCOMPARE(stateOf(main, option), state);
        QCOMPARE(visibility(main), before);
    }

    // The detection button works during the match and lifts the playable cards at once.
    const GameState& s = game.state();
    HandWindow& human = game.human();
    const int base = px(human.baseTop());
    const int lifted = px(human.baseTop() - human.cardHeight() * 0.2);
    const auto liftedSlots = [&] {
        QList<int> up;
        for (int i = 1; i <= s.handCount[kHuman]; ++i) {
            const int y = human.picture(i)->y();
            if (y != base) {
                if (y != lifted) return QList<int>{-i};
                up.append(i);
            }
        }
        return up;
    };
    QList<int> playable;
    for (int i = 1; i <= s.handCount[kHuman]; ++i) {
        const int target = clickTarget(s, i);
        if ((target >= 1 && target <= 52) ||
            (target == kJoker && jokerCanFree(s, main.rules(), kHuman)))
            playable.append(i);
    }
    QCOMPARE(liftedSlots(), QList<int>{});
    clickImage(main, 14);
    QCOMPARE(stateOf(main, Option::Detection), 1);
    QVERIFY(shown(main, 13) && !shown(main, 14));
    QVERIFY(!playable.isEmpty());
    QCOMPARE(liftedSlots(), playable);
    clickImage(main, 13);
    QCOMPARE(stateOf(main, Option::Detection), 0);
    QVERIFY(shown(main, 14) && !shown(main, 13));
    QCOMPARE(liftedSlots(), QList<int>{});

    // Between two games of the match the detection item is disabled, and the button still
    // flips the option while the rule buttons stay locked.
    playToEnd(game);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(s.gameNumber, 1);
    QVERIFY(acceptsInput(&main));
    QVERIFY(!main.items().detection->isEnabled());
    clickImage(main, 14);
    QCOMPARE(stateOf(main, Option::Detection), 1);
    QVERIFY(shown(main, 13) && !shown(main, 14));
    for (Option option : {Option::AceKing, Option::Joker, Option::Passes}) {
        const int state = stateOf(main, option);
        clickImage(main, imageFor(option, state));
        QCOMPARE(stateOf(main, option), state);
    }
    verifyOnePerPosition(main);
}

QTEST_MAIN(ToolbarTest)
#include "tst_toolbar.moc"
