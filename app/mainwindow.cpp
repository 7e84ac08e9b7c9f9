#include "app/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QVBoxLayout>

#include "app/session.h"
#include "data/store.h"
#include "data/top10.h"
#include "ui/boardwindow.h"
#include "ui/computerwindow.h"
#include "ui/handwindow.h"
#include "ui/inputblock.h"
#include "ui/speeds.h"
#include "ui/storemessages.h"
#include "ui/toolbar.h"
#include "ui/twips.h"

namespace plumet {

namespace {

// The items the match lock covers: the group change, the rule options, detection, and the
// card sets, whose submenu is locked together with its three items.
std::array<QAction*, 12> lockedItems(const MenuItems& m) {
    QAction* const card = m.cardMenu->menuAction();
    return {m.changeGroup, m.aceKing,     m.jokerNone, m.jokerOnce,  m.jokerReused, m.detection,
            m.twoPasses,   m.threePasses, card,        m.boardCards, m.handCards,   m.backCards};
}

}  // namespace

MainWindow::MainWindow(Session& session, QWidget* parent) : QMainWindow(parent), session_(session) {
    setObjectName(QStringLiteral("MDIForm1"));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolbar_ = new Toolbar(central);
    mdi_ = new QMdiArea(central);
    mdi_->setBackground(QColor(0, 128, 0));
    layout->addWidget(toolbar_);
    layout->addWidget(mdi_, 1);
    setCentralWidget(central);

    // The child windows are shown by the game start, not before.
    // Each frame keeps the object name of its window's classic name ("Form2Window" for the
    // board, "Form4Window".."Form7Window" for players 1..4).
    const auto addChild = [this](int classicNumber, QWidget* widget) {
        QMdiSubWindow* sub = mdi_->addSubWindow(
            widget, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        sub->setObjectName(QStringLiteral("Form%1Window").arg(classicNumber));
        sub->hide();
        return sub;
    };
    auto* board = new BoardWindow(session_);
    auto* human = new HandWindow(session_);
    std::array<ComputerWindow*, 3> computers{};
    for (int p = 2; p <= 4; ++p) computers[p - 2] = new ComputerWindow(session_, p);
    session_.setWindows(this, board, human, computers);
    for (int p = 2; p <= kPlayers; ++p) playerFrames_[p] = addChild(p + 3, computers[p - 2]);
    playerFrames_[1] = addChild(4, human);
    boardFrame_ = addChild(2, board);

    captionTimer_.setObjectName(QStringLiteral("Timer1"));
    captionTimer_.setInterval(speeds::kBoardCaptionMs);
    connect(&captionTimer_, &QTimer::timeout, this, [this] {
        captionTimer_.stop();
        session_.board().setWindowTitle(QString::fromUtf8(kBoardCaption));
    });

    items_ = buildMenus(*this);
    connectMenus();
    buildToolbar();
    session_.results = [this](bool matchOver) { resultsFallback(matchOver); };
}

ToolImage* MainWindow::toolButton(ToolButton which) const {
    return toolbar_->button(which);
}
QList<QMdiSubWindow*> MainWindow::frames() const {
    return {boardFrame_, playerFrames_[1], playerFrames_[2], playerFrames_[3], playerFrames_[4]};
}
// The client area as the layout gives it, also before the window is first shown (the
// viewport learns its size only from its first resize event).
double MainWindow::clientWidth() const {
    return tw(mdi_->contentsRect().width());
}
double MainWindow::clientHeight() const {
    return tw(mdi_->contentsRect().height());
}

void MainWindow::settleLayout() {
    // The layouts may not have seen the latest size yet (a resize while hidden, or a resize
    // event that reaches the window before its layout): lay out again from the size now.
    for (QLayout* each : {layout(), centralWidget()->layout()}) {
        each->invalidate();
        each->activate();
    }
}

void MainWindow::connectMenus() {
    const MenuItems& m = items_;
    connect(m.newGame, &QAction::triggered, this, &MainWindow::newGame);
    m.continueMatch->setEnabled(false);
    m.backToInitialScreen->setEnabled(false);
    connect(m.backToInitialScreen, &QAction::triggered, this, &MainWindow::backToInitialScreen);
    connect(m.quit, &QAction::triggered, this, &QWidget::close);
    // The hint is there only during the human's turn (the hand window makes it available).
    m.hint->setEnabled(false);
    connect(m.hint, &QAction::triggered, this, [this] { session_.human().showHint(); });

    connect(m.aceKing, &QAction::triggered, this, &MainWindow::setAceKing);
    connect(m.jokerNone, &QAction::triggered, this, [this] { setJoker(JokerMode::None); });
    connect(m.jokerOnce, &QAction::triggered, this, [this] { setJoker(JokerMode::Once); });
    connect(m.jokerReused, &QAction::triggered, this, [this] { setJoker(JokerMode::Reused); });
    connect(m.threePasses, &QAction::triggered, this, [this] { setPasses(3); });
    connect(m.twoPasses, &QAction::triggered, this, [this] { setPasses(2); });
    connect(m.detection, &QAction::triggered, this, &MainWindow::setDetection);
    connect(m.cardFrames, &QAction::triggered, this, &MainWindow::setFramed);
    connect(m.fitCards, &QAction::triggered, this, &MainWindow::setFitCards);
    connect(m.paceFast, &QAction::triggered, this, [this] { setPace(Pace::Fast); });
    connect(m.paceNormal, &QAction::triggered, this, [this] { setPace(Pace::Normal); });
    connect(m.paceSlow, &QAction::triggered, this, [this] { setPace(Pace::Slow); });
    connect(m.soundOn, &QAction::triggered, this, [this] { setSoundOn(true); });
    connect(m.soundOff, &QAction::triggered, this, [this] { setSoundOn(false); });
    connect(m.toolbarShown, &QAction::triggered, this, &MainWindow::setToolbarShown);

    connect(m.arrangeAroundBoard, &QAction::triggered, this, &MainWindow::arrangeAroundBoard);
    connect(m.arrangeWhole, &QAction::triggered, this, &MainWindow::arrangeWhole);
    connect(m.autoArrange, &QAction::triggered, this, &MainWindow::setAutoArrange);

    // Commands whose dialogs are wired by attachDialog stay unavailable until then.
    pending_ = {m.showTop10, m.changeGroup, m.changeNames, m.boardCards, m.handCards,
                m.backCards, m.moveSpeed,   m.helpTopics,  m.versionInfo};
    for (QAction* item : std::as_const(pending_)) item->setEnabled(false);
    m.cardMenu->menuAction()->setEnabled(false);
}

void MainWindow::attachDialog(QAction* item, std::function<void()> open) {
    pending_.remove(item);
    const auto locked = lockedItems(items_);
    const bool underLock = std::find(locked.begin(), locked.end(), item) != locked.end();
    setAvailable(item, !(matchLocked_ && underLock));
    if (item == items_.boardCards || item == items_.handCards || item == items_.backCards)
        setAvailable(items_.cardMenu->menuAction(), !matchLocked_);
    connect(item, &QAction::triggered, this, std::move(open));
}

void MainWindow::setAvailable(QAction* item, bool enabled) {
    // The card sets' submenu is available once one of its choosers is wired.
    const bool wired =
        item == items_.cardMenu->menuAction()
            ? !(pending_.contains(items_.boardCards) && pending_.contains(items_.handCards) &&
                pending_.contains(items_.backCards))
            : !pending_.contains(item);
    item->setEnabled(enabled && wired);
}

void MainWindow::buildToolbar() {
    const auto on = [this](ToolButton button, auto handler) {
        connect(toolButton(button), &ToolImage::clicked, this, handler);
    };
    const auto as = [](QAction* item) { return [item] { item->trigger(); }; };
    const MenuItems& m = items_;
    on(ToolButton::Start, as(m.newGame));
    on(ToolButton::Continue, as(m.continueMatch));
    on(ToolButton::Title, as(m.backToInitialScreen));
    on(ToolButton::Top10, as(m.showTop10));
    on(ToolButton::End, as(m.quit));
    // The rule buttons act only while their menu items are enabled: the match lock.
    const auto ifEnabled = [](QAction* item, auto command) {
        return [item, command] {
            if (item->isEnabled()) command();
        };
    };
    on(ToolButton::AceKingOn, ifEnabled(m.aceKing, [this] { setAceKing(!options().aceKing); }));
    on(ToolButton::AceKingOff, ifEnabled(m.aceKing, [this] { setAceKing(!options().aceKing); }));
    on(ToolButton::JokerNone, ifEnabled(m.jokerOnce, [this] { setJoker(JokerMode::Once); }));
    on(ToolButton::JokerOnce, ifEnabled(m.jokerOnce, [this] { setJoker(JokerMode::Reused); }));
    on(ToolButton::JokerReused, ifEnabled(m.jokerOnce, [this] { setJoker(JokerMode::None); }));
    on(ToolButton::ThreePasses, ifEnabled(m.threePasses, [this] { setPasses(2); }));
    on(ToolButton::TwoPasses, ifEnabled(m.twoPasses, [this] { setPasses(3); }));
    // Detection can be flipped from the toolbar during a match too.
    on(ToolButton::DetectionOn, [this] { setDetection(!options().detection); });
    on(ToolButton::DetectionOff, [this] { setDetection(!options().detection); });
    on(ToolButton::Group, as(m.changeGroup));
    on(ToolButton::Names, as(m.changeNames));
    on(ToolButton::FramesOn, [this] { setFramed(!options().framed); });
    on(ToolButton::FramesOff, [this] { setFramed(!options().framed); });
    on(ToolButton::PaceSlow, [this] { setPace(Pace::Fast); });
    on(ToolButton::PaceNormal, [this] { setPace(Pace::Slow); });
    on(ToolButton::PaceFast, [this] { setPace(Pace::Normal); });
    on(ToolButton::MoveSpeed, as(m.moveSpeed));
    on(ToolButton::SoundOn, [this] { setSoundOn(false); });
    on(ToolButton::SoundOff, [this] { setSoundOn(true); });
    on(ToolButton::Arrange, as(m.arrangeWhole));
    on(ToolButton::Help, as(m.helpTopics));
}

void MainWindow::setShown(ToolButton button, bool shown) {
    toolButton(button)->setVisible(shown);
}

const Options& MainWindow::options() const {
    return session_.options();
}

Options& MainWindow::editOptions() {
    return session_.editableOptions();
}

void MainWindow::showOptions() {
    const Options& o = options();
    const MenuItems& m = items_;
    m.aceKing->setChecked(o.aceKing);
    setShown(ToolButton::AceKingOn, o.aceKing);
    setShown(ToolButton::AceKingOff, !o.aceKing);
    m.jokerNone->setChecked(o.joker == JokerMode::None);
    m.jokerOnce->setChecked(o.joker == JokerMode::Once);
    m.jokerReused->setChecked(o.joker == JokerMode::Reused);
    setShown(ToolButton::JokerNone, o.joker == JokerMode::None);
    setShown(ToolButton::JokerOnce, o.joker == JokerMode::Once);
    setShown(ToolButton::JokerReused, o.joker == JokerMode::Reused);
    m.threePasses->setChecked(o.passes != 2);
    m.twoPasses->setChecked(o.passes == 2);
    setShown(ToolButton::ThreePasses, o.passes != 2);
    setShown(ToolButton::TwoPasses, o.passes == 2);
    m.detection->setChecked(o.detection);
    setShown(ToolButton::DetectionOn, o.detection);
    setShown(ToolButton::DetectionOff, !o.detection);
    m.cardFrames->setChecked(o.framed);
    setShown(ToolButton::FramesOn, o.framed);
    setShown(ToolButton::FramesOff, !o.framed);
    m.fitCards->setChecked(o.fitCards);
    m.soundOn->setChecked(o.sound);
    m.soundOff->setChecked(!o.sound);
    setShown(ToolButton::SoundOn, o.sound);
    setShown(ToolButton::SoundOff, !o.sound);
    m.paceFast->setChecked(o.pace == Pace::Fast);
    m.paceNormal->setChecked(o.pace == Pace::Normal);
    m.paceSlow->setChecked(o.pace == Pace::Slow);
    setShown(ToolButton::PaceFast, o.pace == Pace::Fast);
    setShown(ToolButton::PaceNormal, o.pace == Pace::Normal);
    setShown(ToolButton::PaceSlow, o.pace == Pace::Slow);
    m.toolbarShown->setChecked(o.toolbar);
    toolbar_->setVisible(o.toolbar);
    m.autoArrange->setChecked(o.autoArrange);
}

void MainWindow::setAceKing(bool on) {
    editOptions().aceKing = on;
    showOptions();
}

void MainWindow::setJoker(JokerMode mode) {
    editOptions().joker = mode;
    showOptions();
}

void MainWindow::setPasses(int passes) {
    // The menu has already flipped the item it triggered: showing the options checks it
    // again, so choosing the pass limit in force changes nothing.
    editOptions().passes = passes;
    showOptions();
}

void MainWindow::setDetection(bool on) {
    editOptions().detection = on;
    showOptions();
    session_.human().layoutHand();
}

void MainWindow::setPace(Pace pace) {
    editOptions().pace = pace;
    showOptions();
    applyPace();
}

void MainWindow::setSoundOn(bool on) {
    editOptions().sound = on;
    showOptions();
}

void MainWindow::setFramed(bool on) {
    editOptions().framed = on;
    showOptions();
    setFramesAndReload(on);
}

void MainWindow::setFitCards(bool on) {
    // Not part of the match lock: the cards are fitted again at once, also during a match.
    editOptions().fitCards = on;
    showOptions();
    refitCards();
}

void MainWindow::refitCards() {
    // The arrangement sizes the windows from the card size, so under "勝手に整列" the cards
    // are fitted by arranging the windows for them.
    if (options().autoArrange)
        arrangeWhole();
    else
        fitCards();
}

void MainWindow::setFramesAndReload(bool on) {
    session_.board().setFramed(on);
    for (int p = 1; p <= kPlayers; ++p) {
        PlayerWindow& playerWindow = session_.window(p);
        for (int i = 1; i <= playerWindow.pictureCount(); ++i)
            playerWindow.picture(i)->setFramed(on);
    }
    if (session_.state().gameNumber == 0) return;
    // During a match the shown pictures are read again from their folders; no card moves.
    session_.human().reloadHand();
    for (ComputerWindow* playerWindow : session_.computers()) {
        const int count = session_.state().handCount[playerWindow->player()];
        for (int i = count; i >= 1; --i)
            playerWindow->picture(i)->setImageFile(playerWindow->backFile());
    }
    session_.board().loadPictures();
}

void MainWindow::setToolbarShown(bool on) {
    editOptions().toolbar = on;
    showOptions();
    arrangeWhole();
}

void MainWindow::setAutoArrange(bool on) {
    editOptions().autoArrange = on;
    showOptions();
    if (on) arrangeWhole();
}

QString MainWindow::groupName() const {
    if (groupNameSource) return groupNameSource();
    // グループ１ .. グループ１０: the group number from 1 in full-width digits.
    QString digits = QString::number(session_.state().group + 1);
    for (QChar& c : digits) c = QChar(c.unicode() - u'0' + 0xFF10);
    return QStringLiteral("グループ") + digits;
}

void MainWindow::showIdleCaption() {
    setWindowTitle(QStringLiteral("カドリオ   （ ") + groupName() + QStringLiteral(" ）"));
}

bool MainWindow::ask(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                    this);
    return box.exec() == QMessageBox::Ok;
}

void MainWindow::newGame() {
    GameState& s = session_.state();
    const auto discard = [this, &s] {
        if (discardSavedMatch) discardSavedMatch();
        items_.continueMatch->setEnabled(false);
        setShown(ToolButton::Continue, false);
        setShown(ToolButton::ContinueOff, true);
        captionTimer_.stop();
        s.gameNumber = 0;
        s.selectedJokerSlot = 0;
        s.savedGameNumber = 0;
    };
    if (s.savedGameNumber > 0) {
        if (!ask(QStringLiteral("新規ゲーム？"),
                 QStringLiteral("前回の保存データを破棄し\n新規ゲームを開始しますか？")))
            return;
        discard();
    }
    if (s.gameNumber > 0) {
        if (!ask(QStringLiteral("新規ゲーム？"),
                 QStringLiteral("現在のゲームを破棄し\n新規ゲームを開始しますか？")))
            return;
        discard();
    }
    lockMatch();
    session_.board().setWindowTitle(QString::fromUtf8(kBoardCaption));
    session_.startGame();
}

void MainWindow::backToInitialScreen() {
    if (session_.state().gameNumber > 0 &&
        !ask(QStringLiteral("初期画面？"),
             QStringLiteral("現在のゲームを破棄し\n初期画面に戻りますか？")))
        return;
    abandonMatch();
}

void MainWindow::abandonMatch() {
    GameState& s = session_.state();
    if (s.gameNumber > 0) {
        captionTimer_.stop();
        s.gameNumber = 0;
        s.savedGameNumber = 0;
        session_.clearTable();
    }
    boardFrame()->hide();
    items_.backToInitialScreen->setEnabled(false);
    unlockMatch();
    showIdleCaption();
    setAcceptsInput(this, true);
}

void MainWindow::lockMatch() {
    matchLocked_ = true;
    for (QAction* item : lockedItems(items_)) item->setEnabled(false);
    items_.hint->setEnabled(false);
    items_.backToInitialScreen->setEnabled(true);
    setShown(ToolButton::Title, true);
    setShown(ToolButton::GroupOff, true);
    setShown(ToolButton::TitleOff, false);
    setShown(ToolButton::Group, false);
}

void MainWindow::unlockMatch() {
    matchLocked_ = false;
    for (QAction* item : lockedItems(items_)) setAvailable(item, true);
    items_.hint->setEnabled(false);
    items_.backToInitialScreen->setEnabled(false);
    setShown(ToolButton::Title, false);
    setShown(ToolButton::GroupOff, false);
    setShown(ToolButton::TitleOff, true);
    setShown(ToolButton::Group, true);
}

void MainWindow::resultsFallback(bool matchOver) {
    // No results window: the menu is open again for the next game.
    setAcceptsInput(this, true);
    if (!matchOver) return;
    captionTimer_.stop();
    session_.state().gameNumber = 0;
    unlockMatch();
    showIdleCaption();
}

bool MainWindow::confirmClose() {
    if (!store_) return true;
    const Store::Watch watch(*store_);
    if (top10::marker(*store_) == top10::kMarkerDamaged) {
        // The TOP-10 dialog found the data damaged and is ending the program: no question,
        // and the marker goes so that the next start initialises the data afresh.
        store_->remove(u"form2", u"ckkc");
    } else if (!isMinimized() &&
               !ask(QStringLiteral("終了？"), QStringLiteral("カドリオを\n終了しますか？"))) {
        return false;
    }
    saveProfile();
    if (!watch.ok()) showUnsavedMessage(this, *store_);
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!confirmClose()) {
        event->ignore();
        return;
    }
    captionTimer_.stop();
    session_.requestQuit();
    event->accept();
    unloadOthers();
}

void MainWindow::unloadOthers() {
    // Every other window of the program goes with the main window: dialogs, the results
    // window (which refuses an ordinary close while it waits for its buttons), help. A
    // window's close may show a message (a name entry that cannot be stored) whose event loop
    // can delete windows closed meanwhile: the list holds them by QPointer.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) windows.append(window);
    for (const QPointer<QWidget>& window : std::as_const(windows)) {
        if (!window || window == this || !window->isVisible()) continue;
        window->close();
        if (window && window->isVisible()) window->hide();
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    arrangeOnResize();
}

void MainWindow::arrangeOnResize() {
    if (!items_.arrangeAroundBoard) return;  // the menus are not built yet
    if (options().autoArrange) {
        ++session_.state().arrangeStep;
        arrangeWhole();
    } else {
        fitCards();
    }
    items_.arrangeAroundBoard->setEnabled(!isMaximized());
}

}  // namespace plumet
