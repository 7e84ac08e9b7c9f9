// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shutdown of the whole program over its settings store: the first run, the
// title window, every setting kept from one run to the next, the window geometry of a
// maximised or minimised window, the close question, card folders that are no longer card
// sets, the saved match found at start-up, and the profile of a group switched to.
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <map>

#include "app/datafolder.h"
#include "common/modalanswers.h"
#include "common/tempstore.h"
#include "data/settings.h"
#include "data/store.h"
#include "programfixture.h"
#include "ui/dialogs/cardchooser.h"
#include "ui/dialogs/namesdialog.h"
#include "ui/dialogs/speeddialog.h"
#include "ui/table/boardwindow.h"
#include "ui/table/computerwindow.h"
#include "ui/table/handwindow.h"
#include "ui/toolbar.h"
#include "ui/twips.h"
#include "ui/windows/helpwindow.h"
#include "ui/windows/top10dialog.h"

using namespace plumet;
using plumet::test::Run;
using plumet::test::shownWindow;

namespace {

bool imageShown(Run& run, int n) {
    return !run.main().toolButton(static_cast<ToolButton>(n))->isHidden();
}

// Closes the main window as its close box does.
bool requestClose(Run& run) {
    return run.main().close();
}

// A card set of the test's own in `folder`: faces (d7, s1) or backs (urat, uray).
void writeSet(const QString& folder, bool backs) {
    QDir().mkpath(folder);
    test::writeCards(folder,
                     backs ? QStringList{QStringLiteral("urat.bmp"), QStringLiteral("uray.bmp")}
                           : QStringList{QStringLiteral("d7.bmp"), QStringLiteral("s1.bmp")},
                     QSize(40, 56));
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<TempStore> dir_;

  private slots:
    void init() { dir_ = std::make_unique<TempStore>(); }
    void cleanup() { dir_.reset(); }

    void firstRunWithEmptyStore();
    void titleWindowThenMainWindow();
    void everySettingSurvivesRestart();
    void geometryKeptUnlessNormal_data();
    void geometryKeptUnlessNormal();
    void closeQuestion_data();
    void closeQuestion();
    void cardFolderFallback_data();
    void cardFolderFallback();
    void savedMatchAtStart_data();
    void savedMatchAtStart();
    void messageAnsweredLate_data();
    void messageAnsweredLate();
    void handEditedGeometry_data();
    void handEditedGeometry();
    void missingDataFolder_data();
    void missingDataFolder();
    void noPaceChecked();
    void groupSwitchAppliesProfile();
};

void StartupTest::firstRunWithEmptyStore() {
    Run run;
    QVERIFY(run.started);
    QCOMPARE(TempStore::stored("ckkc"), QStringLiteral("1234"));
    QCOMPARE(run.main().windowTitle(), QStringLiteral("カドリオ   （ グループ１ ）"));
    QVERIFY(!run.items().continueMatch->isEnabled());
    QVERIFY(imageShown(run, 3) && !imageShown(run, 2));
    QVERIFY(!run.items().backToInitialScreen->isEnabled());
    QVERIFY(imageShown(run, 5) && !imageShown(run, 4));
    QCOMPARE(run.state().savedGameNumber, std::int16_t{0});

    // The default profile, the card sets being the game's own; the main window opened large
    // and the arrangement placed the child windows.
    Settings expected = Settings::defaults(test::buildData());
    const Settings actual = run.main().currentSettings();
    expected.mainWindow = actual.mainWindow;
    expected.board = actual.board;
    expected.players = actual.players;
    QCOMPARE(actual, expected);
    // A new player's window opens large (tst_firstlook); the arrangement follows it.
    QCOMPARE(run.state().voices, (std::array<std::int16_t, kPlayers>{-1, 0, -1, 0}));
    for (ComputerWindow* playerWindow : run.program->session().computers())
        QCOMPARE(playerWindow->thinkTimer().interval(), 500);
    for (int n : {9, 13, 11, 23, 25, 16, 18}) QVERIFY(imageShown(run, n));
    for (int n : {8, 14, 10, 12, 24, 26, 15, 17, 19}) QVERIFY(!imageShown(run, n));
    QVERIFY(!run.main().toolbar()->isHidden());
    // A new player has the cards fitted to the windows.
    QVERIFY(run.items().fitCards->isChecked());
    QVERIFY(run.main().tableCardHeight() > 0);
    for (const QMdiSubWindow* frame : run.main().frames()) QVERIFY(frame->isHidden());
    QCOMPARE(run.program->session().board().picture(53)->imageFile(),
             test::buildData() + QStringLiteral("/joker.bmp"));
}

void StartupTest::titleWindowThenMainWindow() {
    speeds::timing() = {0, 0, false, 40};
    Program program(test::buildData());
    QVERIFY(program.initialiseData());
    QPointer<TitleWindow> title = program.createTitle();
    QCOMPARE(title->findChild<QTimer*>(QStringLiteral("Timer2"))->interval(), 40);
    QVERIFY(program.createMain());
    QVERIFY(!program.main().isVisible());
    program.showTitle(title);
    QVERIFY(title->isVisible());
    QVERIFY(title->windowTitle().isEmpty());
    QVERIFY(!title->findChild<QPushButton*>(QStringLiteral("Command1"))->isVisible());
    QVERIFY(!program.main().isVisible());
    QTRY_VERIFY(program.main().isVisible());
    QTRY_VERIFY(title.isNull());
    // The real title time.
    speeds::timing() = {};
    TitleWindow second(test::buildData());
    QCOMPARE(second.findChild<QTimer*>(QStringLiteral("Timer2"))->interval(), 3330);
    program.main().hide();
}

void StartupTest::everySettingSurvivesRestart() {
    QTemporaryDir cards;
    const QString faces = cards.filePath(QStringLiteral("faces"));
    const QString board = cards.filePath(QStringLiteral("board"));
    const QString backs = cards.filePath(QStringLiteral("backs"));
    writeSet(faces, false);
    writeSet(board, false);
    writeSet(backs, true);

    Settings before;
    {
        Run run;
        ModalAnswers answers;
        // Every option through its menu item.
        const MenuItems& m = run.items();
        for (QAction* item : {m.aceKing, m.jokerReused, m.twoPasses, m.detection, m.paceSlow,
                              m.soundOff, m.toolbarShown, m.cardFrames, m.fitCards, m.autoArrange})
            item->trigger();

        // Names and voices through the names dialog.
        run.items().changeNames->trigger();
        auto* names = shownWindow<NamesDialog>();
        QVERIFY(names);
        const QStringList newNames{QStringLiteral("はな"), QStringLiteral("じろう"), QString(),
                                   QStringLiteral("Ｚ")};
        for (int i = 0; i < 4; ++i)
            names->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i))->setText(newNames[i]);
        names->findChild<QRadioButton*>(QStringLiteral("Option2_0"))->setChecked(true);
        names->findChild<QRadioButton*>(QStringLiteral("Option1_1"))->setChecked(true);
        QTest::mouseClick(names->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);

