#include "app/MainWindow.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>

#include "app/AutosaveRunner.h"
#include "app/CanvasWidget.h"
#include "app/FaceButton.h"
#include "app/Layout.h"
#include "app/PatternChooser.h"
#include "app/SymmetryStrip.h"
#include "history/AutosaveSlot.h"
#include "history/Recovery.h"

MainWindow::MainWindow(Platform& platform, double logicalDpi)
    : surface_(platform.screenPixelSize()), k_(surface_, platform) {
  setObjectName(QStringLiteral("Kalyra"));
  setWindowTitle(tr("Kalyra!"));
  setAccessibleDescription(
      tr("Kalyra! draws on the whole screen; a right click shows or hides the control panel."));
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFocusPolicy(Qt::NoFocus);
  k_.Form_Load();

  canvas_ = new CanvasWidget(surface_, this);
  panel_ = std::make_unique<PanelWidgets>(this, canvas_, logicalDpi);
  strip_ = new SymmetryStrip(canvas_, logicalDpi);
  chooser_ = new PatternChooser(canvas_, logicalDpi);
  // Tab goes on from the panel's last control through the symmetry strip and the
  // pattern chooser.
  QWidget* previous = panel_->Label1;
  for (QWidget* row : {static_cast<QWidget*>(strip_), static_cast<QWidget*>(chooser_)}) {
    for (FaceButton* b : row->findChildren<FaceButton*>(Qt::FindDirectChildrenOnly))
      setTabOrder(previous, b), previous = b;
  }
  connectCanvas();
  connectSelectors();
  connectCommands();
  connectStepBoxes();
  connectSymmetry();
  canvas_->setFocus();
  // A canvas nobody has drawn on yet has nothing to keep.
  k_.history.markSaved(surface_);
  sync();
}

// The window goes first, so the program ends at once for the user while the last changes are
// written.
MainWindow::~MainWindow() {
  if (!autosave_) return;
  hide();
  autosave_->finish();
}

void MainWindow::recoverAndAutosave(AutosaveSlot& slot, bool withoutAsking) {
  recoverAtStart(surface_, k_.platform, slot.takeLeftover(), slot.pictureFile(), withoutAsking);
  autosave_ = std::make_unique<AutosaveRunner>(slot, surface_, k_.history, this);
  if (const auto notice = slot.notice()) autosave_->tell(*notice);
  sync();
}

void MainWindow::showOnScreen(QScreen* screen) {
  const QRect area = screen->geometry();
  setGeometry(area);
  showFullScreen();
  setGeometry(area);
  activateWindow();
}

std::optional<Notice> MainWindow::openPictureAtStart(const QString& path) {
  std::optional<Notice> notice = k_.openPictureAtStart(path);
  sync();
  return notice;
}

void MainWindow::showNotice(const std::optional<Notice>& notice) {
  if (notice) QMessageBox::warning(this, notice->title, notice->text);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  canvas_->setGeometry(rect());
}

void MainWindow::connectCanvas() {
  connect(canvas_, &CanvasWidget::mouseMoved, this, [this](int button, int shift, QPointF at) {
    k_.Canvas_MouseMove(button, shift, float(at.x()), float(at.y()));
    sync();
  });
  connect(canvas_, &CanvasWidget::mousePressed, this, [this](int button, int shift, QPointF at) {
    k_.Canvas_MouseDown(button, shift, float(at.x()), float(at.y()));
    sync();
  });
  connect(canvas_, &CanvasWidget::keyTyped, this, [this](int keyAscii) {
    k_.Canvas_KeyPress(keyAscii);
    sync();
  });
  // Shortcuts of the whole window, so that they also work while a panel control has the keys.
  for (const QKeySequence& key : {QKeySequence(Qt::Key_F10), QKeySequence(Qt::SHIFT | Qt::Key_F10),
                                  QKeySequence(Qt::Key_Menu)}) {
    connect(new QShortcut(key, this), &QShortcut::activated, this, [this] {
      k_.PanelKey_Press();
      sync();
    });
  }
}

