#include "app/program.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QThread>

#include "app/datafolder.h"
#include "app/dialogcommands.h"
#include "app/mainwindow.h"
#include "app/matchcourse.h"
#include "data/top10.h"
#include "data/values.h"
#include "ui/cards/cardfolders.h"
#include "ui/storemessages.h"
#include "ui/windows/titlewindow.h"
#include "ui/windows/top10dialog.h"

namespace plumet {

Program::Program(const QString& dataFolder)
    : searched_(dataFolder.isEmpty() ? appdirCandidates() : QStringList{dataFolder}),
      session_(std::make_unique<Session>()),
      store_(std::make_unique<Store>()) {
    session_->state().dataFolder =
        (dataFolder.isEmpty() ? findDataFolder() : dataFolder).toStdString();
}

void Program::checkDataFolder() const {
    // Without the data folder the cards are empty, and the sounds, the toolbar pictures and
    // the help are missing too: the player learns why, and the game runs on.
    if (hasReadableCards(QString::fromStdString(session_->state().dataFolder))) return;
    QStringList folders;
    for (const QString& folder : searched_) folders.append(QDir::toNativeSeparators(folder));
    QMessageBox box(QMessageBox::Warning, QStringLiteral("データがありません"),
                    QStringLiteral("カードの画像が見つかりません。\n探したフォルダ：\n") +
                        folders.join(u'\n') +
                        QStringLiteral("\n\nカードは白い札で表示されます。"
                                       "効果音やヘルプも使えません。"));
    box.exec();
}

Program::~Program() {
    // The match course and the windows go before the session and the store they use.
    main_.reset();
}

bool Program::start(const std::function<void(QWidget*, QWidget*)>& beforeTitle) {
    checkDataFolder();
    // A store file that cannot be read: said once; the game runs on the defaults and leaves
    // the file alone (every write to it fails and is not reported again at start).
    if (!store_->readable()) showUnreadableMessage(nullptr, *store_);
    if (!initialiseData()) return false;
    // Making the main window may show a message about the saved match, whose event loop runs
    // the title window's timer: the title window is held by a QPointer across it.
    const QPointer<TitleWindow> title = createTitle();
    if (!createMain()) {
        delete title.data();
        return false;
    }
    if (beforeTitle && title) beforeTitle(title, main_.get());
    showTitle(title);
    return true;
}

bool Program::initialiseData() {
    const Store::Watch watch(*store_);
    const bool ok = Top10Dialog::initialiseData(session_->state(), *store_, {});
    if (!watch.ok() && store_->readable()) showUnsavedMessage(nullptr, *store_);
    return ok;
}

TitleWindow* Program::createTitle() {
    return new TitleWindow(QString::fromStdString(session_->state().dataFolder));
}

bool Program::createMain() {
    main_ = std::make_unique<MainWindow>(*session_);
    main_->setStore(store_.get());
    match_ = new MatchCourse(*session_, *main_, *store_);
    main_->savedMatchCheck = [this] { return match_->checkSavedMatch(); };
    // An inconsistent saved match ends the program at once, nothing written. At start-up
    // createMain's false does it; after a group switch the event loop is left.
    match_->endAtOnce = [] {
        for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
        if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(1);
    };
    match_->saveSettings = [this] { main_->saveProfile(); };
    match_->loadSettings = [this] { main_->loadProfile(false); };
    attachDialogCommands(*main_, *session_, *store_);
    return main_->loadProfile(true);
}

void Program::showTitle(TitleWindow* title) {
    if (!title) {
        main_->show();
        return;
    }
    // However the title window closes (its timer, or the user), the main window follows.
    QObject::connect(title, &TitleWindow::closed, main_.get(), [this] {
        if (!session_->closing()) main_->show();
    });
    title->showTitle();
}

}  // namespace plumet
