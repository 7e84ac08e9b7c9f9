// SPDX-License-Identifier: GPL-3.0-or-later
// Input blocking on its own: a window marked as not accepting input gets no click, key, wheel
// or menu shortcut, in itself, its child widgets and the menus that drop from it, and looks
// exactly as before; a window of its own keeps its own mark; a close request still closes.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "ui/inputblock.h"

using namespace plumet;

namespace {

// A main window as the game's: a menu with an F2 item, a card picture and a few controls.
struct Window {
    QMainWindow main;
    QMenu* menu = nullptr;
    QAction* item = nullptr;
    QLabel* card = nullptr;
    QPushButton* button = nullptr;
    QLineEdit* text = nullptr;
    QScrollBar* scroll = nullptr;

    Window() {
        menu = main.menuBar()->addMenu(QStringLiteral("ｹﾞｰﾑ(&G)"));
        item = menu->addAction(QStringLiteral("新規ゲーム(&N)..."));
        item->setShortcut(Qt::Key_F2);
        auto* central = new QWidget(&main);
        auto* layout = new QVBoxLayout(central);
        card = new QLabel(central);
        QPixmap picture(40, 50);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.fillRect(5, 5, 30, 20, QColor(220, 0, 0));
        painter.fillRect(5, 25, 30, 20, QColor(0, 0, 200));
        painter.end();
        card->setPixmap(picture);
        button = new QPushButton(QStringLiteral("ＯＫ"), central);
        text = new QLineEdit(central);
        scroll = new QScrollBar(Qt::Horizontal, central);
        scroll->setRange(1, 11);
        scroll->setValue(5);
        for (QWidget* w : std::initializer_list<QWidget*>{card, button, text, scroll})
            layout->addWidget(w);
        main.setCentralWidget(central);
        main.show();
        main.activateWindow();
    }
};

}  // namespace

class TestInputBlock : public QObject {
    Q_OBJECT

  private slots:
    void inputIsKeptOut();
    void lookIsUnchanged();
    void menusAndShortcuts();
    void windowsOfTheirOwn();
    void singleControl();
};

void TestInputBlock::inputIsKeptOut() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.main));
    QSignalSpy clicks(w.button, &QPushButton::clicked);
    setAcceptsInput(&w.main, false);
    QVERIFY(!acceptsInput(&w.main));
    QVERIFY(!acceptsInput(w.button));
    QVERIFY(w.button->isEnabled());  // only input is blocked

    QTest::mouseClick(w.button, Qt::LeftButton);
    w.text->setFocus();
    QTest::keyClicks(w.text, QStringLiteral("abc"));
    QTest::keyClick(w.scroll, Qt::Key_Right);
    QWheelEvent wheel(QPointF(5, 5), w.scroll->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120),
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w.scroll, &wheel);
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(w.text->text(), QString());
    QCOMPARE(w.scroll->value(), 5);

    // Given back, the same input acts.
    setAcceptsInput(&w.main, true);
    QVERIFY(acceptsInput(w.button));
    QTest::mouseClick(w.button, Qt::LeftButton);
    QTest::keyClicks(w.text, QStringLiteral("abc"));
    QTest::keyClick(w.scroll, Qt::Key_Right);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(w.text->text(), QStringLiteral("abc"));
    QVERIFY(w.scroll->value() != 5);
}

// A disabled label draws its picture greyed; a blocked one draws it as it is.
void TestInputBlock::lookIsUnchanged() {
    Window w;
    const QImage window = w.main.grab().toImage();
    const QImage card = w.card->grab().toImage();
    setAcceptsInput(&w.main, false);
    QCOMPARE(w.main.grab().toImage(), window);
    QCOMPARE(w.card->grab().toImage(), card);
    setAcceptsInput(&w.main, true);
    // The comparison tells a greyed picture apart: a disabled window draws it so.
    w.main.setEnabled(false);
    QVERIFY(w.card->grab().toImage() != card);
    w.main.setEnabled(true);
}

// The menu bar, the menus dropping from it and the items' shortcut keys go with the window.
void TestInputBlock::menusAndShortcuts() {
    Window w;
    QVERIFY(QTest::qWaitForWindowActive(&w.main));
    QSignalSpy triggered(w.item, &QAction::triggered);
    QTest::keyClick(&w.main, Qt::Key_F2);
    QCOMPARE(triggered.count(), 1);  // the key reaches the item while the window takes input

    setAcceptsInput(&w.main, false);
    QTest::keyClick(&w.main, Qt::Key_F2);
    QTest::keyClick(w.text, Qt::Key_F2);
    QCOMPARE(triggered.count(), 1);
    QVERIFY(!acceptsInput(w.menu));  // the menu drops from the blocked window
    QTest::mouseClick(w.main.menuBar(), Qt::LeftButton, {},
                      w.main.menuBar()->actionGeometry(w.menu->menuAction()).center());
    QVERIFY(!w.menu->isVisible());
    // A menu already open takes no click either.
    w.menu->popup(w.main.mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(w.menu));
    QTest::mouseClick(w.menu, Qt::LeftButton, {}, w.menu->actionGeometry(w.item).center());
    QCOMPARE(triggered.count(), 1);
    w.menu->hide();

    // The item's own enabled state is left alone: it shows greyed where the game says so.
    QVERIFY(w.item->isEnabled());
    setAcceptsInput(&w.main, true);
    QTest::keyClick(&w.main, Qt::Key_F2);
    QCOMPARE(triggered.count(), 2);
}

// A dialog or results window (a window with the blocked window as its parent) keeps its own
// mark; a close request reaches a blocked window.
void TestInputBlock::windowsOfTheirOwn() {
    Window w;
    auto* dialog = new QWidget(&w.main, Qt::Window);
    auto* ok = new QPushButton(QStringLiteral("ＯＫ"), dialog);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QSignalSpy clicks(ok, &QPushButton::clicked);
    setAcceptsInput(&w.main, false);
    QVERIFY(acceptsInput(ok));
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    setAcceptsInput(dialog, false);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);

    QVERIFY(w.main.close());
    QVERIFY(!w.main.isVisible());
}

// A single control (a card picture, the pass card) can be kept from input on its own.
void TestInputBlock::singleControl() {
    Window w;
    QSignalSpy clicks(w.button, &QPushButton::clicked);
    setAcceptsInput(w.button, false);
    QVERIFY(acceptsInput(&w.main));
    QVERIFY(acceptsInput(w.text));
    QVERIFY(!acceptsInput(w.button));
    QTest::mouseClick(w.button, Qt::LeftButton);
    QCOMPARE(clicks.count(), 0);
    setAcceptsInput(w.button, true);
    QTest::mouseClick(w.button, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
}

QTEST_MAIN(TestInputBlock)
#include "tst_inputblock.moc"
