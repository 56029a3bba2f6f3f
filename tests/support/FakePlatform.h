#pragma once

#include <deque>
#include <optional>

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
};
