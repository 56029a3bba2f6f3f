#include "history/Recovery.h"

#include <QFile>

#include "history/Autosaver.h"

bool recoverAtStart(Surface& canvas, Platform& platform, const QString& autosave,
                    bool withoutAsking) {
  if (!QFile::exists(autosave)) return false;
  // A file that can't be read is left as it is: the next autosave replaces it.
  const auto picture = Autosaver::read(autosave);
  if (!picture) return false;
  if (!withoutAsking && !platform.askRestore(picture->pixels)) {
    QFile::remove(autosave);
    return false;
  }
  // The whole canvas comes back as its background picture, over the colour it had.
  canvas.setBackColor(picture->backColor);
  canvas.setPicture(picture->pixels);
  return true;
}
