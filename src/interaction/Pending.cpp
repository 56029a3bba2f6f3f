// Placeholders until undo, fill, colour commands, frame and picture files land; removed then.
#include "Kalyra.h"

void Kalyra::CmdFill_Click() {}
void Kalyra::FillAtPointer() {}
void Kalyra::FillAt(std::int16_t, std::int16_t) {}
void Kalyra::TakeUndoSnapshot() {}
void Kalyra::RestoreUndoSnapshot() {
  liftPen();
}
void Kalyra::CmdSetForeColor_Click() {}
void Kalyra::CmdSetBackColor_Click() {}
void Kalyra::cmdColorBar_MouseDown(int, int, float, float) {}
double Kalyra::RandomComponent(int, bool) {
  return 0;
}
void Kalyra::CmdFrame_Click() {}

