#pragma once

#include <QAbstractButton>
#include <QColor>

// A push button that shows its face colour under every widget style: the selected tool is
// yellow, the colour bar shows the drawing colour. It paints itself so that no style can
// ignore the colour. A click takes no keyboard focus, so the canvas keeps it and the keys go on
// working; Tab reaches the button, and Space or Enter then presses it like a left click. A
// press with any mouse button is reported (the colour bar answers the right button too) and
// never passes through to the canvas beneath.
//
// A button whose yellow face marks a selection tells assistive tools what it is: one choice of
// several (a radio button) or a switch (a check box), and whether it is checked.
class FaceButton : public QAbstractButton {
  Q_OBJECT

 public:
  // What a button without a caption shows.
  enum class Picture { None, Dot, Line, Square, Circle };
  // What a yellow face means: nothing, the chosen one of a group, or a switch that is on.
  enum class Mark { None, Choice, Switch };

  explicit FaceButton(QWidget* parent);

  QColor face() const { return face_; }
  void setFace(const QColor& face);
  // `size` is the dot's diameter in pixels for Picture::Dot.
  void setPicture(Picture picture, int size = 0);
  void setMark(Mark mark) { mark_ = mark; }
  Mark mark() const { return mark_; }
  bool isMarked() const { return mark_ != Mark::None && face_ == QColor(255, 255, 0); }
  // A left press and click as from the mouse, for the keyboard and assistive tools.
  void press();
  // Whether a press made with Space or Enter on a panel control is running: such a press
  // leaves the keyboard on the panel instead of handing it to the canvas.
  static bool keyboardPressRunning() { return keyboardPress_; }
  // Runs `press` as a press made from the keyboard.
  template <typename Press>
  static void pressFromKeyboard(Press press) {
    const bool outer = keyboardPress_;
    keyboardPress_ = true;
    press();
    keyboardPress_ = outer;
  }

  QSize sizeHint() const override;

 signals:
  // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt held.
  void pressedWith(int button, int shift, QPoint position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void paintBevel(QPainter& painter) const;
  void paintPicture(QPainter& painter, QRect area) const;

  QColor face_ = Qt::white;
  Picture picture_ = Picture::None;
  int pictureSize_ = 0;
  Mark mark_ = Mark::None;
  static inline bool keyboardPress_ = false;
};

// Lets assistive tools see face buttons with their names, roles, marks and press action, and
// the panel's containers as groupings.
void installFaceButtonAccessibility();

// The button codes of the program's mouse handlers; 0 for buttons it doesn't know.
int buttonCode(Qt::MouseButton button);
int buttonsCode(Qt::MouseButtons buttons);
int shiftCode(Qt::KeyboardModifiers modifiers);