void MainWindow::connectSelectors() {
  const auto wire = [this](const auto& buttons, void (Kalyra::*handler)(int)) {
    for (int i = 0; i < int(buttons.size()); ++i) {
      connect(buttons[i], &QAbstractButton::clicked, this, [this, handler, i] {
        (k_.*handler)(i);
        sync();
      });
    }
  };
  wire(panel_->th, &Kalyra::th_Click);
  wire(panel_->sty, &Kalyra::sty_Click);
  wire(panel_->polyg, &Kalyra::polyg_Click);
  wire(panel_->mir, &Kalyra::mir_Click);
  connect(panel_->ScrollSize, &QScrollBar::valueChanged, this, [this](int value) {
    k_.view.ScrollSize = value;
    k_.ScrollSize_Change();
    sync();
  });
}

void MainWindow::connectCommands() {
  const auto wire = [this](FaceButton* button, auto handler) {
    connect(button, &QAbstractButton::clicked, this, [this, handler] {
      handler();
      sync();
    });
  };
  wire(panel_->CmdFill, [this] { k_.CmdFill_Click(); });
  wire(panel_->CmdGradient, [this] { k_.CmdGradient_Click(); });
  wire(panel_->CmdSetForeColor, [this] { k_.CmdSetForeColor_Click(); });
  wire(panel_->CmdSetBackColor, [this] { k_.CmdSetBackColor_Click(); });
  wire(panel_->CmdFrame, [this] { k_.CmdFrame_Click(); });
  wire(panel_->cmdOpen, [this] { showNotice(k_.cmdOpen_Click()); });
  wire(panel_->CmdSave, [this] { showNotice(k_.CmdSave_Click()); });
  wire(panel_->CmdPrint, [this] { showNotice(k_.CmdPrint_Click()); });
  // Exit ends the program at once: no question, nothing saved.
  connect(panel_->CmdExit, &QAbstractButton::clicked, this, [] { QCoreApplication::exit(0); });
  connect(panel_->cmdColorBar, &FaceButton::pressedWith, this,
          [this](int button, int shift, QPoint at) {
            k_.cmdColorBar_MouseDown(button, shift, float(at.x()), float(at.y()));
            sync();
          });
  connect(panel_->Label1, &TitleLabel::clicked, this, [this] {
    k_.Label1_Click();
    sync();
  });
}

void MainWindow::connectStepBoxes() {
  const auto wire = [this](StepBox* box, QString PanelView::*text, void (Kalyra::*lostFocus)()) {
    // The gradient reads the box's text as it stands, also while it is being typed.
    connect(box, &QLineEdit::textChanged, this,
            [this, text](const QString& typed) { k_.view.*text = typed; });
    connect(box, &StepBox::lostFocus, this, [this, lostFocus] {
      (k_.*lostFocus)();
      sync();
    });
  };
  wire(panel_->txtRed, &PanelView::txtRed, &Kalyra::txtRed_LostFocus);
  wire(panel_->txtGreen, &PanelView::txtGreen, &Kalyra::txtGreen_LostFocus);
  wire(panel_->txtBlue, &PanelView::txtBlue, &Kalyra::txtBlue_LostFocus);
}

void MainWindow::connectSymmetry() {
  const auto wire = [this](FaceButton* button, void (Kalyra::*handler)()) {
    connect(button, &QAbstractButton::clicked, this, [this, handler] {
      (k_.*handler)();
      sync();
    });
  };
  wire(strip_->cmdSpin, &Kalyra::cmdSpin_Click);
  wire(strip_->cmdKaleidoscope, &Kalyra::cmdKaleidoscope_Click);
  wire(strip_->cmdOrderDown, &Kalyra::cmdOrderDown_Click);
  wire(strip_->cmdOrderUp, &Kalyra::cmdOrderUp_Click);
  wire(strip_->cmdRainbow, &Kalyra::cmdRainbow_Click);
  wire(strip_->cmdGuides, &Kalyra::cmdGuides_Click);
  wire(strip_->cmdCentre, &Kalyra::cmdCentre_Click);
  const auto step = [this](FaceButton* button, void (Kalyra::*handler)(int), int argument) {
    connect(button, &QAbstractButton::clicked, this, [this, handler, argument] {
      (k_.*handler)(argument);
      sync();
    });
  };
  for (int i = 0; i < Pattern::Count; ++i)
    step(chooser_->cmdPattern[std::size_t(i)], &Kalyra::cmdPattern_Click, i);
  step(chooser_->cmdCellDown, &Kalyra::cmdCellSize_Click, -1);
  step(chooser_->cmdCellUp, &Kalyra::cmdCellSize_Click, 1);
  step(chooser_->cmdFlatter, &Kalyra::cmdStretch_Click, -1);
  step(chooser_->cmdTaller, &Kalyra::cmdStretch_Click, 1);
}

