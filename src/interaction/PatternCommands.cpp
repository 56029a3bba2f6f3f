#include <algorithm>
#include <array>

#include "Kalyra.h"

namespace {

// The cell sizes the steps go through, in pixels; each about a quarter bigger than the last.
constexpr std::array CellSizes{24,  32,  40,  48,  64,  80,  96,   128,  160,  192,
                               256, 320, 384, 512, 640, 768, 1024, 1280, 1536, 2048};

}  // namespace

// Choosing a pattern is a tool selection like choosing a spin. Choosing the pattern already
// drawn goes back to the mirror modes, as a second click on Spin does.
void Kalyra::cmdPattern_Click(int i) {
  if (i < 0 || i >= Pattern::Count) return;
  if (symmetry.kind() == Symmetry::Kind::Pattern && symmetry.pattern().index() == i)
    return chooseSymmetry(Symmetry::Kind::Mirror, symmetry.order());
  Pattern pattern = symmetry.pattern();
  pattern.choose(i);
  symmetry.setPattern(pattern);
  chooseSymmetry(Symmetry::Kind::Pattern, symmetry.order());
}

// Steps to the next bigger (steps > 0) or smaller cell size, from 24 pixels to half the
// picture's height.
void Kalyra::cmdCellSize_Click(int steps) {
  Pattern pattern = symmetry.pattern();
  const int most = std::max(CellSizes.front(), Canvas.pixelSize().height() / 2);
  int size = pattern.cellSize();
  for (; steps > 0; --steps) {
    const auto next = std::ranges::upper_bound(CellSizes, size);
    size = next == CellSizes.end() ? size : std::min(*next, most);
  }
  for (; steps < 0; ++steps) {
    const auto next = std::ranges::lower_bound(CellSizes, size);
    size = next == CellSizes.begin() ? size : *(next - 1);
  }
  pattern.setCellSize(std::min(size, most));
  symmetry.setPattern(pattern);
  chooseSymmetry(symmetry.kind(), symmetry.order());
}

// Makes the cell of a free grid taller (steps > 0) or flatter.
void Kalyra::cmdStretch_Click(int steps) {
  Pattern pattern = symmetry.pattern();
  pattern.stretch(steps);
  symmetry.setPattern(pattern);
  chooseSymmetry(symmetry.kind(), symmetry.order());
}

// The pattern keys: ] and [ step to the next or previous pattern (the first press goes to the
// pattern last chosen), P goes back to the mirror modes, . and , make the cell bigger or
// smaller, ' and ; taller or flatter.
void Kalyra::PatternKeyPress(int keyAscii) {
  const bool on = symmetry.kind() == Symmetry::Kind::Pattern;
  const int index = symmetry.pattern().index();
  switch (keyAscii) {
    case ']':
      return cmdPattern_Click(on ? (index + 1) % Pattern::Count : index);
    case '[':
      return cmdPattern_Click(on ? (index + Pattern::Count - 1) % Pattern::Count : index);
    case 'p':
    case 'P':
      return cmdPattern_Click(index);
    case '.':
    case '>':
      return cmdCellSize_Click(1);
    case ',':
    case '<':
      return cmdCellSize_Click(-1);
    case '\'':
    case '"':
      return cmdStretch_Click(1);
    case ';':
    case ':':
      return cmdStretch_Click(-1);
    default:
      return;
  }
}
