// The toolbar strip `Picture1` under the menu bar: 29 picture buttons `Image1`..`Image29`,
// each a 32 x 20 bitmap from <dataFolder>/toolbar. Buttons that show the states of one option
// share a position; exactly one of them is visible.
#pragma once

#include <QLabel>
#include <QWidget>
#include <array>

namespace plumet {

class ToolImage : public QLabel {
    Q_OBJECT
  public:
    ToolImage(int number, QWidget* parent);
    int number() const { return number_; }
    // Reads imageN.bmp from `folder`; without it the button shows its label in its colour.
    void load(const QString& folder);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void setPressed(bool pressed);
    int number_;
    QRect home_;
};

class Toolbar : public QWidget {
    Q_OBJECT
  public:
    explicit Toolbar(QWidget* parent = nullptr);
    ToolImage* image(int n) const { return images_.at(n); }  // Image1..Image29
    void load(const QString& dataFolder);

  private:
    std::array<ToolImage*, 30> images_{};
};

}  // namespace plumet
