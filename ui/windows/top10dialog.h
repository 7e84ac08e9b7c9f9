// SPDX-License-Identifier: GPL-3.0-or-later
// Top10Dialog: the TOP-10 dialog "トップ１０ランキング". One window, three uses:
// - the TOP-10 view: the table with "書出" (export), "読込" (import) and "ＯＫ";
// - the group change "グループ変更＆ＴＯＰ１０": the list of groups (choosing one switches to it
//   at once), "名前変更" (rename, with the window enlarged for the new name) and "ＯＫ";
// - the table at the end of a match: "あかんかったねぇ " with the total and "ＯＫ", or the
//   table with the new entry, its name entered in NameEntry below it.
//
// Loading the window reads the live TOP-10 table and checks it; a damaged table has been
// reset in the store and the program must end. The window is not modal: the opener keeps
// input from the main window, and the hook enableMain gives it back when the dialog is done
// with.
//
// Enter presses the default button of the use shown: "ＯＫ" of the table, "ＯＫ" of the group,
// "ＯＫ" of a new group name; Esc cancels a new group name ("ｷｬﾝｾﾙ") and otherwise closes the
// window as its close box does, which is what "ＯＫ" does too, except while a new entry's name
// is being entered (closing would register it): then Esc does nothing.
//
// Its message boxes and file dialogs are application-modal and wait in a nested event loop.
// Nothing closes the dialog while one is open (its own buttons are blocked, and so is the
// main window's close), so a handler goes on with the dialog after them; no other window
// is held across them.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "rules/gamestate.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace plumet {

class Store;
class NameEntry;

class Top10Dialog : public QWidget {
    Q_OBJECT
  public:
    enum class Mode { Top10, Group, MatchEnd };
    enum class FileDialog { Save, Open };

    // What the dialog asks of the rest of the program.
    struct Hooks {
        std::function<void()> enableMain;  // the dialog is done with: the main window again
        // The stored data was found damaged, the message has been shown: end the program.
        std::function<void()> endProgram;
        std::function<void()> saveSettings;  // saveProfile, before a group switch
        std::function<void()> loadSettings;  // loadProfile, after a group switch
        // A group was renamed (the main window's caption shows the group's name).
        std::function<void(int group, const QString& name)> groupRenamed;
        // The file dialogs of export and import: the chosen file, or empty when cancelled.
        // Without one the platform's file dialog is used.
        std::function<QString(FileDialog kind)> chooseFile;
    };

    static constexpr int kHeight = 3585;        // twips
    static constexpr int kRenameHeight = 4410;  // while a group name is being entered

    // `parent`: the main window, when the dialog is opened from it. The dialog stays a window
    // of its own (centred on the main window), but with the game's window.
    Top10Dialog(GameState& state, Store& store, Hooks hooks, QWidget* parent = nullptr);

    // Loads (reads and checks the table) and shows the dialog in one of its uses. nullptr
    // when the table was damaged: the message has been shown and endProgram called.
    static Top10Dialog* open(GameState& state, Store& store, Hooks hooks, Mode mode,
                             QWidget* parent = nullptr);

    // The load: the table read from the live profile and checked (made on the first run),
    // the group names, the rows. False when the data was damaged (message shown, endProgram
    // called); the window must then be closed.
    bool load();
    void setMode(Mode mode);

    // The first run: while "ckkc" reads 1968, loading the dialog once, unseen, makes the
    // check strings of the table and of the saved match. False when the stored data was found
    // damaged (message shown, endProgram called).
    static bool initialiseData(GameState& state, Store& store, Hooks hooks);

    // The TOP-10 entry at the end of a match with the human's total: the table alone when
    // the total did not enter, otherwise the table with the new row in red and NameEntry below.
    static Top10Dialog* matchEnd(GameState& state, Store& store, Hooks hooks,
                                 QWidget* parent = nullptr);

    // Shows the table in memory in the ten rows.
    void fillRows();

    QLabel* nameLabel(int index) const { return nameLabels_.at(index); }  // place index + 1
    QLabel* rowLabel(int index) const { return rowLabels_.at(index); }    // its date and total
    // Shows `name` on place index + 1: a name longer than its column ends in "…" before the
    // date column, the whole name in the label's tool tip.
    void showName(int index, const QString& name);
    // The buttons, each under its classic object name "Command1".."Command7" (the number).
    enum class Button { Ok = 1, Export, Import, GroupOk, Rename, RenameOk, RenameCancel };
    QPushButton* button(Button which) const;
    QComboBox* groupList() const { return groupList_; }
    QLineEdit* groupNameEdit() const { return groupNameEdit_; }
    NameEntry* nameEntry() const { return nameEntry_; }
    const Hooks& hooks() const { return hooks_; }

    // The button handlers.
    void acceptTable();   // "ＯＫ" of the table
    void exportTable();   // "書出"
    void importTable();   // "読込"
    void acceptGroup();   // "ＯＫ" of the group
    void startRename();   // "名前変更"
    void acceptRename();  // "ＯＫ" of the new name
    void cancelRename();  // "ｷｬﾝｾﾙ"
    void switchToGroup(int index);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void setHeight(int twips);
    void fillNames();
    void endRename();
    QString chooseFile(FileDialog kind);
    // A message box with the dialog's own title and an OK button.
    void message(const QString& title, const QString& text);
    void damaged(const QString& text);
    void done();

    GameState& state_;
    Store& store_;
    Hooks hooks_;
    std::array<QLabel*, 10> nameLabels_{}, rowLabels_{};
    QLabel* headingLabel_ = nullptr;
    QLabel* groupNameLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;            // "ＯＫ" of the table
    QPushButton* exportButton_ = nullptr;        // "書出"
    QPushButton* importButton_ = nullptr;        // "読込"
    QPushButton* groupOkButton_ = nullptr;       // "ＯＫ" of the group
    QPushButton* renameButton_ = nullptr;        // "名前変更"
    QPushButton* renameOkButton_ = nullptr;      // "ＯＫ" of the new name
    QPushButton* renameCancelButton_ = nullptr;  // "ｷｬﾝｾﾙ"
    QComboBox* groupList_ = nullptr;
    QLineEdit* groupNameEdit_ = nullptr;
    NameEntry* nameEntry_ = nullptr;
    bool filling_ = false;
    bool done_ = false;

    friend class NameEntry;
};

// The message texts of damaged data.
QString damagedTableText();
QString damagedMatchText();

}  // namespace plumet
