#pragma once

#include <QString>
#include <optional>

#include "canvas/Surface.h"
#include "history/Autosaver.h"
#include "platform/Platform.h"

// At start, before the canvas shows: the picture that an earlier run left in `autosave`, read
// as `left`, comes back onto the canvas, without asking when `withoutAsking`, otherwise when the
// user wants it; a picture the user turns down is removed. Gives whether the canvas was
// restored.
bool recoverAtStart(Surface& canvas, Platform& platform,
                    const std::optional<Autosaver::Picture>& left, const QString& autosave,
                    bool withoutAsking);
