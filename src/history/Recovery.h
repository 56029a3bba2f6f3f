#pragma once

#include <QString>

#include "canvas/Surface.h"
#include "platform/Platform.h"

// At start, before the canvas shows: the picture that an earlier run left in `autosave` comes
// back onto the canvas, without asking when `withoutAsking`, otherwise when the user wants it;
// a picture the user turns down is removed. Gives whether the canvas was restored.
bool recoverAtStart(Surface& canvas, Platform& platform, const QString& autosave,
                    bool withoutAsking);
