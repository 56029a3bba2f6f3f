#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "app/CanvasWidget.h"
#include "app/FaceButton.h"
#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "support/FakePlatform.h"
#include "widget/Oracles.h"

// The main window of a screen at 96 DPI, shown and active, panel hidden, with the checks that
// hold after every action. Each action done through `press`, `moveTo` and `key` is checked; they
// give the first rule it broke.
class Session {
 public:
  explicit Session(QSize screen = {1024, 768})
      : platform(sized(screen)), window(platform, 96), oracles(window, platform) {
    window.resize(screen);
    window.show(), window.activateWindow();
    (void)QTest::qWaitForWindowActive(&window);
    // A notice waits for its OK; none is expected, and none may hang a test.
    QObject::connect(&closer, &QTimer::timeout, [] {
      if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    closer.start(50);
  }

  std::optional<std::string> press(QWidget* w, Qt::MouseButton b = Qt::LeftButton, QPoint at = {}) {
    oracles.before(w, b);
    QTest::mouseClick(w, b, {}, at.isNull() ? w->rect().center() : at);
    return oracles.after();
  }
  std::optional<std::string> moveTo(QPoint to) {
    oracles.before(window.childAt(to));
    QTest::mouseMove(&window, to);
    return oracles.after();
  }
  std::optional<std::string> key(Qt::Key key, Qt::KeyboardModifiers m = {}) {
    QWidget* target = QApplication::focusWidget();
    return oracles.key(target ? target : &window, key, m);
  }

  FakePlatform platform;
  MainWindow window;
  Kalyra& k = window.core();
  CanvasWidget* canvas = window.canvas();
  const PanelWidgets& panel = window.panel();
  Oracles oracles;

 private:
  static FakePlatform sized(QSize screen) {
    FakePlatform platform;
    platform.screen = screen;
    return platform;
  }
  QTimer closer;
};

class WindowTest : public ::testing::Test, public Session {
 protected:
  static void holds(const std::optional<std::string>& broken) {
    EXPECT_FALSE(broken) << broken.value_or("");
  }
  void tap(Qt::MouseButton b, QPoint at = {700, 500}) { holds(press(canvas, b, at)); }
  void type(int k, Qt::KeyboardModifiers m = {}) { holds(key(Qt::Key(k), m)); }
  void click(QWidget* w) { holds(press(w)); }
  void move(QPoint to) { holds(moveTo(to)); }
  static QColor faceOf(QWidget* w) { return w->grab().toImage().pixelColor(4, 4); }
  bool panelIs(bool shown) const {  // every control of the panel shown, or every one hidden
    std::vector<QWidget*> all = {panel.Label1};
    for (int c = 0; c < ControlCount; ++c)
      std::ranges::copy(panel.widgetsOf(Control(c)), back_inserter(all));
    return std::ranges::all_of(all, [&](QWidget* w) { return w->isVisible() == shown; });
  }
};
