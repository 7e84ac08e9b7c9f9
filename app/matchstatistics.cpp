// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/matchstatistics.h"

#include <QApplication>
#include <QMessageBox>

#include "app/mainwindow.h"
#include "app/session.h"
#include "data/groups.h"
#include "data/store.h"
#include "ui/inputblock.h"
#include "ui/storemessages.h"
#include "ui/windows/resultswindow.h"
#include "ui/windows/statisticswindow.h"

namespace plumet {

QString strengthInUse(const Session& session) {
    return QString::fromLatin1(strengthName(session.options().strength));
}

QString damagedStatisticsText(const QList<statistics::Damage>& damaged) {
    QString text = QStringLiteral("成績のデータが異常です。\n次の成績を初期化しました：");
    for (const statistics::Damage& each : damaged)
        text += QStringLiteral("\n・") + each.what + QStringLiteral("（") + each.key +
                QStringLiteral("）");
    return text + QStringLiteral("\n\nトップ１０とその他のデータはそのままです。");
}

MatchStatistics::MatchStatistics(Session& session, MainWindow& main, Store& store)
    : QObject(&main), session_(session), main_(main), store_(store) {}

void MatchStatistics::gameEnded(bool matchOver) {
    // A store that could not be read is never written: the player was told at start.
    if (!store_.readable()) return;
    const GameState& s = session_.state();
    const statistics::GameResult game{s.place[kHuman], s.outcome[kHuman], session_.humanPasses(),
                                      s.gamePoints[kHuman]};
    const Store::Watch watch(store_);
    const QList<statistics::Damage> damaged =
        statistics::recordGame(store_, strengthInUse(session_), session_.options().rules(), game,
                               matchOver ? std::optional<int>(s.score[kHuman]) : std::nullopt);
    matchCounted_ = matchOver;
    if (!damaged.isEmpty()) reportDamage(damaged);
    if (!watch.ok()) showUnsavedMessage(&main_, store_);
    refreshWindow();
}

void MatchStatistics::matchClosed() {
    matchCounted_ = false;
}

void MatchStatistics::matchAbandoned() {
    const GameState& s = session_.state();
    const bool underWay = s.gameNumber > 0 && !matchCounted_;
    if (!underWay && s.savedGameNumber <= 0) return;
    matchCounted_ = false;
    if (!store_.readable()) return;
    const QList<statistics::Damage> damaged =
        statistics::recordAbandoned(store_, strengthInUse(session_), session_.options().rules());
    if (!damaged.isEmpty()) reportDamage(damaged);
    refreshWindow();
}

void MatchStatistics::checkStored() {
    if (!store_.readable()) return;
    const Store::Watch watch(store_);
    const QList<statistics::Damage> damaged = statistics::repair(store_);
    if (damaged.isEmpty()) return;
    reportDamage(damaged);
    if (!watch.ok()) showUnsavedMessage(&main_, store_);
}

void MatchStatistics::reportDamage(const QList<statistics::Damage>& damaged) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("データ異常"),
                    damagedStatisticsText(damaged), QMessageBox::Ok, &main_);
    box.exec();
}

StatisticsWindow* MatchStatistics::showWindow() {
    // A window closed a moment ago is hidden and about to go: a new one opens.
    if (window_ && window_->isVisible()) {
        window_->raise();
        window_->activateWindow();
        return window_;
    }
    checkStored();
    setAcceptsInput(&main_, false);
    window_ = new StatisticsWindow(store_, groups::name(store_, session_.state().group), &main_);
    connect(window_, &StatisticsWindow::closed, &main_, [this] {
        // A game that ended meanwhile (the human out, the others played on) keeps the main
        // window waiting for its results.
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<ResultsWindow*>(window) && window->isVisible()) return;
        }
        setAcceptsInput(&main_, true);
    });
    window_->open();
    return window_;
}

void MatchStatistics::refreshWindow() {
    if (window_) window_->refresh();
}

}  // namespace plumet
