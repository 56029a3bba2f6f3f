#include "app/FaceButton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

FaceButton::FaceButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::TabFocus);
  setAttribute(Qt::WA_NoMousePropagation);
  setCursor(Qt::ArrowCursor);
}

void FaceButton::setFace(const QColor& face) {
  if (face == face_) return;
  const bool wasMarked = isMarked();
  face_ = face;
  update();
  if (isMarked() != wasMarked) {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
  }
}

void FaceButton::setPicture(Picture picture, int size) {
  picture_ = picture;
  pictureSize_ = size;
  update();
}

QSize FaceButton::sizeHint() const {
  return fontMetrics().size(Qt::TextShowMnemonic, text()) + QSize(12, 8);
}

void FaceButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), face_);
  paintBevel(painter);
  if (hasFocus()) {
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
  }
  // A pressed button's content moves down and right with its sunken face.
  const QRect content =
      rect().adjusted(2, 2, -2, -2).translated(isDown() ? QPoint(1, 1) : QPoint());
  if (picture_ != Picture::None) {
    paintPicture(painter, content);
    return;
  }
  painter.setPen(isEnabled() ? Qt::black : Qt::gray);
  painter.drawText(content, Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

// The edges are filled strips rather than lines, so that they stay whole pixels on scaled
// screens too.
void FaceButton::paintBevel(QPainter& painter) const {
  const QColor light = isDown() ? QColor(Qt::black) : QColor(Qt::white);
  const QColor dark = isDown() ? QColor(Qt::white) : QColor(Qt::black);
  const QColor shadow(128, 128, 128);
  const int w = width();
  const int h = height();
  painter.fillRect(0, 0, w, 1, light);
  painter.fillRect(0, 0, 1, h, light);
  painter.fillRect(0, h - 1, w, 1, dark);
  painter.fillRect(w - 1, 0, 1, h, dark);
  if (isDown()) {
    painter.fillRect(1, 1, w - 2, 1, shadow);
    painter.fillRect(1, 1, 1, h - 2, shadow);
  } else {
    painter.fillRect(1, h - 2, w - 2, 1, shadow);
    painter.fillRect(w - 2, 1, 1, h - 2, shadow);
  }
}

void FaceButton::paintPicture(QPainter& painter, QRect area) const {
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre = QRectF(area).center();
  const double side = std::min(area.width(), area.height()) - 6;
  const QRectF box(centre.x() - side / 2, centre.y() - side / 2, side, side);
  painter.setPen(QPen(Qt::black, 2));
  switch (picture_) {
    case Picture::Dot:
      painter.setPen(Qt::NoPen);
      painter.setBrush(Qt::black);
      painter.drawEllipse(centre, pictureSize_ / 2.0, pictureSize_ / 2.0);
      break;
    case Picture::Line:
      painter.drawLine(box.bottomLeft(), box.topRight());
      break;
    case Picture::Square:
      painter.drawRect(box);
      break;
    case Picture::Circle:
      painter.drawEllipse(box);
      break;
    case Picture::None:
      break;
  }
}

void FaceButton::mousePressEvent(QMouseEvent* event) {
  const int code = buttonCode(event->button());
  if (code != 0) emit pressedWith(code, shiftCode(event->modifiers()), event->position().toPoint());
  if (event->button() == Qt::LeftButton) {
    QAbstractButton::mousePressEvent(event);
  }
  event->accept();
}

void FaceButton::mouseReleaseEvent(QMouseEvent* event) {
  QAbstractButton::mouseReleaseEvent(event);
  event->accept();
}

void FaceButton::press() {
  emit pressedWith(1, 0, rect().center());
  click();
}

void FaceButton::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (!event->isAutoRepeat()) pressFromKeyboard([this] { press(); });
    event->accept();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

namespace {

// "F&ill" is read as "Fill", "&&" as "&".
QString withoutMnemonic(QString caption) {
  caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  caption.remove(QLatin1Char('&'));
  return caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

QAccessible::Role roleOf(FaceButton::Mark mark) {
  switch (mark) {
    case FaceButton::Mark::Choice:
      return QAccessible::RadioButton;
    case FaceButton::Mark::Switch:
      return QAccessible::CheckBox;
    case FaceButton::Mark::None:
      break;
  }
  return QAccessible::Button;
}

class FaceButtonAccessible : public QAccessibleWidget {
 public:
  explicit FaceButtonAccessible(FaceButton* button)
      : QAccessibleWidget(button, QAccessible::Button) {}

  // Asked each time: the interface may be made before the button learns its mark.
  QAccessible::Role role() const override { return roleOf(button()->mark()); }

  QString text(QAccessible::Text t) const override {
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) text = withoutMnemonic(button()->text());
    if (t == QAccessible::Accelerator && text.isEmpty()) {
      text = QKeySequence::mnemonic(button()->text()).toString(QKeySequence::NativeText);
    }
    return text;
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button()->isDown();
    state.checkable = button()->mark() != FaceButton::Mark::None;
    state.checked = button()->isMarked();
    return state;
  }
  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == pressAction()) {
      button()->press();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  FaceButton* button() const { return static_cast<FaceButton*>(widget()); }
};

// A frame role means a top-level window to screen readers, which then find it inactive and
// lose the focus; the program's frames only group controls, and its windows are the frames.
QAccessibleInterface* faceButtonAccessible(const QString& className, QObject* object) {
  if (className == QLatin1String("FaceButton")) {
    if (auto* button = qobject_cast<FaceButton*>(object)) return new FaceButtonAccessible(button);
  }
  auto* widget = qobject_cast<QWidget*>(object);
  if (className == QLatin1String("QFrame") && widget)
    return new QAccessibleWidget(widget, QAccessible::Grouping);
  // The program's own windows are windows, as screen readers expect at the top.
  if (className == QLatin1String("QWidget") && widget && widget->isWindow())
    return new QAccessibleWidget(widget, QAccessible::Window);
  return nullptr;
}

}  // namespace

void installFaceButtonAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(faceButtonAccessible);
    return true;
  }();
  (void)installed;
}

int buttonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

int buttonsCode(Qt::MouseButtons buttons) {
  return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
         (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}
