#pragma once

#include <optional>

class QKeyEvent;

// The character code the canvas's key handler sees for a key press (8 Backspace, 11 Ctrl+K,
// 27 Esc, 32 space, 47 "/", 83 "S", 115 "s", ...), taken from what the key types rather than
// where it sits, so that it works with every keyboard layout. Keys that type nothing (arrows,
// function keys, a modifier alone) give none, and so do Ctrl with a key other than a letter
// and Alt combinations, which belong to the buttons' mnemonics.
std::optional<int> keyAsciiFor(const QKeyEvent& event);
