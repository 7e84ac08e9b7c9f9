// SPDX-License-Identifier: GPL-3.0-or-later
// The small dialogs opened from the main window of the whole program: the card speed, the
// names and voices, the card set chooser, help and the version box; and the card frame
// switched during a match. Each dialog disables the main window while it is open.
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

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

using namespace plumet;
using plumet::test::Run;
using plumet::test::shownWindow;

namespace {

QPushButton* button(QWidget* dialog, const char* name) {
    return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
}

void click(QWidget* dialog, const char* name) {
    QTest::mouseClick(button(dialog, name), Qt::LeftButton);
}

}  // namespace

class DialogCommandsTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<TempStore> dir_;

  private slots:
    void init() { dir_ = std::make_unique<TempStore>(); }
    void cleanup() { dir_.reset(); }

    void speedDialog_data();
    void speedDialog();
    void namesDialog_data();
    void namesDialog();
    void cardChooser_data();
    void cardChooser();
    void help();
    void versionBox();
    void frameDuringMatch();
};

void DialogCommandsTest::speedDialog_data() {
    QTest::addColumn<int>("flightFrames");  // before
    QTest::addColumn<int>("bar");           // on opening
    QTest::addColumn<int>("chosen");        // 0: Cancel
    QTest::addColumn<int>("after");
    QTest::newRow("default, to fastest") << 64 << 8 << 1 << 1;
    QTest::newRow("fastest, to smoothest") << 1 << 1 << 11 << 121;
    QTest::newRow("smoothest, to 3") << 121 << 11 << 3 << 9;
    QTest::newRow("root 7.48 rounds down") << 56 << 7 << 7 << 49;
    QTest::newRow("root 7.55 rounds up") << 57 << 8 << 8 << 64;
    QTest::newRow("Cancel") << 50 << 7 << 0 << 50;
}

void DialogCommandsTest::speedDialog() {
    QFETCH(int, flightFrames);
    QFETCH(int, bar);
    QFETCH(int, chosen);
    QFETCH(int, after);
    Run run;
    run.state().flightFrames = static_cast<std::int16_t>(flightFrames);
    QTest::mouseClick(run.main().toolButton(ToolButton::MoveSpeed),
                      Qt::LeftButton);  // the MOVE button, as moveSpeed
    QPointer<SpeedDialog> dialog = shownWindow<SpeedDialog>();
    QVERIFY(dialog);
    QVERIFY(!acceptsInput(&run.main()));
    auto* scroll = dialog->findChild<QScrollBar*>(QStringLiteral("HScroll1"));
    QCOMPARE(scroll->value(), bar);
    if (chosen) {
        scroll->setValue(chosen);
        click(dialog, "Command1");
    } else {
        scroll->setValue(11);
        click(dialog, "Command2");
    }
    QCOMPARE(run.state().flightFrames, std::int16_t(after));
    QVERIFY(acceptsInput(&run.main()));
    QTRY_VERIFY(dialog.isNull());
}

void DialogCommandsTest::namesDialog_data() {
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

// OK shows the names on the windows, sets the voices and stores both at once; Cancel changes
// nothing.
void DialogCommandsTest::namesDialog() {
    QFETCH(bool, ok);
    Run run;
    const QByteArray bytes = TempStore::fileBytes();
    run.items().changeNames->trigger();
    QPointer<NamesDialog> dialog = shownWindow<NamesDialog>();
    QVERIFY(dialog);
    QVERIFY(!acceptsInput(&run.main()));
    for (int i = 0; i < 4; ++i) {
        auto* text = dialog->findChild<QLineEdit*>(QStringLiteral("Text1_%1").arg(i));
        QCOMPARE(text->text(), run.program->session().window(i + 1).windowTitle());
        text->setText(QStringLiteral("名%1").arg(i));
    }
    dialog->findChild<QRadioButton*>(QStringLiteral("Option2_2"))->setChecked(true);
    dialog->findChild<QRadioButton*>(QStringLiteral("Option1_3"))->setChecked(true);
    click(dialog, ok ? "Command1" : "Command2");
    QVERIFY(acceptsInput(&run.main()));
    QTRY_VERIFY(dialog.isNull());

    const Store store;
    for (int p = 1; p <= kPlayers; ++p) {
        const QString title = run.program->session().window(p).windowTitle();
        const QString key = QStringLiteral("cap%1").arg(p + 3);
        if (ok) {
            QCOMPARE(title, QStringLiteral("名%1").arg(p - 1));
            QCOMPARE(store.get(u"form2", key, QString()), title);
        } else {
            QCOMPARE(title, Settings().names[p - 1]);
        }
    }
    if (ok) {
        QCOMPARE(run.state().voices, (std::array<std::int16_t, kPlayers>{-1, 0, 0, -1}));
        QCOMPARE(store.get(u"form2", u"sex6", QString()), QStringLiteral("False"));
        QCOMPARE(store.get(u"form2", u"sex7", QString()), QStringLiteral("True"));
    } else {
        QCOMPARE(run.state().voices, (std::array<std::int16_t, kPlayers>{-1, 0, -1, 0}));
        QCOMPARE(TempStore::fileBytes(), bytes);
    }
}

void DialogCommandsTest::cardChooser_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("ok");
    QTest::newRow("board OK") << "mnuba" << 1 << "場のカードの変更" << true;
    QTest::newRow("hand OK") << "mnumy" << 2 << "あなたのカードの変更" << true;
    QTest::newRow("backs OK") << "mnuura" << 3 << "裏面のカードの変更" << true;
    QTest::newRow("board Cancel") << "mnuba" << 1 << "場のカードの変更" << false;
    QTest::newRow("backs Cancel") << "mnuura" << 3 << "裏面のカードの変更" << false;
}

