// SPDX-License-Identifier: GPL-3.0-or-later
// Card pictures drawn at a size from the card image cache: a card's vector form beside its
// bitmap is rendered at exactly the pixel size asked for, a bitmap set is scaled smoothly and
// shown as it is at its own size, an unreadable file gives the empty card, each file is rendered
// once per size, and a card picture, the toolbar and the title window's cards are sharp at
// device pixel ratio 2 (this test runs with QT_SCALE_FACTOR=2).
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include "ui/cards/cardimages.h"
#include "ui/cards/cardpicture.h"
#include "ui/toolbar.h"
#include "ui/windows/titlewindow.h"

using namespace plumet;

namespace {

// A card set of the test's own in `folder`: bitmaps, and vectors for the names in `vectors`.
struct CardSet {
    QTemporaryDir dir;

    // A bitmap `size` large: `colour` with a `mark` coloured square of a quarter of it in the
    // top left corner.
    QString bitmap(const QString& name, QSize size, QColor colour, QColor mark) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        QPainter painter(&image);
        painter.fillRect(0, 0, size.width() / 2, size.height() / 2, mark);
        painter.end();
        const QString path = dir.filePath(name + QStringLiteral(".bmp"));
        if (!image.save(path, "BMP")) qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    // The vector form: a white card 34 x 42 with a black disc in the middle.
    QString vector(const QString& name) {
        const QString path = dir.filePath(name + QStringLiteral(".svg"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
        file.write(
            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"34\" height=\"42\" viewBox=\"0 0 34 "
            "42\"><rect width=\"34\" height=\"42\" fill=\"#ffffff\"/>"
            "<circle cx=\"17\" cy=\"21\" r=\"10\" fill=\"#000000\"/></svg>");
        return path;
    }
};

// `svg` rendered directly at `size`, as the cache should have made it.
QImage renderedSvg(const QString& svg, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QImage rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

// How many pixels have a colour that is neither of the two.
int mixedPixels(const QImage& image, QRgb a, QRgb b) {
    const QImage flat = rgb(image);
    int mixed = 0;
    for (int y = 0; y < flat.height(); ++y)
        for (int x = 0; x < flat.width(); ++x) {
            const QRgb p = flat.pixel(x, y) & 0xffffff;
            mixed += p != (a & 0xffffff) && p != (b & 0xffffff);
        }
    return mixed;
}

}  // namespace

class CardImagesTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { CardImages::shared().clear(); }

    void vectorFormAtEveryPixelSize_data();
    void vectorFormAtEveryPixelSize();
    void bitmapAtItsOwnSizeAsItIs();
    void bitmapScaledSmoothly();
    void unreadableFileIsTheEmptyCard();
    void changedFileIsReadAgain();
    void rendersOncePerSize();
    void madeTogether();
    void pictureSizes();
    void pictureSharpAtRatioTwo();
    void toolbarAtRatioTwo();
    void titleCardsAtRatioTwo();
};

void CardImagesTest::vectorFormAtEveryPixelSize_data() {
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("twice") << QSize(68, 84);
    QTest::newRow("odd size") << QSize(101, 125);
    QTest::newRow("large") << QSize(272, 336);
    QTest::newRow("smaller") << QSize(17, 21);
}

void CardImagesTest::vectorFormAtEveryPixelSize() {
    QFETCH(QSize, pixels);
    CardSet set;
    // The bitmap looks different from its vector form, so that the test sees which was used.
    const QString bmp = set.bitmap(QStringLiteral("s1"), QSize(34, 42), Qt::red, Qt::blue);
    const QString svg = set.vector(QStringLiteral("s1"));
    const QPixmap made = CardImages::shared().pixmap(bmp, pixels);
    QCOMPARE(made.size(), pixels);
    QCOMPARE(rgb(made.toImage()), rgb(renderedSvg(svg, pixels)));
}

void CardImagesTest::bitmapAtItsOwnSizeAsItIs() {
    // Also with a vector form beside it: a card at its own size is the classic bitmap.
    CardSet set;
    const QString bmp = set.bitmap(QStringLiteral("d7"), QSize(34, 42), Qt::red, Qt::blue);
    set.vector(QStringLiteral("d7"));
    QCOMPARE(CardImages::shared().naturalSize(bmp), QSize(34, 42));
    const QPixmap made = CardImages::shared().pixmap(bmp, QSize(34, 42));
    QCOMPARE(rgb(made.toImage()), rgb(QImage(bmp)));
}

void CardImagesTest::bitmapScaledSmoothly() {
    // A bitmap set without vectors: blown up three times, the edge of the mark blends (a
    // nearest-pixel scaling would show only the two colours).
    CardSet set;
    const QString bmp = set.bitmap(QStringLiteral("h5"), QSize(20, 30), Qt::white, Qt::black);
    const QPixmap made = CardImages::shared().pixmap(bmp, QSize(60, 90));
    QCOMPARE(made.size(), QSize(60, 90));
    QVERIFY(mixedPixels(made.toImage(), qRgb(255, 255, 255), qRgb(0, 0, 0)) > 0);
    // The picture itself is still there: the mark's corner and the white opposite corner.
    const QImage image = rgb(made.toImage());
    QCOMPARE(image.pixel(2, 2) & 0xffffff, 0u);
    QCOMPARE(image.pixel(57, 87) & 0xffffff, 0xffffffu);
}

void CardImagesTest::unreadableFileIsTheEmptyCard() {
    CardSet set;
    const QString missing = set.dir.filePath(QStringLiteral("s2.bmp"));
    const QString broken = set.dir.filePath(QStringLiteral("s3.bmp"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a bitmap");
    file.close();
    for (const QString& path : {missing, broken}) {
        CardImages& images = CardImages::shared();
        QVERIFY(!images.readable(path));
        QCOMPARE(images.naturalSize(path), CardPicture::emptyCardSize());
        const QImage empty = rgb(images.pixmap(path, QSize(142, 192)).toImage());
        QCOMPARE(empty.size(), QSize(142, 192));
        QCOMPARE(empty.pixel(71, 96), qRgb(255, 255, 255));
        QCOMPARE(empty.pixel(0, 96), QColor(Qt::gray).rgb());
    }
}

void CardImagesTest::changedFileIsReadAgain() {
    CardSet set;
    const QString bmp = set.bitmap(QStringLiteral("c4"), QSize(34, 42), Qt::red, Qt::blue);
    CardImages& images = CardImages::shared();
    QCOMPARE(images.naturalSize(bmp), QSize(34, 42));
    const QImage before = images.pixmap(bmp, QSize(68, 84)).toImage();
    QTest::qWait(20);  // a modification time of its own
    set.bitmap(QStringLiteral("c4"), QSize(40, 60), Qt::green, Qt::blue);
    QCOMPARE(images.naturalSize(bmp), QSize(40, 60));
    QVERIFY(images.pixmap(bmp, QSize(68, 84)).toImage() != before);
}

void CardImagesTest::rendersOncePerSize() {
    CardSet set;
    const QString face = set.bitmap(QStringLiteral("s1"), QSize(34, 42), Qt::red, Qt::blue);
    set.vector(QStringLiteral("s1"));
    const QString back = set.bitmap(QStringLiteral("uray"), QSize(34, 42), Qt::blue, Qt::red);
    CardImages& images = CardImages::shared();
    QWidget window;
    window.resize(400, 300);
    window.show();
    // Three pictures of one file and one of another, each drawn at several heights.
    const int start = images.renders();
    QList<CardPicture*> pictures;
    for (const QString& file : {face, face, face, back}) {
        auto* picture = new CardPicture(&window);
        picture->setImageFile(file);
        picture->show();
        pictures << picture;
    }
    QTest::qWait(0);
    QCOMPARE(images.renders() - start, 2);  // each file at its own size, once
    const auto drawAll = [&](int height) {
        for (CardPicture* picture : pictures) picture->setDrawnHeight(height);
        QTest::qWait(0);
        for (CardPicture* picture : pictures) picture->repaint();
    };
    drawAll(90);
    QCOMPARE(images.renders() - start, 4);
    drawAll(120);
    QCOMPARE(images.renders() - start, 6);
    drawAll(90);  // a size seen before renders nothing
    drawAll(120);
    QCOMPARE(images.renders() - start, 6);
    // Several heights in a row before the event loop runs (a resize in steps): only the last
    // one is made.
    for (int height : {60, 70, 80})
        for (CardPicture* picture : pictures) picture->setDrawnHeight(height);
    QTest::qWait(0);
    QCOMPARE(images.renders() - start, 8);
    // Moving a card, or showing the picture of another card of the same size, renders nothing.
    pictures[3]->move(200, 100);
    pictures[1]->copyImage(*pictures[3]);
    pictures[1]->repaint();
    pictures[3]->repaint();
    QCOMPARE(images.renders() - start, 8);
}

void CardImagesTest::madeTogether() {
    CardSet set;
    const QString face = set.bitmap(QStringLiteral("s1"), QSize(34, 42), Qt::red, Qt::blue);
    const QString svg = set.vector(QStringLiteral("s1"));
    const QString back = set.bitmap(QStringLiteral("uray"), QSize(34, 42), Qt::blue, Qt::red);
    CardImages& images = CardImages::shared();
    // Made together, several at a time: each file and size once, the same pictures as alone.
    const int start = images.renders();
    images.renderAll({{face, QSize(68, 84), 2.0},
                      {back, QSize(68, 84), 2.0},
                      {face, QSize(68, 84), 2.0},
                      {face, QSize(51, 63), 1.0}});
    QCOMPARE(images.renders() - start, 3);
    const QPixmap made = images.pixmap(face, QSize(68, 84), 2.0);
    QCOMPARE(images.renders() - start, 3);
    QCOMPARE(made.devicePixelRatio(), 2.0);
    QImage pixels = rgb(made.toImage());
    pixels.setDevicePixelRatio(1.0);
    QCOMPARE(pixels, rgb(renderedSvg(svg, QSize(68, 84))));

    // The first card painted after a new size makes the pictures of every card that asked.
    QWidget window;
    window.resize(400, 300);
    window.show();
    QList<CardPicture*> pictures;
    for (const QString& file : {face, back}) {
        auto* picture = new CardPicture(&window);
        picture->setImageFile(file);
        picture->show();
        pictures << picture;
    }
    QTest::qWait(0);
    const int before = images.renders();
    for (CardPicture* picture : pictures) picture->setDrawnHeight(77);
    pictures[0]->repaint();
    QCOMPARE(images.renders() - before, 2);
    pictures[1]->repaint();
    QTest::qWait(0);
    QCOMPARE(images.renders() - before, 2);
}

void CardImagesTest::pictureSizes() {
    CardSet set;
    const QString bmp = set.bitmap(QStringLiteral("s9"), QSize(34, 42), Qt::red, Qt::blue);
    CardPicture picture;
    picture.setImageFile(bmp);
    // At its own size with the sunken frame around it, or flat.
    QCOMPARE(picture.size(), QSize(38, 46));
    QCOMPARE(picture.naturalSize(), QSize(34, 42));
    picture.setFramed(false);
    QCOMPARE(picture.size(), QSize(34, 42));
    // Fitted: the height asked for, the width by the picture's proportions, framed or not.
    picture.setDrawnHeight(126);
    QCOMPARE(picture.size(), QSize(102, 126));
    picture.setFramed(true);
    QCOMPARE(picture.size(), QSize(102, 126));
    QCOMPARE(picture.sizeAt(84), QSize(68, 84));
    // A removed picture keeps its size and proportions.
    picture.clearImage();
    QCOMPARE(picture.size(), QSize(102, 126));
    QCOMPARE(picture.sizeAt(42), QSize(34, 42));
    picture.setDrawnHeight(0);
    QCOMPARE(picture.size(), QSize(38, 46));
}

void CardImagesTest::pictureSharpAtRatioTwo() {
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    CardSet set;
    const QString bmp = set.bitmap(QStringLiteral("s1"), QSize(34, 42), Qt::red, Qt::blue);
    const QString svg = set.vector(QStringLiteral("s1"));
    QWidget window;
    window.resize(300, 300);
    auto* picture = new CardPicture(&window);
    picture->setFramed(false);
    picture->setImageFile(bmp);
    window.show();
    for (int height : {0, 100}) {
        picture->setDrawnHeight(height);
        const QSize logical = picture->size();
        QImage shown = picture->grab().toImage();
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        shown.setDevicePixelRatio(1);
        // Every device pixel drawn from the vector: not the logical picture blown up.
        QCOMPARE(shown.size(), logical * 2);
        QCOMPARE(rgb(shown), rgb(renderedSvg(svg, logical * 2)));
    }
}

void CardImagesTest::toolbarAtRatioTwo() {
    // A button bitmap is scaled smoothly to the device pixels; a button without one draws its
    // label at the device pixels.
    CardSet set;
    QDir().mkpath(set.dir.filePath(QStringLiteral("toolbar")));
    QImage button(32, 20, QImage::Format_RGB32);
    button.fill(Qt::white);
    QPainter painter(&button);
    painter.fillRect(0, 0, 16, 10, Qt::black);
    painter.end();
    QVERIFY(button.save(set.dir.filePath(QStringLiteral("toolbar/image1.bmp")), "BMP"));
    Toolbar bar;
    bar.load(set.dir.path());
    for (int n : {1, 2}) {
        const QPixmap shown = bar.button(static_cast<ToolButton>(n))->pixmap();
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        QCOMPARE(shown.size(), QSize(64, 40));
    }
    QVERIFY(mixedPixels(bar.button(ToolButton::Start)->pixmap().toImage(), qRgb(255, 255, 255),
                        qRgb(0, 0, 0)) > 0);
}

void CardImagesTest::titleCardsAtRatioTwo() {
    CardSet set;
    for (const char* name : {"s7", "h7", "c7", "d7"}) {
        set.bitmap(QString::fromLatin1(name), QSize(34, 42), Qt::red, Qt::blue);
        set.vector(QString::fromLatin1(name));
    }
    TitleWindow title(set.dir.path());
    for (int i = 1; i <= 4; ++i) {
        const auto* card = title.findChild<QLabel*>(QStringLiteral("Picture%1").arg(i));
        QVERIFY(card);
        // Made at twice the pixels of the label it fills (to the rounding of a turned card).
        const QPixmap shown = card->pixmap();
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        QVERIFY(qAbs(card->width() * 2 - shown.width()) <= 1);
        QVERIFY(qAbs(card->height() * 2 - shown.height()) <= 1);
    }
}

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    CardImagesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cardimages.moc"
