#include "app/KeyCodes.h"

#include <QKeyEvent>

#include "history/HistoryKeys.h"

std::optional<int> keyAsciiFor(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers & Qt::AltModifier) return std::nullopt;
  const int key = event.key();
  // Ctrl with a letter types the letter's control code (Ctrl+K is 11) on every platform, even
  // where the platform reports the plain letter as the text; Ctrl with anything else types
  // nothing the canvas knows.
  if (modifiers & Qt::ControlModifier) {
    if (key == Qt::Key_Z && (modifiers & Qt::ShiftModifier)) return ShiftedRedoKey;
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key - Qt::Key_A + 1;
    return std::nullopt;
  }
  switch (key) {
    case Qt::Key_Backspace:
      return 8;
    case Qt::Key_Tab:
      return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
    default:
      break;
  }
  // A control character typed without Ctrl reported (Ctrl+K as "\x0b" on some systems) counts
  // like the printable ones.
  const QString text = event.text();
  if (text.isEmpty()) return std::nullopt;
  const QChar c = text.at(0);
  if (!c.isPrint() && c.unicode() >= 32) return std::nullopt;
  return c.unicode();
}
