#include "Kalyra.h"

// One level of undo. A snapshot is taken on every pen-down, so it reuses the one buffer of the
// canvas's size instead of allocating a fresh picture each time, and it never shares its data
// with the canvas: the first move after it would otherwise copy the whole canvas again.
// Each snapshot also closes the history's open step and opens the next: the snapshot holds what
// the new step's tiles were before it.
void Kalyra::TakeUndoSnapshot() {
  history.endStep(Canvas, Undo);
  Canvas.copyImageTo(Undo);
  history.beginStep(Canvas);
}

// A change made at once (a fill, the frame, a picture loaded, a new canvas colour) is a step of
// its own as soon as it is made, unless a stroke goes on around it: one that changed no pixel is
// dropped there and then, so the picture still counts as saved.
void Kalyra::endChange() {
  if (PenUp) history.endStep(Canvas, Undo);
}

// The snapshot becomes the canvas's background picture and everything drawn since is gone.
// The canvas gets its own copy, so the snapshot buffer stays unshared and the next snapshot
// can still be written in place; the snapshot itself is kept, so a second restore puts back the
// same picture. Before any snapshot there is nothing to go back to, and the canvas stays as it
// is: a picture opened at start would otherwise be wiped.
void Kalyra::RestoreUndoSnapshot() {
  liftPen();
  if (Undo.isNull()) return;
  history.restoreSnapshot(Canvas, Undo);
}

void Kalyra::UndoStep() {
  liftPen();
  history.undo(Canvas);
}

void Kalyra::RedoStep() {
  liftPen();
  history.redo(Canvas);
}
