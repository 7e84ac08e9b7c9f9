// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/scoregraph.h"

#include <QFontMetrics>
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
}

// Where the picture's Print puts the number of game g: the top left of its text (leading
// sign position included), in the picture's pixels.
struct PrintAt {
    int game;
    int value;
    QPointF topLeft;
};

std::vector<PrintAt> printPositions(double sh, double u, GraphKind kind, const GameHistory& history,
                                    int games) {
    std::vector<PrintAt> at;
    int c = 0;
    for (int g = 1; g <= games; ++g) {
        if (kind == GraphKind::Cumulative) {
            c += history[g];
            at.push_back({g, c, {g * u - 12, sh - c * sh / 1100 - 18}});
        } else {
            at.push_back({g, history[g], {g * u - 9, sh - history[g] * sh / 110 - 16}});
        }
    }
    return at;
}

GraphNumber placed(const PrintAt& at, const QFont& font) {
    const QFontMetrics metrics(font);
    const QString text = signedLabel(at.value);
    const QString shown = text.trimmed();
    const int x = pixel(at.topLeft.x());
    const int y = pixel(at.topLeft.y());
    const int blank = metrics.horizontalAdvance(text.left(text.size() - shown.size()));
    const QRect box(x + blank, y, metrics.horizontalAdvance(shown), metrics.height());
    return {at.game, text, QPoint(x, y + metrics.ascent()), box, font};
}

// A pixel of background between neighbours, so that they read as two numbers.
bool crowded(const QRect& a, const QRect& b) {
    return a.adjusted(0, 0, 1, 0).intersects(b);
}

bool anyCrowded(const std::vector<GraphNumber>& numbers) {
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        for (std::size_t j = i + 1; j < numbers.size(); ++j) {
            if (crowded(numbers[i].box, numbers[j].box) || crowded(numbers[j].box, numbers[i].box))
                return true;
        }
    }
    return false;
}

}  // namespace

std::vector<GraphNumber> ScoreGraph::numbers(QSize size, GraphKind kind, const GameHistory& history,
                                             int games, const QFont& base) {
    const double sh = size.height();
    const double u = size.width() / 11.0;
    const std::vector<PrintAt> at = printPositions(sh, u, kind, history, std::clamp(games, 0, 10));
    QFont font = base;
    std::vector<GraphNumber> all;
    for (int points = kNumberPoints; points >= kSmallestPoints; --points) {
        font.setPointSize(points);
        all.clear();
        for (const PrintAt& each : at) all.push_back(placed(each, font));
        if (!anyCrowded(all)) return all;
    }
    // Even the smallest size is crowded: the last game's number first, then every earlier one
    // that has room beside those already kept.
    std::vector<GraphNumber> kept;
    for (auto each = all.rbegin(); each != all.rend(); ++each) {
        const bool room = std::none_of(kept.begin(), kept.end(), [&](const GraphNumber& other) {
            return crowded(each->box, other.box) || crowded(other.box, each->box);
        });
        if (room) kept.push_back(*each);
    }
    std::reverse(kept.begin(), kept.end());
    return kept;
}

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
    // Drawn at the screen's device pixels (the picture's own coordinates stay the logical
    // pixels), so that lines and numbers are sharp on a scaled screen.
    const QSize size = contentsRect().size();
    const qreal ratio = devicePixelRatioF();
    QPixmap picture((QSizeF(size.expandedTo(QSize(1, 1))) * ratio).toSize());
    picture.setDevicePixelRatio(ratio);
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
    if (kind == GraphKind::Cumulative)
        cumulative(painter, sh, u, history, games);
    else
        perGame(painter, sh, u, history, games);
    painter.setPen(kInk);
    for (const GraphNumber& number : numbers(size, kind, history, games, painter.font())) {
        painter.setFont(number.font);
        painter.drawText(number.baseline, number.text);
    }
}

}  // namespace plumet
