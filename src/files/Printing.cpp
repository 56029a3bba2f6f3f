#include <QCoreApplication>
#include <QDir>

#include "Kalyra.h"
#include "files/IniReader.h"
#include "files/PrintLayout.h"

namespace {

// The translation context of the texts this file shows.
struct PrintingText {
  Q_DECLARE_TR_FUNCTIONS(Printing)
};

Notice printFailed(const QString& why) {
  return {PrintingText::tr("Print"),
          PrintingText::tr("Kalyra! could not print the picture: %1.").arg(why)};
}

}  // namespace

// The calibration is read afresh before the dialog opens, so an edited printer.ini counts at
// the next print. The picture goes to the printer directly; the clipboard is left alone.
// Printing keeps the focus where it is and leaves the pen and the drawing state as they are.
std::optional<Notice> Kalyra::CmdPrint_Click() {
  const Calibration calibration =
      readCalibration(readIniText(QDir(ProgramDir).filePath(QStringLiteral("printer.ini"))));
  const std::optional<PrintSetup> setup = platform.choosePrinter();
  if (!setup) return std::nullopt;
  const Calibration usable = withPrinterSizes(calibration, *setup);
  if (!(usable.printedWidth > 0 && usable.printedHeight > 0))
    return printFailed(PrintingText::tr("the printer reports no printable area"));
  const QImage& picture = Canvas.Image();
  const QRectF inches =
      placePicture(himetricSize(picture.size(), platform.logicalDpi()), usable, setup->landscape);
  if (const auto whyNot = platform.printImage(picture, inches, *setup)) return printFailed(*whyNot);
  return std::nullopt;
}
