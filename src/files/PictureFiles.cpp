#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <variant>

#include "Kalyra.h"
#include "files/PictureFile.h"

namespace {

// The translation context of the texts this file shows.
struct PictureFilesText {
  Q_DECLARE_TR_FUNCTIONS(PictureFiles)
};

// Bitmaps first: they stay what the dialogs choose unless the user picks PNG.
FileDialogRequest pictureDialog(const QString& title, const QString& directory,
                                const QString& proposedName) {
  return {title,
          PictureFilesText::tr("Bitmap Files (*.bmp)") + QStringLiteral(";;") +
              PictureFilesText::tr("PNG Files (*.png)"),
          directory, proposedName};
}

// A file's name as the user sees it in a message.
QString shown(const QString& path) {
  return QDir::toNativeSeparators(path);
}

// The next dialog opens in the folder used last; ProgramDir stays where it was.
void moveToFolderOf(Platform& platform, const QString& file) {
  platform.setCurrentDirectory(QFileInfo(file).absolutePath());
}

// The picture laid over the canvas colour, or the notice that tells why it can't be read; the
// canvas is not touched yet.
std::variant<QImage, Notice> readBackground(const QString& path, Colour canvas) {
  PictureRead read = readPicture(path);
  if (!read.picture)
    return Notice{PictureFilesText::tr("Load Picture"),
                  PictureFilesText::tr("Kalyra! could not read the picture file “%1”: %2.")
                      .arg(shown(path), read.whyNot)};
  return overColour(std::move(*read.picture), canvas);
}

}  // namespace

// Both commands end with the canvas's focus, whatever happened, except when the dialog was
// confirmed without a file name: then they do nothing more at all.
std::optional<Notice> Kalyra::cmdOpen_Click() {
  liftPen();
  const QString directory = platform.currentDirectory();
  const auto chosen = platform.chooseOpenFile(
      pictureDialog(PictureFilesText::tr("Open"), directory, PictureFileName));
  if (chosen && chosen->isEmpty()) return std::nullopt;
  std::optional<Notice> notice;
  if (chosen) {
    PictureFileName = QDir(directory).absoluteFilePath(*chosen);
    moveToFolderOf(platform, PictureFileName);
    auto read = readBackground(PictureFileName, Canvas.BackColor());
    if (auto* picture = std::get_if<QImage>(&read)) {
      // Loading replaces the whole drawing, so it can be taken back like any other change.
      TakeUndoSnapshot();
      Canvas.setPicture(std::move(*picture));
      endChange();
    } else {
      notice = std::get<Notice>(read);
    }
  }
  requestCanvasFocus();
  return notice;
}

std::optional<Notice> Kalyra::CmdSave_Click() {
  liftPen();
  const QString directory = platform.currentDirectory();
  FileDialogRequest request =
      pictureDialog(PictureFilesText::tr("Save"), directory, PictureFileName);
  request.suffixes = {extensionOf(0), extensionOf(1)};
  const auto chosen = platform.chooseSaveFile(request);
  if (chosen && chosen->name.isEmpty()) return std::nullopt;
  std::optional<Notice> notice;
  if (chosen) {
    PictureFileName = nameForSaving(QDir(directory).absoluteFilePath(chosen->name), chosen->filter);
    moveToFolderOf(platform, PictureFileName);
    const PictureFormat format = formatFor(PictureFileName, chosen->filter);
    if (auto whyNot = writePictureFile(PictureFileName, Canvas.Image(), format))
      notice = Notice{PictureFilesText::tr("Save Picture"),
                      PictureFilesText::tr("Kalyra! could not save the picture to “%1”: %2.")
                          .arg(shown(PictureFileName), *whyNot)};
    else
      history.markSaved(Canvas);
  }
  requestCanvasFocus();
  return notice;
}

// The file named on the command line counts as chosen in the open dialog, so that Save
// proposes it. It is where the drawing starts, not a change to take back, and as it is on the
// disk already it is not offered back after a crash unless it was drawn on.
std::optional<Notice> Kalyra::openPictureAtStart(const QString& path) {
  PictureFileName = QDir(platform.currentDirectory()).absoluteFilePath(path);
  auto read = readBackground(PictureFileName, Canvas.BackColor());
  if (auto* notice = std::get_if<Notice>(&read)) return *notice;
  Canvas.setPicture(std::move(std::get<QImage>(read)));
  history.markSaved(Canvas);
  return std::nullopt;
}
