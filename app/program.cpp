// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include "app/datafolder.h"
#include "app/dialogcommands.h"
#include "app/japaneseui.h"
#include "app/mainwindow.h"
#include "app/matchcourse.h"
#include "data/top10.h"
#include "data/values.h"
#include "ui/cards/cardfolders.h"
#include "ui/storemessages.h"
#include "ui/windows/titlewindow.h"
#include "ui/windows/top10dialog.h"

namespace plumet {

namespace {

// Waits, in an event loop without user input, until the title window has been painted and
// its picture handed to the screen, so that the main window is made after the title shows.
// Watches from before the title is shown (some platforms paint it within show()); gives up
// when the window goes, or after kMaxWaitMs on a platform that never paints it.
class TitlePaint : public QObject {
  public:
    explicit TitlePaint(QWidget* title) : title_(title) {
        if (title_) title_->installEventFilter(this);
    }

    void wait() {
        if (!title_) return;
        QEventLoop loop;
        loop_ = &loop;
        if (painted_) QTimer::singleShot(0, &loop, &QEventLoop::quit);
        QTimer::singleShot(kMaxWaitMs, &loop, &QEventLoop::quit);
        connect(title_, &QObject::destroyed, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        loop_ = nullptr;
        if (title_) title_->removeEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // The paint event comes before the painting: the loop ends once it is done.
            if (loop_) QTimer::singleShot(0, loop_, &QEventLoop::quit);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    static constexpr int kMaxWaitMs = 1000;
    QPointer<QWidget> title_;
    QEventLoop* loop_ = nullptr;
    bool painted_ = false;
};

}  // namespace

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

bool Program::start(const std::function<void(QWidget*)>& made) {
    prepareTitle();
    // A store file that cannot be read: said once; the game runs on the defaults and leaves
    // the file alone (every write to it fails and is not reported again at start).
    if (!store_->readable()) {
        setUpUi();
        showUnreadableMessage(nullptr, *store_);
    }
    if (!initialiseData()) return false;
    // The title window shows first and the main window is made while it shows: the player
    // sees the title as soon as it can be drawn, not after the whole table has been made.
    // Making the main window may show a message about the saved match, whose event loop runs
    // the title window's timer: the title window is held by a QPointer across it.
    const QPointer<TitleWindow> title = createTitle();
    TitlePaint painted(title);
    if (made) made(title);
    showTitle(title);
    painted.wait();
    setUpUi();
    // Said over the title window: looking for the pictures costs the title's first paint
    // nothing.
    checkDataFolder();
    if (!createMain()) {
        delete title.data();
        return false;
    }
    if (made) made(main_.get());
    // The audio back end starts, and the card click is read, while the title window shows:
    // the first sounds of a game play on time.
    QTimer::singleShot(0, session_.get(), [this] {
        if (session_->options().sound) session_->sound().prepare();
    });
    // The title window went while the main window was made (its time was up): the main
    // window follows at once.
    if (titleClosed_ && !session_->closing()) main_->show();
    return true;
}

bool Program::initialiseData() {
    const Store::Watch watch(*store_);
    const bool ok = Top10Dialog::initialiseData(session_->state(), *store_, {});
    if (!watch.ok() && store_->readable()) {
        setUpUi();
        showUnsavedMessage(nullptr, *store_);
    }
    return ok;
}

void Program::setUpUi() {
    if (uiSetUp_) return;
    uiSetUp_ = true;
    setUpJapaneseUi(*qApp);
}

void Program::prepareTitle() {
    if (!titlePictures_.isValid())
        titlePictures_ =
            makeTitlePicturesLater(QString::fromStdString(session_->state().dataFolder));
}

TitleWindow* Program::createTitle() {
    prepareTitle();
    auto* title =
        new TitleWindow(QString::fromStdString(session_->state().dataFolder), titlePictures_);
    titlePictures_ = {};
    return title;
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
        titleClosed_ = true;
        if (main_) main_->show();
        return;
    }
    titleClosed_ = false;
    // However the title window closes (its timer, or the user), the main window follows; if
    // it is still being made, as soon as it is made (start()).
    QObject::connect(title, &TitleWindow::closed, title, [this] {
        titleClosed_ = true;
        if (main_ && !session_->closing()) main_->show();
    });
    title->showTitle();
}

}  // namespace plumet
