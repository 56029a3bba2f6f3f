#include "platform/QtPlatform.h"

#include <QColorDialog>
#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>

QtPlatform::QtPlatform(QWidget* parent) : parent_(parent) { clock_.start(); }

// The screen in device pixels: on a scaled screen the canvas has every physical pixel.
QSize QtPlatform::screenPixelSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return screen->size() * screen->devicePixelRatio();
}

int QtPlatform::displayColourDepth() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->depth() : 32;
}

double QtPlatform::clockSeconds() { return clock_.nsecsElapsed() / 1e9; }

void QtPlatform::seedRandomFromClock() {
  random_.seed(std::uint32_t(QDateTime::currentMSecsSinceEpoch()));
}

float QtPlatform::randomSingle() {
  // 24 random bits: every single-precision value in [0, 1) that this yields is exact and below 1.
  return float(random_() >> 8) / float(1 << 24);
}

QString QtPlatform::currentDirectory() { return QDir::currentPath(); }

void QtPlatform::setCurrentDirectory(const QString& path) { QDir::setCurrent(path); }

std::optional<Colour> QtPlatform::chooseColour(Colour initial) {
  const QColor chosen = QColorDialog::getColor(QColor::fromRgb(toQRgb(initial)), parent_);
  if (!chosen.isValid()) return std::nullopt;
  return fromQRgb(chosen.rgb());
}