        // The card speed through its dialog.
        run.items().moveSpeed->trigger();
        auto* speed = shownWindow<SpeedDialog>();
        QVERIFY(speed);
        speed->findChild<QScrollBar*>(QStringLiteral("HScroll1"))->setValue(3);
        QTest::mouseClick(speed->findChild<QPushButton*>(QStringLiteral("Command1")),
                          Qt::LeftButton);

        // The three card sets through the chooser.
        for (const auto& [item, folder] :
             {std::pair{m.boardCards, board}, std::pair{m.handCards, faces},
              std::pair{m.backCards, backs}}) {
            item->trigger();
            auto* chooser = shownWindow<CardChooser>();
            QVERIFY(chooser);
            chooser->selectFolder(folder);
            QTest::mouseClick(chooser->findChild<QPushButton*>(QStringLiteral("Command1")),
                              Qt::LeftButton);
            QTRY_VERIFY(!shownWindow<CardChooser>());
        }

        // Window places.
        run.main().move(40, 30);
        run.main().resize(700, 520);
        run.main().boardFrame()->setGeometry(90, 100, 400, 200);
        run.main().playerFrame(1)->setGeometry(90, 300, 400, 110);
        run.main().playerFrame(2)->setGeometry(500, 0, 80, 420);
        run.main().playerFrame(3)->setGeometry(90, 0, 400, 100);
        run.main().playerFrame(4)->setGeometry(0, 0, 80, 420);

