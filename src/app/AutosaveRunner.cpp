#include "app/AutosaveRunner.h"

#include <QLabel>
#include <algorithm>

namespace {

// While behind, a tick comes often enough to copy a whole-canvas change of the largest screens
// within a second or two, each one still short.
constexpr int QuietInterval = 100;  // milliseconds
constexpr int BehindInterval = 3;

}  // namespace

AutosaveRunner::AutosaveRunner(const QString& file, const Surface& canvas, const History& history,
                               QWidget* window)
    : canvas_(canvas), history_(history), autosaver_(file) {
  start(window);
}

AutosaveRunner::AutosaveRunner(AutosavePlace& place, const Surface& canvas, const History& history,
                               QWidget* window)
    : canvas_(canvas), history_(history), autosaver_(place, Autosaver::Timing{}) {
  start(window);
}

void AutosaveRunner::start(QWidget* window) {
  notice_ = new QLabel(window);
  notice_->setObjectName(QStringLiteral("autosaveNotice"));
  notice_->setAttribute(Qt::WA_TransparentForMouseEvents);
  notice_->setFocusPolicy(Qt::NoFocus);
  notice_->setWordWrap(true);
  notice_->setStyleSheet(
      QStringLiteral("background: #fff8c0; color: black; border: 1px solid #a08000; "
                     "padding: 4px;"));
  notice_->hide();
  clock_.start();
  connect(&timer_, &QTimer::timeout, this, &AutosaveRunner::tick);
  timer_.start(QuietInterval);
}

AutosaveRunner::~AutosaveRunner() = default;

void AutosaveRunner::finish() {
  timer_.stop();
  autosaver_.finish(canvas_, history_.isSaved(canvas_));
}

void AutosaveRunner::tick() {
  const auto failure = autosaver_.tick(canvas_, history_.isSaved(canvas_), clock_.elapsed() / 1e3);
  const int interval = autosaver_.behind() ? BehindInterval : QuietInterval;
  if (timer_.interval() != interval) timer_.setInterval(interval);
  if (!failure) return;
  tell(tr("Kalyra! could not keep a copy of your picture (%1); it will try again. "
          "Save Picture still works elsewhere.")
           .arg(*failure));
}

void AutosaveRunner::tell(const QString& text) {
  const QWidget* window = notice_->parentWidget();
  notice_->setText(text);
  // One line when it fits, otherwise lines no wider than the window allows.
  notice_->setWordWrap(false);
  notice_->setMinimumSize(0, 0);
  notice_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  const int width = std::min(notice_->sizeHint().width(), std::max(window->width() - 32, 80));
  notice_->setWordWrap(true);
  notice_->setFixedSize(width, notice_->heightForWidth(width));
  notice_->move((window->width() - notice_->width()) / 2, window->height() - notice_->height() - 8);
  notice_->raise();
  notice_->show();
  QTimer::singleShot(8000, notice_, &QWidget::hide);
}
