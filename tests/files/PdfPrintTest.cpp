#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "Kalyra.h"
#include "files/PrintLayout.h"
#include "platform/QtPlatform.h"

// The real printer path: the program prints through Qt's printer into a PDF file, which
// pdftoppm turns back into pixels at 50 dots an inch, where the picture must be where the
// layout put it.

namespace {

constexpr int Dpi = 50;

// The page, or a null image when pdftoppm is missing or fails.
QImage renderPage(const QString& pdf, int page) {
  const QString number = QString::number(page), png = pdf + "-page" + number;
  QProcess pdftoppm;
  pdftoppm.start("pdftoppm", {"-r", QString::number(Dpi), "-f", number, "-l", number, "-singlefile",
                              "-png", pdf, png});
  if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0) return {};
  return QImage(png + ".png");
}

}  // namespace

// Portrait with a calibration and two copies; landscape without a calibration, filling the
// printable area. Each copy's page shows the whole picture, which is all ink on a black canvas,
// at the place the layout gives from the printable area's corner, within a pixel and a half.
TEST(PdfPrint, EachCopysPageShowsThePictureWhereTheLayoutPutsIt) {
  QTemporaryDir dir;
  QtPlatform platform;
  Surface canvas{{1024, 768}};
  Kalyra k{canvas, platform};
  k.Form_Load();
  k.ProgramDir = dir.path();
  canvas.setBackColor(Black);
  const QSize himetric = himetricSize(canvas.pixelSize(), platform.logicalDpi());
  QFile ini(dir.filePath("printer.ini"));
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly) &&
              ini.write("[Parms]\nPaper_Width=8\nPaper_Height=10\nPrinted_Width=4\n"
                        "Printed_Height=5\nWidth_Offset=0.5\nHeight_Offset=1\n") > 0 &&
              ini.flush());
  const double h = 4.0 * himetric.height() / himetric.width();
  for (const bool landscape : {false, true}) {
    const int copies = landscape ? 1 : 2;
    const QString pdf = dir.filePath(landscape ? "landscape.pdf" : "portrait.pdf");
    platform.setPdfOutput(QtPlatform::PdfOutput{pdf, landscape, copies});
    const auto setup = platform.choosePrinter();  // the page it will print on
    ASSERT_TRUE(setup);
    const QRectF want = (landscape ? placePicture(himetric, withPrinterSizes({}, *setup), true)
                                   : QRectF((8 - 4) / 2.0 - 0.5, (10 - h) / 2 - 1, 4, h))
                            .translated(setup->printable.topLeft());
    ASSERT_EQ(k.CmdPrint_Click(), std::nullopt);
    const QImage page = renderPage(pdf, 1);
    if (page.isNull()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not available";
    QRect ink;  // every pixel that is not near white
    for (int y = 0; y < page.height(); ++y)
      for (int x = 0; x < page.width(); ++x)
        if (qGray(page.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    const double got[] = {double(ink.left()), double(ink.top()), ink.right() + 1.0,
                          ink.bottom() + 1.0},
                 expected[] = {want.left(), want.top(), want.right(), want.bottom()};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], expected[i] * Dpi, 1.5) << landscape << i;
    EXPECT_TRUE(renderPage(pdf, copies) == page && renderPage(pdf, copies + 1).isNull());
    ini.remove();
  }
}

// The machine's other answers through the real platform: random numbers spread over [0, 1); a
// colour dialog accepted or cancelled; the save dialog's proposed file, with the extension of the
// filter chosen in it, and that filter; the question to restore, answered with its default; the
// PDF output asked for in the environment.
TEST(QtPlatformAnswers, RandomsAndTheDialogs) {
  QtPlatform platform;
  platform.seedRandomFromClock();
  float low = 1, high = 0;
  for (int i = 0; i < 5000; ++i) {
    const float r = platform.randomSingle();
    low = std::min(low, r), high = std::max(high, r);
  }
  EXPECT_TRUE(low >= 0 && low < 0.01f && high < 1 && high > 0.99f) << low << " " << high;
  QTemporaryDir dir;
  bool asksBeforeReplacing = false;
  for (int i = 0; i < 4; ++i) {  // colour accepted, cancelled; the file proposed; restore
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* files = qobject_cast<QFileDialog*>(modal))
        asksBeforeReplacing = !files->testOption(QFileDialog::DontConfirmOverwrite);
      if (auto* box = qobject_cast<QMessageBox*>(modal)) return box->defaultButton()->click();
      // The PNG filter chosen as a user does, in the dialog's list of file types.
      if (auto* types = modal ? modal->findChild<QComboBox*>("fileTypeCombo") : nullptr)
        types->setCurrentIndex(1), emit types->activated(1),
            emit types->textActivated("PNG (*.png)");
      if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->done(i == 1 ? QDialog::Rejected : QDialog::Accepted);
    });
    answer.start(50);
    if (i < 2) {
      EXPECT_EQ(platform.chooseColour(packColour(10, 20, 30)),
                i == 0 ? std::optional<Colour>(packColour(10, 20, 30)) : std::nullopt);
    } else if (i == 2) {
      const auto chosen = platform.chooseSaveFile(
          {"Save", "Bitmap (*.bmp);;PNG (*.png)", dir.path(), dir.filePath("a"), {"bmp", "png"}});
      EXPECT_TRUE(chosen && chosen->name == dir.filePath("a.png") && chosen->filter == 1 &&
                  asksBeforeReplacing)
          << chosen->name.toStdString() << chosen->filter;
    } else {
      EXPECT_TRUE(platform.askRestore(QImage(8, 8, QImage::Format_RGB32)));
    }
  }
  qputenv("KALYRA_PRINT_PDF", "x.pdf"), qputenv("KALYRA_PRINT_LANDSCAPE", "1");
  EXPECT_TRUE(QtPlatform().choosePrinter()->landscape);
  qunsetenv("KALYRA_PRINT_PDF"), qunsetenv("KALYRA_PRINT_LANDSCAPE");
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
