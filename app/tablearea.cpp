// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tablearea.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace plumet {

namespace {

const QColor kTable(0, 128, 0);
const QColor kPanel(0, 96, 0);
const QColor kPanelEdge(120, 200, 120);
const QColor kShadow(0, 50, 0);

}  // namespace

TableArea::TableArea(QWidget* parent) : QMdiArea(parent) {
    setBackground(kTable);
}

QMdiSubWindow* TableArea::addChild(QWidget* widget) {
    QMdiSubWindow* sub =
        addSubWindow(widget, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    sub->hide();
    sub->installEventFilter(this);
    return sub;
}

void TableArea::noticeChanged() {
    viewport()->update();
}

QStringList TableArea::shownNotice() const {
    if (!noticeLines) return {};
    for (const QMdiSubWindow* sub : subWindowList()) {
        if (!sub->isHidden()) return {};
    }
    return noticeLines();
}

bool TableArea::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) noticeChanged();
    return QMdiArea::eventFilter(watched, event);
}

void TableArea::paintEvent(QPaintEvent* event) {
    QMdiArea::paintEvent(event);
    const QStringList lines = shownNotice();
    if (lines.isEmpty()) return;

    // The first line large, the others half its size, all in white on a darker green panel,
    // as large as the table allows.
    const QRect area = viewport()->rect();
    QFont large = font();
    large.setBold(true);
    large.setPixelSize(std::clamp(area.height() / 12, 14, 56));
    QFont small = font();
    small.setPixelSize(std::max(11, large.pixelSize() / 2));
    // Narrow tables: the lines shrink until the widest fits.
    const auto widest = [&lines](const QFont& first, const QFont& rest) {
        int width = QFontMetrics(first).horizontalAdvance(lines.first());
        for (int i = 1; i < lines.size(); ++i)
            width = std::max(width, QFontMetrics(rest).horizontalAdvance(lines[i]));
        return width;
    };
    while (large.pixelSize() > 14 && widest(large, small) > area.width() * 9 / 10) {
        large.setPixelSize(large.pixelSize() - 2);
        small.setPixelSize(std::max(11, large.pixelSize() / 2));
    }

    const QFontMetrics bigMetrics(large), smallMetrics(small);
    const int gap = smallMetrics.height() / 2;
    int height = bigMetrics.height();
    for (int i = 1; i < lines.size(); ++i) height += gap + smallMetrics.height();
    const int margin = bigMetrics.height() / 2;
    QRect panel(0, 0, widest(large, small) + 2 * margin, height + 2 * margin);
    panel.moveCenter(area.center());

    QPainter painter(viewport());
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(panel).adjusted(0.5, 0.5, -0.5, -0.5), margin / 2.0, margin / 2.0);
    painter.fillPath(shape, kPanel);
    painter.setPen(QPen(kPanelEdge, 1));
    painter.drawPath(shape);

    int y = panel.top() + margin;
    for (int i = 0; i < lines.size(); ++i) {
        const QFont& lineFont = i == 0 ? large : small;
        const int lineHeight = QFontMetrics(lineFont).height();
        const QRect line(panel.left(), y, panel.width(), lineHeight);
        painter.setFont(lineFont);
        painter.setPen(kShadow);
        painter.drawText(line.translated(1, 1), Qt::AlignCenter, lines[i]);
        painter.setPen(Qt::white);
        painter.drawText(line, Qt::AlignCenter, lines[i]);
        y += lineHeight + gap;
    }
}

}  // namespace plumet
