// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of the statistics window: the places the human finished in (four bars, 1位 to 4位,
// each with its count and share) above the totals of the last matches (one bar a match,
// oldest on the left, with their mean as a dashed line).
//
// Drawn on the light grey of the results graph, in its blue, with its engraved grid; painted
// anew at every paint at the widget's device pixel ratio, so that it stays sharp on a scaled
// screen at any size the window gives it.
#pragma once

#include <QRect>
#include <QWidget>

#include "data/statistics.h"

class QPainter;

namespace plumet {

class StatisticsChart : public QWidget {
    Q_OBJECT
  public:
    static inline const QColor kBackground{192, 192, 192};
    static inline const QColor kInk{0, 0, 255};

    explicit StatisticsChart(QWidget* parent = nullptr);

    void setRecord(const statistics::Record& record);
    const statistics::Record& record() const { return record_; }

    // The two panels of a chart of `size`, and what each draws.
    struct Panels {
        QRect places;
        QRect matches;
    };
    static Panels panels(QSize size, const QFontMetrics& metrics);
    static void paint(QPainter& painter, QSize size, const statistics::Record& record);

    // The top of the grid of the recent matches: the best total shown rounded up to whole
    // hundreds, at least 100.
    static int matchScaleTop(const statistics::Record& record);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    statistics::Record record_;
};

}  // namespace plumet
