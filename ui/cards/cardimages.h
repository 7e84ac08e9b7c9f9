// SPDX-License-Identifier: GPL-3.0-or-later
// Card pictures at the size they are drawn. Every card file is rendered once per device pixel
// size and kept, so that a change of the card size renders each picture once and a card that
// moves never renders: a file with a vector form beside it (the .svg of the same base name in
// the same folder) is rendered with Qt SVG at exactly the pixel size asked for; a bitmap is
// shown as it is at its own size and scaled smoothly to any other; a file that cannot be read
// gives the empty card.
#pragma once

#include <QCache>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QSize>
#include <QString>
#include <memory>

class QSvgRenderer;

namespace plumet {

class CardPicture;

class CardImages {
  public:
    // The one cache every card picture of the program draws from.
    static CardImages& shared();

    CardImages();
    ~CardImages();
    CardImages(const CardImages&) = delete;
    CardImages& operator=(const CardImages&) = delete;

    // The picture's own size in pixels: the bitmap's; the vector's when only that can be read;
    // the empty card's when neither. The file is read again when it changed on disk.
    QSize naturalSize(const QString& file);
    // Whether `file` or its vector form can be read (otherwise it shows as the empty card).
    bool readable(const QString& file);
    // The picture of `file` `pixels` large (device pixels), marked with the device pixel ratio
    // `ratio` so that it is drawn `pixels` / `ratio` large.
    QPixmap pixmap(const QString& file, QSize pixels, qreal ratio = 1.0);

    // A picture to make: `file` `pixels` large for the device pixel ratio `ratio`.
    struct Request {
        QString file;
        QSize pixels;
        qreal ratio = 1.0;
    };
    // The picture of `file` `pixelHeight` device pixels high, read and made apart from any
    // cache, so that it may be made on any thread: from the vector form at its own proportions
    // when there is one, else from the bitmap; a null image when neither can be read.
    static QImage renderAtHeight(const QString& file, int pixelHeight);

    // Makes every picture of `requests` not held yet, several at a time on the processor's
    // cores: a new card size makes every card anew, all at once.
    void renderAll(const QList<Request>& requests);

    // A card picture wants its picture made for its new size. The pictures asked for are made
    // together (renderAll) once the sizes have settled, or when one of them is painted first.
    void prepareLater(CardPicture* picture);
    void prepareQueued();

    // Pictures rendered so far (every picture made for a file and size not held yet).
    int renders() const { return renders_; }
    // Forgets every picture and every file read.
    void clear();

  private:
    // A file as read, with what it was read from: a file changed on disk is read again (and its
    // pictures made anew) the next time a card picture is given it.
    struct Source {
        QImage bitmap;
        std::shared_ptr<QSvgRenderer> vector;
        QSize natural;
        QString stamp;  // size and modification times of the bitmap and the vector files
        int generation = 0;
    };
    // The file as read; read again first when `recheck` and it changed on disk since.
    const Source& source(const QString& file, bool recheck);
    // The file read anew, without its stamp and generation.
    static Source read(const QString& file);
    static QImage render(const Source& source, QSize pixels);
    void keep(const QString& key, const QPixmap& pixmap);

    QHash<QString, Source> sources_;
    QCache<QString, QPixmap> pixmaps_;
    int renders_ = 0;
    int generations_ = 0;
    QList<QPointer<CardPicture>> queued_;
    bool batchPending_ = false;
};

// The file holding the vector form of the card picture `file` (its name with ".svg" in place
// of the bitmap's suffix).
QString vectorFileOf(const QString& file);

}  // namespace plumet
