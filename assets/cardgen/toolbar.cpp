// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbar.h"

#include <QPainter>

#include "picture.h"
#include "pixelfont.h"

namespace cardgen {
namespace {

struct Face {
    QColor face, light, dark, text, shadow;
};

Face faceFor(ButtonColor color) {
    switch (color) {
        case ButtonColor::Blue:
            return {QColor(24, 72, 200), QColor(130, 170, 255), QColor(0, 20, 90), Qt::white,
                    QColor(0, 20, 90)};
        case ButtonColor::Red:
            return {QColor(200, 24, 24), QColor(255, 140, 140), QColor(100, 0, 0), Qt::white,
                    QColor(100, 0, 0)};
        case ButtonColor::Grey:
            break;
    }
    return {QColor(150, 150, 150), QColor(215, 215, 215), QColor(90, 90, 90), QColor(232, 232, 232),
            QColor(110, 110, 110)};
}

}  // namespace

ToolbarButton toolbarButton(int n) {
    using enum ButtonColor;
    static const ToolbarButton buttons[kToolbarImages] = {
        {"START", Blue},         // 1  新規ゲーム開始
        {"CONT", Blue},          // 2  前回の続き開始
        {"CONT", Grey},          // 3  no saved match
        {"TITLE", Blue},         // 4  初期画面に戻ります
        {"TITLE", Grey},         // 5  no match under way
        {"TOP10", Blue},         // 6  ＴＯＰ１０を表示
        {"END", Blue},           // 7  カドリオの終了
        {u"A\u2194K"_qs, Blue},  // 8  ＡＫ接続採用中
        {u"A\u2194K"_qs, Grey},  // 9  ＡＫ接続不採用中
        {"JOKER", Grey},         // 10 JOKER無し
        {"JOKER", Blue},         // 11 JOKER使用
        {"JOKER", Red},          // 12 JOKER再使用
        {"AUTO", Blue},          // 13 カードの自動検出有り
        {"AUTO", Grey},          // 14 カードの自動検出無し
        {"LOW", Blue},           // 15 進行速度　遅い
        {"MID", Blue},           // 16 進行速度　標準
        {"HIGH", Blue},          // 17 進行速度　速い
        {"SOUND", Blue},         // 18 効果音　有り
        {"SOUND", Grey},         // 19 効果音　無し
        {"FIT", Blue},           // 20 ｳｨﾝﾄﾞの整列
        {"HELP", Blue},          // 21 ヘルプ
        {"MOVE", Blue},          // 22 カードの移動速度設定
        {"PASS3", Blue},         // 23 パス回数３回まで
        {"PASS2", Blue},         // 24 パス回数２回まで
        {"WAKU", Blue},          // 25 カード枠有り
        {"WAKU", Grey},          // 26 カード枠無し
        {"GROUP", Blue},         // 27 グループ変更
        {"NAME", Blue},          // 28 名前の変更
        {"GROUP", Grey},         // 29 グループ変更 (locked during a match)
        {"STATS", Blue},         // 30 成績を表示
    };
    return buttons[qBound(1, n, kToolbarImages) - 1];
}

void paintToolbarButton(QPainter& painter, const ToolbarButton& button) {
    const Face face = faceFor(button.color);
    painter.fillRect(0, 0, kToolbarWidth, kToolbarHeight, face.face);
    // A raised button: light top and left edge, dark bottom and right edge.
    painter.fillRect(0, 0, kToolbarWidth, 1, face.light);
    painter.fillRect(0, 0, 1, kToolbarHeight, face.light);
    painter.fillRect(0, kToolbarHeight - 1, kToolbarWidth, 1, face.dark);
    painter.fillRect(kToolbarWidth - 1, 0, 1, kToolbarHeight, face.dark);

    // The label as whole font pixels: sharp as a bitmap, and as squares at any scale.
    const int width = pixelTextWidth(button.label);
    const int x = (kToolbarWidth - width) / 2;
    const int y = (kToolbarHeight - kPixelFontHeight) / 2;
    const QPainterPath label = pixelTextPath(button.label);
    painter.fillPath(label.translated(x + 1, y + 1), face.shadow);
    painter.fillPath(label.translated(x, y), face.text);
}

QImage toolbarImage(const ToolbarButton& button) {
    const QSize size(kToolbarWidth, kToolbarHeight);
    return rasterize([&button](QPainter& painter) { paintToolbarButton(painter, button); }, size,
                     size);
}

}  // namespace cardgen
