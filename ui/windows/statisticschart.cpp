// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/statisticschart.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace plumet {

namespace {

constexpr int kMargin = 6;  // inside each panel's box

// A line of the engraved grid: white, and black one pixel below (or to the right).
void engraved(QPainter& painter, QPoint from, QPoint to) {
    const bool across = from.y() == to.y();
    painter.setPen(Qt::white);
    painter.drawLine(from, to);
    painter.setPen(Qt::black);
    const QPoint step = across ? QPoint(0, 1) : QPoint(1, 0);
    painter.drawLine(from + step, to + step);
}

// The box of a panel: the light grey picture in a sunken frame, with the panel's title
// above it in the window's text colour. Returns the inside of the frame.
QRect panelBox(QPainter& painter, const QRect& panel, const QString& title,
               const QColor& textColour) {
    const QFontMetrics metrics(painter.font());
    painter.setPen(textColour);
    painter.drawText(QRect(panel.left(), panel.top(), panel.width(), metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, title);
    const QRect box = panel.adjusted(0, metrics.height() + 2, 0, 0);
    painter.fillRect(box, StatisticsChart::kBackground);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.topLeft(), box.bottomLeft());
    painter.setPen(Qt::white);
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomRight());
    return box.adjusted(1, 1, -1, -1);
}

void emptyNote(QPainter& painter, const QRect& box, const QString& text) {
    painter.setPen(QColor(64, 64, 64));
    painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text);
}

QString share(std::int64_t count, std::int64_t games) {
    const double percent = games > 0 ? 100.0 * static_cast<double>(count) / games : 0.0;
    return QStringLiteral("%1（%2%）").arg(count).arg(qRound(percent));
}

void placesPanel(QPainter& painter, const QRect& box, const statistics::Record& record) {
    if (record.games <= 0) {
        emptyNote(painter, box, QStringLiteral("まだゲームがありません"));
        return;
    }
    const QFontMetrics metrics(painter.font());
    const QRect inner = box.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("４位")) + kMargin;
    const int countWidth = metrics.horizontalAdvance(share(record.games, record.games)) + kMargin;
    const int barLeft = inner.left() + labelWidth;
    const int barWidth = std::max(1, inner.width() - labelWidth - countWidth);
    // Quarters of all games, light and dotted behind the bars and their figures; the bars
    // start from an engraved line.
    QPen quarter(QColor(150, 150, 150));
    quarter.setStyle(Qt::DotLine);
    painter.setPen(quarter);
    for (int q = 1; q <= 4; ++q) {
        const int x = barLeft + barWidth * q / 4;
        painter.drawLine(QPoint(x, inner.top()), QPoint(x, inner.bottom()));
    }
    engraved(painter, QPoint(barLeft - 2, inner.top()), QPoint(barLeft - 2, inner.bottom()));
    const double rowHeight = inner.height() / 4.0;
    for (int place = 1; place <= 4; ++place) {
        const std::int64_t count = record.places[place - 1];
        const int top = inner.top() + qRound((place - 1) * rowHeight);
        const QRect row(inner.left(), top, inner.width(), qRound(rowHeight));
        painter.setPen(Qt::black);
        painter.drawText(QRect(row.left(), row.top(), labelWidth, row.height()),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QString(QChar(char16_t(0xFF10 + place))) + QStringLiteral("位"));
        const int length = qRound(barWidth * static_cast<double>(count) / record.games);
        const int barHeight = std::max(2, qRound(row.height() * 0.6));
        const QRect bar(barLeft, row.top() + (row.height() - barHeight) / 2, length, barHeight);
        if (length > 0) painter.fillRect(bar, StatisticsChart::kInk);
        painter.setPen(StatisticsChart::kInk);
        painter.drawText(QRect(barLeft + length + kMargin / 2, row.top(), countWidth, row.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, share(count, record.games));
    }
}

