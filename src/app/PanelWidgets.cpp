#include "app/PanelWidgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "app/FaceButton.h"
#include "app/Layout.h"

void StepBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  const Qt::FocusReason reason = event->reason();
  if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) emit lostFocus();
}

TitleLabel::TitleLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setFocusPolicy(Qt::TabFocus);
}

void TitleLabel::setOn(bool on) {
  if (on == on_) return;
  on_ = on;
  QAccessible::State changed;
  changed.checked = true;
  QAccessibleStateChangeEvent event(this, changed);
  QAccessible::updateAccessibility(&event);
}

void TitleLabel::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
    QLabel::keyPressEvent(event);
    return;
  }
  if (!event->isAutoRepeat()) FaceButton::pressFromKeyboard([this] { emit clicked(); });
  event->accept();
}

void TitleLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TitleLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

void TitleLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  event->accept();
}

namespace {

class TitleAccessible : public QAccessibleWidget {
 public:
  explicit TitleAccessible(TitleLabel* title) : QAccessibleWidget(title, QAccessible::CheckBox) {}

  QString text(QAccessible::Text t) const override {
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) text = title()->text();
    return text;
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = title()->isOn();
    return state;
  }
  QStringList actionNames() const override {
    return QStringList{toggleAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == toggleAction() || action == pressAction()) {
      emit title()->clicked();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  TitleLabel* title() const { return static_cast<TitleLabel*>(widget()); }
};

QAccessibleInterface* titleAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String("TitleLabel")) return nullptr;
  if (auto* title = qobject_cast<TitleLabel*>(object)) return new TitleAccessible(title);
  return nullptr;
}

// A button array's members stand side by side, 480 twips apart.
Twips inRow(int firstLeft, int top, int index) {
  return {firstLeft + 480 * index, top, 495, 375};
}

void place(QWidget* widget, const QString& name, Twips at, double dpi) {
  widget->setObjectName(name);
  widget->setGeometry(toPixels(at, dpi));
}

FaceButton* button(QWidget* parent, const QString& name, Twips at, double dpi,
                   const QString& caption, const QFont& font, const QString& tip,
                   const QColor& face = ButtonFace) {
  auto* b = new FaceButton(parent);
  place(b, name, at, dpi);
  b->setText(caption);
  b->setFont(font);
  b->setToolTip(tip);
  b->setFace(face);
  return b;
}

StepBox* stepBox(QWidget* parent, const QString& name, Twips at, double dpi, const QString& text,
                 const QColor& textColour, const QString& tip) {
  auto* box = new StepBox(text, parent);
  place(box, name, at, dpi);
  box->setFont(sansFont(15));
  box->setToolTip(tip);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Text, textColour);
  palette.setColor(QPalette::Base, Qt::white);
  box->setPalette(palette);
  box->setAttribute(Qt::WA_NoMousePropagation);
  return box;
}

// Translated when the buttons are made, after the user's language is installed.
const char* const polygonTips[8] = {
    QT_TRANSLATE_NOOP("PanelWidgets", "Draws using 3-Sided Polygons (Triangles)"),
    QT_TRANSLATE_NOOP("PanelWidgets", "Draws using 4-Sided Polygons (Diamonds)"),
    QT_TRANSLATE_NOOP("PanelWidgets", "Draws using 5-Sided Polygons (Pentagons)"),
    QT_TRANSLATE_NOOP("PanelWidgets", "Draws using 6-Sided Polygons (Hexagons)"),
    QT_TRANSLATE_NOOP("PanelWidgets", "Draws using 7-Sided Polygons (Heptagons)"),
    QT_TRANSLATE_NOOP("PanelWidgets", "Draws using 8-Sided Polygons (Octagons)"),
    QT_TRANSLATE_NOOP("PanelWidgets", "Draws using 9-Sided Polygons (Enneagons)"),
    QT_TRANSLATE_NOOP("PanelWidgets", "Draws using 10-Sided Polygons (Decagons)"),
};

