#pragma once

// Ctrl+Z types 26 and Ctrl+Y 25. Ctrl+Shift+Z types 26 as well, so the window reports it as a
// code of its own, beyond every character.
inline constexpr int UndoKey = 26;
inline constexpr int RedoKey = 25;
inline constexpr int ShiftedRedoKey = 0x10000 + UndoKey;
