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
    QAction* const card = m.mnucard->menuAction();
    return {m.mnugroup, m.ruruak, m.jokernai, m.jokerdo, m.jokersai, m.daseruka,
            m.ps2,      m.ps3,    card,       m.mnuba,   m.mnumy,    m.mnuura};
}

}  // namespace

MDIForm1::MDIForm1(Session& session, QWidget* parent) : QMainWindow(parent), session_(session) {
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
    const auto addChild = [this](int form, QWidget* widget) {
        QMdiSubWindow* sub = mdi_->addSubWindow(
            widget, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        sub->setObjectName(QStringLiteral("Form%1Window").arg(form));
        sub->hide();
        children_[form] = sub;
    };
    auto* board = new Form2(session_);
    auto* human = new Form4(session_);
    std::array<ComputerForm*, 3> computers{};
    for (int p = 2; p <= 4; ++p) computers[p - 2] = new ComputerForm(session_, p);
    session_.setWindows(this, board, human, computers);
    addChild(5, computers[0]);
    addChild(6, computers[1]);
    addChild(7, computers[2]);
    addChild(4, human);
    addChild(2, board);

    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setInterval(speeds::kBoardCaptionMs);
    connect(&timer1_, &QTimer::timeout, this, [this] {
        timer1_.stop();
        session_.board().setWindowTitle(QString::fromUtf8(kBoardCaption));
    });

    items_ = buildMenus(*this);
    connectMenus();
    buildToolbar();
    session_.results = [this](bool matchOver) { resultsFallback(matchOver); };
}

ToolImage* MDIForm1::image(int n) const {
    return toolbar_->image(n);
}
QMdiSubWindow* MDIForm1::child(int form) const {
    return children_.value(form);
}
// The client area as the layout gives it, also before the window is first shown (the
// viewport learns its size only from its first resize event).
double MDIForm1::clientWidth() const {
    return tw(mdi_->contentsRect().width());
}
double MDIForm1::clientHeight() const {
    return tw(mdi_->contentsRect().height());
}

void MDIForm1::settleLayout() {
    // The layouts may not have seen the latest size yet (a resize while hidden, or a resize
    // event that reaches the window before its layout): lay out again from the size now.
    for (QLayout* each : {layout(), centralWidget()->layout()}) {
        each->invalidate();
        each->activate();
    }
}

void MDIForm1::connectMenus() {
    const MenuItems& m = items_;
    connect(m.mnugstart, &QAction::triggered, this, &MDIForm1::mnugstart);
    m.mnutuduki->setEnabled(false);
    m.mnusyoki->setEnabled(false);
    connect(m.mnusyoki, &QAction::triggered, this, &MDIForm1::mnusyoki);
    connect(m.end, &QAction::triggered, this, &QWidget::close);
    // The hint is there only during the human's turn (the hand window makes it available).
    m.mnuhint->setEnabled(false);
    connect(m.mnuhint, &QAction::triggered, this, [this] { session_.human().showHint(); });

    connect(m.ruruak, &QAction::triggered, this, &MDIForm1::setAceKing);
    connect(m.jokernai, &QAction::triggered, this, [this] { setJoker(JokerMode::None); });
    connect(m.jokerdo, &QAction::triggered, this, [this] { setJoker(JokerMode::Once); });
    connect(m.jokersai, &QAction::triggered, this, [this] { setJoker(JokerMode::Reused); });
    connect(m.ps3, &QAction::triggered, this, [this] { setPasses(3); });
    connect(m.ps2, &QAction::triggered, this, [this] { setPasses(2); });
    connect(m.daseruka, &QAction::triggered, this, &MDIForm1::setDetection);
    connect(m.mnucawaku, &QAction::triggered, this, &MDIForm1::setFramed);
    connect(m.mnuawase, &QAction::triggered, this, &MDIForm1::setFitCards);
    connect(m.mnuhayai, &QAction::triggered, this, [this] { setPace(Pace::Fast); });
    connect(m.mnuhyojun, &QAction::triggered, this, [this] { setPace(Pace::Normal); });
    connect(m.mnuosoi, &QAction::triggered, this, [this] { setPace(Pace::Slow); });
    connect(m.otoon, &QAction::triggered, this, [this] { setSoundOn(true); });
    connect(m.otooff, &QAction::triggered, this, [this] { setSoundOn(false); });
    connect(m.turuba, &QAction::triggered, this, &MDIForm1::setToolbarShown);

    connect(m.winseiretu, &QAction::triggered, this, &MDIForm1::winseisub);
    connect(m.winall, &QAction::triggered, this, &MDIForm1::winallsub);
    connect(m.wintune, &QAction::triggered, this, &MDIForm1::setAutoArrange);

    // Commands whose dialogs are wired by attachDialog stay unavailable until then.
    pending_ = {m.mnutop, m.mnugroup, m.mnuname,  m.mnuba, m.mnumy,
                m.mnuura, m.mnumove,  m.mnuhelpm, m.mnuvar};
    for (QAction* item : std::as_const(pending_)) item->setEnabled(false);
    m.mnucard->menuAction()->setEnabled(false);
}

void MDIForm1::attachDialog(QAction* item, std::function<void()> open) {
    pending_.remove(item);
    const auto locked = lockedItems(items_);
    const bool underLock = std::find(locked.begin(), locked.end(), item) != locked.end();
    setAvailable(item, !(matchLocked_ && underLock));
    if (item == items_.mnuba || item == items_.mnumy || item == items_.mnuura)
        setAvailable(items_.mnucard->menuAction(), !matchLocked_);
    connect(item, &QAction::triggered, this, std::move(open));
}

void MDIForm1::setAvailable(QAction* item, bool enabled) {
    // The card sets' submenu is available once one of its choosers is wired.
    const bool wired = item == items_.mnucard->menuAction()
                           ? !(pending_.contains(items_.mnuba) && pending_.contains(items_.mnumy) &&
                               pending_.contains(items_.mnuura))
                           : !pending_.contains(item);
    item->setEnabled(enabled && wired);
}

void MDIForm1::buildToolbar() {
    const auto on = [this](int n, auto handler) {
        connect(image(n), &ToolImage::clicked, this, handler);
    };
    const auto as = [](QAction* item) { return [item] { item->trigger(); }; };
    const MenuItems& m = items_;
    on(1, as(m.mnugstart));
    on(2, as(m.mnutuduki));
    on(4, as(m.mnusyoki));
    on(6, as(m.mnutop));
    on(7, as(m.end));
    // The rule buttons act only while their menu items are enabled: the match lock.
    const auto ifEnabled = [](QAction* item, auto command) {
        return [item, command] {
            if (item->isEnabled()) command();
        };
    };
    on(8, ifEnabled(m.ruruak, [this] { setAceKing(!options().aceKing); }));
    on(9, ifEnabled(m.ruruak, [this] { setAceKing(!options().aceKing); }));
    on(10, ifEnabled(m.jokerdo, [this] { setJoker(JokerMode::Once); }));
    on(11, ifEnabled(m.jokerdo, [this] { setJoker(JokerMode::Reused); }));
    on(12, ifEnabled(m.jokerdo, [this] { setJoker(JokerMode::None); }));
    on(23, ifEnabled(m.ps3, [this] { setPasses(2); }));
    on(24, ifEnabled(m.ps2, [this] { setPasses(3); }));
    // Detection can be flipped from the toolbar during a match too.
    on(13, [this] { setDetection(!options().detection); });
    on(14, [this] { setDetection(!options().detection); });
    on(27, as(m.mnugroup));
    on(28, as(m.mnuname));
    on(25, [this] { setFramed(!options().framed); });
    on(26, [this] { setFramed(!options().framed); });
    on(15, [this] { setPace(Pace::Fast); });
    on(16, [this] { setPace(Pace::Slow); });
    on(17, [this] { setPace(Pace::Normal); });
    on(22, as(m.mnumove));
    on(18, [this] { setSoundOn(false); });
    on(19, [this] { setSoundOn(true); });
    on(20, as(m.winall));
    on(21, as(m.mnuhelpm));
}

void MDIForm1::setShown(int n, bool shown) {
    image(n)->setVisible(shown);
}

const Options& MDIForm1::options() const {
    return session_.options();
}

Options& MDIForm1::editOptions() {
    return session_.editableOptions();
}

void MDIForm1::showOptions() {
    const Options& o = options();
    const MenuItems& m = items_;
    m.ruruak->setChecked(o.aceKing);
    setShown(8, o.aceKing);
    setShown(9, !o.aceKing);
    m.jokernai->setChecked(o.joker == JokerMode::None);
    m.jokerdo->setChecked(o.joker == JokerMode::Once);
    m.jokersai->setChecked(o.joker == JokerMode::Reused);
    setShown(10, o.joker == JokerMode::None);
    setShown(11, o.joker == JokerMode::Once);
    setShown(12, o.joker == JokerMode::Reused);
    m.ps3->setChecked(o.passes != 2);
    m.ps2->setChecked(o.passes == 2);
    setShown(23, o.passes != 2);
    setShown(24, o.passes == 2);
    m.daseruka->setChecked(o.detection);
    setShown(13, o.detection);
    setShown(14, !o.detection);
    m.mnucawaku->setChecked(o.framed);
    setShown(25, o.framed);
    setShown(26, !o.framed);
    m.mnuawase->setChecked(o.fitCards);
    m.otoon->setChecked(o.sound);
    m.otooff->setChecked(!o.sound);
    setShown(18, o.sound);
    setShown(19, !o.sound);
    m.mnuhayai->setChecked(o.pace == Pace::Fast);
    m.mnuhyojun->setChecked(o.pace == Pace::Normal);
    m.mnuosoi->setChecked(o.pace == Pace::Slow);
    setShown(17, o.pace == Pace::Fast);
    setShown(16, o.pace == Pace::Normal);
    setShown(15, o.pace == Pace::Slow);
    m.turuba->setChecked(o.toolbar);
    toolbar_->setVisible(o.toolbar);
    m.wintune->setChecked(o.autoArrange);
}

void MDIForm1::setAceKing(bool on) {
    editOptions().aceKing = on;
    showOptions();
}

void MDIForm1::setJoker(JokerMode mode) {
    editOptions().joker = mode;
    showOptions();
}

void MDIForm1::setPasses(int passes) {
    // The menu has already flipped the item it triggered: showing the options checks it
    // again, so choosing the pass limit in force changes nothing.
    editOptions().passes = passes;
    showOptions();
}

void MDIForm1::setDetection(bool on) {
    editOptions().detection = on;
    showOptions();
    session_.human().risaizu();
}

void MDIForm1::setPace(Pace pace) {
    editOptions().pace = pace;
    showOptions();
    applyPace();
}

void MDIForm1::setSoundOn(bool on) {
    editOptions().sound = on;
    showOptions();
}

void MDIForm1::setFramed(bool on) {
    editOptions().framed = on;
    showOptions();
    setFramesAndReload(on);
}

void MDIForm1::setFitCards(bool on) {
    // Not part of the match lock: the cards are fitted again at once, also during a match.
    editOptions().fitCards = on;
    showOptions();
    refitCards();
}

void MDIForm1::refitCards() {
    // The arrangement sizes the windows from the card size, so under "勝手に整列" the cards
    // are fitted by arranging the windows for them.
    if (options().autoArrange)
        winallsub();
    else
        fitCards();
}

void MDIForm1::setFramesAndReload(bool on) {
    session_.board().setFramed(on);
    for (int p = 1; p <= kPlayers; ++p) {
        PlayerForm& form = session_.window(p);
        for (int i = 1; i <= form.pictureCount(); ++i) form.picture(i)->setFramed(on);
    }
    if (session_.state().gameno == 0) return;
    // During a match the shown pictures are read again from their folders; no card moves.
    session_.human().reloadHand();
    for (ComputerForm* form : session_.computers()) {
        const int count = session_.state().handcount[form->player()];
        for (int i = count; i >= 1; --i) form->picture(i)->setImageFile(form->backFile());
    }
    session_.board().loadPictures();
}

void MDIForm1::setToolbarShown(bool on) {
    editOptions().toolbar = on;
    showOptions();
    winallsub();
}

void MDIForm1::setAutoArrange(bool on) {
    editOptions().autoArrange = on;
    showOptions();
    if (on) winallsub();
}

QString MDIForm1::groupName() const {
    if (groupNameSource) return groupNameSource();
    // グループ１ .. グループ１０: the group number from 1 in full-width digits.
    QString digits = QString::number(session_.state().group + 1);
    for (QChar& c : digits) c = QChar(c.unicode() - u'0' + 0xFF10);
    return QStringLiteral("グループ") + digits;
}

void MDIForm1::showIdleCaption() {
    setWindowTitle(QStringLiteral("カドリオ   （ ") + groupName() + QStringLiteral(" ）"));
}

bool MDIForm1::ask(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                    this);
    return box.exec() == QMessageBox::Ok;
}

