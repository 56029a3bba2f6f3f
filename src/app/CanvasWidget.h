#pragma once

#include <QImage>
#include <QWidget>
#include <optional>
#include <vector>

#include "symmetry/Pattern.h"

class QPainter;
class Surface;

// The drawing area on screen. It shows the surface's picture pixel for pixel in the screen's
// device pixels and turns pointer and key events into the program's terms: canvas units,
// button codes and character codes. It decides nothing itself.
class CanvasWidget : public QWidget {
  Q_OBJECT

 public:
  CanvasWidget(const Surface& surface, QWidget* parent);

  // Schedules the repaint of the picture's pixels in `pixels` (device pixels).
  void showChanged(const QRegion& pixels);
  // Faint lines from `centre` (a pixel of the picture) in the directions `angles`, or a
  // pattern's cells, mirrors, glides and centres of turns about `centre`, drawn over the picture
  // on screen only; no angles and no pattern, no guides.
  struct Guides {
    QPoint centre;
    std::vector<double> angles;
    std::optional<Pattern> pattern;
    bool operator==(const Guides&) const = default;
  };
  void showGuides(const Guides& guides);
  // The canvas point under a position in this widget's coordinates.
  QPointF toUnits(QPointF position) const;

 signals:
  void mouseMoved(int button, int shift, QPointF units);
  void mousePressed(int button, int shift, QPointF units);
  void keyTyped(int keyAscii);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void paintGuides(QPainter& painter, const QRect& shown) const;
  void drawMirrorGuides(QPainter& painter) const;
  void drawPatternGuides(QPainter& painter) const;

  const Surface& surface_;
  Guides guides_;
  // The guides over the whole widget in device pixels, drawn once for each set of guides and
  // size of the widget; null until needed.
  mutable QImage guideOverlay_;
};