FaceButton* polygonButton(QWidget* parent, int i, double dpi) {
  FaceButton* b = button(parent, QStringLiteral("polyg(%1)").arg(i), inRow(120, 1320, i), dpi,
                         PanelWidgets::tr("P%1").arg(i + 3), sansFont(9.75),
                         PanelWidgets::tr(polygonTips[i]), Qt::white);
  b->setAccessibleName(PanelWidgets::tr("polygons with %1 sides").arg(i + 3));
  b->setMark(FaceButton::Mark::Choice);
  return b;
}

}  // namespace

void installTitleAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(titleAccessible);
    return true;
  }();
  (void)installed;
}

// Within each container, controls made later lie above those made earlier; each container's
// controls are therefore made from the bottom of the stack upwards.
PanelWidgets::PanelWidgets(QWidget* window, QWidget* canvas, double logicalDpi) {
  placeCanvasControls(canvas, logicalDpi);
  placeWindowArrays(window, logicalDpi);
  placeWindowCommands(window, logicalDpi);
  collectControls();
  describeUnlabelled();
  orderTabs(canvas);
  for (const auto& widgets : byControl)
    for (QWidget* w : widgets) w->hide();
}

void PanelWidgets::placeWindowArrays(QWidget* window, double dpi) {
  const QFont arrayFont = sansFont(15.75);
  const QString styTips[3] = {tr("Draws with a line."), tr("Draws with squares."),
                              tr("Draws with Circles.")};
  const FaceButton::Picture styPictures[3] = {
      FaceButton::Picture::Line, FaceButton::Picture::Square, FaceButton::Picture::Circle};
  const QString styNames[3] = {tr("line"), tr("squares"), tr("circles")};
  for (int i = 0; i < 3; ++i) {
    sty[i] = button(window, QStringLiteral("sty(%1)").arg(i), inRow(120, 960, i), dpi, {},
                    arrayFont, styTips[i], Qt::white);
    sty[i]->setPicture(styPictures[i]);
    sty[i]->setAccessibleName(styNames[i]);
    sty[i]->setMark(FaceButton::Mark::Choice);
  }
  const QString mirTips[3] = {tr("Draws in single (non-mirrored) mode."),
                              tr("Draws in four way mirrored mode."),
                              tr("Draws in 8 way mirrored mode. ")};
  const QString mirNames[3] = {tr("no mirror"), tr("four-way mirror"), tr("eight-way mirror")};
  const QString mirCaptions[3] = {QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("8")};
  for (int i = 2; i >= 0; --i) {
    mir[i] = button(window, QStringLiteral("mir(%1)").arg(i), inRow(2520, 960, i), dpi,
                    mirCaptions[i], arrayFont, mirTips[i], Qt::white);
    mir[i]->setAccessibleName(mirNames[i]);
    mir[i]->setMark(FaceButton::Mark::Choice);
  }
  cmdColorBar =
      button(window, QStringLiteral("cmdColorBar"), {1560, 960, 975, 375}, dpi, {}, sansFont(12),
             tr("Click with the left button, chooses a random drawing "
                "color.  Click with the Right button, chooses a random "
                "background color and clears the screen."),
             Qt::white);
  cmdColorBar->setAccessibleName(tr("color bar"));
  for (int i = 0; i < 8; ++i) {
    th[i] = button(window, QStringLiteral("th(%1)").arg(i), inRow(120, 2040, i), dpi, {},
                   sansFont(8.25), tr("Choose thickness of drawing tool."), Qt::white);
    // The dot is as wide as the pen this button chooses.
    th[i]->setPicture(FaceButton::Picture::Dot, 2 * i + 1);
    th[i]->setAccessibleName(tr("pen width %1").arg(2 * i + 1));
    th[i]->setMark(FaceButton::Mark::Choice);
  }
  for (int i = 1; i < 8; ++i) polyg[i] = polygonButton(window, i, dpi);
}

