// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: shows the game's help document <dataFolder>/help/plumet.html (menu
// "トピックの検索", F1, the toolbar's HELP button). Without the document it says where it
// looked. Esc closes it; the window deletes itself when it closes.
#pragma once

#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace plumet {

// Where the help document lies in the game's data folder.
QString helpFilePath(const QString& dataFolder);

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(const QString& dataFolder, QWidget* parent = nullptr);

    // True when the document was found and shown.
    bool hasDocument() const { return found_; }
    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_ = nullptr;
    QPushButton* home_ = nullptr;
    QPushButton* back_ = nullptr;
    bool found_ = false;
};

}  // namespace plumet
