#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "Kalyra.h"
#include "files/PictureFile.h"

namespace {

// The translation context of the texts this file shows.
struct PictureFilesText {
  Q_DECLARE_TR_FUNCTIONS(PictureFiles)
};

FileDialogRequest bitmapDialog(const QString& title, const QString& directory,
                               const QString& proposedName) {
  return {title, PictureFilesText::tr("Bitmap Files (*.bmp)"), directory, proposedName};
}

// A file's name as the user sees it in a message.
QString shown(const QString& path) {
  return QDir::toNativeSeparators(path);
}

// The next dialog opens in the folder used last; ProgramDir stays where it was.
void moveToFolderOf(Platform& platform, const QString& file) {
  platform.setCurrentDirectory(QFileInfo(file).absolutePath());
}

// A picture that can't be read leaves the canvas as it was.
std::optional<Notice> loadBackground(Surface& canvas, const QString& path) {
  PictureRead read = readPicture(path);
  if (!read.picture)
    return Notice{PictureFilesText::tr("Load Picture"),
                  PictureFilesText::tr("Kalyra! could not read the picture file “%1”: %2.")
                      .arg(shown(path), read.whyNot)};
  canvas.setPicture(std::move(read.picture));
  return std::nullopt;
}

}  // namespace

// Both commands end with the canvas's focus, whatever happened, except when the dialog was
// confirmed without a file name: then they do nothing more at all.
std::optional<Notice> Kalyra::cmdOpen_Click() {
  liftPen();
  const QString directory = platform.currentDirectory();
  const auto chosen = platform.chooseOpenFile(
      bitmapDialog(PictureFilesText::tr("Open"), directory, PictureFileName));
  if (chosen && chosen->isEmpty()) return std::nullopt;
  std::optional<Notice> notice;
  if (chosen) {
    PictureFileName = QDir(directory).absoluteFilePath(*chosen);
    moveToFolderOf(platform, PictureFileName);
    notice = loadBackground(Canvas, PictureFileName);
  }
  requestCanvasFocus();
  return notice;
}

std::optional<Notice> Kalyra::CmdSave_Click() {
  liftPen();
  const QString directory = platform.currentDirectory();
  const auto chosen = platform.chooseSaveFile(
      bitmapDialog(PictureFilesText::tr("Save"), directory, PictureFileName));
  if (chosen && chosen->isEmpty()) return std::nullopt;
  std::optional<Notice> notice;
  if (chosen) {
    PictureFileName = QDir(directory).absoluteFilePath(*chosen);
    moveToFolderOf(platform, PictureFileName);
    if (auto whyNot = writeBitmapFile(PictureFileName, Canvas.Image()))
      notice = Notice{PictureFilesText::tr("Save Picture"),
                      PictureFilesText::tr("Kalyra! could not save the picture to “%1”: %2.")
                          .arg(shown(PictureFileName), *whyNot)};
  }
  requestCanvasFocus();
  return notice;
}

// The file named on the command line counts as chosen in the open dialog, so that Save
// proposes it.
std::optional<Notice> Kalyra::openPictureAtStart(const QString& path) {
  PictureFileName = QDir(platform.currentDirectory()).absoluteFilePath(path);
  return loadBackground(Canvas, PictureFileName);
}