void PanelWidgets::placeWindowCommands(QWidget* window, double dpi) {
  const QFont command = sansFont(9.75, true);
  CmdSetForeColor =
      button(window, QStringLiteral("CmdSetForeColor"), {120, 360, 1815, 495}, dpi,
             tr("&Drawing Color"), command, tr("Picks the color the mouse will draw with."));
  CmdSetBackColor = button(
      window, QStringLiteral("CmdSetBackColor"), {2160, 360, 1815, 495}, dpi, tr("&Canvas Color"),
      command, tr("Picks the background color of the Canvas and also clears the screen."));
  txtGreen =
      stepBox(window, QStringLiteral("txtGreen"), {1560, 3720, 975, 495}, dpi, QStringLiteral("2"),
              QColor(0, 128, 0), tr("Adjusts the amount of Green the Gradient Effect uses."));
  txtBlue =
      stepBox(window, QStringLiteral("txtBlue"), {3000, 3720, 930, 495}, dpi, QStringLiteral("3"),
              QColor(0, 0, 192), tr("Adjusts the amount of Blue the Gradient Effect uses."));
  CmdSave = button(window, QStringLiteral("CmdSave"), {2160, 2520, 1815, 495}, dpi,
                   tr("&Save Picture"), command, tr("Saves a picture."));
  CmdFill =
      button(window, QStringLiteral("CmdFill"), {120, 4320, 3855, 495}, dpi, tr("F&ill"), command,
             tr("Changes from drawing mode to fill mode, and fills selected "
                "color when you mouseclick."),
             Qt::white);
}

void PanelWidgets::placeCanvasControls(QWidget* canvas, double dpi) {
  MainFrame = new QFrame(canvas);
  place(MainFrame, QStringLiteral("MainFrame"), {30, 120, 4050, 7095}, dpi);
  MainFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  MainFrame->setAutoFillBackground(true);
  QPalette palette = MainFrame->palette();
  palette.setColor(QPalette::Window, ButtonFace);
  MainFrame->setPalette(palette);
  // Presses and moves on the panel's background belong to the panel, not the canvas.
  MainFrame->setAttribute(Qt::WA_NoMousePropagation);
  MainFrame->setCursor(Qt::ArrowCursor);
  placeFrameControls(dpi);

  const QFont command = sansFont(9.75, true);
  cmdOpen =
      button(canvas, QStringLiteral("cmdOpen"), {120, 2520, 1815, 495}, dpi, tr("&Load Picture"),
             command, tr("Loads a previously saved picture into the background."));
  polyg[0] = polygonButton(canvas, 0, dpi);
  CmdGradient = button(
      canvas, QStringLiteral("CmdGradient"), {120, 3120, 3855, 495}, dpi, tr("&Gradient"), command,
      tr("Changes the drawing color as you draw, giving your pictures a rainbow look!"), Qt::white);
  txtRed =
      stepBox(canvas, QStringLiteral("txtRed"), {120, 3720, 975, 495}, dpi, QStringLiteral("1"),
              QColor(255, 0, 0), tr("Adjusts the amount of Red the Gradient Effect uses."));
  CmdFrame = button(canvas, QStringLiteral("CmdFrame"), {1140, 4920, 1935, 375}, dpi, tr("&Frame"),
                    sansFont(8.25),
                    tr("Draws a Frame around the picture so you can make coloring book pages."));

  ScrollSize = new QScrollBar(Qt::Horizontal, canvas);
  place(ScrollSize, QStringLiteral("ScrollSize"), {120, 1740, 3855, 255}, dpi);
  ScrollSize->setRange(1, 350);
  ScrollSize->setSingleStep(1);
  ScrollSize->setPageStep(10);
  ScrollSize->setValue(1);
  // Reached with Tab; a click leaves the keyboard where it was.
  ScrollSize->setFocusPolicy(Qt::TabFocus);
  ScrollSize->setAttribute(Qt::WA_NoMousePropagation);
  ScrollSize->setCursor(Qt::ArrowCursor);
}

