#include "app/SymmetryStrip.h"

#include <QLabel>

#include "app/FaceButton.h"
#include "app/Layout.h"

namespace {

constexpr int Row1 = 75;
constexpr int Row2 = 525;
constexpr int RowHeight = 375;

}  // namespace

// Below the control panel's frame, as wide as it.
SymmetryStrip::SymmetryStrip(QWidget* canvas, double logicalDpi)
    : QFrame(canvas), dpi_(logicalDpi) {
  setObjectName(QStringLiteral("SymmetryStrip"));
  setGeometry(toPixels({30, 7275, 4050, 975}, logicalDpi));
  dressAsPanel(*this);
  setAccessibleName(tr("symmetry"));
  setAccessibleDescription(
      tr("How each stroke is repeated round the centre: spin, kaleidoscope, "
         "order, rainbow copies, guides and the centre."));

  cmdSpin = button(QStringLiteral("cmdSpin"), 90, Row1, 1035, tr("Spin"),
                   tr("Draws every stroke turned round the centre, as many times as the order "
                      "says. Key T."),
                   true);
  cmdKaleidoscope = button(QStringLiteral("cmdKaleidoscope"), 1170, Row1, 1350, tr("Kaleidoscope"),
                           tr("Draws every stroke turned round the centre and mirrored, twice as "
                              "many times as the order says. Key K."),
                           true);
  cmdOrderDown = button(QStringLiteral("cmdOrderDown"), 2565, Row1, 375, tr("-"),
                        tr("Fewer copies round the centre. Key -."), false, tr("fewer copies"));
  lblOrder = new QLabel(this);
  lblOrder->setObjectName(QStringLiteral("lblOrder"));
  lblOrder->setGeometry(toPixels({2985, Row1, 510, RowHeight}, logicalDpi));
  lblOrder->setAlignment(Qt::AlignCenter);
  lblOrder->setFont(sansFont(9.75, true));
  describe(lblOrder, {},
           tr("How many times a spin or kaleidoscope turns each stroke, from 2 to 32."));
  cmdOrderUp = button(QStringLiteral("cmdOrderUp"), 3540, Row1, 375, tr("+"),
                      tr("More copies round the centre. Key +."), false, tr("more copies"));
  cmdRainbow = button(QStringLiteral("cmdRainbow"), 90, Row2, 1260, tr("Rainbow"),
                      tr("Draws and fills each copy in its own color round the color wheel. "
                         "Key R."),
                      true);
  cmdGuides = button(QStringLiteral("cmdGuides"), 1395, Row2, 1260, tr("Guides"),
                     tr("Shows faint lines through the centre of symmetry; they are never part "
                        "of the picture. Key G."),
                     true);
  cmdCentre = button(QStringLiteral("cmdCentre"), 2700, Row2, 1215, tr("Centre"),
                     tr("Puts the centre of symmetry back in the middle of the screen (key H). "
                        "Key C puts it under the pointer."),
                     false);
  hide();
}

FaceButton* SymmetryStrip::button(const QString& name, int left, int top, int width,
                                  const QString& caption, const QString& tip, bool toggle,
                                  const QString& accessibleName) {
  auto* b = new FaceButton(this);
  b->setObjectName(name);
  b->setGeometry(toPixels({left, top, width, RowHeight}, dpi_));
  b->setText(caption);
  b->setFont(sansFont(8.25, true));
  b->setFace(toggle ? Qt::white : ButtonFace);
  b->setCheckable(toggle);
  b->setMark(toggle ? FaceButton::Mark::Switch : FaceButton::Mark::None);
  describe(b, accessibleName.isEmpty() ? caption : accessibleName, tip);
  return b;
}

void SymmetryStrip::render(const Symmetry& symmetry) {
  const auto show = [](FaceButton* b, bool on) {
    b->setChecked(on);
    b->setFace(on ? QColor(Qt::yellow) : QColor(Qt::white));
  };
  show(cmdSpin, symmetry.kind() == Symmetry::Kind::Spin);
  show(cmdKaleidoscope, symmetry.kind() == Symmetry::Kind::Kaleidoscope);
  show(cmdRainbow, symmetry.rainbow);
  show(cmdGuides, symmetry.guides);
  const QString order = QString::number(symmetry.order());
  if (lblOrder->text() == order) return;
  lblOrder->setText(order);
  // The name carries the number, so that screen readers read it and announce its change.
  lblOrder->setAccessibleName(tr("order %1").arg(order));
}
