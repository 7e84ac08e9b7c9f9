// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixelfont.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace cardgen {
namespace {

struct Glyph {
    char16_t ch;
    std::array<std::string_view, kPixelFontHeight> rows;  // '#' = ink; all rows equally wide
};

// clang-format off
constexpr Glyph kGlyphs[] = {
    {u'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {u'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {u'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {u'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {u'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {u'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {u'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {u'I', {"###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"}},
    {u'J', {"..###", "...#.", "...#.", "...#.", "#..#.", "#..#.", ".##.."}},
    {u'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {u'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {u'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {u'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {u'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {u'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {u'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {u'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {u'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {u'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {u'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {u'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"}},
    {u'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {u'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {u'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {u'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
    {u'\u2194', {".......", ".......", ".#...#.", "#######", ".#...#.", ".......", "......."}},
    {u' ', {"...", "...", "...", "...", "...", "...", "..."}},
};
// clang-format on

const Glyph& glyphFor(QChar ch) {
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.ch == ch.unicode()) return glyph;
    }
    static const Glyph blank = kGlyphs[std::size(kGlyphs) - 1];
    return blank;
}

}  // namespace

int pixelTextWidth(const QString& text) {
    int width = 0;
    for (QChar ch : text) width += int(glyphFor(ch).rows[0].size()) + 1;
    return text.isEmpty() ? 0 : width - 1;
}

void drawPixelText(QPainter& painter, int x, int y, const QString& text, int scale,
                   const QColor& color) {
    for (QChar ch : text) {
        const Glyph& glyph = glyphFor(ch);
        for (int row = 0; row < kPixelFontHeight; ++row) {
            const std::string_view bits = glyph.rows[row];
            for (int col = 0; col < int(bits.size()); ++col) {
                if (bits[col] == '#') {
                    painter.fillRect(x + col * scale, y + row * scale, scale, scale, color);
                }
            }
        }
        x += (int(glyph.rows[0].size()) + 1) * scale;
    }
}

QPainterPath pixelTextPath(const QString& text) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    int x = 0;
    for (QChar ch : text) {
        const Glyph& glyph = glyphFor(ch);
        for (int row = 0; row < kPixelFontHeight; ++row) {
            // Each run of ink in a row is one rectangle; simplified() joins them.
            const std::string_view bits = glyph.rows[row];
            for (size_t col = 0; col < bits.size();) {
                if (bits[col] != '#') {
                    ++col;
                    continue;
                }
                const size_t end = std::min(bits.find('.', col), bits.size());
                path.addRect(x + int(col), row, int(end - col), 1);
                col = end;
            }
        }
        x += int(glyph.rows[0].size()) + 1;
    }
    return path.simplified();
}

}  // namespace cardgen
