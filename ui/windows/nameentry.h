// SPDX-License-Identifier: GPL-3.0-or-later
// NameEntry: the name entry of a new TOP-10 entry, "名前を入力してください". It sits directly
// below the table window, whose row of the new entry shows in red and follows the typing.
// "登録" (also Enter, once the name was touched) stores the table (an empty name too), clears
// the match totals, gives the main window back and closes both windows. Closing the window by
// its close box registers the same way, so the main window is never left without input (Esc,
// having no cancel to stand for, does not close it: that would register the name). A
// name the store cannot take is reported once and the window stays for another try; closing
// it then gives up. Its parent is the table's (the main window): a window of its own that
// stays with the game.
#pragma once

#include <QWidget>

#include "rules/gamestate.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace plumet {

class Top10Dialog;
class Store;

class NameEntry : public QWidget {
    Q_OBJECT
  public:
    NameEntry(GameState& state, Store& store, Top10Dialog& table);

    // The row of newRank turns red; the window takes its place below the table and shows.
    void load();

    QLabel* promptLabel() const { return promptLabel_; }
    QLineEdit* nameEdit() const { return nameEdit_; }
    QPushButton* registerButton() const { return registerButton_; }

    void nameEdited(const QString& text);
    void registerClicked();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // True when the table was stored (or had been before).
    bool registerName();
    void finish();
    void colourRow(const QColor& colour);

    GameState& state_;
    Store& store_;
    Top10Dialog& table_;
    QLabel* promptLabel_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QPushButton* registerButton_ = nullptr;
    bool registered_ = false;
    bool refused_ = false;  // a registration failed and the player was told
};

}  // namespace plumet
