#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/CanvasWidget.h"
#include "app/FaceButton.h"
#include "app/MainWindow.h"
#include "support/FakePlatform.h"

// The main window of a 1024 × 768 screen at 96 DPI, shown and active, panel hidden.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest() : window(platform, 96) {
    window.resize(1024, 768);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  void clickCanvas(Qt::MouseButton button, QPoint at = {700, 500}) {
    QTest::mouseClick(canvas, button, {}, at);
  }
  void typeOnFocus(int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
  }
  static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
  // Whether every control of the panel is shown (true), or every one hidden (false).
  bool panelIs(bool shown) const {
    for (int c = 0; c < ControlCount; ++c)
      for (QWidget* w : panel.widgetsOf(Control(c)))
        if (w->isVisible() != shown) return false;
    return panel.Label1->isVisible() == shown;
  }

  FakePlatform platform;
  MainWindow window;
  Kalyra& k = window.core();
  CanvasWidget* canvas = window.canvas();
  const PanelWidgets& panel = window.panel();
};
