#include "app/AutosaveRunner.h"

#include <QLabel>

AutosaveRunner::AutosaveRunner(const QString& file, const Surface& canvas, const History& history,
                               QWidget* window)
    : canvas_(canvas), history_(history), autosaver_(file), notice_(new QLabel(window)) {
  notice_->setObjectName(QStringLiteral("autosaveNotice"));
  notice_->setAttribute(Qt::WA_TransparentForMouseEvents);
  notice_->setFocusPolicy(Qt::NoFocus);
  notice_->setStyleSheet(
      QStringLiteral("background: #fff8c0; color: black; border: 1px solid #a08000; "
                     "padding: 4px;"));
  notice_->hide();
  clock_.start();
  connect(&timer_, &QTimer::timeout, this, &AutosaveRunner::tick);
  timer_.start(100);
}

AutosaveRunner::~AutosaveRunner() = default;

void AutosaveRunner::finish() {
  timer_.stop();
  autosaver_.finish(canvas_, history_.isSaved(canvas_));
}

void AutosaveRunner::tick() {
  const auto failure = autosaver_.tick(canvas_, history_.isSaved(canvas_), clock_.elapsed() / 1e3);
  if (!failure) return;
  notice_->setText(tr("Kalyra! could not keep a copy of your picture (%1); it will try again. "
                      "Save Picture still works elsewhere.")
                       .arg(*failure));
  notice_->adjustSize();
  const QWidget* window = notice_->parentWidget();
  notice_->move((window->width() - notice_->width()) / 2, window->height() - notice_->height() - 8);
  notice_->raise();
  notice_->show();
  QTimer::singleShot(8000, notice_, &QWidget::hide);
}