        before = run.main().currentSettings();
        QCOMPARE(before.moves, std::int16_t{9});
        QCOMPARE(before.boardFaceFolder, board);
        QCOMPARE(before.names[2], QString());
        QCOMPARE(before.male, (std::array<bool, kPlayers>{false, true, true, false}));

        answers.box(QMessageBox::Ok);
        QVERIFY(requestClose(run));
        QCOMPARE(answers.boxes.size(), 1);
        QVERIFY(answers.unexpected.isEmpty());
    }

    Run again;
    QCOMPARE(again.main().currentSettings(), before);
    // What the settings show.
    QCOMPARE(again.main().pos(), QPoint(40, 30));
    QCOMPARE(again.main().size(), QSize(700, 520));
    QCOMPARE(again.main().playerFrame(2)->geometry(), QRect(500, 0, 80, 420));
    QVERIFY(again.main().toolbar()->isHidden());
    for (int n : {8, 14, 12, 24, 26, 15, 19}) QVERIFY(imageShown(again, n));
    for (int n : {9, 13, 10, 11, 23, 25, 16, 17, 18}) QVERIFY(!imageShown(again, n));
    for (ComputerWindow* playerWindow : again.program->session().computers())
        QCOMPARE(playerWindow->thinkTimer().interval(), 1000);
    QVERIFY(!again.program->session().board().picture(1)->framed());
    QVERIFY(!again.items().fitCards->isChecked());
    QVERIFY(!again.main().options().fitCards);
    QCOMPARE(again.program->session().board().picture(1)->drawnHeight(), 0);
    QCOMPARE(again.program->session().window(2).windowTitle(), QStringLiteral("じろう"));
    QCOMPARE(again.state().voices, (std::array<std::int16_t, kPlayers>{0, -1, -1, 0}));
    QCOMPARE(again.state().flightFrames, std::int16_t{9});
    QCOMPARE(again.program->session().board().picture(0)->imageFile(),
             board + QStringLiteral("/s1.bmp"));
    QCOMPARE(again.program->session().window(3).picture(1)->imageFile(),
             backs + QStringLiteral("/urat.bmp"));
    QCOMPARE(again.main().rules().joker, JokerMode::Reused);
    QCOMPARE(again.main().rules().passes, 2);
    QVERIFY(again.main().rules().aceKing);
}

void StartupTest::geometryKeptUnlessNormal_data() {
    QTest::addColumn<bool>("maximised");
    QTest::newRow("maximised") << true;
    QTest::newRow("minimised") << false;
}

// Closing while maximised or minimised keeps the geometry stored before and writes the rest;
// a minimised window closes without the question.
void StartupTest::geometryKeptUnlessNormal() {
    QFETCH(bool, maximised);
    {
        Run run;
        run.main().move(20, 10);
        run.main().resize(660, 480);
        ModalAnswers answers;
        answers.box(QMessageBox::Ok);
        QVERIFY(requestClose(run));
    }
    const QStringList keys{QStringLiteral("topmdi"),   QStringLiteral("leftmdi"),
                           QStringLiteral("widthmdi"), QStringLiteral("heightmdi"),
                           QStringLiteral("top"),      QStringLiteral("height7")};
    QStringList geometry;
    for (const QString& key : keys) geometry << Store().get(u"form2", key, QString());
    QCOMPARE(geometry.mid(0, 4), QStringList({QStringLiteral("150"), QStringLiteral("300"),
                                              QStringLiteral("9900"), QStringLiteral("7200")}));
    {
        Run run;
        ModalAnswers answers;
        if (maximised) {
            run.main().showMaximized();
            answers.box(QMessageBox::Ok);
        } else {
            run.main().showMinimized();
        }
        QTest::qWait(0);
        run.main().boardFrame()->setGeometry(5, 5, 300, 150);
        run.items().aceKing->trigger();
        QVERIFY(requestClose(run));
        QCOMPARE(answers.boxes.size(), maximised ? 1 : 0);
        QVERIFY(answers.unexpected.isEmpty());
    }
    QStringList after;
    for (const QString& key : keys) after << Store().get(u"form2", key, QString());
    QCOMPARE(after, geometry);
    QCOMPARE(TempStore::stored("ruruak"), QStringLiteral("True"));
    Run third;
    QCOMPARE(third.main().pos(), QPoint(20, 10));
    QCOMPARE(third.main().size(), QSize(660, 480));
}

