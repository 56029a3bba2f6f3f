#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/CanvasWidget.h"
#include "app/FaceButton.h"
#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "support/FakePlatform.h"
#include "widget/Oracles.h"

// The main window of a 1024 × 768 screen at 96 DPI, shown and active, panel hidden.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest() : window(platform, 96) {
    window.resize(1024, 768);
    window.show(), window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  // Each action through these is followed by the checks that hold after every action.
  void tap(Qt::MouseButton b, QPoint at = {700, 500}) {
    oracles.before(canvas, b);
    QTest::mouseClick(canvas, b, {}, at);
    expectOracles();
  }
  void type(int key, Qt::KeyboardModifiers m = {}) {
    const auto broken = oracles.key(QApplication::focusWidget(), Qt::Key(key), m);
    EXPECT_FALSE(broken) << broken.value_or("");
  }
  void click(QWidget* w) {
    oracles.before(w, Qt::LeftButton);
    QTest::mouseClick(w, Qt::LeftButton);
    expectOracles();
  }
  void move(QPoint to) {
    oracles.before(window.childAt(to));
    QTest::mouseMove(&window, to);
    expectOracles();
  }
  void expectOracles() {
    const auto broken = oracles.after();
    EXPECT_FALSE(broken) << broken.value_or("");
  }
  static QColor faceOf(QWidget* w) { return w->grab().toImage().pixelColor(4, 4); }
  bool panelIs(bool shown) const {  // every control of the panel shown, or every one hidden
    std::vector<QWidget*> all = {panel.Label1};
    for (int c = 0; c < ControlCount; ++c)
      std::ranges::copy(panel.widgetsOf(Control(c)), back_inserter(all));
    return std::ranges::all_of(all, [&](QWidget* w) { return w->isVisible() == shown; });
  }

  FakePlatform platform;
  MainWindow window;
  Kalyra& k = window.core();
  CanvasWidget* canvas = window.canvas();
  const PanelWidgets& panel = window.panel();
  Oracles oracles{window, platform};
};
