#include "Kalyra.h"

// One level of undo. A snapshot is taken on every pen-down, so it reuses the one buffer of the
// canvas's size instead of allocating a fresh picture each time, and it never shares its data
// with the canvas: the first move after it would otherwise copy the whole canvas again.
void Kalyra::TakeUndoSnapshot() {
  Canvas.copyImageTo(Undo);
}

// The snapshot becomes the canvas's background picture and everything drawn since is gone.
// The canvas gets its own copy, so the snapshot buffer stays unshared and the next snapshot
// can still be written in place; the snapshot itself is kept, so a second restore puts back the
// same picture. Before any snapshot there is no picture to put back, and the canvas shows only
// its background colour.
void Kalyra::RestoreUndoSnapshot() {
  liftPen();
  if (Undo.isNull()) {
    Canvas.setPicture(std::nullopt);
  } else {
    Canvas.setPicture(Undo.copy());
  }
}
