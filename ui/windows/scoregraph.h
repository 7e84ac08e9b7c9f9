// SPDX-License-Identifier: GPL-3.0-or-later
// The results window's graph of the human player's points: per game (bars) or cumulative
// (a line with circles), drawn on a light grey picture with an engraved grid.
//
// Coordinates are the picture's own pixels: SW, SH its inner width and height, u = SW / 11
// the width of one game column, y measured from the top. The grid's horizontal lines mark
// every 10 points of the per-game graph (0..100) and every 100 points of the cumulative one
// (0..1000); values above the range run off the picture and are clipped.
//
// The numbers over the points are printed at 9 points where they have room. Where
// neighbouring numbers would overlap (the running totals of a long match at the window's
// size), they are printed smaller, down to 7 points, and where even that is too big, fewer of
// them are printed: the last game's first, then each earlier one that has room.
#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <array>
#include <cstdint>
#include <vector>

class QPainter;

namespace plumet {

enum class GraphKind { PerGame, Cumulative };

using GameHistory = std::array<std::int16_t, 11>;  // points of games 1..10, index 0 unused

// One number printed over the graph: its text (with the leading sign position of the
// picture's Print), the baseline point it is drawn at, the box of its visible characters and
// the font.
struct GraphNumber {
    int game = 0;
    QString text;
    QPoint baseline;
    QRect box;
    QFont font;
};

class ScoreGraph : public QLabel {
    Q_OBJECT
  public:
    static inline const QColor kBackground{192, 192, 192};
    static inline const QColor kInk{0, 0, 255};

    explicit ScoreGraph(QWidget* parent = nullptr);

    // Draws the graph of games 1..games into the picture.
    void draw(GraphKind kind, const GameHistory& history, int games);

    // The drawing itself, on a picture of inner size `size`.
    static void paint(QPainter& painter, QSize size, GraphKind kind, const GameHistory& history,
                      int games);

    // The numbers the graph prints, in `base`'s family, none overlapping another.
    static std::vector<GraphNumber> numbers(QSize size, GraphKind kind, const GameHistory& history,
                                            int games, const QFont& base);
    static constexpr int kNumberPoints = 9;
    static constexpr int kSmallestPoints = 7;
};

}  // namespace plumet
