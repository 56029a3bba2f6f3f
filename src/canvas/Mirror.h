#pragma once

#include <array>

// The eight symmetries of the square about the canvas centre, in the order the copies are
// drawn: the shape itself, the half turn, the mirrors in the horizontal and vertical axes, the
// mirrors in the two diagonals and the two quarter turns. Mirror mode 0 draws copy 1, mode 1
// copies 1–4, mode 2 all eight. The diagonal copies exchange x and y as they are: canvas units
// have the same length on both axes.
template <typename T>
struct MirrorPoint {
  T x;
  T y;
};

template <typename T>
constexpr MirrorPoint<T> mirrorCopy(int copy, T x, T y) {
  switch (copy) {
    case 0:
      return {x, y};
    case 1:
      return {T(-x), T(-y)};
    case 2:
      return {x, T(-y)};
    case 3:
      return {T(-x), y};
    case 4:
      return {y, x};
    case 5:
      return {T(-y), T(-x)};
    case 6:
      return {y, T(-x)};
    default:
      return {T(-y), x};
  }
}

constexpr int copiesFor(int mirrorMode) {
  switch (mirrorMode) {
    case 0:
      return 1;
    case 1:
      return 4;
    case 2:
      return 8;
    default:
      return 0;
  }
}
