#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "platform/Platform.h"

// Answers the program's questions to the machine from values the test sets.
class FakePlatform : public Platform {
 public:
  QSize screen{1024, 768};
  int depth = 32;
  double clock = 0;
  std::deque<float> randoms;  // handed out in order; 0 when none are left
  QString directory = QStringLiteral("/home/user/pictures");
  std::deque<std::optional<Colour>> colourAnswers;  // nullopt: the dialog is cancelled
  std::optional<Colour> lastColourOffered;
  int seeds = 0;

  // File dialogs: answers handed out in order (nullopt: cancelled; none left: cancelled), and
  // every request seen.
  std::deque<std::optional<QString>> openAnswers;
  std::deque<std::optional<QString>> saveAnswers;
  std::vector<FileDialogRequest> openRequests;
  std::vector<FileDialogRequest> saveRequests;

  double dpi = 96;

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
  double clockSeconds() override { return clock; }
  void seedRandomFromClock() override { ++seeds; }
  float randomSingle() override {
    if (randoms.empty()) return 0;
    const float r = randoms.front();
    randoms.pop_front();
    return r;
  }
  QString currentDirectory() override { return directory; }
  void setCurrentDirectory(const QString& path) override { directory = path; }
  std::optional<Colour> chooseColour(Colour initial) override {
    lastColourOffered = initial;
    if (colourAnswers.empty()) return std::nullopt;
    const auto answer = colourAnswers.front();
    colourAnswers.pop_front();
    return answer;
  }
  std::optional<QString> chooseOpenFile(const FileDialogRequest& request) override {
    openRequests.push_back(request);
    return nextAnswer(openAnswers);
  }
  std::optional<QString> chooseSaveFile(const FileDialogRequest& request) override {
    saveRequests.push_back(request);
    return nextAnswer(saveAnswers);
  }
  double logicalDpi() override { return dpi; }
  std::optional<PrintSetup> choosePrinter() override {
    ++printDialogs;
    return printAnswer;
  }
  std::optional<QString> printImage(const QImage& picture, const QRectF& inches,
                                    const PrintSetup& setup) override {
    if (printFailure) return printFailure;
    printed.push_back({picture, inches, setup});
    return std::nullopt;
  }

 private:
  static std::optional<QString> nextAnswer(std::deque<std::optional<QString>>& answers) {
    std::optional<QString> answer;
    if (!answers.empty()) {
      answer = std::move(answers.front());
      answers.pop_front();
    }
    return answer;
  }
};
