#include "e2e/Driver.h"

#include <gtest/gtest.h>

#include <cmath>

Driver::Driver(VirtualScreen& screen, int scale)
    : screen_(screen), scale_(scale), canvas_(screen.size()) {
  platform_.screen = screen.size();
  k_.Form_Load();
}

void Driver::moveTo(QPoint p) {
  p = {p.x() / scale_ * scale_, p.y() / scale_ * scale_};
  if (p == pointer_) return;  // the server reports no move to where the pointer already is
  pointer_ = p;
  commands_ << QStringLiteral("mousemove") << QString::number(p.x()) << QString::number(p.y());
  const QPointF units = canvas_.toUnits(p);
  k_.Canvas_MouseMove(0, 0, float(units.x()), float(units.y()));
}

void Driver::clickOnly(int button) {
  const int xButton = button == 1 ? 1 : button == 2 ? 3 : 2;
  commands_ << QStringLiteral("click") << QString::number(xButton);
}

void Driver::click(int button) {
  clickOnly(button);
  k_.Canvas_MouseDown(button, 0, 0, 0);
}

void Driver::clickAt(QPoint p, int button) {
  moveTo(p);
  click(button);
}

void Driver::key(const QString& keysym, int keyAscii) {
  commands_ << QStringLiteral("key") << keysym;
  k_.Canvas_KeyPress(keyAscii);
}

void Driver::clickControl(QPoint p, int button) {
  pointer_ = p;
  commands_ << QStringLiteral("mousemove") << QString::number(p.x()) << QString::number(p.y());
  clickOnly(button);
}

// RandomComponent takes the whole part of r × 256 on a display that isn't 16-bit.
void Driver::replayColourBar(int button, Colour chosen) {
  for (const int c : {redOf(chosen), greenOf(chosen), blueOf(chosen)})
    platform_.randoms.push_back((float(c) + 0.5f) / 256);
  k_.cmdColorBar_MouseDown(button, 0, 0, 0);
}

QPoint Driver::stroke(QPoint from, int radius, int steps) {
  for (int i = 0; i <= steps; ++i) {
    const double a = i * 3.0 / steps;
    moveTo(from + QPoint(int(radius * std::sin(a)), int(radius * (1 - std::cos(a)))));
  }
  return pointer_;
}

bool Driver::send() {
  const bool sent = screen_.run(QStringLiteral("xdotool"), commands_) == 0;
  commands_.clear();
  return sent;
}

int differingPixels(const QImage& shot, const QImage& expected, QPoint* first) {
  if (shot.size() != expected.size()) return shot.width() * shot.height() + 1;
  int n = 0;
  for (int y = 0; y < shot.height(); ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(shot.constScanLine(y));
    const auto* b = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
    for (int x = 0; x < shot.width(); ++x) {
      if ((a[x] & 0xffffff) != (b[x] & 0xffffff)) {
        if (n++ == 0 && first) *first = {x, y};
      }
    }
  }
  return n;
}

bool isUniform(const QImage& shot, Colour colour) {
  QImage uniform(shot.size(), QImage::Format_RGB32);
  uniform.fill(toQRgb(colour));
  return differingPixels(shot, uniform) == 0;
}

bool allWhite(const QImage& shot) {
  return isUniform(shot, White);
}

bool containsColour(const QImage& shot, QRgb colour) {
  for (int y = 0; y < shot.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(shot.constScanLine(y));
    for (int x = 0; x < shot.width(); ++x)
      if ((row[x] & 0xffffff) == (colour & 0xffffff)) return true;
  }
  return false;
}

QRect controlOnScreen(Twips at, int scale) {
  const QRect r = toPixels(at, 96);
  return {r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale};
}

Colour inside(const QImage& shot, QRect r) {
  return fromQRgb(shot.pixel(r.topLeft() + QPoint(5, 5)));
}

QImage expectScreenAsPredicted(VirtualScreen& screen, const Driver& driver) {
  const QImage shot = screen.waitFor(
      [&](const QImage& s) { return differingPixels(s, driver.predicted()) == 0; }, Patience);
  QPoint first;
  EXPECT_EQ(differingPixels(shot, driver.predicted(), &first), 0)
      << "first difference at " << first.x() << "," << first.y();
  return shot;
}
