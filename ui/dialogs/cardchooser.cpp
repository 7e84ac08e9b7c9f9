// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/cardchooser.h"

#include <algorithm>

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>

#include "ui/cards/cardimages.h"
#include "ui/centring.h"
#include "ui/twips.h"

namespace plumet {

namespace {

// The client area the controls are laid out for, in twips; a larger window gives the extra
// room to the folder tree.
constexpr double kBaseWidth = 5340;
constexpr double kBaseHeight = 2505;

QString captionFor(CardSet set) {
    switch (set) {
        case CardSet::Board:
            return QStringLiteral("場のカードの変更");
        case CardSet::Face:
            return QStringLiteral("あなたのカードの変更");
        case CardSet::Back:
            break;
    }
    return QStringLiteral("裏面のカードの変更");
}

CardSet setForMode(int mode) {
    if (mode == 1) return CardSet::Board;
    if (mode == 3) return CardSet::Back;
    return CardSet::Face;
}

// The folder itself when it exists, else its nearest existing parent ("/" at the latest).
QString existingFolder(const QString& folder) {
    QString path = folder.isEmpty() ? QDir::rootPath() : QDir::cleanPath(folder);
    while (!QFileInfo(path).isDir() && path != QDir::rootPath()) {
        const QString parent = QFileInfo(path).path();
        path = parent == path ? QDir::rootPath() : parent;
    }
    return path;
}

}  // namespace

CardChooser::CardChooser(int mode, const QString& folder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      set_(setForMode(mode)) {
    setObjectName(QStringLiteral("Form11"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(captionFor(set_));
    setMinimumSize(px(kBaseWidth), px(kBaseHeight));
    resize(px(kBaseWidth), px(kBaseHeight));

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QDir::rootPath());

    folderTree_ = new QTreeView(this);
    folderTree_->setObjectName(QStringLiteral("Dir1"));
    folderTree_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column) folderTree_->hideColumn(column);
    folderTree_->setHeaderHidden(true);
    folderTree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    folderTree_->header()->setStretchLastSection(false);
    folderTree_->setUniformRowHeights(true);
    connect(folderTree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CardChooser::folderChanged);
    folderTree_->setIndentation(px(180));
    // The tree fills in asynchronously: keep the selected folder in view as rows arrive and
    // get sorted, until the user takes over the tree.
    revealTimer_ = new QTimer(this);
    revealTimer_->setSingleShot(true);
    revealTimer_->setInterval(0);
    connect(revealTimer_, &QTimer::timeout, this, [this] { revealFolder(wanted_); });
    const auto scheduleReveal = [this] {
        if (!wanted_.isEmpty()) revealTimer_->start();
    };
    connect(model_, &QFileSystemModel::directoryLoaded, this, scheduleReveal);
    connect(model_, &QAbstractItemModel::rowsInserted, this, scheduleReveal);
    connect(model_, &QAbstractItemModel::layoutChanged, this, scheduleReveal);
    folderTree_->installEventFilter(this);
    folderTree_->viewport()->installEventFilter(this);
    connect(folderTree_->verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this] { wanted_.clear(); });

    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("Picture1"));
    preview_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    preview_->setAlignment(Qt::AlignCenter);

    pathLabel_ = new QLabel(this);
    pathLabel_->setObjectName(QStringLiteral("pathLabel"));
    pathLabel_->setWordWrap(true);
    pathLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    okButton_ = new QPushButton(QStringLiteral("Ｏ　　Ｋ"), this);
    okButton_->setObjectName(QStringLiteral("Command1"));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, [this] {
        const QString folder = normalisedFolder(selectedFolder());
        if (!isCardSetFolder(folder, set_)) {  // the test file vanished meanwhile
            showFolder(folder);
            return;
        }
        emit folderChosen(this->mode(), folder);
        accept();
    });

    cancelButton_ = new QPushButton(QStringLiteral("キャンセル"), this);
    cancelButton_->setObjectName(QStringLiteral("Command2"));
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, &CardChooser::closed);

    layoutControls();
    selectFolder(folder);
}

void CardChooser::open() {
    centreWindow(this);
    show();
    folderTree_->setFocus();
}

QString CardChooser::selectedFolder() const {
    const QModelIndex current = folderTree_->currentIndex();
    return current.isValid() ? model_->filePath(current) : QString();
}

void CardChooser::selectFolder(const QString& folder) {
    const QString path = existingFolder(folder);
    const QModelIndex index = model_->index(path);
    wanted_ = path;
    folderTree_->setCurrentIndex(index);
    folderTree_->expand(index);
    revealFolder(path);
    // The tree may still be loading; check the folder now rather than waiting for it.
    showFolder(path);
}

void CardChooser::revealFolder(const QString& folder) {
    const QModelIndex index = model_->index(folder);
    if (folder.isEmpty() || !index.isValid() || index != folderTree_->currentIndex()) return;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        folderTree_->expand(parent);
    folderTree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    // Folder names start at the left edge; deep folders scroll only as far as needed.
    const QRect item = folderTree_->visualRect(index);
    const int viewWidth = folderTree_->viewport()->width();
    QScrollBar* horizontal = folderTree_->horizontalScrollBar();
    const int needed = item.left() + horizontal->value() - viewWidth / 3;
    horizontal->setValue(std::max(0, needed));
}

bool CardChooser::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
        case QEvent::KeyPress:
            wanted_.clear();
            break;
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

void CardChooser::folderChanged(const QModelIndex& current) {
    if (current != model_->index(wanted_)) wanted_.clear();  // the user chose another folder
    if (current.isValid()) showFolder(model_->filePath(current));
}

void CardChooser::showFolder(const QString& folder) {
    const QString testFile = cardFilePath(folder, cardSetTestFile(set_));
    const bool valid = QFileInfo(testFile).isFile();
    okButton_->setEnabled(valid);
    preview_->clear();
    CardImages& images = CardImages::shared();
    if (valid && images.readable(testFile)) {
        // At its own size, or smaller to fit the preview; made at the device pixel ratio from
        // the card image cache like every card of the game (the vector form where the set has
        // one). An unreadable bitmap just leaves the preview empty.
        QSize shown = images.naturalSize(testFile);
        const QSize room = preview_->contentsRect().size();
        if (shown.width() > room.width() || shown.height() > room.height())
            shown.scale(room, Qt::KeepAspectRatio);
        const qreal ratio = preview_->devicePixelRatioF();
        preview_->setPixmap(images.pixmap(
            testFile, QSize(qRound(shown.width() * ratio), qRound(shown.height() * ratio)), ratio));
    }
    // Let the path wrap after each separator.
    QString shown = QDir::toNativeSeparators(folder);
    shown.replace(QLatin1Char('/'), QStringLiteral("/\u200b"));
    pathLabel_->setText(shown);
    pathLabel_->setToolTip(folder);
}

void CardChooser::layoutControls() {
    const double extraWidth = tw(width()) - kBaseWidth;
    const double extraHeight = tw(height()) - kBaseHeight;
    folderTree_->setGeometry(pxRect(30, 105, 2280 + extraWidth, 2310 + extraHeight));
    preview_->setGeometry(pxRect(2445 + extraWidth, 105, 975, 1200));
    pathLabel_->setGeometry(pxRect(2445 + extraWidth, 1380, 2835, 1020 + extraHeight));
    okButton_->setGeometry(pxRect(4275 + extraWidth, 120, 1005, 465));
    cancelButton_->setGeometry(pxRect(4290 + extraWidth, 675, 990, 450));
}

void CardChooser::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layoutControls();
}

}  // namespace plumet
