#pragma once

#include <QElapsedTimer>
#include <random>

#include "platform/Platform.h"

class QWidget;

// The machine as Qt shows it: the primary screen, Qt's dialogs, the process's directory.
class QtPlatform : public Platform {
 public:
  // Dialogs open over `parent` (the main window), which may be set later.
  explicit QtPlatform(QWidget* parent = nullptr);
  void setDialogParent(QWidget* parent) { parent_ = parent; }

  QSize screenPixelSize() override;
  int displayColourDepth() override;
  double clockSeconds() override;
  void seedRandomFromClock() override;
  float randomSingle() override;
  QString currentDirectory() override;
  void setCurrentDirectory(const QString& path) override;
  std::optional<Colour> chooseColour(Colour initial) override;

 private:
  QWidget* parent_;
  QElapsedTimer clock_;
  std::mt19937 random_;
};