void matchesPanel(QPainter& painter, const QRect& box, const statistics::Record& record) {
    const QList<int>& totals = record.recentMatches;
    if (totals.isEmpty()) {
        emptyNote(painter, box, QStringLiteral("まだ終わったマッチがありません"));
        return;
    }
    const QFontMetrics metrics(painter.font());
    const int scaleTop = StatisticsChart::matchScaleTop(record);
    const int axisWidth = metrics.horizontalAdvance(QString::number(scaleTop)) + kMargin;
    const QRect plot = box.adjusted(kMargin + axisWidth, kMargin + metrics.height(), -kMargin,
                                    -kMargin - metrics.height() / 2);
    const auto yOf = [&](double value) {
        return plot.bottom() -
               qRound(std::clamp(value, 0.0, double(scaleTop)) * plot.height() / scaleTop);
    };
    // The grid in quarters of the scale, each line with its value on the left.
    for (int q = 0; q <= 4; ++q) {
        const int value = scaleTop * q / 4;
        const int y = yOf(value);
        engraved(painter, QPoint(plot.left(), y - 1), QPoint(plot.right(), y - 1));
        painter.setPen(Qt::black);
        painter.drawText(
            QRect(box.left(), y - metrics.height() / 2, axisWidth + kMargin / 2, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, QString::number(value));
    }
    // One column a match, for as many matches as are kept: the bars grow from the left.
    const double column = static_cast<double>(plot.width()) / statistics::kRecentMatches;
    const int barWidth = std::max(2, qRound(column * 0.6));
    int widest = 0;
    for (const int total : totals)
        widest = std::max(widest, metrics.horizontalAdvance(QString::number(total)));
    // Every total over its bar when they all have room, else the last match's alone.
    const bool everyNumber = widest <= column - 1;
    for (int m = 0; m < totals.size(); ++m) {
        const int centre = plot.left() + qRound((m + 0.5) * column);
        const int top = yOf(totals[m]);
        const QRect bar(centre - barWidth / 2, top, barWidth, plot.bottom() - top);
        if (bar.height() > 0) painter.fillRect(bar, StatisticsChart::kInk);
        if (everyNumber || m == totals.size() - 1) {
            painter.setPen(StatisticsChart::kInk);
            const QString text = QString::number(totals[m]);
            const int width = metrics.horizontalAdvance(text);
            const int left = std::clamp(centre - width / 2, box.left(), box.right() - width);
            painter.drawText(QRect(left, top - metrics.height(), width, metrics.height()),
                             Qt::AlignCenter, text);
        }
    }
    // The mean of the matches shown, dashed, with its value at the right end.
    double sum = 0;
    for (const int total : totals) sum += total;
    const double mean = sum / totals.size();
    const int y = yOf(mean);
    QPen dashed(QColor(192, 0, 0));
    dashed.setStyle(Qt::DashLine);
    painter.setPen(dashed);
    painter.drawLine(QPoint(plot.left(), y), QPoint(plot.right(), y));
    const QString label = QStringLiteral("平均 %1").arg(qRound(mean));
    painter.setPen(QColor(192, 0, 0));
    painter.drawText(QRect(plot.left(), y - metrics.height(), plot.width(), metrics.height()),
                     Qt::AlignRight | Qt::AlignBottom, label);
}

}  // namespace

StatisticsChart::StatisticsChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("statisticsChart"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void StatisticsChart::setRecord(const statistics::Record& record) {
    record_ = record;
    update();
}

int StatisticsChart::matchScaleTop(const statistics::Record& record) {
    int best = 0;
    for (const int total : record.recentMatches) best = std::max(best, total);
    return std::max(100, (best + 99) / 100 * 100);
}

StatisticsChart::Panels StatisticsChart::panels(QSize size, const QFontMetrics& metrics) {
    const int gap = metrics.height() / 2;
    const int placesHeight = std::max(metrics.height() * 6, (size.height() - gap) * 2 / 5);
    const QRect places(0, 0, size.width(), std::min(placesHeight, size.height()));
    const QRect matches(0, places.bottom() + 1 + gap, size.width(),
                        std::max(0, size.height() - places.height() - gap));
    return {places, matches};
}

void StatisticsChart::paint(QPainter& painter, QSize size, const statistics::Record& record) {
    const QFontMetrics metrics(painter.font());
    const Panels where = panels(size, metrics);
    const QColor text = painter.pen().color();
    placesPanel(painter, panelBox(painter, where.places, QStringLiteral("順位の分布"), text),
                record);
    matchesPanel(
        painter,
        panelBox(
            painter, where.matches,
            QStringLiteral("最近のマッチの総得点（最大%1マッチ）").arg(statistics::kRecentMatches),
            text),
        record);
}

QSize StatisticsChart::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(QLatin1Char('0')) * 40, metrics.height() * 16};
}

QSize StatisticsChart::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(QLatin1Char('0')) * 56, metrics.height() * 20};
}

void StatisticsChart::paintEvent(QPaintEvent*) {
    // Painted straight onto the widget: at the device pixel ratio of the screen it shows on.
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    paint(painter, size(), record_);
}

}  // namespace plumet
