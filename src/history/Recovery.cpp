#include "history/Recovery.h"

#include <QFile>

bool recoverAtStart(Surface& canvas, Platform& platform,
                    const std::optional<Autosaver::Picture>& left, const QString& autosave,
                    bool withoutAsking) {
  if (!left) return false;
  if (!withoutAsking && !platform.askRestore(left->pixels)) {
    QFile::remove(autosave);
    return false;
  }
  // The whole canvas comes back as its background picture, over the colour it had.
  canvas.setBackColor(left->backColor);
  canvas.setPicture(left->pixels);
  return true;
}
