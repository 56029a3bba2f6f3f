#pragma once

#include <QRect>
#include <QRegion>
#include <vector>

// The union of rectangles as a region, built in one sweep from the top. QRegion's own union
// rebuilds its bands for every rectangle added, which for the scattered copies of a stroke costs
// nearly as much as drawing them. The rectangles may overlap, abut or be empty; they are
// reordered.
QRegion unionOf(std::vector<QRect>& rects);
