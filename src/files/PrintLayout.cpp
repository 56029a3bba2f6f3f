#include "files/PrintLayout.h"

#include <cmath>

#include "canvas/Numbers.h"
#include "files/IniReader.h"

namespace {

double inches(QByteArrayView text, const char* key) {
  const double value = leadingNumber(iniValue(text, u"Parms", QString::fromLatin1(key)));
  return std::abs(value) > MaxCalibrationInches ? 0 : value;
}

// Shrinks (w, h) with its proportions so that w is at most `limit`.
void shrinkTo(double limit, double& w, double& h) {
  if (limit <= 0 || !(w > limit)) return;
  const double r = w / limit;
  w = limit;
  h = h / r;
}

}  // namespace

Calibration readCalibration(QByteArrayView iniText) {
  Calibration c;
  c.paperHeight = inches(iniText, "Paper_Height");
  c.paperWidth = inches(iniText, "Paper_Width");
  c.printedHeight = inches(iniText, "Printed_Height");
  c.printedWidth = inches(iniText, "Printed_Width");
  c.heightOffset = inches(iniText, "Height_Offset");
  c.widthOffset = inches(iniText, "Width_Offset");
  return c;
}

Calibration withPrinterSizes(Calibration c, const PrintSetup& setup) {
  // The calibration describes the sheet in portrait.
  const QSizeF printable =
      setup.landscape ? setup.printable.size().transposed() : setup.printable.size();
  if (!(c.paperWidth > 0)) c.paperWidth = printable.width();
  if (!(c.paperHeight > 0)) c.paperHeight = printable.height();
  if (!(c.printedWidth > 0)) c.printedWidth = printable.width();
  if (!(c.printedHeight > 0)) c.printedHeight = printable.height();
  return c;
}

QSize himetricSize(QSize pixels, double dpi) {
  if (!(dpi > 0) || !std::isfinite(dpi)) dpi = 96;
  return {toInt32(pixels.width() * 2540.0 / dpi), toInt32(pixels.height() * 2540.0 / dpi)};
}

QRectF placePicture(QSize himetric, const Calibration& c, bool landscape) {
  double w = himetric.width() / 1440.0;
  double h = himetric.height() / 1440.0;
  double x = 0;
  double y = 0;
  if (!landscape) {
    shrinkTo(c.printedWidth, w, h);
    shrinkTo(c.printedHeight, h, w);
    x = (c.paperWidth - w) / 2 - c.widthOffset;
    y = (c.paperHeight - h) / 2 - c.heightOffset;
  } else {
    shrinkTo(c.printedHeight, w, h);
    shrinkTo(c.printedWidth, h, w);
    x = (c.paperHeight - w) / 2 - c.heightOffset;
    y = (c.paperWidth - h) / 2 - c.widthOffset;
  }
  return {double(float(x)), double(float(y)), w, h};
}