void StartupTest::closeQuestion_data() {
    QTest::addColumn<QString>("marker");  // "ckkc" before closing
    QTest::addColumn<int>("answer");      // 0: no question expected
    QTest::addColumn<bool>("closes");
    QTest::newRow("OK") << "1234" << int(QMessageBox::Ok) << true;
    QTest::newRow("Cancel") << "1234" << int(QMessageBox::Cancel) << false;
    QTest::newRow("damaged TOP-10 data") << "9999" << 0 << true;
}

void StartupTest::closeQuestion() {
    QFETCH(QString, marker);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    Run run;
    TempStore::store("ckkc", marker);
    run.items().soundOff->trigger();
    run.items().helpTopics->trigger();
    QPointer<HelpWindow> help = shownWindow<HelpWindow>();
    QVERIFY(help);
    const QByteArray bytes = TempStore::fileBytes();

    ModalAnswers answers;
    if (answer) answers.box(QMessageBox::StandardButton(answer));
    QCOMPARE(requestClose(run), closes);
    QVERIFY(answers.unexpected.isEmpty());
    QVERIFY(answers.done());
    if (answer) {
        QCOMPARE(answers.boxes.at(0).title, QStringLiteral("終了？"));
        QCOMPARE(answers.boxes.at(0).text, QStringLiteral("カドリオを\n終了しますか？"));
    }
    if (!closes) {
        QVERIFY(run.main().isVisible());
        QVERIFY(help && help->isVisible());
        QVERIFY(!run.program->session().closing());
        QCOMPARE(TempStore::fileBytes(), bytes);
        return;
    }
    // Every other window went with the main window; the settings are written.
    QTRY_VERIFY(help.isNull() || !help->isVisible());
    for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY(!w->isVisible());
    QCOMPARE(TempStore::stored("otoon"), QStringLiteral("False"));
    QCOMPARE(TempStore::stored("ckkc"), marker == u"9999" ? QStringLiteral("(absent)") : marker);
}

void StartupTest::cardFolderFallback_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("state");  // of the stored folder
    QTest::addColumn<bool>("kept");
    for (const char* key : {"fdb", "fdf", "fdu"}) {
        QTest::addRow("%s valid", key) << key << "valid" << true;
        QTest::addRow("%s lost its test file", key) << key << "lost test file" << false;
        QTest::addRow("%s gone", key) << key << "gone" << false;
        QTest::addRow("%s empty text", key) << key << "empty" << false;
    }
}

void StartupTest::cardFolderFallback() {
    QFETCH(QString, key);
    QFETCH(QString, state);
    QFETCH(bool, kept);
    QTemporaryDir cards;
    const bool backs = key == u"fdu";
    QString folder = cards.filePath(QStringLiteral("set"));
    writeSet(folder, backs);
    if (state == u"lost test file")
        QVERIFY(QFile::remove(folder +
                              (backs ? QStringLiteral("/urat.bmp") : QStringLiteral("/d7.bmp"))));
    if (state == u"gone") folder = cards.filePath(QStringLiteral("nothing"));
    if (state == u"empty") folder.clear();
    TempStore::store(key.toLatin1().constData(), folder);

    Run run;
    const GameState& s = run.state();
    const std::string& dir = key == u"fdb"   ? s.boardFaceFolder
                             : key == u"fdf" ? s.handFaceFolder
                                             : s.backFolder;
    QCOMPARE(QString::fromStdString(dir), kept ? folder : test::buildData());
    // The sample picture comes from the folder in use.
    Session& session = run.program->session();
    const QString sample = key == u"fdb"   ? session.board().picture(0)->imageFile()
                           : key == u"fdf" ? session.human().picture(1)->imageFile()
                                           : session.window(3).picture(1)->imageFile();
    QVERIFY2(sample.startsWith(QString::fromStdString(dir) + u'/'), qPrintable(sample));
    // The other two sets stay with the game's own cards.
    for (const std::string* other : {&s.boardFaceFolder, &s.handFaceFolder, &s.backFolder})
        if (other != &dir) QCOMPARE(QString::fromStdString(*other), test::buildData());
}

