#include "ui/cardimages.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include "ui/cardpicture.h"

namespace plumet {

namespace {

// Room for the pictures of a few card sizes at once; the least used go first.
constexpr int kCacheKilobytes = 64 * 1024;

QString keyOf(const QString& file, int generation, QSize pixels, qreal ratio) {
    return QStringLiteral("%1|%2|%3x%4|%5")
        .arg(file)
        .arg(generation)
        .arg(pixels.width())
        .arg(pixels.height())
        .arg(ratio);
}

QString stampOf(const QString& file) {
    QString stamp;
    for (const QFileInfo& info : {QFileInfo(file), QFileInfo(vectorFileOf(file))}) {
        if (info.exists())
            stamp += QStringLiteral("%1@%2;")
                         .arg(info.size())
                         .arg(info.lastModified().toMSecsSinceEpoch());
        else
            stamp += QStringLiteral("-;");
    }
    return stamp;
}

}  // namespace

QString vectorFileOf(const QString& file) {
    const QFileInfo info(file);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".svg"));
}

CardImages& CardImages::shared() {
    static CardImages images;
    // The pictures go with the application, not after it.
    static const bool cleared = [] {
        qAddPostRoutine([] { CardImages::shared().clear(); });
        return true;
    }();
    Q_UNUSED(cleared);
    return images;
}

CardImages::CardImages() {
    pixmaps_.setMaxCost(kCacheKilobytes);
}

CardImages::~CardImages() = default;

void CardImages::clear() {
    sources_.clear();
    pixmaps_.clear();
}

const CardImages::Source& CardImages::source(const QString& file, bool recheck) {
    const auto found = sources_.constFind(file);
    if (found != sources_.constEnd() && !recheck) return *found;
    const QString stamp = file.isEmpty() ? QString() : stampOf(file);
    if (found != sources_.constEnd() && found->stamp == stamp) return *found;
    Source source;
    source.stamp = stamp;
    source.generation = ++generations_;
    if (!file.isEmpty()) {
        QImageReader reader(file);
        source.bitmap = reader.read();
        const QString vector = vectorFileOf(file);
        if (QFileInfo(vector).isFile()) {
            auto renderer = std::make_shared<QSvgRenderer>(vector);
            if (renderer->isValid()) source.vector = std::move(renderer);
        }
    }
    if (!source.bitmap.isNull())
        source.natural = source.bitmap.size();
    else if (source.vector && !source.vector->defaultSize().isEmpty())
        source.natural = source.vector->defaultSize();
    else
        source.natural = CardPicture::emptyCardSize();
    return *sources_.insert(file, std::move(source));
}

QSize CardImages::naturalSize(const QString& file) {
    return source(file, true).natural;
}

bool CardImages::readable(const QString& file) {
    const Source& read = source(file, true);
    return !read.bitmap.isNull() || read.vector;
}

QImage CardImages::render(const Source& source, QSize pixels) const {
    // A bitmap at its own size is shown exactly as it is.
    if (!source.bitmap.isNull() && source.bitmap.size() == pixels) return source.bitmap;
    if (source.vector) {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        source.vector->render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
        return image;
    }
    if (!source.bitmap.isNull())
        return source.bitmap.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The empty card: white with a thin grey edge.
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const int edge = std::max(1, pixels.height() / CardPicture::emptyCardSize().height());
    painter.setPen(QPen(Qt::gray, edge, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(edge / 2, edge / 2, pixels.width() - edge, pixels.height() - edge));
    return image;
}

QPixmap CardImages::pixmap(const QString& file, QSize pixels, qreal ratio) {
    pixels = pixels.expandedTo(QSize(1, 1));
    const Source& read = source(file, false);
    const QString key = keyOf(file, read.generation, pixels, ratio);
    if (const QPixmap* held = pixmaps_.object(key)) return *held;
    auto* made = new QPixmap(QPixmap::fromImage(render(read, pixels)));
    made->setDevicePixelRatio(ratio);
    ++renders_;
    const QPixmap result = *made;
    const int kilobytes = std::max(1, pixels.width() * pixels.height() * 4 / 1024);
    pixmaps_.insert(key, made, kilobytes);
    return result;
}

}  // namespace plumet
