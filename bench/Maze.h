#pragma once

#include <QImage>
#include <random>
#include <vector>

// Fills `image` with a maze of one-pixel corridors between one-pixel walls: a corridor pixel at
// every odd (x, y) and one opening between neighbouring ones, so every corridor is reachable
// from (1, 1) and rows hold only short runs, the hard case for a flood fill.
inline void drawMaze(QImage& image, QRgb wall, QRgb corridor, unsigned seed) {
  image.fill(wall);
  const int wide = (image.width() - 1) / 2, high = (image.height() - 1) / 2;
  if (wide < 1 || high < 1) return;
  std::vector<bool> seen(std::size_t(wide) * high);
  std::mt19937 random(seed);
  std::vector<QPoint> path{{0, 0}};
  seen[0] = true;
  image.setPixel(1, 1, corridor);
  while (!path.empty()) {
    const QPoint c = path.back();
    QPoint next[4];
    int count = 0;
    for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
      const QPoint n = c + d;
      if (n.x() >= 0 && n.y() >= 0 && n.x() < wide && n.y() < high && !seen[n.y() * wide + n.x()])
        next[count++] = n;
    }
    if (count == 0) {
      path.pop_back();
      continue;
    }
    const QPoint n = next[random() % count];
    seen[n.y() * wide + n.x()] = true;
    image.setPixel(c.x() + n.x() + 1, c.y() + n.y() + 1, corridor);
    image.setPixel(2 * n.x() + 1, 2 * n.y() + 1, corridor);
    path.push_back(n);
  }
}