void StartupTest::savedMatchAtStart_data() {
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("streakAndStarter");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<bool>("continues");
    QTest::addColumn<QString>("message");
    QTest::newRow("sound") << "325457"
                           << "12" << true << true << "";
    QTest::newRow("wrong check digits")
        << "325458"
        << "12" << true << false << "データが異常です。\n前回の続きが出来ません。";
    QTest::newRow("inconsistent") << "325457"
                                  << "52" << false << false
                                  << "データが異常です。\nデータ初期化後終了致します。";
}

void StartupTest::savedMatchAtStart() {
    QFETCH(QString, right);
    QFETCH(QString, streakAndStarter);
    QFETCH(bool, starts);
    QFETCH(bool, continues);
    QFETCH(QString, message);
    {
        Run first;  // the data initialised, as the game that saved the match left it
    }
    const char* keys[] = {"sp", "p1", "p2", "p3", "p4", "tp", "right"};
    const QString values[] = {"3", "12", "30", "4", "18", streakAndStarter, right};
    for (int i = 0; i < 7; ++i) TempStore::store(keys[i], values[i]);

    ModalAnswers answers;
    if (!message.isEmpty()) answers.box(QMessageBox::Ok);
    Run run;
    QCOMPARE(run.started, starts);
    QVERIFY(answers.done());
    QVERIFY(answers.unexpected.isEmpty());
    if (!message.isEmpty()) {
        QCOMPARE(answers.boxes.at(0).title, QStringLiteral("データ異常"));
        QCOMPARE(answers.boxes.at(0).text, message);
    }
    if (!starts) {
        QCOMPARE(TempStore::stored("tp"), QStringLiteral("0"));
        QVERIFY(!run.main().isVisible());
        return;
    }
    QCOMPARE(run.items().continueMatch->isEnabled(), continues);
    QCOMPARE(imageShown(run, 2), continues);
    QCOMPARE(imageShown(run, 3), !continues);
    QCOMPARE(run.state().gameNumber, std::int16_t{0});
}

void StartupTest::messageAnsweredLate_data() {
    QTest::addColumn<QString>("streakAndStarter");
    QTest::addColumn<QString>("right");
    QTest::addColumn<bool>("starts");
    QTest::newRow("wrong check digits") << "12"
                                        << "325458" << true;
    QTest::newRow("inconsistent") << "59"
                                  << "325457" << false;
}

// The saved-match message of start-up left open until the title window's time has passed, on
// the start-up path main() runs: start-up then goes on in its order (the title window, then
// the main window) or, for an inconsistent match, ends cleanly with nothing shown.
void StartupTest::messageAnsweredLate() {
    QFETCH(QString, streakAndStarter);
    QFETCH(QString, right);
    QFETCH(bool, starts);
    { Run first; }
    const char* keys[] = {"sp", "p1", "p2", "p3", "p4", "tp", "right"};
    const QString values[] = {"3", "12", "30", "4", "18", streakAndStarter, right};
    for (int i = 0; i < 7; ++i) TempStore::store(keys[i], values[i]);

    speeds::timing() = {0, 0, false, 40};
    // The title's time has passed once no title window is left whose timer still runs.
    const auto titleTimePassed = [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* title = qobject_cast<TitleWindow*>(w);
            if (title && title->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive())
                return false;
        }
        return true;
    };
    ModalAnswers answers;
    answers.box(QMessageBox::Ok, titleTimePassed);

    auto program = std::make_unique<Program>(test::buildData());
    QPointer<TitleWindow> title;
    bool titleShownAlone = false;  // when the title window closed: it showed, the main not yet
    QPointer<QWidget> main;        // made while the title window shows
    int made = 0;                  // the title window first, then the main window
    const bool started = program->start([&](QWidget* window) {
        if (++made == 1) {
            title = qobject_cast<TitleWindow*>(window);
            QVERIFY(title);
            connect(title, &TitleWindow::closed, title, [&title, &titleShownAlone, &main] {
                titleShownAlone = title->isVisible() && !(main && main->isVisible());
            });
            return;
        }
        main = window;
    });
    QCOMPARE(started, starts);
    QVERIFY(answers.done());
    QVERIFY(answers.unexpected.isEmpty());
    QCOMPARE(answers.boxes.size(), 1);
    if (starts) {
        QTRY_VERIFY(program->main().isVisible());
        QTRY_VERIFY(title.isNull());
        QVERIFY(titleShownAlone);
        QVERIFY(!program->main().items().continueMatch->isEnabled());
        QCOMPARE(TempStore::stored("sp"), QStringLiteral("3"));
    } else {
        QCOMPARE(TempStore::stored("tp"), QStringLiteral("0"));
        for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY(!w->isVisible());
    }
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    program.reset();
    QTest::qWait(0);
    for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY(!qobject_cast<TitleWindow*>(w));
}

