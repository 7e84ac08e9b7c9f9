// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cards/cardimages.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QtConcurrent/QtConcurrentMap>
#include <vector>

#include "ui/cards/cardpicture.h"

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

namespace {

// The vector form of the card picture `file`, or none when it is missing or cannot be read.
std::shared_ptr<QSvgRenderer> readVector(const QString& file) {
    const QString vector = vectorFileOf(file);
    if (!QFileInfo(vector).isFile()) return {};
    auto renderer = std::make_shared<QSvgRenderer>(vector);
    if (!renderer->isValid()) return {};
    return renderer;
}

}  // namespace

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
    queued_.clear();
}

const CardImages::Source& CardImages::source(const QString& file, bool recheck) {
    const auto found = sources_.constFind(file);
    if (found != sources_.constEnd() && !recheck) return *found;
    const QString stamp = file.isEmpty() ? QString() : stampOf(file);
    if (found != sources_.constEnd() && found->stamp == stamp) return *found;
    Source source = read(file);
    source.stamp = stamp;
    source.generation = ++generations_;
    return *sources_.insert(file, std::move(source));
}

CardImages::Source CardImages::read(const QString& file) {
    Source source;
    if (!file.isEmpty()) {
        QImageReader reader(file);
        source.bitmap = reader.read();
        source.vector = readVector(file);
    }
    if (!source.bitmap.isNull())
        source.natural = source.bitmap.size();
    else if (source.vector && !source.vector->defaultSize().isEmpty())
        source.natural = source.vector->defaultSize();
    else
        source.natural = CardPicture::emptyCardSize();
    return source;
}

QImage CardImages::renderAtHeight(const QString& file, int pixelHeight) {
    // The vector form alone where it has a size of its own: the bitmap is not read at all.
    Source source;
    source.vector = readVector(file);
    if (source.vector && !source.vector->defaultSize().isEmpty())
        source.natural = source.vector->defaultSize();
    else
        source = read(file);
    if (source.bitmap.isNull() && !source.vector) return {};
    const int height = std::max(pixelHeight, 1);
    const QSize natural = source.natural;
    const int width =
        std::max(1, qRound(double(natural.width()) * height / std::max(natural.height(), 1)));
    return render(source, QSize(width, height));
}

QSize CardImages::naturalSize(const QString& file) {
    return source(file, true).natural;
}

bool CardImages::readable(const QString& file) {
    const Source& read = source(file, true);
    return !read.bitmap.isNull() || read.vector;
}

QImage CardImages::render(const Source& source, QSize pixels) {
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
    QPixmap made = QPixmap::fromImage(render(read, pixels));
    made.setDevicePixelRatio(ratio);
    keep(key, made);
    return made;
}

void CardImages::keep(const QString& key, const QPixmap& pixmap) {
    ++renders_;
    const int kilobytes = std::max(1, pixmap.width() * pixmap.height() * 4 / 1024);
    pixmaps_.insert(key, new QPixmap(pixmap), kilobytes);
}

void CardImages::renderAll(const QList<Request>& requests) {
    // One job per file: a file's vector renderer is used by one thread at a time.
    struct Job {
        const Source* source = nullptr;
        QList<QSize> sizes;
        QList<QString> keys;
        QList<qreal> ratios;
        QList<QImage> images;
    };
    QHash<QString, int> jobOfFile;
    std::vector<Job> jobs;
    for (const Request& request : requests) source(request.file, false);  // all read first
    for (const Request& request : requests) {
        const QSize pixels = request.pixels.expandedTo(QSize(1, 1));
        const Source& read = sources_[request.file];
        const QString key = keyOf(request.file, read.generation, pixels, request.ratio);
        if (pixmaps_.contains(key)) continue;
        int& index = jobOfFile[request.file];
        if (index == 0) {
            jobs.push_back({&read, {}, {}, {}, {}});
            index = static_cast<int>(jobs.size());
        }
        Job& job = jobs[index - 1];
        if (job.keys.contains(key)) continue;
        job.sizes.append(pixels);
        job.keys.append(key);
        job.ratios.append(request.ratio);
    }
    QtConcurrent::blockingMap(jobs, [](Job& job) {
        for (const QSize& pixels : std::as_const(job.sizes))
            job.images.append(render(*job.source, pixels));
    });
    for (Job& job : jobs) {
        for (int i = 0; i < job.images.size(); ++i) {
            QPixmap made = QPixmap::fromImage(std::move(job.images[i]));
            made.setDevicePixelRatio(job.ratios[i]);
            keep(job.keys[i], made);
        }
    }
}

void CardImages::prepareLater(CardPicture* picture) {
    queued_.append(picture);
    if (batchPending_) return;
    batchPending_ = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [this] { prepareQueued(); }, Qt::QueuedConnection);
}

void CardImages::prepareQueued() {
    batchPending_ = false;
    // Pictures are made on first use: a card whose window is not shown (the table's windows
    // before a game, the main window while the title shows) waits, so that the sizes the
    // windows pass through while they are laid out are never made. It is made with the next
    // batch once its window shows, hidden cards of that window included (the board's cards
    // fly in made): the first card painted there asks for them.
    QList<QPointer<CardPicture>> pictures;
    QList<QPointer<CardPicture>> waiting;
    for (const QPointer<CardPicture>& picture : std::exchange(queued_, {})) {
        if (!picture) continue;
        const QWidget* holder = picture->parentWidget() ? picture->parentWidget() : picture.data();
        (holder->isVisible() ? pictures : waiting).append(picture);
    }
    queued_ = std::move(waiting);
    QList<Request> requests;
    for (const QPointer<CardPicture>& picture : std::as_const(pictures)) {
        if (picture->hasPicture())
            requests.append(
                {picture->imageFile(), picture->pixelSize(), picture->devicePixelRatioF()});
    }
    renderAll(requests);
    for (const QPointer<CardPicture>& picture : std::as_const(pictures)) {
        if (picture) picture->prepare();
    }
}

}  // namespace plumet
