// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's client area: the dark green table that holds the board and the player
// windows. While none of them is shown (the initial screen, at the first start and after a
// match) it says in its middle what to do: "F2 で新規ゲーム", and where a saved match exists how
// to go on with it.
#pragma once

#include <QMdiArea>
#include <QStringList>
#include <functional>

namespace plumet {

class TableArea : public QMdiArea {
    Q_OBJECT
  public:
    explicit TableArea(QWidget* parent = nullptr);

    // Adds a child window; the notice goes the moment one of them is shown and comes back when
    // the last one is hidden.
    QMdiSubWindow* addChild(QWidget* widget);

    // The lines the empty table shows: the first large, the others smaller. Asked at every
    // paint; noticeChanged() repaints.
    std::function<QStringList()> noticeLines;
    void noticeChanged();
    // The lines shown now: empty while a child window is shown.
    QStringList shownNotice() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace plumet
