// SPDX-License-Identifier: GPL-3.0-or-later
// The focus mark and the hint mark of a card picture: drawn inside the card on every side,
// each a coloured band with a contrasting line inside it, standing out from whatever card lies
// under it (the game's own set, a plain white set, the empty card of a missing file, the pass
// card), at the classic size and at fitted sizes, framed or not; the card's middle stays as
// it is, and the two marks differ.
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "ui/cards/cardimages.h"
#include "ui/cards/cardpicture.h"

using namespace plumet;

namespace {

int distance(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

// The point `depth` pixels inside the middle of each side of a card `size` large.
QList<QPoint> sidePoints(QSize size, int depth) {
    const int x = size.width() / 2, y = size.height() / 2;
    return {{x, depth}, {x, size.height() - 1 - depth}, {depth, y}, {size.width() - 1 - depth, y}};
}

enum class Mark { Focus, Hint, Both };

QImage drawn(CardPicture& card, Mark mark) {
    card.setFocusMarked(mark != Mark::Hint);
    card.setHintMarked(mark != Mark::Focus);
    const QImage image = card.grab().toImage();
    card.setFocusMarked(false);
    card.setHintMarked(false);
    return image;
}

}  // namespace

Q_DECLARE_METATYPE(Mark)

class TestCardMarks : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString white_;

  private slots:
    void initTestCase() {
        white_ = dir_.filePath(QStringLiteral("white.bmp"));
        QImage image(71, 96, QImage::Format_RGB32);
        image.fill(Qt::white);
        QVERIFY(image.save(white_, "BMP"));
    }
    void cleanupTestCase() { CardImages::shared().clear(); }

    void marks_data();
    void marks();
};

void TestCardMarks::marks_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("height");  // 0: the classic card at the picture's own size
    QTest::addColumn<bool>("framed");
    QTest::addColumn<Mark>("mark");
    const QString data = QStringLiteral(PLUMET_DATA_DIR);
    const struct {
        const char* name;
        QString file;
    } sets[] = {{"the game's set", data + QStringLiteral("/d7.bmp")},
                {"the game's pass card", data + QStringLiteral("/ps4.bmp")},
                {"a plain white set", white_},
                {"the empty card", dir_.filePath(QStringLiteral("missing.bmp"))}};
    for (const auto& set : sets) {
        for (int height : {0, 60, 240}) {
            for (bool framed : {true, false}) {
                for (Mark mark : {Mark::Focus, Mark::Hint, Mark::Both}) {
                    const char* markName = mark == Mark::Focus  ? "focus"
                                           : mark == Mark::Hint ? "hint"
                                                                : "both";
                    QTest::addRow("%s, height %d, %s, %s", set.name, height,
                                  framed ? "framed" : "flat", markName)
                        << set.file << height << framed << mark;
                }
            }
        }
    }
}

void TestCardMarks::marks() {
    QFETCH(QString, file);
    QFETCH(int, height);
    QFETCH(bool, framed);
    QFETCH(Mark, mark);
    CardPicture card;
    card.setFramed(framed);
    card.setImageFile(file);
    card.setDrawnHeight(height);
    const QSize size = card.size();
    QVERIFY(!size.isEmpty());
    const QImage plain = card.grab().toImage();
    const QImage marked = drawn(card, mark);
    QCOMPARE(marked.size(), plain.size());

    const int band = CardPicture::markWidth(size, mark == Mark::Both ? 2 : 1);
    const int line = CardPicture::markLineWidth(size);
    QVERIFY(band >= 2);
    // The rings from the edge inwards: band, line (focus), then band, line (hint).
    QList<std::pair<QColor, int>> rings;  // colour, depth of its middle
    int depth = 0;
    const auto ring = [&rings, &depth](const QColor& colour, int width) {
        rings.append({colour, depth + width / 2});
        depth += width;
    };
    if (mark != Mark::Hint) {
        ring(CardPicture::focusColour(), band);
        ring(Qt::black, line);
    }
    if (mark != Mark::Focus) {
        ring(CardPicture::hintColour(), band);
        ring(Qt::white, line);
    }
    for (const auto& [colour, middle] : rings) {
        for (const QPoint& at : sidePoints(size, middle)) QCOMPARE(marked.pixelColor(at), colour);
    }
    // Each mark stands out from the card under it: its band, or its line inside the band.
    for (int r = 0; r + 1 < rings.size(); r += 2) {
        const QList<QPoint> bandPoints = sidePoints(size, rings[r].second);
        const QList<QPoint> linePoints = sidePoints(size, rings[r + 1].second);
        for (int side = 0; side < 4; ++side) {
            const int contrast =
                std::max(distance(rings[r].first, plain.pixelColor(bandPoints[side])),
                         distance(rings[r + 1].first, plain.pixelColor(linePoints[side])));
            QVERIFY2(contrast >= 200, qPrintable(QString::number(contrast)));
        }
    }
    // The band and its line differ from each other, and the two marks from each other.
    QVERIFY(distance(CardPicture::focusColour(), Qt::black) >= 200);
    QVERIFY(distance(CardPicture::hintColour(), Qt::white) >= 200);
    QVERIFY(distance(CardPicture::focusColour(), CardPicture::hintColour()) >= 200);
    // The card's middle shows as it did, and the marks stay inside the card.
    const QPoint middle(size.width() / 2, size.height() / 2);
    QCOMPARE(marked.pixelColor(middle), plain.pixelColor(middle));
    QVERIFY(depth < std::min(size.width(), size.height()) / 2);
}

QTEST_MAIN(TestCardMarks)
#include "tst_cardmarks.moc"
