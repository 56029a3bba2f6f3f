#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

// "KalyraSplash": the small black window with a picture and the program's name that shows
// while the program starts. It waits the given number of seconds from the moment it is shown,
// measured on a monotonic clock while the event loop runs on (it stays painted and the machine
// stays idle), then reports that it is done; whoever showed it closes it.
class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  SplashWindow(double seconds, double logicalDpi);

  // The 200 × 150 picture at the top left, painted at start-up: a mirrored doodle such as the
  // program draws.
  static QPixmap makePicture();

 signals:
  void finished();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void checkClock();

  double seconds_;
  QPixmap picture_;
  QElapsedTimer clock_;
  QTimer timer_;
  bool waiting_ = false;
};

// How long the splash window stays: three seconds, or what KALYRA_SPLASH_SECONDS asks for
// between 0 and 3 (the end-to-end tests shorten the wait with it).
double splashSeconds();
