// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar strip under the menu bar: 30 picture buttons, each a 32 x 20 bitmap from
// <dataFolder>/toolbar.
#pragma once

#include <QLabel>
#include <QWidget>
#include <array>

namespace plumet {

// The toolbar's buttons. The number of each is the number of its bitmap "image<N>.bmp" and
// of its object name "Image<N>". Buttons that show the states of one option share a position;
// exactly one of them is visible.
enum class ToolButton {
    Start = 1,
    Continue,
    ContinueOff,
    Title,
    TitleOff,
    Top10,
    End,
    AceKingOn,
    AceKingOff,
    JokerNone,
    JokerOnce,
    JokerReused,
    DetectionOn,
    DetectionOff,
    PaceSlow,
    PaceNormal,
    PaceFast,
    SoundOn,
    SoundOff,
    Arrange,
    Help,
    MoveSpeed,
    ThreePasses,
    TwoPasses,
    FramesOn,
    FramesOff,
    Group,
    Names,
    GroupOff,
    Statistics,
};
inline constexpr int kToolButtons = 30;

class ToolImage : public QLabel {
    Q_OBJECT
  public:
    ToolImage(ToolButton button, QWidget* parent);
    ToolButton button() const { return button_; }
    // Reads imageN.bmp from `folder` (on a scaled screen imageN.svg beside it); without it the
    // button shows its label in its colour.
    void load(const QString& folder);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void setPressed(bool pressed);
    ToolButton button_;
    QRect home_;
};

class Toolbar : public QWidget {
    Q_OBJECT
  public:
    explicit Toolbar(QWidget* parent = nullptr);
    ToolImage* button(ToolButton which) const { return images_.at(static_cast<int>(which)); }
    void load(const QString& dataFolder);

  private:
    std::array<ToolImage*, kToolButtons + 1> images_{};  // index: the button's number
};

}  // namespace plumet
