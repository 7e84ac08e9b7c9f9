// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/statisticswindow.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "data/store.h"
#include "ui/centring.h"
#include "ui/storemessages.h"
#include "ui/twips.h"
#include "ui/windows/statisticschart.h"

namespace plumet {

namespace {

using Figure = StatisticsWindow::Figure;

struct FigureRow {
    Figure figure;
    const char* name;     // object name of its value label
    const char* caption;  // what the row says
};

// The rows in their order; an empty caption starts a new section.
constexpr FigureRow kRows[] = {
    {Figure::Games, "games", "ゲーム数"},
    {Figure::Matches, "matches", "マッチ数"},
    {Figure::Abandoned, "abandoned", "中断したマッチ"},
    {Figure::Place1, "place1", "１位"},
    {Figure::Place2, "place2", "２位"},
    {Figure::Place3, "place3", "３位"},
    {Figure::Place4, "place4", "４位"},
    {Figure::WentOut, "wentOut", "あがり"},
    {Figure::DroppedOut, "droppedOut", "はきだし"},
    {Figure::JokerLeft, "jokerLeft", "ばばもち"},
    {Figure::Passes, "passes", "パス"},
    {Figure::MeanPoints, "meanPoints", "平均得点（１ゲーム）"},
    {Figure::BestGame, "bestGame", "最高得点（１ゲーム）"},
    {Figure::BestMatch, "bestMatch", "最高得点（マッチ）"},
    {Figure::WorstMatch, "worstMatch", "最低得点（マッチ）"},
    {Figure::LongestFirstRun, "longestFirstRun", "最長の連続１位"},
};
// Rows after which a little space separates the sections.
constexpr Figure kSectionEnds[] = {Figure::Abandoned, Figure::Place4, Figure::Passes};

const QString kNone = QStringLiteral("－");

QString count(std::int64_t value) {
    return QString::number(value);
}

// A count with its share of the games, "3（30%）".
QString ofGames(std::int64_t value, std::int64_t games) {
    if (games <= 0) return count(value);
    return QStringLiteral("%1（%2%）").arg(value).arg(qRound(100.0 * value / games));
}

QString points(std::int64_t value) {
    return QString::number(value) + QStringLiteral(" 点");
}

QString decimal(double value) {
    return QString::number(value, 'f', 1);
}

}  // namespace

StatisticsWindow::StatisticsWindow(Store& store, const QString& groupName, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      store_(store),
      groupName_(groupName) {
    setObjectName(QStringLiteral("StatisticsWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("成績 － ") + groupName);

    // What the figures count: a strength and a rule combination, or all of them.
    strengthList_ = new QComboBox(this);
    strengthList_->setObjectName(QStringLiteral("strengthList"));
    strengthList_->addItem(QStringLiteral("すべて"));
    for (const char* strength : statistics::kStrengths) {
        const QString name = QString::fromLatin1(strength);
        strengthList_->addItem(statistics::strengthCaption(name), name);
    }
    rulesList_ = new QComboBox(this);
    rulesList_->setObjectName(QStringLiteral("rulesList"));
    rulesList_->addItem(QStringLiteral("すべて"));
    const auto combinations = statistics::ruleCombinations();
    for (std::size_t i = 0; i < combinations.size(); ++i)
        rulesList_->addItem(statistics::rulesCaption(combinations[i]), static_cast<int>(i));
    rulesList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* strengthCaption = new QLabel(QStringLiteral("相手の強さ(&T)"), this);
    strengthCaption->setBuddy(strengthList_);
    auto* rulesCaption = new QLabel(QStringLiteral("ルール(&L)"), this);
    rulesCaption->setBuddy(rulesList_);
    auto* choice = new QHBoxLayout;
    choice->addWidget(strengthCaption);
    choice->addWidget(strengthList_);
    choice->addSpacing(px(240));
    choice->addWidget(rulesCaption);
    choice->addWidget(rulesList_);
    choice->addStretch();
    connect(strengthList_, &QComboBox::currentIndexChanged, this, &StatisticsWindow::refresh);
    connect(rulesList_, &QComboBox::currentIndexChanged, this, &StatisticsWindow::refresh);

    // The figures: a caption and its value a row, in sections.
    auto* table = new QFrame(this);
    table->setObjectName(QStringLiteral("figures"));
    table->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* grid = new QGridLayout(table);
    grid->setVerticalSpacing(px(30));
    grid->setHorizontalSpacing(px(360));
    int line = 0;
    for (const FigureRow& row : kRows) {
        auto* caption = new QLabel(QString::fromUtf8(row.caption), table);
        auto* value = new QLabel(table);
        value->setObjectName(QString::fromLatin1(row.name));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        figures_[static_cast<int>(row.figure)] = value;
        grid->addWidget(caption, line, 0);
        grid->addWidget(value, line, 1);
        ++line;
        if (std::find(std::begin(kSectionEnds), std::end(kSectionEnds), row.figure) !=
            std::end(kSectionEnds)) {
            grid->setRowMinimumHeight(line++, px(90));
        }
    }
    grid->setRowStretch(line, 1);

    chart_ = new StatisticsChart(this);
    auto* middle = new QHBoxLayout;
    middle->addWidget(table);
    middle->addWidget(chart_, 1);

    resetButton_ = new QPushButton(QStringLiteral("リセット(&R)"), this);
    resetButton_->setObjectName(QStringLiteral("resetButton"));
    resetButton_->setAutoDefault(false);
    connect(resetButton_, &QPushButton::clicked, this, &StatisticsWindow::resetStatistics);
    closeButton_ = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    closeButton_->setDefault(true);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(resetButton_);
    buttons->addStretch();
    buttons->addWidget(closeButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);

    setTabOrder(strengthList_, rulesList_);
    setTabOrder(rulesList_, resetButton_);
    setTabOrder(resetButton_, closeButton_);
    connect(this, &QDialog::finished, this, &StatisticsWindow::closed);
    refresh();
}

void StatisticsWindow::open() {
    // The size the contents ask for, at least the classic window's, and never more than the
    // screen holds; the layouts fit the contents to whatever size the window then has.
    const QSize wanted = sizeHint().expandedTo(QSize(px(10800), px(6600)));
    QSize size = wanted;
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        size = wanted.boundedTo(screen->availableGeometry().size() - QSize(px(300), px(600)));
    resize(size.expandedTo(minimumSizeHint()));
    centreWindow(this);
    show();
    strengthList_->setFocus(Qt::OtherFocusReason);
}

statistics::Scope StatisticsWindow::scope() const {
    statistics::Scope chosen;
    if (strengthList_->currentIndex() > 0)
        chosen.strength = strengthList_->currentData().toString();
    if (rulesList_->currentIndex() > 0)
        chosen.rules = statistics::ruleCombinations().at(rulesList_->currentData().toInt());
    return chosen;
}

void StatisticsWindow::setScope(const statistics::Scope& chosen) {
    strengthList_->setCurrentIndex(
        chosen.strength ? std::max(0, strengthList_->findData(*chosen.strength)) : 0);
    int rules = 0;
    if (chosen.rules) {
        const auto combinations = statistics::ruleCombinations();
        for (std::size_t i = 0; i < combinations.size(); ++i) {
            const Rules& each = combinations[i];
            if (each.aceKing == chosen.rules->aceKing && each.joker == chosen.rules->joker &&
                each.passes == chosen.rules->passes)
                rules = static_cast<int>(i) + 1;
        }
    }
    rulesList_->setCurrentIndex(rules);
    refresh();
}

void StatisticsWindow::refresh() {
    showRecord(statistics::read(store_, scope()));
}

void StatisticsWindow::showRecord(const statistics::Record& r) {
    shown_ = r;
    const auto set = [this](Figure which, const QString& text) { figure(which)->setText(text); };
    set(Figure::Games, count(r.games));
    set(Figure::Matches, count(r.matches));
    set(Figure::Abandoned, count(r.abandoned));
    for (int place = 1; place <= 4; ++place) {
        set(static_cast<Figure>(static_cast<int>(Figure::Place1) + place - 1),
            ofGames(r.places[place - 1], r.games));
    }
    set(Figure::WentOut, ofGames(r.wentOut, r.games));
    set(Figure::DroppedOut, ofGames(r.droppedOut, r.games));
    set(Figure::JokerLeft, ofGames(r.jokerLeft, r.games));
    set(Figure::Passes, r.games > 0 ? QStringLiteral("%1（１ゲーム %2）")
                                          .arg(r.passes)
                                          .arg(decimal(double(r.passes) / r.games))
                                    : count(r.passes));
    const auto mean = r.meanPoints();
    set(Figure::MeanPoints, mean ? decimal(*mean) + QStringLiteral(" 点") : kNone);
    set(Figure::BestGame, r.games > 0 ? points(r.bestGame) : kNone);
    set(Figure::BestMatch, r.matches > 0 ? points(r.bestMatch) : kNone);
    set(Figure::WorstMatch, r.matches > 0 ? points(r.worstMatch) : kNone);
    set(Figure::LongestFirstRun,
        QStringLiteral("%1（今 %2）").arg(r.longestFirstRun).arg(r.firstRun));
    chart_->setRecord(r);
}

void StatisticsWindow::resetStatistics() {
    QMessageBox question(QMessageBox::Question, QStringLiteral("成績のリセット？"),
                         QStringLiteral("「%1」の成績をすべて消去します。\n"
                                        "（トップ１０はそのままです。）\nよろしいですか？")
                             .arg(groupName_),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes) return;
    const Store::Watch watch(store_);
    statistics::reset(store_);
    if (!watch.ok()) showUnsavedMessage(this, store_);
    refresh();
}

}  // namespace plumet
