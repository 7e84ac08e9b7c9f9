// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/helpwindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/twips.h"

namespace plumet {

QString helpFilePath(const QString& dataFolder) {
    return dataFolder + QStringLiteral("/help/plumet.html");
}

HelpWindow::HelpWindow(const QString& dataFolder, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("カドリオ ヘルプ"));
    resize(px(10500), px(10500));
    // Esc closes the window, as it closes a dialog.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    home_ = new QPushButton(QStringLiteral("目次"), this);
    home_->setObjectName(QStringLiteral("homeButton"));
    back_ = new QPushButton(QStringLiteral("戻る"), this);
    back_->setObjectName(QStringLiteral("backButton"));
    back_->setEnabled(false);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);
    connect(home_, &QPushButton::clicked, browser_, &QTextBrowser::home);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(home_);
    buttons->addWidget(back_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    const QString path = helpFilePath(dataFolder);
    const QFileInfo file(path);
    found_ = file.isFile() && file.isReadable();
    if (found_) {
        browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    } else {
        home_->setEnabled(false);
        browser_->setHtml(
            QStringLiteral("<h2>ヘルプファイルが見つかりません</h2>"
                           "<p>ヘルプファイル <b>%1</b> がないか、読み込めません。</p>"
                           "<p>カドリオを入れ直してください。</p>")
                .arg(path.toHtmlEscaped()));
    }
}

}  // namespace plumet