// Showing the view can move the focus (hiding a focused step box), which runs a handler in the
// middle; that handler's changes are shown by another round instead of a nested one.
void MainWindow::sync() {
  if (syncing_) {
    syncAgain_ = true;
    return;
  }
  syncing_ = true;
  do {
    syncAgain_ = false;
    const QRegion changed = surface_.takeDirtyRegion();
    if (!changed.isEmpty()) canvas_->showChanged(changed);
    renderView();
  } while (syncAgain_);
  syncing_ = false;
}

// Runs after every pointer move, so each widget is touched only where the view differs from
// what it shows.
void MainWindow::renderView() {
  PanelView& view = k_.view;
  for (int c = 0; c < ControlCount; ++c) {
    const bool shown = view.isVisible(Control(c));
    for (QWidget* w : panel_->widgetsOf(Control(c))) {
      if (w->isHidden() == shown) w->setVisible(shown);
    }
  }
  renderFaces();
  renderTexts();
  renderSymmetry();
  // Space or Enter on a panel control leaves the keyboard there, where the user is working
  // through the panel; a click hands it to the canvas.
  if (view.canvasFocusRequested) {
    view.canvasFocusRequested = false;
    if (!FaceButton::keyboardPressRunning()) canvas_->setFocus(Qt::OtherFocusReason);
  }
  if (view.panelFocusRequested) {
    view.panelFocusRequested = false;
    panel_->CmdSetForeColor->setFocus(Qt::TabFocusReason);
  }
}

void MainWindow::renderFaces() {
  const PanelView& view = k_.view;
  const auto paint = [](const auto& buttons, const auto& colours) {
    for (std::size_t i = 0; i < buttons.size(); ++i) buttons[i]->setFace(toQColor(colours[i]));
  };
  paint(panel_->th, view.th);
  paint(panel_->sty, view.sty);
  paint(panel_->polyg, view.polyg);
  paint(panel_->mir, view.mir);
  panel_->CmdFill->setFace(toQColor(view.CmdFill));
  panel_->CmdGradient->setFace(toQColor(view.CmdGradient));
  panel_->cmdColorBar->setFace(toQColor(view.cmdColorBar));
  panel_->Label1->setOn(k_.EchoOn);
  const QColor label = toQColor(view.Label1ForeColor);
  if (panel_->Label1->palette().color(QPalette::WindowText) != label) {
    QPalette palette = panel_->Label1->palette();
    palette.setColor(QPalette::WindowText, label);
    panel_->Label1->setPalette(palette);
  }
}

// The strip comes and goes with the control panel.
void MainWindow::renderSymmetry() {
  const Symmetry& symmetry = k_.symmetry;
  const bool shown = k_.view.isVisible(Control::MainFrame);
  if (strip_->isHidden() == shown) strip_->setVisible(shown);
  strip_->render(symmetry);
  if (chooser_->isHidden() == shown) chooser_->setVisible(shown);
  chooser_->render(symmetry);
  CanvasWidget::Guides guides;
  if (symmetry.guides) {
    guides.centre = symmetry.centrePixel(surface_);
    guides.angles = symmetry.guideAngles(k_.MirrorMode);
    if (symmetry.kind() == Symmetry::Kind::Pattern) guides.pattern = symmetry.pattern();
  }
  canvas_->showGuides(guides);
}

void MainWindow::renderTexts() {
  const PanelView& view = k_.view;
  const auto show = [](StepBox* box, const QString& text) {
    if (box->text() != text) box->setText(text);
  };
  show(panel_->txtRed, view.txtRed);
  show(panel_->txtGreen, view.txtGreen);
  show(panel_->txtBlue, view.txtBlue);
  if (panel_->ScrollSize->value() != view.ScrollSize) {
    const QSignalBlocker quiet(panel_->ScrollSize);
    panel_->ScrollSize->setValue(view.ScrollSize);
  }
}
