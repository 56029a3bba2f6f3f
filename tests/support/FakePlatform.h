#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "platform/Platform.h"

// Answers the program's questions to the machine from values the test sets. Dialog answers are
// handed out in order; nullopt, or no answer left, is a cancelled dialog.
class FakePlatform : public Platform {
 public:
  QSize screen{1024, 768};
  int depth = 32;             // of the display's colours
  std::deque<float> randoms;  // handed out in order; 0 when none are left
  QString directory = QStringLiteral("/home/user/pictures");
  std::deque<std::optional<Colour>> colourAnswers;

  // File dialogs: the answers, and every request seen.
  std::deque<std::optional<QString>> openAnswers;
  std::deque<std::optional<FileChoice>> saveAnswers;
  // The answer to the question whether to bring back an autosaved picture, and how often asked.
  bool restoreAnswer = false;
  int restoreQuestions = 0;
  std::vector<FileDialogRequest> openRequests, saveRequests;

  // The print dialog's answer (nullopt: cancelled), a letter sheet by default, and every page
  // printed. `printFailure` makes printing fail with that reason.
  std::optional<PrintSetup> printAnswer = PrintSetup{1, false, {8.5, 11}, {0.25, 0.25, 8.0, 10.5}};
  int printDialogs = 0;
  struct Printed {
    QImage picture;
    QRectF inches;
    PrintSetup setup;
  };
  std::vector<Printed> printed;
  std::optional<QString> printFailure;

  QSize screenPixelSize() override { return screen; }
  int displayColourDepth() override { return depth; }
  double clockSeconds() override { return 0; }
  void seedRandomFromClock() override {}
  float randomSingle() override { return next(randoms); }
  QString currentDirectory() override { return directory; }
  void setCurrentDirectory(const QString& path) override { directory = path; }
  std::optional<Colour> chooseColour(Colour) override { return next(colourAnswers); }
  std::optional<QString> chooseOpenFile(const FileDialogRequest& request) override {
    openRequests.push_back(request);
    return next(openAnswers);
  }
  std::optional<FileChoice> chooseSaveFile(const FileDialogRequest& request) override {
    saveRequests.push_back(request);
    return next(saveAnswers);
  }
  bool askRestore(const QImage&) override {
    ++restoreQuestions;
    return restoreAnswer;
  }
  double logicalDpi() override { return 96; }
  std::optional<PrintSetup> choosePrinter() override {
    ++printDialogs;
    return printAnswer;
  }
  std::optional<QString> printImage(const QImage& picture, const QRectF& inches,
                                    const PrintSetup& setup) override {
    if (!printFailure) printed.push_back({picture, inches, setup});
    return printFailure;
  }

 private:
  // The next value in the queue; a value-initialised one (0, nullopt) when none is left.
  // Assigned rather than copy-initialised: GCC's Release builds otherwise warn that a copied
  // optional<QString> may be used uninitialised.
  template <typename T>
  static T next(std::deque<T>& queue) {
    T value{};
    if (!queue.empty()) {
      value = std::move(queue.front());
      queue.pop_front();
    }
    return value;
  }
};
