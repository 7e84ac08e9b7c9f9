#include "app/dialogcommands.h"

#include <QAction>
#include <QPointer>
#include <memory>

#include "app/mainwindow.h"
#include "app/session.h"
#include "data/store.h"
#include "data/storenames.h"
#include "ui/boardwindow.h"
#include "ui/cardchooser.h"
#include "ui/computerwindow.h"
#include "ui/handwindow.h"
#include "ui/helpwindow.h"
#include "ui/inputblock.h"
#include "ui/namesdialog.h"
#include "ui/speeddialog.h"
#include "ui/storemessages.h"
#include "ui/titlewindow.h"

namespace plumet {

namespace {

// The main window takes no input while `dialog` is open; its closed() gives it back.
template <class Dialog>
void openOver(MDIForm1& main, Dialog* dialog) {
    setAcceptsInput(&main, false);
    QObject::connect(dialog, &Dialog::closed, &main, [&main] { setAcceptsInput(&main, true); });
}

void mnuname(MDIForm1& main, Session& session, Store& store) {
    PlayerNameArray captions;
    PlayerSexArray sex{};
    for (int p = 1; p <= kPlayers; ++p) {
        captions[p - 1] = session.window(p).windowTitle();
        sex[p - 1] = session.state().sex[p - 1];
    }
    auto* dialog = new Form8(captions, sex);
    openOver(main, dialog);
    QObject::connect(
        dialog, &Form8::namesAccepted, &main,
        [&main, &session, &store](const PlayerNameArray& names, const PlayerSexArray& sexes) {
            for (int p = 1; p <= kPlayers; ++p) {
                session.state().sex[p - 1] = sexes[p - 1];
                session.window(p).setWindowTitle(names[p - 1]);
            }
            // The names are in use; the player is told when they are not kept.
            const Store::Watch watch(store);
            storeNames(store, names, sexes);
            if (!watch.ok()) showUnsavedMessage(&main, store);
        });
    dialog->open();
}

void mnumove(MDIForm1& main, Session& session) {
    auto* dialog = new Form12(session.state().movespeed);
    openOver(main, dialog);
    QObject::connect(dialog, &Form12::movespeedChosen, &main, [&session](int movespeed) {
        session.state().movespeed = static_cast<std::int16_t>(movespeed);
    });
    dialog->open();
}

void mnuvar(MDIForm1& main, Session& session) {
    auto* box = new Form1(QString::fromStdString(session.state().appdir));
    openOver(main, box);
    box->showVersionBox();
}

}  // namespace

// The chooser mode is kept in `cardsleft` while the chooser is open (0 afterwards), so the
// chooser cannot open during a match, whose `cardsleft` counts the cards still to be laid.
bool openCardChooser(MDIForm1& main, Session& session, int mode) {
    GameState& s = session.state();
    if (main.matchLocked() || s.gameno != 0 || mode < 1 || mode > 3) return false;
    s.cardsleft = static_cast<std::int16_t>(mode);
    const std::string& folder = mode == 1 ? s.boarddir : mode == 2 ? s.facedir : s.backdir;
    auto* dialog = new Form11(mode, QString::fromStdString(folder));
    openOver(main, dialog);
    QObject::connect(
        dialog, &Form11::folderChosen, &main,
        [&main](int chosen, const QString& path) { main.cardFolderChosen(chosen, path); });
    QObject::connect(dialog, &Form11::closed, &main, [&s] { s.cardsleft = 0; });
    dialog->open();
    return true;
}

void attachDialogCommands(MDIForm1& main, Session& session, Store& store) {
    main.attachDialog(main.items().mnuname,
                      [&main, &session, &store] { mnuname(main, session, store); });
    main.attachDialog(main.items().mnumove, [&main, &session] { mnumove(main, session); });
    main.attachDialog(main.items().mnuba, [&main, &session] { openCardChooser(main, session, 1); });
    main.attachDialog(main.items().mnumy, [&main, &session] { openCardChooser(main, session, 2); });
    main.attachDialog(main.items().mnuura,
                      [&main, &session] { openCardChooser(main, session, 3); });
    main.attachDialog(main.items().mnuvar, [&main, &session] { mnuvar(main, session); });
    auto help = std::make_shared<QPointer<HelpWindow>>();
    main.attachDialog(main.items().mnuhelpm, [&session, help] {
        if (!*help) *help = new HelpWindow(QString::fromStdString(session.state().appdir));
        (*help)->show();
        (*help)->raise();
        (*help)->activateWindow();
    });
}

}  // namespace plumet