void PanelWidgets::placeFrameControls(double dpi) {
  Label1 = new TitleLabel(tr("Kalyra! Control Panel"), MainFrame);
  place(Label1, QStringLiteral("Label1"), {600, 6480, 3135, 375}, dpi);
  Label1->setFont(sansFont(12, true));
  const QFont plain = sansFont(8.25);
  CmdExit = button(MainFrame, QStringLiteral("CmdExit"), {960, 6000, 2175, 420}, dpi,
                   tr("&Exit Kalyra!"), plain, tr("Exits Kalyra!"));
  CmdPrint = button(MainFrame, QStringLiteral("CmdPrint"), {1080, 5400, 1935, 375}, dpi,
                    tr("&Print"), plain, {});
}

void PanelWidgets::collectControls() {
  const auto set = [this](Control c, std::vector<QWidget*> widgets) {
    byControl[std::size_t(c)] = std::move(widgets);
  };
  set(Control::MainFrame, {MainFrame});
  set(Control::CmdFrame, {CmdFrame});
  set(Control::CmdPrint, {CmdPrint});
  set(Control::CmdExit, {CmdExit});
  set(Control::ScrollSize, {ScrollSize});
  set(Control::CmdFill, {CmdFill});
  set(Control::txtRed, {txtRed});
  set(Control::txtGreen, {txtGreen});
  set(Control::txtBlue, {txtBlue});
  set(Control::CmdGradient, {CmdGradient});
  set(Control::cmdColorBar, {cmdColorBar});
  set(Control::CmdSetForeColor, {CmdSetForeColor});
  set(Control::CmdSetBackColor, {CmdSetBackColor});
  set(Control::cmdOpen, {cmdOpen});
  set(Control::CmdSave, {CmdSave});
  set(Control::th, {th.begin(), th.end()});
  set(Control::sty, {sty.begin(), sty.end()});
  set(Control::mir, {mir.begin(), mir.end()});
  set(Control::polyg, {polyg.begin(), polyg.end()});
}

// Controls without a caption or tooltip still need words for screen readers; the tooltips
// describe the rest.
void PanelWidgets::describeUnlabelled() {
  MainFrame->setAccessibleName(tr("Kalyra! Control Panel"));
  MainFrame->setAccessibleDescription(tr("The controls of Kalyra!"));
  Label1->setAccessibleName(tr("echo"));
  Label1->setAccessibleDescription(
      tr("Click to switch the echo on or off; the title is red while the echo is on."));
  CmdPrint->setAccessibleDescription(tr("Prints the picture."));
  ScrollSize->setAccessibleName(tr("brush size"));
  ScrollSize->setAccessibleDescription(tr("Sets the size of squares, circles and polygons."));
  txtRed->setAccessibleName(tr("red step"));
  txtGreen->setAccessibleName(tr("green step"));
  txtBlue->setAccessibleName(tr("blue step"));
  CmdFill->setMark(FaceButton::Mark::Switch);
  CmdGradient->setMark(FaceButton::Mark::Switch);
}

// Tab walks the panel from the top left to the bottom, as it reads.
void PanelWidgets::orderTabs(QWidget* canvas) {
  std::vector<QWidget*> order{canvas, CmdSetForeColor, CmdSetBackColor};
  order.insert(order.end(), sty.begin(), sty.end());
  order.push_back(cmdColorBar);
  order.insert(order.end(), mir.begin(), mir.end());
  order.insert(order.end(), polyg.begin(), polyg.end());
  order.push_back(ScrollSize);
  order.insert(order.end(), th.begin(), th.end());
  order.insert(order.end(), {cmdOpen, CmdSave, CmdGradient, txtRed, txtGreen, txtBlue, CmdFill,
                             CmdFrame, CmdPrint, CmdExit, Label1});
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}
