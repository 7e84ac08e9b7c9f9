// SPDX-License-Identifier: GPL-3.0-or-later
// The title window, the names dialog, the card speed dialog and the card image chooser,
// driven through their buttons as a player would.
#include <QFileSystemModel>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <sys/stat.h>

#include "ui/dialogs/cardchooser.h"
#include "ui/dialogs/namesdialog.h"
#include "ui/dialogs/speeddialog.h"
#include "ui/twips.h"
#include "ui/windows/titlepictures.h"
#include "ui/windows/titlewindow.h"

using namespace plumet;

namespace {

template <typename T>
T* child(QWidget* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    if (!found) qWarning("no child %s", qPrintable(name));
    return found;
}

void writeBitmap(const QString& path) {
    QImage image(40, 60, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(path, "BMP"));
}

// A drawing `width` x `height` filled with `colour`.
QByteArray svgOf(int width, int height, const char* colour) {
    return QStringLiteral(
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\">"
               "<rect width=\"%1\" height=\"%2\" fill=\"%3\"/></svg>")
        .arg(width)
        .arg(height)
        .arg(QLatin1String(colour))
        .toUtf8();
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// How a dialog is left. Enter and "Esc in the control" go to the control that has the
// keyboard, as a player's keys do.
enum class Leave { Ok, Cancel, CloseBox, Escape, Enter, EscapeInControl };

QWidget* keyboardOf(QWidget* window) {
    return window->focusWidget() ? window->focusWidget() : window;
}

void leave(QDialog* dialog, Leave how) {
    switch (how) {
        case Leave::Ok:
            QTest::mouseClick(child<QPushButton>(dialog, "Command1"), Qt::LeftButton);
            break;
        case Leave::Cancel:
            QTest::mouseClick(child<QPushButton>(dialog, "Command2"), Qt::LeftButton);
            break;
        case Leave::CloseBox:
            dialog->close();
            break;
        case Leave::Escape:
            QTest::keyClick(dialog, Qt::Key_Escape);
            break;
        case Leave::Enter:
            QTest::keyClick(keyboardOf(dialog), Qt::Key_Return);
            break;
        case Leave::EscapeInControl:
            QTest::keyClick(keyboardOf(dialog), Qt::Key_Escape);
            break;
    }
}

void addLeaveRows() {
    QTest::addColumn<int>("how");
    QTest::addColumn<bool>("applied");
    QTest::newRow("OK") << int(Leave::Ok) << true;
    QTest::newRow("cancel") << int(Leave::Cancel) << false;
    QTest::newRow("close box") << int(Leave::CloseBox) << false;
    QTest::newRow("escape") << int(Leave::Escape) << false;
    QTest::newRow("enter") << int(Leave::Enter) << true;
    QTest::newRow("escape in the control") << int(Leave::EscapeInControl) << false;
}

}  // namespace

Q_DECLARE_METATYPE(plumet::PlayerNameArray)
Q_DECLARE_METATYPE(plumet::PlayerVoiceArray)

class TestDialogsWindows : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        qRegisterMetaType<PlayerNameArray>();
        qRegisterMetaType<PlayerVoiceArray>();
    }

    // --- TitleWindow ---------------------------------------------------------------------------

    void titleScreen() {
        QTemporaryDir dataFolder;
        QPointer<TitleWindow> window = new TitleWindow(dataFolder.path());
        QSignalSpy timeUp(window.data(), &TitleWindow::titleTimeUp);
        QSignalSpy closed(window.data(), &TitleWindow::closed);
        window->showTitle();
        QCOMPARE(child<QLabel>(window, "Label1")->text(), QStringLiteral("カドリオ for Windows95"));
        QCOMPARE(child<QLabel>(window, "Label2")->text(), QStringLiteral("Version 3.15"));
        QCOMPARE(window->versionText(), QStringLiteral("Version 3.15"));
        QVERIFY(!child<QPushButton>(window, "Command1")->isVisible());
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);

        auto* titleTimer = child<QTimer>(window, "Timer2");
        QCOMPARE(titleTimer->interval(), 3330);
        QVERIFY(titleTimer->isActive());
        titleTimer->setInterval(0);  // let the title time pass at once
        QTRY_COMPARE(timeUp.count(), 1);
        QCOMPARE(closed.count(), 1);
        QTRY_VERIFY(window.isNull());  // the title window is gone
    }

    void versionBox_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("OK") << int(Leave::Ok);
        QTest::newRow("close box") << int(Leave::CloseBox);
        QTest::newRow("enter") << int(Leave::Enter);
        QTest::newRow("escape") << int(Leave::Escape);
    }
    void versionBox() {
        QFETCH(int, how);
        QTemporaryDir dataFolder;
        QPointer<TitleWindow> window = new TitleWindow(dataFolder.path());
        QSignalSpy timeUp(window.data(), &TitleWindow::titleTimeUp);
        QSignalSpy closed(window.data(), &TitleWindow::closed);
        window->showVersionBox();
        QCOMPARE(window->windowTitle(), QStringLiteral("カドリオのﾊﾞｰｼﾞｮﾝ情報"));
        auto* okButton = child<QPushButton>(window, "Command1");
        QVERIFY(okButton->isVisible());
        QCOMPARE(okButton->text(), QStringLiteral("ＯＫ"));
        QVERIFY(!child<QTimer>(window, "Timer2")->isActive());
        switch (Leave(how)) {
            case Leave::Ok:
                QTest::mouseClick(okButton, Qt::LeftButton);
                break;
            case Leave::Enter:
                QTest::keyClick(keyboardOf(window), Qt::Key_Return);
                break;
            case Leave::Escape:
                QTest::keyClick(keyboardOf(window), Qt::Key_Escape);
                break;
            default:
                window->close();
                break;
        }
        QCOMPARE(closed.count(), 1);
        QCOMPARE(timeUp.count(), 0);
        QTRY_VERIFY(window.isNull());
    }

    void titleShowsIconAndSevensFromAppdir() {
        QTemporaryDir dataFolder;
        writeBitmap(dataFolder.filePath("d7.bmp"));
        writeBitmap(dataFolder.filePath("s7.bmp"));
        writeFile(dataFolder.filePath("h7.bmp"), "not a bitmap");  // shown as nothing
        QImage icon(64, 64, QImage::Format_ARGB32);
        icon.fill(Qt::blue);
        QVERIFY(icon.save(dataFolder.filePath("plumet.png")));
        auto* window = new TitleWindow(dataFolder.path());
        QVERIFY(window->findChild<QLabel*>("Image1"));
        QVERIFY(window->findChild<QLabel*>("Picture1"));   // s7
        QVERIFY(!window->findChild<QLabel*>("Picture2"));  // h7 unreadable
        QVERIFY(!window->findChild<QLabel*>("Picture3"));  // c7 missing
        QVERIFY(window->findChild<QLabel*>("Picture4"));   // d7
        QVERIFY(!window->windowIcon().isNull());
        delete window;
    }

    // The title's pictures come from the drawings where the data folder has them, and from
    // the bitmaps where it has none or a drawing cannot be read.
    void titlePicturesPreferTheDrawings_data() {
        QTest::addColumn<QByteArray>("iconDrawing");  // plumet.svg; empty: no such file
        QTest::addColumn<QColor>("iconColour");
        QTest::newRow("drawing") << svgOf(10, 10, "#ff0000") << QColor(Qt::red);
        QTest::newRow("broken drawing") << QByteArray("<svg") << QColor(Qt::blue);
        QTest::newRow("no drawing") << QByteArray() << QColor(Qt::blue);
    }
    void titlePicturesPreferTheDrawings() {
        QFETCH(QByteArray, iconDrawing);
        QFETCH(QColor, iconColour);
        QTemporaryDir dataFolder;
        QImage bitmapIcon(64, 64, QImage::Format_ARGB32);
        bitmapIcon.fill(Qt::blue);
        QVERIFY(bitmapIcon.save(dataFolder.filePath("plumet.png")));
        if (!iconDrawing.isEmpty()) writeFile(dataFolder.filePath("plumet.svg"), iconDrawing);
        // Spades: a drawing of its own proportions (1 : 2) beside a bitmap of others;
        // hearts: a drawing alone; clubs: a bitmap alone; diamonds: a broken drawing beside a
        // bitmap, which is shown instead.
        writeFile(dataFolder.filePath("s7.svg"), svgOf(10, 20, "#00ff00"));
        writeBitmap(dataFolder.filePath("s7.bmp"));
        writeFile(dataFolder.filePath("h7.svg"), svgOf(10, 20, "#00ff00"));
        writeBitmap(dataFolder.filePath("c7.bmp"));
        writeFile(dataFolder.filePath("d7.svg"), "<svg");
        writeBitmap(dataFolder.filePath("d7.bmp"));

        const TitlePictures pictures = makeTitlePictures(dataFolder.path(), 2.0);
        QCOMPARE(pictures.icon.size(), QSize(2 * titleIconSide(), 2 * titleIconSide()));
        QCOMPARE(pictures.icon.pixelColor(pictures.icon.rect().center()), iconColour);
        QCOMPARE(pictures.sevens.size(), 4);
        for (const TitlePictures::Card& seven : pictures.sevens) QVERIFY(!seven.picture.isNull());
        QCOMPARE(pictures.sevens[0].faceWidth, qRound(px(1500) * 2.0 / 2));
        QCOMPARE(pictures.sevens[1].faceWidth, pictures.sevens[0].faceWidth);
        QCOMPARE(pictures.sevens[2].faceWidth, pictures.sevens[3].faceWidth);

        // Made in pieces on the thread pool, they come out the same and in the same places.
        const TitlePictures later = makeTitlePicturesLater(dataFolder.path()).result();
        const TitlePictures here = makeTitlePictures(dataFolder.path(), later.ratio);
        QCOMPARE(later.icon, here.icon);
        QCOMPARE(later.sevens.size(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(later.sevens[i].picture, here.sevens[i].picture);
            QCOMPARE(later.sevens[i].faceWidth, here.sevens[i].faceWidth);
        }
    }

    // The captions show from their drawings only where the drawing is of that very text (not
    // another version's); otherwise the window writes them in its font, with their shadow.
    void titleCaptionsFromTheirDrawings_data() {
        QTest::addColumn<QByteArray>("drawing");  // caption-title.svg; empty: no such file
        QTest::addColumn<bool>("shownFromDrawing");
        const QByteArray red = svgOf(40, 20, "#ff0000");
        const auto titled = [&red](const QString& title) {
            QByteArray drawing = red;
            return drawing.insert(drawing.indexOf("<rect"),
                                  "<title>" + title.toHtmlEscaped().toUtf8() + "</title>");
        };
        QTest::newRow("drawing of the caption") << titled(titleNameText()) << true;
        QTest::newRow("drawing of another text") << titled(QStringLiteral("カドリオ")) << false;
        QTest::newRow("broken drawing") << titled(titleNameText()).left(60) << false;
        QTest::newRow("no drawing") << QByteArray() << false;
        QTest::newRow("a pipe in its place") << QByteArray("fifo") << false;
    }
    void titleCaptionsFromTheirDrawings() {
        QFETCH(QByteArray, drawing);
        QFETCH(bool, shownFromDrawing);
        QTemporaryDir dataFolder;
        const QString file = dataFolder.filePath("caption-title.svg");
        if (drawing == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        else if (!drawing.isEmpty())
            writeFile(file, drawing);

        const TitlePictures pictures = makeTitlePictures(dataFolder.path(), 2.0);
        QCOMPARE(pictures.nameCaption.isNull(), !shownFromDrawing);
        QVERIFY(pictures.versionCaption.isNull());
        if (shownFromDrawing) {
            QCOMPARE(pictures.nameCaption.size(), QSize(80, 40));
            QCOMPARE(pictures.nameCaption.pixelColor(40, 20), QColor(Qt::red));
        }

        // On the window: red where the drawing shows, white letters where the text is written.
        auto* window = new TitleWindow(dataFolder.path());
        auto* label = child<QLabel>(window, "Label1");
        QCOMPARE(label->text(), titleNameText());
        const QImage shown = label->grab().toImage();
        int red = 0;
        int white = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QColor colour = shown.pixelColor(x, y);
                red += colour == QColor(Qt::red);
                white += colour == QColor(Qt::white);
            }
        }
        QCOMPARE(red > 0, shownFromDrawing);
        QCOMPARE(white > 0, !shownFromDrawing);
        delete window;
    }

    // --- NamesDialog ---------------------------------------------------------------------------

    void namesDialogOpensWithCurrentNamesAndVoices() {
        const PlayerNameArray names = {"あなた", "ふうか", "たくみ", "ゆずは"};
        auto* window = new NamesDialog(names, {-1, 0, -1, 0});
        window->open();
        QCOMPARE(window->windowTitle(), QStringLiteral("名前の変更"));
        static const char* const kLabels[] = {"PLAYER", "COM1", "COM2", "COM3"};
        for (int i = 0; i < 4; ++i) {
            const QString n = QString::number(i);
            auto* label = child<QLabel>(window, "Label1_" + n);
            auto* text = child<QLineEdit>(window, "Text1_" + n);
            auto* frame = child<QGroupBox>(window, "Frame1_" + n);
            QCOMPARE(label->text(), QString::fromLatin1(kLabels[i]));
            QCOMPARE(text->text(), names[i]);
            QCOMPARE(label->pos(), QPoint(px(120), px(120 + 400 * i)));
            QCOMPARE(text->pos(), QPoint(px(1000), px(120 + 400 * i)));
            QCOMPARE(frame->pos(), QPoint(px(2800), px(10 + 400 * i)));
            auto* male = child<QRadioButton>(window, "Option1_" + n);
            auto* female = child<QRadioButton>(window, "Option2_" + n);
            QCOMPARE(male->text(), QStringLiteral("男"));
            QCOMPARE(female->text(), QStringLiteral("女"));
            QCOMPARE(male->parentWidget(), frame);
            QCOMPARE(male->isChecked(), i % 2 == 0);
            QCOMPARE(female->isChecked(), i % 2 == 1);
        }
        QCOMPARE(child<QPushButton>(window, "Command1")->text(), QStringLiteral("ＯＫ"));
        QCOMPARE(child<QPushButton>(window, "Command2")->text(), QStringLiteral("キャンセル"));
        delete window;
    }

    void namesDialogLeaving_data() { addLeaveRows(); }
    void namesDialogLeaving() {
        QFETCH(int, how);
        QFETCH(bool, applied);
        QPointer<NamesDialog> window =
            new NamesDialog({"あなた", "ふうか", "たくみ", "ゆずは"}, {-1, 0, -1, 0});
        QSignalSpy accepted(window.data(), &NamesDialog::namesAccepted);
        QSignalSpy closed(window.data(), &NamesDialog::closed);
        window->open();
        // A new name, an emptied name (stored as it is), and two voices swapped.
        child<QLineEdit>(window, "Text1_1")->setText("はるか");
        child<QLineEdit>(window, "Text1_2")->clear();
        QTest::mouseClick(child<QRadioButton>(window, "Option2_0"), Qt::LeftButton);
        QTest::mouseClick(child<QRadioButton>(window, "Option1_3"), Qt::LeftButton);
        leave(window, Leave(how));
        QCOMPARE(closed.count(), 1);
        QCOMPARE(accepted.count(), applied ? 1 : 0);
        if (applied) {
            const auto names = accepted.first().at(0).value<PlayerNameArray>();
            const auto voices = accepted.first().at(1).value<PlayerVoiceArray>();
            QCOMPARE(names, (PlayerNameArray{"あなた", "はるか", "", "ゆずは"}));
            QCOMPARE(voices, (PlayerVoiceArray{0, 0, -1, -1}));
        }
        QTRY_VERIFY(window.isNull());
    }

    // --- SpeedDialog --------------------------------------------------------------------------

    void speedDialogOpensAtTheRoot_data() {
        QTest::addColumn<int>("flightFrames");
        QTest::addColumn<int>("bar");
        QTest::newRow("default") << 64 << 8;
        QTest::newRow("fastest") << 1 << 1;
        QTest::newRow("smoothest") << 121 << 11;
        QTest::newRow("between squares") << 50 << 7;
        QTest::newRow("broken stored value") << 0 << 1;
    }
    void speedDialogOpensAtTheRoot() {
        QFETCH(int, flightFrames);
        QFETCH(int, bar);
        auto* window = new SpeedDialog(flightFrames);
        window->open();
        QCOMPARE(window->windowTitle(), QStringLiteral("カードの移動速度"));
        auto* scroll = child<QScrollBar>(window, "HScroll1");
        QCOMPARE(scroll->minimum(), 1);
        QCOMPARE(scroll->maximum(), 11);
        QCOMPARE(scroll->value(), bar);
        auto* fast = child<QLabel>(window, "Label1");
        auto* smooth = child<QLabel>(window, "Label2");
        QCOMPARE(fast->text(), QStringLiteral("高速"));
        QCOMPARE(smooth->text(), QStringLiteral("なめらか"));
        QVERIFY(fast->x() < smooth->x());  // fast at the left end, where the bar is 1
        delete window;
    }

    void speedDialogLeaving_data() { addLeaveRows(); }
    void speedDialogLeaving() {
        QFETCH(int, how);
        QFETCH(bool, applied);
        QPointer<SpeedDialog> window = new SpeedDialog(64);
        QSignalSpy chosen(window.data(), &SpeedDialog::flightFramesChosen);
        QSignalSpy closed(window.data(), &SpeedDialog::closed);
        window->open();
        auto* scroll = child<QScrollBar>(window, "HScroll1");
        scroll->triggerAction(QAbstractSlider::SliderToMaximum);  // "なめらか"
        QCOMPARE(scroll->value(), 11);
        leave(window, Leave(how));
        QCOMPARE(closed.count(), 1);
        QCOMPARE(chosen.count(), applied ? 1 : 0);
        if (applied) QCOMPARE(chosen.first().at(0).toInt(), 121);
        QTRY_VERIFY(window.isNull());
    }

    void speedDialogFastest() {
        auto* window = new SpeedDialog(64);
        QSignalSpy chosen(window, &SpeedDialog::flightFramesChosen);
        window->open();
        child<QScrollBar>(window, "HScroll1")->triggerAction(QAbstractSlider::SliderToMinimum);
        QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().at(0).toInt(), 1);  // one-frame flights
    }

    // --- CardChooser --------------------------------------------------------------------------

    void chooserCaption_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("caption");
        QTest::newRow("board") << 1 << "場のカードの変更";
        QTest::newRow("hand") << 2 << "あなたのカードの変更";
        QTest::newRow("backs") << 3 << "裏面のカードの変更";
    }
    void chooserCaption() {
        QFETCH(int, mode);
        QFETCH(QString, caption);
        auto* window = new CardChooser(mode, QDir::tempPath());
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->mode(), mode);
        QCOMPARE(child<QPushButton>(window, "Command1")->text(), QStringLiteral("Ｏ　　Ｋ"));
        QCOMPARE(child<QPushButton>(window, "Command2")->text(), QStringLiteral("キャンセル"));
        delete window;
    }

    void chooserChecksTheFolder_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("folder");  // inside the fixture
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("preview");
        QTest::newRow("face set for the board") << 1 << "faces"
                                                << "faces" << true << true;
        QTest::newRow("face set for the hand") << 2 << "faces"
                                               << "faces" << true << true;
        QTest::newRow("face set is no back set") << 3 << "faces"
                                                 << "faces" << false << false;
        QTest::newRow("back set") << 3 << "backs"
                                  << "backs" << true << true;
        QTest::newRow("empty folder") << 1 << "empty"
                                      << "empty" << false << false;
        QTest::newRow("missing folder opens its parent") << 1 << "empty/gone/deeper"
                                                         << "empty" << false << false;
        QTest::newRow("unreadable test file") << 2 << "broken"
                                              << "broken" << true << false;
    }
    void chooserChecksTheFolder() {
        QFETCH(int, mode);
        QFETCH(QString, folder);
        QFETCH(QString, selected);
        QFETCH(bool, enabled);
        QFETCH(bool, preview);
        QTemporaryDir root;
        makeFixture(root.path());
        auto* window = new CardChooser(mode, root.filePath(folder));
        window->open();
        QCOMPARE(window->selectedFolder(), root.filePath(selected));
        QCOMPARE(child<QPushButton>(window, "Command1")->isEnabled(), enabled);
        const QPixmap shown = child<QLabel>(window, "Picture1")->pixmap();
        QCOMPARE(!shown.isNull(), preview);
        delete window;
    }

    void chooserFollowsTheTree() {
        QTemporaryDir root;
        makeFixture(root.path());
        QPointer<CardChooser> window = new CardChooser(1, root.filePath("empty"));
        QSignalSpy chosen(window.data(), &CardChooser::folderChosen);
        QSignalSpy closed(window.data(), &CardChooser::closed);
        window->open();
        auto* ok = child<QPushButton>(window, "Command1");
        auto* picture = child<QLabel>(window, "Picture1");
        QVERIFY(!ok->isEnabled());

        auto* tree = child<QTreeView>(window, "Dir1");
        auto* model = qobject_cast<QFileSystemModel*>(tree->model());
        QVERIFY(model);
        tree->setCurrentIndex(model->index(root.filePath("faces")));
        QVERIFY(ok->isEnabled());
        QVERIFY(!picture->pixmap().isNull());
        tree->setCurrentIndex(model->index(root.filePath("empty")));
        QVERIFY(!ok->isEnabled());
        QVERIFY(picture->pixmap().isNull());  // the preview is cleared
        tree->setCurrentIndex(model->index(root.filePath("faces")));

        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().at(0).toInt(), 1);
        QCOMPARE(chosen.first().at(1).toString(), QDir::cleanPath(root.filePath("faces")));
        QCOMPARE(closed.count(), 1);
        QTRY_VERIFY(window.isNull());
    }

    void chooserLeaving_data() { addLeaveRows(); }
    void chooserLeaving() {
        QFETCH(int, how);
        QFETCH(bool, applied);
        QTemporaryDir root;
        makeFixture(root.path());
        QPointer<CardChooser> window = new CardChooser(3, root.filePath("backs"));
        QSignalSpy chosen(window.data(), &CardChooser::folderChosen);
        QSignalSpy closed(window.data(), &CardChooser::closed);
        window->open();
        leave(window, Leave(how));
        QCOMPARE(closed.count(), 1);
        QCOMPARE(chosen.count(), applied ? 1 : 0);
        QTRY_VERIFY(window.isNull());
    }

    void chooserRefusesAFolderThatLostItsTestFile() {
        QTemporaryDir root;
        makeFixture(root.path());
        auto* window = new CardChooser(2, root.filePath("faces"));
        QSignalSpy chosen(window, &CardChooser::folderChosen);
        window->open();
        QVERIFY(QFile::remove(root.filePath("faces/d7.bmp")));
        auto* ok = child<QPushButton>(window, "Command1");
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(chosen.count(), 0);
        QVERIFY(!ok->isEnabled());
        QVERIFY(window->isVisible());
        delete window;
    }

    void chooserAtTheRoot() {
        auto* window = new CardChooser(1, QStringLiteral("/"));
        QCOMPARE(window->selectedFolder(), QStringLiteral("/"));
        QCOMPARE(child<QPushButton>(window, "Command1")->isEnabled(),
                 QFileInfo::exists(QStringLiteral("/d7.bmp")));
        delete window;
    }

  private:
    static void makeFixture(const QString& path) {
        const QDir dir(path);
        for (const char* sub : {"faces", "backs", "empty", "broken"})
            QVERIFY(dir.mkpath(QString::fromLatin1(sub)));
        writeBitmap(dir.filePath("faces/d7.bmp"));
        writeBitmap(dir.filePath("backs/urat.bmp"));
        writeFile(dir.filePath("broken/d7.bmp"), "this is no bitmap");
    }
};

QTEST_MAIN(TestDialogsWindows)
#include "tst_dialogs.moc"
