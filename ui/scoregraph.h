// The results window's graph of the human player's points: per game (bars) or cumulative
// (a line with circles), drawn on a light grey picture with an engraved grid.
//
// Coordinates are the picture's own pixels: SW, SH its inner width and height, u = SW / 11
// the width of one game column, y measured from the top. The grid's horizontal lines mark
// every 10 points of the per-game graph (0..100) and every 100 points of the cumulative one
// (0..1000); values above the range run off the picture and are clipped.
#pragma once

#include <QLabel>
#include <array>
#include <cstdint>

class QPainter;

namespace plumet {

enum class GraphKind { PerGame, Cumulative };

using GameHistory = std::array<std::int16_t, 11>;  // points of games 1..10, index 0 unused

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
};

}  // namespace plumet
