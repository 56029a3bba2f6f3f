#pragma once

#include <QElapsedTimer>
#include <memory>
#include <random>

#include "platform/Platform.h"

class QPrinter;
class QWidget;

// The machine as Qt shows it: the primary screen, Qt's dialogs, the process's directory, the
// printer.
//
// Printing can go to a PDF file instead of a printer, without the print dialog, so that tests
// and unattended runs can check the printed page: setPdfOutput(), or in the environment
// KALYRA_PRINT_PDF=<file> (read when the platform is made), optionally with
// KALYRA_PRINT_LANDSCAPE=1. The page is the printer's default paper with its default margins.
class QtPlatform : public Platform {
 public:
  struct PdfOutput {
    QString file;
    bool landscape = false;
    int copies = 1;
  };

  // Dialogs open over `parent` (the main window), which may be set later.
  explicit QtPlatform(QWidget* parent = nullptr);
  ~QtPlatform() override;
  void setDialogParent(QWidget* parent) { parent_ = parent; }

  QSize screenPixelSize() override;
  int displayColourDepth() override;
  double clockSeconds() override;
  void seedRandomFromClock() override;
  float randomSingle() override;
  QString currentDirectory() override;
  void setCurrentDirectory(const QString& path) override;
  std::optional<Colour> chooseColour(Colour initial) override;
  std::optional<QString> chooseOpenFile(const FileDialogRequest& request) override;
  std::optional<FileChoice> chooseSaveFile(const FileDialogRequest& request) override;
  bool askRestore(const QImage& picture) override;
  double logicalDpi() override;
  std::optional<PrintSetup> choosePrinter() override;
  std::optional<QString> printImage(const QImage& picture, const QRectF& inches,
                                    const PrintSetup& setup) override;

  void setPdfOutput(std::optional<PdfOutput> output) { pdfOutput_ = std::move(output); }

 private:
  QPrinter& printer();

  QWidget* parent_;
  // One printer for the life of the program, so the dialog keeps the last choices.
  std::unique_ptr<QPrinter> printer_;
  std::optional<PdfOutput> pdfOutput_;
  QElapsedTimer clock_;
  std::mt19937 random_;
};
