#include "app/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QVBoxLayout>

#include "ui/boardwindow.h"
#include "ui/computerwindow.h"
#include "ui/handwindow.h"
#include "data/top10.h"
#include "app/session.h"
#include "ui/speeds.h"
#include "data/store.h"
#include "ui/toolbar.h"
#include "ui/twips.h"

namespace plumet {

MDIForm1::MDIForm1(Session& session, QWidget* parent) : QMainWindow(parent), session_(session) {
    setObjectName(QStringLiteral("MDIForm1"));
    session_.main = this;

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
    session_.board = new Form2(session_);
    session_.human = new Form4(session_);
    for (int p = 2; p <= 4; ++p) session_.computers[p - 2] = new ComputerForm(session_, p);
    addChild(5, session_.computers[0]);
    addChild(6, session_.computers[1]);
    addChild(7, session_.computers[2]);
    addChild(4, session_.human);
    addChild(2, session_.board);

    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setInterval(speeds::kBoardCaptionMs);
    connect(&timer1_, &QTimer::timeout, this, [this] {
        timer1_.stop();
        session_.board->setWindowTitle(QString::fromUtf8(kBoardCaption));
    });

    buildMenus();
    buildToolbar();
    session_.showResults = [this](bool matchOver) { resultsFallback(matchOver); };
}

QAction* MDIForm1::action(const char* name) const {
    return actions_.value(QString::fromLatin1(name));
}
QMenu* MDIForm1::menu(const char* name) const {
    return menus_.value(QString::fromLatin1(name));
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

QMenu* MDIForm1::addMenu(QMenu* parent, const char* name, const char* caption) {
    QMenu* sub = parent ? parent->addMenu(QString::fromUtf8(caption))
                        : menuBar()->addMenu(QString::fromUtf8(caption));
    sub->setObjectName(QString::fromLatin1(name));
    menus_.insert(QString::fromLatin1(name), sub);
    return sub;
}

QAction* MDIForm1::addItem(QMenu* menu, const char* name, const char* caption, bool checkable) {
    QAction* item = caption[0] == '-' && caption[1] == 0
                        ? menu->addSeparator()
                        : menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(QString::fromLatin1(name));
    item->setCheckable(checkable);
    actions_.insert(QString::fromLatin1(name), item);
    return item;
}

void MDIForm1::buildMenus() {
    QMenu* game = addMenu(nullptr, "mnugame", "ｹﾞｰﾑ(&G)");
    QAction* start = addItem(game, "mnugstart", "新規ゲーム(&N)...");
    start->setShortcut(Qt::Key_F2);
    connect(start, &QAction::triggered, this, &MDIForm1::mnugstart);
    addItem(game, "mnutuduki", "前回の続き")->setEnabled(false);
    QAction* back = addItem(game, "mnusyoki", "初期画面に戻る");
    back->setEnabled(false);
    connect(back, &QAction::triggered, this, &MDIForm1::mnusyoki);
    pending_.insert(addItem(game, "mnutop", "トップ１０(&R)"));
    addItem(game, "kubun", "-");
    connect(addItem(game, "end", "カドリオの終了(&X)"), &QAction::triggered, this, &QWidget::close);

    QMenu* option = addMenu(nullptr, "mnuoption", "ｵﾌﾟｼｮﾝ(&O)");
    QMenu* rule = addMenu(option, "mnururu", "ルールの変更");
    connect(addItem(rule, "ruruak", "ＡＫ接続", true), &QAction::triggered, this,
            &MDIForm1::setAceKing);
    QMenu* joker = addMenu(rule, "jok", "Ｊｏｋｅｒ");
    connect(addItem(joker, "jokernai", "未使用", true), &QAction::triggered, this,
            [this] { setJoker(JokerMode::None); });
    connect(addItem(joker, "jokerdo", "使用", true), &QAction::triggered, this,
            [this] { setJoker(JokerMode::Once); });
    connect(addItem(joker, "jokersai", "再使用", true), &QAction::triggered, this,
            [this] { setJoker(JokerMode::Reused); });
    QMenu* passes = addMenu(rule, "psk", "パス回数");
    connect(addItem(passes, "ps3", "パス３回まで", true), &QAction::triggered, this,
            [this] { setPasses(3); });
    connect(addItem(passes, "ps2", "パス２回まで", true), &QAction::triggered, this,
            [this] { setPasses(2); });
    addItem(rule, "kubun2", "-");
    connect(addItem(rule, "daseruka", "出せるカードを検出", true), &QAction::triggered, this,
            &MDIForm1::setDetection);
    pending_.insert(addItem(option, "mnugroup", "グループ変更"));
    pending_.insert(addItem(option, "mnuname", "名前の変更"));
    QMenu* cards = addMenu(option, "mnucard", "カードの変更");
    pending_.insert(addItem(cards, "mnuba", "場のカード"));
    pending_.insert(addItem(cards, "mnumy", "あなたのカード"));
    pending_.insert(addItem(cards, "mnuura", "裏面のカード"));
    connect(addItem(option, "mnucawaku", "カードの枠表示", true), &QAction::triggered, this,
            &MDIForm1::setFramed);
    QMenu* pace = addMenu(option, "mnusinko", "進行速度");
    connect(addItem(pace, "mnuhayai", "速い", true), &QAction::triggered, this,
            [this] { setPace(Pace::Fast); });
    connect(addItem(pace, "mnuhyojun", "標準", true), &QAction::triggered, this,
            [this] { setPace(Pace::Normal); });
    connect(addItem(pace, "mnuosoi", "遅い", true), &QAction::triggered, this,
            [this] { setPace(Pace::Slow); });
    pending_.insert(addItem(option, "mnumove", "カードの移動速度"));
    QMenu* sound = addMenu(option, "mnuoto", "効果音");
    connect(addItem(sound, "otoon", "鳴らす", true), &QAction::triggered, this,
            [this] { setSoundOn(true); });
    connect(addItem(sound, "otooff", "鳴らさない", true), &QAction::triggered, this,
            [this] { setSoundOn(false); });
    addItem(option, "kubun3", "-");
    connect(addItem(option, "turuba", "ツールバーの表示", true), &QAction::triggered, this,
            &MDIForm1::setToolbarShown);

    QMenu* window = addMenu(nullptr, "mnuwin", "ｳｲﾝﾄﾞ(&W)");
    connect(addItem(window, "winseiretu", "場を中心に整列"), &QAction::triggered, this,
            &MDIForm1::winseisub);
    connect(addItem(window, "winall", "ｳｨﾝﾄﾞ全体に整列"), &QAction::triggered, this,
            &MDIForm1::winallsub);
    connect(addItem(window, "wintune", "勝手に整列", true), &QAction::triggered, this,
            &MDIForm1::setAutoArrange);

    QMenu* help = addMenu(nullptr, "mnuhelp", "ﾍﾙﾌﾟ(&H)");
    QAction* topics = addItem(help, "mnuhelpm", "トピックの検索");
    topics->setShortcut(Qt::Key_F1);
    pending_.insert(topics);
    addItem(help, "kubun1", "-");
    pending_.insert(addItem(help, "mnuvar", "ﾊﾞｰｼﾞｮﾝ情報(&A)"));

    for (QAction* item : std::as_const(pending_)) item->setEnabled(false);
    menus_.value(QStringLiteral("mnucard"))->menuAction()->setEnabled(false);
}

void MDIForm1::attachDialog(const char* name, std::function<void()> open) {
    QAction* item = action(name);
    if (!item) return;
    pending_.remove(item);
    item->setEnabled(true);
    if (QString::fromLatin1(name).startsWith(QLatin1String("mnu")) &&
        (item == action("mnuba") || item == action("mnumy") || item == action("mnuura")))
        menu("mnucard")->menuAction()->setEnabled(session_.state.gameno == 0);
    connect(item, &QAction::triggered, this, std::move(open));
}

void MDIForm1::setAvailable(QAction* item, bool enabled) {
    item->setEnabled(enabled && !pending_.contains(item));
}

void MDIForm1::buildToolbar() {
    const auto on = [this](int n, auto handler) {
        connect(image(n), &ToolImage::clicked, this, handler);
    };
    const auto as = [this](const char* name) { return [this, name] { action(name)->trigger(); }; };
    on(1, as("mnugstart"));
    on(2, as("mnutuduki"));
    on(4, as("mnusyoki"));
    on(6, as("mnutop"));
    on(7, as("end"));
    const auto ifEnabled = [this](const char* name, auto command) {
        return [this, name, command] {
            if (action(name)->isEnabled()) command();
        };
    };
    on(8, ifEnabled("ruruak", [this] { setAceKing(!action("ruruak")->isChecked()); }));
    on(9, ifEnabled("ruruak", [this] { setAceKing(!action("ruruak")->isChecked()); }));
    on(10, ifEnabled("jokerdo", [this] { setJoker(JokerMode::Once); }));
    on(11, ifEnabled("jokerdo", [this] { setJoker(JokerMode::Reused); }));
    on(12, ifEnabled("jokerdo", [this] { setJoker(JokerMode::None); }));
    on(23, ifEnabled("ps3", [this] { setPasses(2); }));
    on(24, ifEnabled("ps2", [this] { setPasses(3); }));
    // Detection can be flipped from the toolbar during a match too.
    on(13, [this] { setDetection(!action("daseruka")->isChecked()); });
    on(14, [this] { setDetection(!action("daseruka")->isChecked()); });
    on(27, as("mnugroup"));
    on(28, as("mnuname"));
    on(25, [this] { setFramed(!action("mnucawaku")->isChecked()); });
    on(26, [this] { setFramed(!action("mnucawaku")->isChecked()); });
    on(15, [this] { setPace(Pace::Fast); });
    on(16, [this] { setPace(Pace::Slow); });
    on(17, [this] { setPace(Pace::Normal); });
    on(22, as("mnumove"));
    on(18, [this] { setSoundOn(false); });
    on(19, [this] { setSoundOn(true); });
    on(20, as("winall"));
    on(21, as("mnuhelpm"));
}

void MDIForm1::setShown(int n, bool shown) {
    image(n)->setVisible(shown);
}

Rules MDIForm1::rules() const {
    Rules rules;
    rules.aceKing = action("ruruak")->isChecked();
    rules.joker = action("jokersai")->isChecked()  ? JokerMode::Reused
                  : action("jokerdo")->isChecked() ? JokerMode::Once
                                                   : JokerMode::None;
    rules.passes = action("ps2")->isChecked() ? 2 : 3;
    return rules;
}

void MDIForm1::setAceKing(bool on) {
    action("ruruak")->setChecked(on);
    setShown(8, on);
    setShown(9, !on);
}

void MDIForm1::setJoker(JokerMode mode) {
    action("jokernai")->setChecked(mode == JokerMode::None);
    action("jokerdo")->setChecked(mode == JokerMode::Once);
    action("jokersai")->setChecked(mode == JokerMode::Reused);
    setShown(10, mode == JokerMode::None);
    setShown(11, mode == JokerMode::Once);
    setShown(12, mode == JokerMode::Reused);
}

void MDIForm1::setPasses(int passes) {
    QAction* chosen = action(passes == 2 ? "ps2" : "ps3");
    QAction* other = action(passes == 2 ? "ps3" : "ps2");
    // The menu has already flipped the item it triggered: an item that was checked before
    // shows unchecked now, and choosing it again changes nothing.
    chosen->setChecked(true);
    other->setChecked(false);
    setShown(23, passes == 3);
    setShown(24, passes == 2);
}

void MDIForm1::setDetection(bool on) {
    action("daseruka")->setChecked(on);
    setShown(13, on);
    setShown(14, !on);
    session_.human->risaizu();
}

void MDIForm1::setPace(Pace pace) {
    action("mnuhayai")->setChecked(pace == Pace::Fast);
    action("mnuhyojun")->setChecked(pace == Pace::Normal);
    action("mnuosoi")->setChecked(pace == Pace::Slow);
    setShown(17, pace == Pace::Fast);
    setShown(16, pace == Pace::Normal);
    setShown(15, pace == Pace::Slow);
    pace_ = pace == Pace::Fast     ? speeds::kPaceFastMs
            : pace == Pace::Normal ? speeds::kPaceNormalMs
                                   : speeds::kPaceSlowMs;
    for (ComputerForm* form : session_.computers) form->timer1().setInterval(pace_);
}

void MDIForm1::setSoundOn(bool on) {
    action("otoon")->setChecked(on);
    action("otooff")->setChecked(!on);
    setShown(18, on);
    setShown(19, !on);
}

void MDIForm1::setFramed(bool on) {
    action("mnucawaku")->setChecked(on);
    setShown(25, on);
    setShown(26, !on);
    setFramesAndReload(on);
}

void MDIForm1::setFramesAndReload(bool on) {
    session_.board->setFramed(on);
    for (int p = 1; p <= kPlayers; ++p) {
        PlayerForm* form = session_.window(p);
        for (int i = 1; i <= form->pictureCount(); ++i) form->picture(i)->setFramed(on);
    }
    if (session_.state.gameno == 0) return;
    // During a match the shown pictures are read again from their folders; no card moves.
    session_.human->reloadHand();
    for (ComputerForm* form : session_.computers) {
        const int count = session_.state.handcount[form->player()];
        for (int i = count; i >= 1; --i) form->picture(i)->setImageFile(form->backFile());
    }
    session_.board->loadPictures();
}

void MDIForm1::setToolbarShown(bool on) {
    action("turuba")->setChecked(on);
    toolbar_->setVisible(on);
    winallsub();
}

void MDIForm1::setAutoArrange(bool on) {
    action("wintune")->setChecked(on);
    if (on) winallsub();
}

QString MDIForm1::groupName() const {
    if (groupNameSource) return groupNameSource();
    // グループ１ .. グループ１０: the group number from 1 in full-width digits.
    QString digits = QString::number(session_.state.group + 1);
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
    GameState& s = session_.state;
    const auto discard = [this, &s] {
        if (discardSavedMatch) discardSavedMatch();
        action("mnutuduki")->setEnabled(false);
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
    session_.board->setWindowTitle(QString::fromUtf8(kBoardCaption));
    session_.startgame();
}

void MDIForm1::mnusyoki() {
    GameState& s = session_.state;
    if (s.gameno > 0) {
        if (!ask(QStringLiteral("初期画面？"),
                 QStringLiteral("現在のゲームを破棄し\n初期画面に戻りますか？")))
            return;
        timer1_.stop();
        s.gameno = 0;
        s.savedgame = 0;
        session_.clearTable();
    }
    child(2)->hide();
    action("mnusyoki")->setEnabled(false);
    unlockMatch();
    showIdleCaption();
}

void MDIForm1::lockMatch() {
    for (const char* name :
         {"mnugroup", "ruruak", "jokernai", "jokerdo", "jokersai", "daseruka", "ps2", "ps3"})
        action(name)->setEnabled(false);
    menu("mnucard")->menuAction()->setEnabled(false);
    action("mnusyoki")->setEnabled(true);
    setShown(4, true);
    setShown(29, true);
    setShown(5, false);
    setShown(27, false);
}

void MDIForm1::unlockMatch() {
    for (const char* name :
         {"mnugroup", "ruruak", "jokernai", "jokerdo", "jokersai", "daseruka", "ps2", "ps3"})
        setAvailable(action(name), true);
    menu("mnucard")->menuAction()->setEnabled(!pending_.contains(action("mnuba")));
    action("mnusyoki")->setEnabled(false);
    setShown(4, false);
    setShown(29, false);
    setShown(5, true);
    setShown(27, true);
}

void MDIForm1::resultsFallback(bool matchOver) {
    // No results window: the menu is open again for the next game.
    setEnabled(true);
    if (!matchOver) return;
    timer1_.stop();
    session_.state.gameno = 0;
    unlockMatch();
    showIdleCaption();
}

bool MDIForm1::MDIForm_QueryUnload() {
    if (!store_) return true;
    if (top10::marker(*store_) == top10::kMarkerDamaged) {
        // The TOP-10 dialog found the data damaged and is ending the program: no question,
        // and the marker goes so that the next start initialises the data afresh.
        store_->remove(u"form2", u"ckkc");
    } else if (!isMinimized() &&
               !ask(QStringLiteral("終了？"), QStringLiteral("カドリオを\n終了しますか？"))) {
        return false;
    }
    savesettings();
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
    // window (which refuses an ordinary close while it waits for its buttons), help.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window == this || !window->isVisible()) continue;
        window->close();
        if (window->isVisible()) window->hide();
    }
}

void MDIForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    MDIForm_Resize();
}

void MDIForm1::MDIForm_Resize() {
    if (actions_.isEmpty()) return;
    if (action("wintune")->isChecked()) {
        ++session_.state.arrangestep;
        winallsub();
    }
    action("winseiretu")->setEnabled(!isMaximized());
}

}  // namespace plumet
