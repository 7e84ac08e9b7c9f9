// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands that open the small dialogs: "名前の変更" (NamesDialog),
// "カードの移動速度" (SpeedDialog), "場のカード" / "あなたのカード" / "裏面のカード" (CardChooser),
// "トピックの検索" (the help window, F1) and "ﾊﾞｰｼﾞｮﾝ情報(&A)" (TitleWindow as the version box).
//
// Each dialog opens without a modal loop: the main window takes no input while it is open and
// takes it again when it closes, however it closes. The help window leaves the main window
// usable and is opened once; the command raises it when it is already open.
#pragma once

namespace plumet {

class MainWindow;
class Session;
class Store;

void attachDialogCommands(MainWindow& main, Session& session, Store& store);

// "場のカード" (mode 1), "あなたのカード" (2), "裏面のカード" (3): opens the card set chooser.
// Refused (false, nothing opens) while a match is under way: the card sets are locked then.
bool openCardChooser(MainWindow& main, Session& session, int mode);

}  // namespace plumet