void DialogCommandsTest::cardChooser() {
    QFETCH(QString, item);
    QFETCH(int, mode);
    QFETCH(QString, caption);
    QFETCH(bool, ok);
    QTemporaryDir cards;
    const bool backs = mode == 3;
    const QString set = cards.filePath(QStringLiteral("set"));
    const QString notASet = cards.filePath(QStringLiteral("other"));
    QDir().mkpath(set);
    QDir().mkpath(notASet);
    test::writeCards(set,
                     backs ? QStringList{QStringLiteral("urat.bmp"), QStringLiteral("uray.bmp")}
                           : QStringList{QStringLiteral("d7.bmp"), QStringLiteral("s1.bmp")},
                     QSize(30, 42));
    // The test file of the other kind does not make a set.
    test::writeCards(notASet, {backs ? QStringLiteral("d7.bmp") : QStringLiteral("urat.bmp")},
                     QSize(30, 42));

    Run run;
    Session& session = run.program->session();
    test::menuItem(run.main(), item.toLatin1().constData())->trigger();
    QPointer<CardChooser> chooser = shownWindow<CardChooser>();
    QVERIFY(chooser);
    QCOMPARE(chooser->windowTitle(), caption);
    QCOMPARE(run.state().cardsLeft, std::int16_t(mode));
    QVERIFY(!acceptsInput(&run.main()));
    // It opens at the set in use, the game's own.
    QCOMPARE(chooser->selectedFolder(), test::buildData());
    QVERIFY(button(chooser, "Command1")->isEnabled());

    chooser->selectFolder(notASet);
    QVERIFY(!button(chooser, "Command1")->isEnabled());
    chooser->selectFolder(set);
    QVERIFY(button(chooser, "Command1")->isEnabled());
    click(chooser, ok ? "Command1" : "Command2");
    QTRY_VERIFY(chooser.isNull());
    QVERIFY(acceptsInput(&run.main()));
    QCOMPARE(run.state().cardsLeft, std::int16_t{0});

    const GameState& s = run.state();
    const QString expected = ok ? set : test::buildData();
    QCOMPARE(QString::fromStdString(mode == 1   ? s.boardFaceFolder
                                    : mode == 2 ? s.handFaceFolder
                                                : s.backFolder),
             expected);
    for (const std::string* dir : {&s.boardFaceFolder, &s.handFaceFolder, &s.backFolder})
        QCOMPARE(QString::fromStdString(*dir) == set, ok && dir == (mode == 1   ? &s.boardFaceFolder
                                                                    : mode == 2 ? &s.handFaceFolder
                                                                                : &s.backFolder));
    if (mode == 1) {
        // The board's pictures come from the new set, and the cards are laid out for them.
        QCOMPARE(session.board().picture(0)->imageFile(), expected + QStringLiteral("/s1.bmp"));
        QCOMPARE(session.board().picture(46)->imageFile(), expected + QStringLiteral("/d7.bmp"));
        if (ok) {
            for (int c = 1; c <= 52; ++c) {
                const QPointF pos = session.board().cardPos(c);
                QCOMPARE(session.board().picture(c)->pos(), pxPoint(pos.x(), pos.y()));
            }
        }
    } else if (mode == 2) {
        QCOMPARE(session.human().picture(1)->imageFile(), expected + QStringLiteral("/s1.bmp"));
    } else {
        QCOMPARE(session.window(2).picture(1)->imageFile(), expected + QStringLiteral("/uray.bmp"));
        QCOMPARE(session.window(4).picture(1)->imageFile(), expected + QStringLiteral("/uray.bmp"));
        QCOMPARE(session.window(3).picture(1)->imageFile(), expected + QStringLiteral("/urat.bmp"));
        // The side windows follow the card size: a 30-pixel back keeps them at 1000 twips.
        if (ok) QCOMPARE(run.main().playerFrame(2)->width(), px(1000));
    }
    // The new folder is stored by the next saveProfile, not at once.
    QCOMPARE(Store().get(u"form2", u"fdb", QStringLiteral("(absent)")), QStringLiteral("(absent)"));
}

