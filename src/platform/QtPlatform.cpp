#include "platform/QtPlatform.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace {

// The translation context of the texts this file shows.
struct QtPlatformText {
  Q_DECLARE_TR_FUNCTIONS(QtPlatform)
};

std::optional<QtPlatform::PdfOutput> pdfOutputFromEnvironment() {
  const QString file = qEnvironmentVariable("KALYRA_PRINT_PDF");
  if (file.isEmpty()) return std::nullopt;
  return QtPlatform::PdfOutput{file, qEnvironmentVariableIntValue("KALYRA_PRINT_LANDSCAPE") == 1};
}

std::optional<FileChoice> runFileDialog(QWidget* parent, const FileDialogRequest& request,
                                        QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, request.title, request.directory, request.filter);
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (!request.proposedName.isEmpty()) dialog.selectFile(request.proposedName);
  // The extension follows the filter, so that the dialog asks before replacing the very file
  // that will be written.
  const QStringList filters = request.filter.split(QStringLiteral(";;"));
  const auto suffixOf = [&](const QString& filter) {
    return request.suffixes.value(filters.indexOf(filter));
  };
  dialog.setDefaultSuffix(suffixOf(dialog.selectedNameFilter()));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&](const QString& chosen) { dialog.setDefaultSuffix(suffixOf(chosen)); });
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const int filter = int(filters.indexOf(dialog.selectedNameFilter()));
  return FileChoice{dialog.selectedFiles().value(0), std::max(filter, 0)};
}

QPageLayout::Orientation orientation(bool landscape) {
  return landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

}  // namespace

QtPlatform::QtPlatform(QWidget* parent) : parent_(parent), pdfOutput_(pdfOutputFromEnvironment()) {
  clock_.start();
}

QtPlatform::~QtPlatform() = default;

// The screen in device pixels: on a scaled screen the canvas has every physical pixel.
QSize QtPlatform::screenPixelSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return screen->size() * screen->devicePixelRatio();
}

int QtPlatform::displayColourDepth() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->depth() : 32;
}

double QtPlatform::clockSeconds() {
  return clock_.nsecsElapsed() / 1e9;
}

void QtPlatform::seedRandomFromClock() {
  random_.seed(std::uint32_t(QDateTime::currentMSecsSinceEpoch()));
}

float QtPlatform::randomSingle() {
  // 24 random bits: every single-precision value in [0, 1) that this yields is exact and below 1.
  return float(random_() >> 8) / float(1 << 24);
}

QString QtPlatform::currentDirectory() {
  return QDir::currentPath();
}

void QtPlatform::setCurrentDirectory(const QString& path) {
  QDir::setCurrent(path);
}

std::optional<Colour> QtPlatform::chooseColour(Colour initial) {
  const QColor chosen = QColorDialog::getColor(QColor::fromRgb(toQRgb(initial)), parent_);
  if (!chosen.isValid()) return std::nullopt;
  return fromQRgb(chosen.rgb());
}

std::optional<QString> QtPlatform::chooseOpenFile(const FileDialogRequest& request) {
  const auto chosen = runFileDialog(parent_, request, QFileDialog::AcceptOpen);
  if (!chosen) return std::nullopt;
  return chosen->name;
}

std::optional<FileChoice> QtPlatform::chooseSaveFile(const FileDialogRequest& request) {
  return runFileDialog(parent_, request, QFileDialog::AcceptSave);
}

bool QtPlatform::askRestore(const QImage& picture) {
  QMessageBox box(
      QMessageBox::Question, QtPlatformText::tr("Kalyra!"),
      QtPlatformText::tr("Kalyra! ended last time before your picture was saved. Bring it back?"),
      QMessageBox::NoButton, parent_);
  box.setIconPixmap(
      QPixmap::fromImage(picture.scaled(240, 160, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  QPushButton* restore = box.addButton(QtPlatformText::tr("&Restore"), QMessageBox::AcceptRole);
  box.addButton(QtPlatformText::tr("&Discard"), QMessageBox::DestructiveRole);
  box.setDefaultButton(restore);
  box.exec();
  return box.clickedButton() == restore;
}

// Canvas pixels are device pixels, so a scaled screen counts its scale in.
double QtPlatform::logicalDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return 96;
  const double dpi = screen->logicalDotsPerInch() * screen->devicePixelRatio();
  return dpi > 0 ? dpi : 96;
}

QPrinter& QtPlatform::printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

std::optional<PrintSetup> QtPlatform::choosePrinter() {
  QPrinter& p = printer();
  if (pdfOutput_) {
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(pdfOutput_->file);
    p.setPageOrientation(orientation(pdfOutput_->landscape));
    p.setCopyCount(pdfOutput_->copies);
  } else {
    QPrintDialog dialog(&p, parent_);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  }
  return PrintSetup{p.copyCount(), p.pageLayout().orientation() == QPageLayout::Landscape,
                    p.paperRect(QPrinter::Inch).size(), p.pageRect(QPrinter::Inch)};
}

// The painter's origin is the top-left corner of the printable area. A printer that can't make
// copies itself (a PDF file) gets each copy as a page of its own.
std::optional<QString> QtPlatform::printImage(const QImage& picture, const QRectF& inches,
                                              const PrintSetup& setup) {
  QPrinter& p = printer();
  p.setCopyCount(std::max(setup.copies, 1));
  p.setPageOrientation(orientation(setup.landscape));
  QPainter painter;
  if (!painter.begin(&p)) return QtPlatformText::tr("the printer could not be started");
  const double dpi = p.resolution();
  const QRectF target(inches.x() * dpi, inches.y() * dpi, inches.width() * dpi,
                      inches.height() * dpi);
  const int pages = p.supportsMultipleCopies() ? 1 : std::clamp(setup.copies, 1, 999);
  for (int page = 0; page < pages; ++page) {
    if (page > 0 && !p.newPage()) break;
    painter.drawImage(target, picture);
  }
  if (!painter.end() || p.printerState() == QPrinter::Error)
    return QtPlatformText::tr("the printer reported an error");
  return std::nullopt;
}
