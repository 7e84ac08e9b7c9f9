#include "ui/scoregraph.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "data/checkstring.h"
#include "ui/labeltext.h"

namespace plumet {

namespace {

int pixel(double v) {
    return static_cast<int>(std::lround(v));
}

// The picture's Print: the number with its leading sign position, its top-left at (x, y).
void print(QPainter& painter, double x, double y, int value) {
    const QFontMetrics metrics(painter.font());
    painter.drawText(QPoint(pixel(x), pixel(y) + metrics.ascent()), signedLabel(value));
}

void grid(QPainter& painter, double sw, double sh, double u) {
    for (int i = 0; i <= 10; ++i) {
        const double y = sh - 6 - i * 100 * sh / 1100;
        painter.setPen(Qt::white);
        painter.drawLine(QPoint(0, pixel(y)), QPoint(pixel(sw), pixel(y)));
        painter.setPen(Qt::black);
        painter.drawLine(QPoint(0, pixel(y + 1)), QPoint(pixel(sw), pixel(y + 1)));
    }
    for (int g = 1; g <= 10; ++g) {
        painter.setPen(Qt::white);
        painter.drawLine(QPoint(pixel(g * u - 1), pixel(sh - 5)), QPoint(pixel(g * u - 1), 0));
        painter.setPen(Qt::black);
        painter.drawLine(QPoint(pixel(g * u), pixel(sh - 5)), QPoint(pixel(g * u), 0));
    }
}

void cumulative(QPainter& painter, double sh, double u, const GameHistory& history, int games) {
    painter.setPen(ScoreGraph::kInk);
    QPoint previous(0, pixel(sh - 5));
    int c = 0;
    for (int g = 1; g <= games; ++g) {
        c += history[g];
        const QPoint point(pixel(g * u), pixel(sh - 5 - c * sh / 1100));
        painter.drawLine(previous, point);
        painter.drawEllipse(point, 2, 2);
        previous = point;
    }
    c = 0;
    for (int g = 1; g <= games; ++g) {
        c += history[g];
        print(painter, g * u - 12, sh - c * sh / 1100 - 18, c);
    }
}

void perGame(QPainter& painter, double sh, double u, const GameHistory& history, int games) {
    for (int g = 1; g <= games; ++g) {
        const int top = pixel(sh - 5 - history[g] * sh / 110);
        const int bottom = pixel(sh - 5);
        // A filled box includes both of its corners.
        const QRect bar(QPoint(pixel(g * u - 7), std::min(top, bottom)),
                        QPoint(pixel(g * u + 7), std::max(top, bottom)));
        painter.fillRect(bar, ScoreGraph::kInk);
    }
    painter.setPen(ScoreGraph::kInk);
    for (int g = 1; g <= games; ++g)
        print(painter, g * u - 9, sh - history[g] * sh / 110 - 16, history[g]);
}

}  // namespace

ScoreGraph::ScoreGraph(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    setPalette(colours);
    setAutoFillBackground(true);
}

void ScoreGraph::draw(GraphKind kind, const GameHistory& history, int games) {
    const QSize size = contentsRect().size();
    QPixmap picture(size.expandedTo(QSize(1, 1)));
    picture.fill(kBackground);
    QPainter painter(&picture);
    paint(painter, size, kind, history, games);
    painter.end();
    setPixmap(picture);
}

void ScoreGraph::paint(QPainter& painter, QSize size, GraphKind kind, const GameHistory& history,
                       int games) {
    const double sw = size.width();
    const double sh = size.height();
    const double u = sw / 11;
    games = std::clamp(games, 0, 10);
    painter.fillRect(QRect(QPoint(0, 0), QPoint(pixel(sw), pixel(sh))), kBackground);
    grid(painter, sw, sh, u);
    QFont font = painter.font();
    font.setPointSize(9);
    painter.setFont(font);
    if (kind == GraphKind::Cumulative)
        cumulative(painter, sh, u, history, games);
    else
        perGame(painter, sh, u, history, games);
}

}  // namespace plumet
