#include "app/SplashWindow.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "app/Layout.h"

namespace {

constexpr double StandardSeconds = 3;

QLabel* label(QWidget* parent, Twips at, double dpi, const QString& text, const QFont& font,
              const QColor& colour) {
  auto* l = new QLabel(text, parent);
  l->setFont(font);
  // The stand-in font runs wider than the original one; the text is never cut off.
  QRect area = toPixels(at, dpi);
  area.setWidth(std::max(area.width(), l->sizeHint().width()));
  area.setHeight(std::max(area.height(), l->sizeHint().height()));
  l->setGeometry(area);
  QPalette palette = l->palette();
  palette.setColor(QPalette::WindowText, colour);
  l->setPalette(palette);
  return l;
}

}  // namespace

SplashWindow::SplashWindow(double seconds, double logicalDpi)
    : seconds_(seconds), picture_(makePicture()) {
  setObjectName(QStringLiteral("KalyraSplash"));
  setWindowTitle(tr("Kalyra! is starting"));
  setAccessibleDescription(tr("Kalyra! is starting; the canvas follows in a moment."));
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  setFixedSize(toPixels({0, 0, 6030, 2235}, logicalDpi).size());
  const QColor green(0, 192, 0);
  auto* name =
      label(this, {3720, 360, 1665, 435}, logicalDpi, tr("Kalyra!"), sansFont(18, true), green);
  name->setObjectName(QStringLiteral("lblProductName"));
  name->setAccessibleDescription(tr("The name of the program."));
  auto* version =
      label(this, {3900, 840, 1275, 285}, logicalDpi,
            tr("Version %1").arg(QStringLiteral(KALYRA_VERSION)), sansFont(12, true), green);
  version->setObjectName(QStringLiteral("lblVersion"));
  version->setAccessibleDescription(tr("The version of the program."));
  auto* notice =
      label(this, {3720, 1320, 1935, 375}, logicalDpi,
            tr("Right-click the canvas\nto show the panel"), sansFont(8.25), QColor(255, 0, 0));
  notice->setObjectName(QStringLiteral("Label2"));
  notice->setAccessibleDescription(tr("How to reach the controls."));

  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &SplashWindow::checkClock);
}

void SplashWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (waiting_) return;
  waiting_ = true;
  clock_.start();
  // The first look at the clock waits for the event loop: with no time to wait, the window
  // would otherwise be closed in the middle of being shown, and the window system would show
  // it all the same, for good.
  timer_.start(0);
}

// A timer may fire a little early; the clock decides, and the rest is waited for again.
void SplashWindow::checkClock() {
  const qint64 remaining = qint64(std::ceil(seconds_ * 1000)) - clock_.elapsed();
  if (remaining > 0) {
    timer_.start(int(remaining));
    return;
  }
  emit finished();
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.drawPixmap(0, 0, picture_);
}

QPixmap SplashWindow::makePicture() {
  QPixmap picture(200, 150);
  picture.fill(Qt::black);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(100, 75);
  // A looping curve drawn with its eight mirror images, the colour cycling along it.
  const auto mirror = [](int k, QPointF q) {
    const QPointF swapped = k >= 4 ? q.transposed() : q;
    const double sx = (k % 4 == 1 || k % 4 == 3) ? -1 : 1;
    const double sy = (k % 4 == 1 || k % 4 == 2) ? -1 : 1;
    return QPointF(sx * swapped.x(), sy * swapped.y());
  };
  QPointF last;
  for (int step = 0; step <= 240; ++step) {
    const double t = step * M_PI / 120;
    const double r = 22 + 46 * std::abs(std::sin(2.5 * t));
    const QPointF p(r * std::cos(t), r * std::sin(t) * std::cos(t));
    if (step > 0) {
      painter.setPen(QPen(QColor::fromHsv((step * 3) % 360, 255, 255), 1.5));
      for (int k = 0; k < 8; ++k) painter.drawLine(mirror(k, last), mirror(k, p));
    }
    last = p;
  }
  return picture;
}

double splashSeconds() {
  bool ok = false;
  const double asked = qEnvironmentVariable("KALYRA_SPLASH_SECONDS").toDouble(&ok);
  if (!ok || !(asked >= 0) || asked > StandardSeconds) return StandardSeconds;
  return asked;
}
