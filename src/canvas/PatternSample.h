#pragma once

#include <QImage>

// A small picture of pattern `index`: one sample stroke drawn under it with rainbow copies, on
// a square of `side` pixels with the smallest cell, so that its moves show in their colours.
QImage drawPatternSample(int index, int side);