void DialogCommandsTest::help() {
    Run run;
    QCOMPARE(run.items().helpTopics->shortcut(), QKeySequence(Qt::Key_F1));
    run.items().helpTopics->trigger();
    QPointer<HelpWindow> window = shownWindow<HelpWindow>();
    QVERIFY(window);
    QVERIFY(window->hasDocument());
    QVERIFY(acceptsInput(&run.main()));
    // The HELP button shows the same window again.
    window->hide();
    QTest::mouseClick(run.main().toolButton(ToolButton::Help), Qt::LeftButton);
    QCOMPARE(shownWindow<HelpWindow>(), window.data());
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) windows += qobject_cast<HelpWindow*>(w) != 0;
    QCOMPARE(windows, 1);
    window->close();
    QTRY_VERIFY(window.isNull());
    run.items().helpTopics->trigger();
    QVERIFY(shownWindow<HelpWindow>());
}

void DialogCommandsTest::versionBox() {
    Run run;
    run.items().versionInfo->trigger();
    QPointer<TitleWindow> box = shownWindow<TitleWindow>();
    QVERIFY(box);
    QVERIFY(box->isVersionBox());
    QCOMPARE(box->windowTitle(), QStringLiteral("カドリオのﾊﾞｰｼﾞｮﾝ情報"));
    QCOMPARE(box->versionText(), QStringLiteral("Version 3.15"));
    QVERIFY(!acceptsInput(&run.main()));
    click(box, "Command1");
    QTRY_VERIFY(box.isNull());
    QVERIFY(acceptsInput(&run.main()));
}

// During a match the frame switch keeps every card where it is and reads the shown pictures
// again from their folders.
void DialogCommandsTest::frameDuringMatch() {
    Run run;
    Session& session = run.program->session();
    run.state().flightFrames = 1;
    session.random().seed(11);
    run.items().newGame->trigger();
    QTRY_VERIFY(acceptsInput(&session.human()) && acceptsInput(&run.main()));
    const GameState& s = run.state();
    const int held = s.handCount[kHuman];

    struct Shown {
        CardPicture* picture;
        QString file;
        QPoint pos;
    };
    QList<Shown> shown;
    for (int i = 1; i <= held + 1; ++i) shown.append({session.human().picture(i), {}, {}});
    for (int p = 2; p <= kPlayers; ++p)
        for (int i = 1; i <= s.handCount[p]; ++i)
            shown.append({session.window(p).picture(i), {}, {}});
    for (int c = 1; c <= 53; ++c)
        if (session.board().picture(c)->isVisible())
            shown.append({session.board().picture(c), {}, {}});
    for (Shown& each : shown) {
        each.file = each.picture->imageFile();
        each.pos = each.picture->pos();
        QVERIFY(!each.file.isEmpty());
        QVERIFY(each.picture->framed());
        each.picture->clearImage();  // so that only a new reading shows it again
    }

    run.items().cardFrames->trigger();
    QVERIFY(!run.items().cardFrames->isChecked());
    QVERIFY(!run.main().toolButton(ToolButton::FramesOn)->isVisible() &&
            run.main().toolButton(ToolButton::FramesOff)->isVisible());
    for (const Shown& each : shown) {
        QCOMPARE(each.picture->imageFile(), each.file);
        QCOMPARE(each.picture->pos(), each.pos);
        QVERIFY(!each.picture->framed());
    }
    QVERIFY(!session.board().picture(0)->framed());
    QVERIFY(!session.human().picture(16)->framed());
    QTest::mouseClick(run.main().toolButton(ToolButton::FramesOff), Qt::LeftButton);
    QVERIFY(run.items().cardFrames->isChecked());
    for (const Shown& each : shown) QVERIFY(each.picture->framed());

    ModalAnswers answers;
    answers.box(QMessageBox::Ok);
    QVERIFY(run.main().close());
}

QTEST_MAIN(DialogCommandsTest)
#include "tst_dialogcommands.moc"
