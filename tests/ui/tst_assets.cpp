// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the data folder the build assembles: every picture and wave file the game asks for
// by name is there, loads, and has the form the windows and the sound player rely on.
#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QStringList>
#include <QTest>
#include <QtEndian>

#include "common/cardset.h"
#include "ui/cards/cardpicture.h"
#include "ui/windows/titlepictures.h"

namespace {

const QString kData = QStringLiteral(PLUMET_DATA_DIR);
const QString kIcons = QStringLiteral(PLUMET_ICON_DIR);

QByteArray pixelHash(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return QCryptographicHash::hash(
        QByteArrayView(reinterpret_cast<const char*>(rgb.constBits()), rgb.sizeInBytes()),
        QCryptographicHash::Sha1);
}

enum class Tone { Blue, Grey, Red, Other };

// The colour most of a toolbar picture's pixels have.
Tone dominantTone(const QImage& image) {
    int blue = 0, grey = 0, red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int hi = qMax(c.red(), qMax(c.green(), c.blue()));
            const int lo = qMin(c.red(), qMin(c.green(), c.blue()));
            if (hi - lo < 24)
                ++grey;
            else if (c.blue() == hi && c.blue() > c.red() + 60)
                ++blue;
            else if (c.red() == hi && c.red() > c.blue() + 80 && c.red() > c.green() + 80)
                ++red;
        }
    }
    const int half = image.width() * image.height() / 2;
    if (blue > half) return Tone::Blue;
    if (grey > half) return Tone::Grey;
    if (red > half) return Tone::Red;
    return Tone::Other;
}

struct WaveInfo {
    bool riff = false;
    quint16 format = 0, channels = 0, bits = 0;
    quint32 rate = 0, dataBytes = 0;
    int peak = 0;  // largest sample magnitude
};

// Reads the chunks of a RIFF WAVE file, as far as they are well formed.
WaveInfo readWave(const QByteArray& bytes) {
    WaveInfo info;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") return info;
    info.riff = true;
    const auto u16 = [&](qsizetype at) {
        return qFromLittleEndian<quint16>(bytes.constData() + at);
    };
    const auto u32 = [&](qsizetype at) {
        return qFromLittleEndian<quint32>(bytes.constData() + at);
    };
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = u32(at + 4);
        const qsizetype body = at + 8;
        if (body + qsizetype(size) > bytes.size()) break;
        if (id == "fmt " && size >= 16) {
            info.format = u16(body);
            info.channels = u16(body + 2);
            info.rate = u32(body + 4);
            info.bits = u16(body + 14);
        } else if (id == "data") {
            info.dataBytes = size;
            if (info.bits == 16) {
                for (qsizetype i = body; i + 1 < body + qsizetype(size); i += 2) {
                    const int sample = qFromLittleEndian<qint16>(bytes.constData() + i);
                    info.peak = qMax(info.peak, qAbs(sample));
                }
            }
        }
        at = body + size + (size % 2);
    }
    return info;
}

}  // namespace

class TestAssets : public QObject {
    Q_OBJECT