void StartupTest::handEditedGeometry_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("main window far above") << "topmdi"
                                           << "-99999999";
    QTest::newRow("main window far right") << "leftmdi"
                                           << "99999999";
    QTest::newRow("main window wider than any screen") << "widthmdi"
                                                       << "1e30";
    QTest::newRow("main window width not a number") << "widthmdi"
                                                    << "wide";
    QTest::newRow("main window height zero") << "heightmdi"
                                             << "0";
    QTest::newRow("board width not a number") << "width"
                                              << "?";
    QTest::newRow("board far down") << "top"
                                    << "3e38";
    QTest::newRow("player 1 height zero") << "height4"
                                          << "0";
    QTest::newRow("player 2 off the client area") << "left5"
                                                  << "999999";
    QTest::newRow("player 3 above the client area") << "top6"
                                                    << "-500";
    QTest::newRow("player 4 width negative") << "width7"
                                             << "-1020";
}

// Window geometry edited by hand: the main window comes back on the screen and every child
// window inside the client area, each at a usable size, and that is what is written back.
void StartupTest::handEditedGeometry() {
    QFETCH(QString, key);
    QFETCH(QString, text);
    TempStore::store("wintune", QStringLiteral("False"));  // the windows keep their places
    TempStore::store(key.toLatin1().constData(), text);

    const auto verifyUsable = [](Run& run) {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect main(run.main().pos(), run.main().size());
        QVERIFY2(screen.contains(main), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                       .arg(main.x())
                                                       .arg(main.y())
                                                       .arg(main.width())
                                                       .arg(main.height())));
        QVERIFY(main.width() >= 576 && main.height() >= 360);  // the whole toolbar shows
        const QRect client(QPoint(0, 0), run.main().mdiArea()->contentsRect().size());
        // The board, then players 1..4.
        const QSize smallest[] = {{200, 100}, {200, 60}, {68, 200}, {200, 60}, {68, 200}};
        for (int i = 0; i < 5; ++i) {
            const QRect frame = run.main().frames()[i]->geometry();
            QVERIFY2(client.contains(frame), qPrintable(run.main().frames()[i]->objectName()));
            QVERIFY(frame.width() >= smallest[i].width() && frame.height() >= smallest[i].height());
        }
    };
    QRect main;
    QList<QRect> frames;
    {
        Run run;
        verifyUsable(run);
        main = QRect(run.main().pos(), run.main().size());
        for (const QMdiSubWindow* frame : run.main().frames()) frames << frame->geometry();
        ModalAnswers answers;
        answers.box(QMessageBox::Ok);
        QVERIFY(requestClose(run));
    }
    Run again;
    verifyUsable(again);
    QCOMPARE(QRect(again.main().pos(), again.main().size()), main);
    for (int i = 0; i < 5; ++i) QCOMPARE(again.main().frames()[i]->geometry(), frames[i]);
}