void MDIForm1::mnugstart() {
    GameState& s = session_.state();
    const auto discard = [this, &s] {
        if (discardSavedMatch) discardSavedMatch();
        items_.mnutuduki->setEnabled(false);
        setShown(2, false);
        setShown(3, true);
        timer1_.stop();
        s.gameno = 0;
        s.selslot = 0;
        s.savedgame = 0;
    };
    if (s.savedgame > 0) {
        if (!ask(QStringLiteral("新規ゲーム？"),
                 QStringLiteral("前回の保存データを破棄し\n新規ゲームを開始しますか？")))
            return;
        discard();
    }
    if (s.gameno > 0) {
        if (!ask(QStringLiteral("新規ゲーム？"),
                 QStringLiteral("現在のゲームを破棄し\n新規ゲームを開始しますか？")))
            return;
        discard();
    }
    lockMatch();
    session_.board().setWindowTitle(QString::fromUtf8(kBoardCaption));
    session_.startgame();
}

void MDIForm1::mnusyoki() {
    if (session_.state().gameno > 0 &&
        !ask(QStringLiteral("初期画面？"),
             QStringLiteral("現在のゲームを破棄し\n初期画面に戻りますか？")))
        return;
    abandonMatch();
}

void MDIForm1::abandonMatch() {
    GameState& s = session_.state();
    if (s.gameno > 0) {
        timer1_.stop();
        s.gameno = 0;
        s.savedgame = 0;
        session_.clearTable();
    }
    child(2)->hide();
    items_.mnusyoki->setEnabled(false);
    unlockMatch();
    showIdleCaption();
    setAcceptsInput(this, true);
}