  private slots:
    void cardSet_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("scale");
        QTest::newRow("default") << kData << 1;
        QTest::newRow("large") << kData + "/large" << 2;
    }

    // Every picture of a set loads, all have one size, and no two are the same picture.
    void cardSet() {
        QFETCH(QString, folder);
        QFETCH(int, scale);
        QSet<QByteArray> seen;
        QSize size;
        for (const QString& name : plumet::test::cardSetNames()) {
            const QString path = folder + "/" + name + ".bmp";
            QImage image;
            QVERIFY2(image.load(path, "BMP"), qPrintable(path));
            if (size.isEmpty()) size = image.size();
            QCOMPARE(image.size(), size);
            QVERIFY2(!seen.contains(pixelHash(image)), qPrintable(name + " repeats a picture"));
            seen.insert(pixelHash(image));
        }
        // The default set lays 13 columns and 4 rows on the board's default inner area
        // (about 480 x 175 pixels) without overlap, and sits in the hand window's ~80 pixels
        // with room to lift a card by a fifth of its height; the large set is twice as big.
        const QSize base(size.width() / scale, size.height() / scale);
        QCOMPARE(QSize(base.width() * scale, base.height() * scale), size);
        QVERIFY2(13 * base.width() <= 480 && 4 * base.height() <= 175,
                 qPrintable(QStringLiteral("%1x%2").arg(base.width()).arg(base.height())));
        QVERIFY(base.height() * 1.2 <= 80);
        QVERIFY(base.width() >= 30 && base.height() >= 38);  // rank and suit stay readable
    }

    // The selected joker is told apart from the plain one at a glance: most pixels differ.
    void selectedJokerStandsOut() {
        QImage plain(kData + "/joker.bmp"), selected(kData + "/joker1.bmp");
        QVERIFY(!plain.isNull() && !selected.isNull());
        int differing = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                if (plain.pixel(x, y) != selected.pixel(x, y)) ++differing;
            }
        }
        QVERIFY(differing > plain.width() * plain.height() / 2);
    }

    // Its frame has a colour no mark of the hand uses: far from the orange focus mark, the
    // magenta hint and the blue of the turn.
    void selectedJokerFrameColour() {
        const QImage selected(kData + "/joker1.bmp");
        QVERIFY(!selected.isNull());
        const QColor frame = selected.pixelColor(1, selected.height() / 2);
        QCOMPARE(selected.pixelColor(selected.width() / 2, 1), frame);
        const auto distance = [&frame](const QColor& other) {
            return qAbs(frame.red() - other.red()) + qAbs(frame.green() - other.green()) +
                   qAbs(frame.blue() - other.blue());
        };
        for (const QColor& mark : {plumet::CardPicture::focusColour(),
                                   plumet::CardPicture::hintColour(), QColor(0, 0, 255)})
            QVERIFY2(distance(mark) > 200,
                     qPrintable(mark.name() + QStringLiteral(" against ") + frame.name()));
    }

    void toolbar_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("tone");
        const Tone tones[30] = {
            Tone::Blue, Tone::Blue, Tone::Grey, Tone::Blue, Tone::Grey,  // START CONT TITLE
            Tone::Blue, Tone::Blue,                                      // TOP10 END
            Tone::Blue, Tone::Grey,                                      // A-K on, off
            Tone::Grey, Tone::Blue, Tone::Red,                           // JOKER none, once, reused
            Tone::Blue, Tone::Grey,                                      // AUTO on, off
            Tone::Blue, Tone::Blue, Tone::Blue,                          // LOW MID HIGH
            Tone::Blue, Tone::Grey,                                      // SOUND on, off
            Tone::Blue, Tone::Blue, Tone::Blue,                          // FIT HELP MOVE
            Tone::Blue, Tone::Blue,                                      // PASS3 PASS2
            Tone::Blue, Tone::Grey,                                      // WAKU on, off
            Tone::Blue, Tone::Blue, Tone::Grey,                          // GROUP NAME GROUP
            Tone::Blue,                                                  // STATS
        };
        for (int n = 1; n <= 30; ++n) {
            QTest::addRow("image%d", n) << n << int(tones[n - 1]);
        }
    }

    // Each button is a 32 x 20, 16-colour bitmap in the colour of the state it shows.
    void toolbar() {
        QFETCH(int, number);
        QFETCH(int, tone);
        const QString path = QStringLiteral("%1/toolbar/image%2.bmp").arg(kData).arg(number);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.size() > 30 && bytes.startsWith("BM"));
        QVERIFY(qFromLittleEndian<quint16>(bytes.constData() + 28) <= 4);  // bits per pixel

        QImage image;
        QVERIFY(image.loadFromData(bytes, "BMP"));
        QCOMPARE(image.size(), QSize(32, 20));
        QSet<QRgb> colors;
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 32; ++x) colors.insert(image.pixel(x, y));
        }
        QVERIFY(colors.size() <= 16);
        QCOMPARE(int(dominantTone(image)), tone);
    }

    // The states of one button differ, and so does every other pair.
    void toolbarImagesDistinct() {
        QSet<QByteArray> seen;
        for (int n = 1; n <= 30; ++n) {
            const QImage image(QStringLiteral("%1/toolbar/image%2.bmp").arg(kData).arg(n));
            QVERIFY(!image.isNull());
            QVERIFY2(!seen.contains(pixelHash(image)), qPrintable(QString::number(n)));
            seen.insert(pixelHash(image));
        }
    }

    void icon_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("side");
        QTest::newRow("256") << "plumet.png" << 256;
        QTest::newRow("64") << "plumet-64.png" << 64;
    }

    void icon() {
        QFETCH(QString, name);
        QFETCH(int, side);
        const QImage image(kData + "/" + name);
        QCOMPARE(image.size(), QSize(side, side));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);  // transparent corner
        QCOMPARE(qAlpha(image.pixel(side / 2, side / 2)), 255);
    }

    // The title's captions come drawn, each of its own text and this version's, white over
    // the dark green shadow, and within the caption's label (408 pixels wide at most).
    void titleCaptions() {
        const plumet::TitlePictures pictures = plumet::makeTitlePictures(kData, 1.0);
        for (const QImage& caption : {pictures.nameCaption, pictures.versionCaption}) {
            QVERIFY(!caption.isNull());
            QVERIFY(caption.width() <= 408);
            QSet<QRgb> colours;
            for (int y = 0; y < caption.height(); ++y)
                for (int x = 0; x < caption.width(); ++x) colours.insert(caption.pixel(x, y));
            QVERIFY(colours.contains(qRgb(255, 255, 255)));
            QVERIFY(colours.contains(qRgb(0, 40, 0)));
        }
        QVERIFY(pictures.nameCaption.height() > pictures.versionCaption.height());
    }

    void iconTheme_data() {
        QTest::addColumn<int>("side");
        for (int side : {16, 22, 24, 32, 48, 64, 128, 256, 512}) QTest::addRow("%d", side) << side;
    }

    // The desktop's icon theme gets the icon at each usual size, drawn at that size.
    void iconTheme() {
        QFETCH(int, side);
        const QString path =
            QStringLiteral("%1/hicolor/%2x%2/apps/plumet.png").arg(kIcons).arg(side);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), QSize(side, side));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(side / 2, side / 2)), 255);
    }

    void wave_data() {
        QTest::addColumn<QString>("name");
        QStringList names = {"dasu.wav", "das.wav"};
        for (const QString& event :
             QStringList{"agari", "babamoti", "pass", "hakidasi", "babadasi", "babadas2"}) {
            const QString female = "w" + event.mid(1);
            names << event + ".wav" << female + ".wav";
            for (int p = 1; p <= 4; ++p) {
                names << QStringLiteral("%1%2.wav").arg(event).arg(p)
                      << QStringLiteral("%1%2.wav").arg(female).arg(p);
            }
        }
        for (const QString& name : names) QTest::newRow(qPrintable(name)) << name;
    }

    // Every wave file the game may ask for is short, audible, 16-bit PCM mono.
    void wave() {
        QFETCH(QString, name);
        QFile file(kData + "/" + name);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const WaveInfo info = readWave(file.readAll());
        QVERIFY(info.riff);
        QCOMPARE(info.format, quint16(1));  // PCM
        QCOMPARE(info.bits, quint16(16));
        QCOMPARE(info.channels, quint16(1));
        QVERIFY(info.rate == 16000 || info.rate == 22050);
        QVERIFY(info.dataBytes > 0);
        QVERIFY(info.dataBytes <= info.rate * 2 * 1.2);  // at most 1.2 seconds
        QVERIFY(info.peak > 3000);                       // not silent
    }
};

QTEST_GUILESS_MAIN(TestAssets)
#include "tst_assets.moc"
