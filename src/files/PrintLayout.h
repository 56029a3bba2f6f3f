#pragma once

#include <QByteArrayView>
#include <QRectF>
#include <QSize>

#include "platform/Platform.h"

// Where the canvas's picture lands on the printed page. All lengths are in inches.

// The calibration of `printer.ini`, section "Parms": the sheet and the greatest printed picture
// as they lie in portrait, and the top and left unprintable margins.
struct Calibration {
  double paperHeight = 0;
  double paperWidth = 0;
  double printedHeight = 0;
  double printedWidth = 0;
  double heightOffset = 0;
  double widthOffset = 0;
};

// A length beyond this, a typing slip in the file, counts as 0 like a missing one; it would
// only put the picture out of sight or make it vanish.
inline constexpr double MaxCalibrationInches = 1000;

Calibration readCalibration(QByteArrayView iniText);

// Without a usable calibration the printer's printable area stands in for a printed size that
// is not above 0 and for a paper size that is not above 0. Centring on the printable area
// rather than on the sheet keeps the picture off the unprintable margins whatever they are; the
// offsets, which correct a centring on the sheet, stay as the file gives them.
Calibration withPrinterSizes(Calibration calibration, const PrintSetup& setup);

// A picture's size in HIMETRIC units (hundredths of a millimetre), from its pixels and the
// screen's dots per inch.
QSize himetricSize(QSize pixels, double dpi);

// The picture, W × H = its HIMETRIC size ÷ 1440, shrunk with its proportions until it fits
// the printed size (in landscape the printed height limits the width and the printed width the
// height), then centred on the sheet less the offsets. The rectangle is measured from the
// top-left corner of the printable area; its position is rounded to single precision. A
// printed size not above 0 sets no limit.
QRectF placePicture(QSize himetric, const Calibration& calibration, bool landscape);