void MDIForm1::lockMatch() {
    matchLocked_ = true;
    for (QAction* item : lockedItems(items_)) item->setEnabled(false);
    items_.mnuhint->setEnabled(false);
    items_.mnusyoki->setEnabled(true);
    setShown(4, true);
    setShown(29, true);
    setShown(5, false);
    setShown(27, false);
}

void MDIForm1::unlockMatch() {
    matchLocked_ = false;
    for (QAction* item : lockedItems(items_)) setAvailable(item, true);
    items_.mnuhint->setEnabled(false);
    items_.mnusyoki->setEnabled(false);
    setShown(4, false);
    setShown(29, false);
    setShown(5, true);
    setShown(27, true);
}

void MDIForm1::resultsFallback(bool matchOver) {
    // No results window: the menu is open again for the next game.
    setAcceptsInput(this, true);
    if (!matchOver) return;
    timer1_.stop();
    session_.state().gameno = 0;
    unlockMatch();
    showIdleCaption();
}

bool MDIForm1::MDIForm_QueryUnload() {
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
    savesettings();
    if (!watch.ok()) showUnsavedMessage(this, *store_);
    return true;
}

void MDIForm1::closeEvent(QCloseEvent* event) {
    if (!MDIForm_QueryUnload()) {
        event->ignore();
        return;
    }
    timer1_.stop();
    session_.requestQuit();
    event->accept();
    unloadOthers();
}

void MDIForm1::unloadOthers() {
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

void MDIForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    MDIForm_Resize();
}

void MDIForm1::MDIForm_Resize() {
    if (!items_.winseiretu) return;  // the menus are not built yet
    if (options().autoArrange) {
        ++session_.state().arrangestep;
        winallsub();
    } else {
        fitCards();
    }
    items_.winseiretu->setEnabled(!isMaximized());
}

}  // namespace plumet
