// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogcommands.h"

#include <QAction>
#include <QPointer>
#include <memory>

#include "app/mainwindow.h"
#include "app/session.h"
#include "data/store.h"
#include "data/storenames.h"
#include "ui/dialogs/cardchooser.h"
#include "ui/dialogs/namesdialog.h"
#include "ui/dialogs/speeddialog.h"
#include "ui/inputblock.h"
#include "ui/storemessages.h"
#include "ui/table/boardwindow.h"
#include "ui/table/computerwindow.h"
#include "ui/table/handwindow.h"
#include "ui/windows/helpwindow.h"
#include "ui/windows/titlewindow.h"

namespace plumet {

namespace {

// The main window takes no input while `dialog` is open; its closed() gives it back.
template <class Dialog>
void openOver(MainWindow& main, Dialog* dialog) {
    setAcceptsInput(&main, false);
    QObject::connect(dialog, &Dialog::closed, &main, [&main] { setAcceptsInput(&main, true); });
}

void changeNames(MainWindow& main, Session& session, Store& store) {
    PlayerNameArray captions;
    PlayerVoiceArray voices{};
    for (int p = 1; p <= kPlayers; ++p) {
        captions[p - 1] = session.window(p).windowTitle();
        voices[p - 1] = session.state().voices[p - 1];
    }
    auto* dialog = new NamesDialog(captions, voices);
    openOver(main, dialog);
    QObject::connect(
        dialog, &NamesDialog::namesAccepted, &main,
        [&main, &session, &store](const PlayerNameArray& names, const PlayerVoiceArray& voiceList) {
            for (int p = 1; p <= kPlayers; ++p) {
                session.state().voices[p - 1] = voiceList[p - 1];
                session.window(p).setWindowTitle(names[p - 1]);
            }
            // The names are in use; the player is told when they are not kept.
            const Store::Watch watch(store);
            storeNames(store, names, voiceList);
            if (!watch.ok()) showUnsavedMessage(&main, store);
        });
    dialog->open();
}

void moveSpeed(MainWindow& main, Session& session) {
    auto* dialog = new SpeedDialog(session.state().flightFrames);
    openOver(main, dialog);
    QObject::connect(dialog, &SpeedDialog::flightFramesChosen, &main, [&session](int flightFrames) {
        session.state().flightFrames = static_cast<std::int16_t>(flightFrames);
    });
    dialog->open();
}

void versionInfo(MainWindow& main, Session& session) {
    auto* box = new TitleWindow(QString::fromStdString(session.state().dataFolder));
    openOver(main, box);
    box->showVersionBox();
}

}  // namespace

// The chooser mode is kept in `cardsLeft` while the chooser is open (0 afterwards), so the
// chooser cannot open during a match, whose `cardsLeft` counts the cards still to be laid.
bool openCardChooser(MainWindow& main, Session& session, int mode) {
    GameState& s = session.state();
    if (main.matchLocked() || s.gameNumber != 0 || mode < 1 || mode > 3) return false;
    s.cardsLeft = static_cast<std::int16_t>(mode);
    const std::string& folder = mode == 1   ? s.boardFaceFolder
                                : mode == 2 ? s.handFaceFolder
                                            : s.backFolder;
    auto* dialog = new CardChooser(mode, QString::fromStdString(folder));
    openOver(main, dialog);
    QObject::connect(
        dialog, &CardChooser::folderChosen, &main,
        [&main](int chosen, const QString& path) { main.cardFolderChosen(chosen, path); });
    QObject::connect(dialog, &CardChooser::closed, &main, [&s] { s.cardsLeft = 0; });
    dialog->open();
    return true;
}

void attachDialogCommands(MainWindow& main, Session& session, Store& store) {
    main.attachDialog(main.items().changeNames,
                      [&main, &session, &store] { changeNames(main, session, store); });
    main.attachDialog(main.items().moveSpeed, [&main, &session] { moveSpeed(main, session); });
    main.attachDialog(main.items().boardCards,
                      [&main, &session] { openCardChooser(main, session, 1); });
    main.attachDialog(main.items().handCards,
                      [&main, &session] { openCardChooser(main, session, 2); });
    main.attachDialog(main.items().backCards,
                      [&main, &session] { openCardChooser(main, session, 3); });
    main.attachDialog(main.items().versionInfo, [&main, &session] { versionInfo(main, session); });
    auto help = std::make_shared<QPointer<HelpWindow>>();
    main.attachDialog(main.items().helpTopics, [&session, help] {
        if (!*help) *help = new HelpWindow(QString::fromStdString(session.state().dataFolder));
        (*help)->show();
        (*help)->raise();
        (*help)->activateWindow();
    });
}

}  // namespace plumet