void StartupTest::missingDataFolder_data() {
    QTest::addColumn<QString>("state");
    QTest::newRow("no folder") << "none";
    QTest::newRow("empty folder") << "empty";
    QTest::newRow("every card bitmap unreadable") << "damaged";
    QTest::newRow("found from the program's place") << "searched";
}

// A data folder that gives no card picture: one message at start naming the folder looked
// at (every folder, when it was searched for), and the game runs on.
void StartupTest::missingDataFolder() {
    QFETCH(QString, state);
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("data"));
    if (state != u"none") QVERIFY(QDir().mkpath(folder));
    if (state == u"damaged") {
        for (int card = 1; card <= kJoker; ++card) {
            QFile file(folder + u'/' + QString::fromStdString(cardFileName(card)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("BM not a bitmap");
        }
    }
    const QStringList named = state == u"searched" ? appdirCandidates() : QStringList{folder};
    if (state == u"searched") folder.clear();

    speeds::timing() = {0, 0, false, 0};
    ModalAnswers answers;
    answers.box(QMessageBox::Ok);
    auto program = std::make_unique<Program>(folder);
    QVERIFY(program->start());
    QTRY_VERIFY(program->main().isVisible());
    QVERIFY(answers.done());
    QVERIFY(answers.unexpected.isEmpty());
    QCOMPARE(answers.boxes.size(), 1);
    QCOMPARE(answers.boxes[0].title, QStringLiteral("データがありません"));
    for (const QString& path : named)
        QVERIFY2(answers.boxes[0].text.contains(path), qPrintable(answers.boxes[0].text));
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    program.reset();
    QTest::qWait(0);
}

// A profile with no pace checked: no pace item checked, no pace image, the computer players
// keep the standard interval.
void StartupTest::noPaceChecked() {
    for (const char* key : {"hayai", "hyojun", "osoi"})
        TempStore::store(key, QStringLiteral("False"));
    Run run;
    for (QAction* item : {run.items().paceFast, run.items().paceNormal, run.items().paceSlow})
        QVERIFY(!item->isChecked());
    for (int n : {15, 16, 17}) QVERIFY(!imageShown(run, n));
    for (ComputerWindow* playerWindow : run.program->session().computers())
        QCOMPARE(playerWindow->thinkTimer().interval(), 500);
}

// After a group switch the menus, toolbar, pace, names and caption are the entered group's.
void StartupTest::groupSwitchAppliesProfile() {
    Run run;
    run.items().aceKing->trigger();
    run.items().paceFast->trigger();
    run.items().soundOff->trigger();
    run.items().changeGroup->trigger();
    auto* dialog = shownWindow<Top10Dialog>();
    QVERIFY(dialog);
    dialog->groupList()->setCurrentIndex(2);  // a fresh group: the default profile
    QCOMPARE(run.state().group, std::int16_t{2});
    QCOMPARE(run.main().windowTitle(), QStringLiteral("カドリオ   （ グループ３ ）"));
    QVERIFY(!run.items().aceKing->isChecked());
    QVERIFY(run.items().paceNormal->isChecked() && !run.items().paceFast->isChecked());
    QVERIFY(run.items().soundOn->isChecked());
    QVERIFY(imageShown(run, 9) && imageShown(run, 16) && imageShown(run, 18));
    QCOMPARE(run.program->session().computers()[0]->thinkTimer().interval(), 500);

    dialog->groupList()->setCurrentIndex(0);  // back: the first group's profile as it was left
    QCOMPARE(run.main().windowTitle(), QStringLiteral("カドリオ   （ グループ１ ）"));
    QVERIFY(run.items().aceKing->isChecked());
    QVERIFY(run.items().paceFast->isChecked());
    QVERIFY(run.items().soundOff->isChecked() && !run.items().soundOn->isChecked());
    QVERIFY(imageShown(run, 8) && imageShown(run, 17) && imageShown(run, 19));
    QCOMPARE(run.program->session().computers()[2]->thinkTimer().interval(), 100);
    QTest::mouseClick(dialog->button(Top10Dialog::Button::GroupOk), Qt::LeftButton);
    QTRY_VERIFY(acceptsInput(&run.main()));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
