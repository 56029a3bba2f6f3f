#include "app/PatternChooser.h"

#include <QLabel>
#include <QPainter>

#include "app/FaceButton.h"
#include "app/Layout.h"
#include "canvas/PatternSample.h"

namespace {

constexpr int Columns = 12;
constexpr int Side = 600;  // a picture button, in twips
constexpr int Gap = 45;
constexpr int RowHeight = 375;

// A face button showing a picture inside its bevel.
class PictureButton : public FaceButton {
 public:
  PictureButton(QWidget* parent, QImage picture)
      : FaceButton(parent), picture_(std::move(picture)) {}

 protected:
  void paintEvent(QPaintEvent* event) override {
    FaceButton::paintEvent(event);
    QPainter painter(this);
    const int inset = 4;
    const QRect area = rect().adjusted(inset, inset, -inset, -inset);
    painter.drawImage(area.translated(isDown() ? QPoint(1, 1) : QPoint()), picture_);
  }

 private:
  QImage picture_;
};

}  // namespace

// To the right of the strip, two rows of pictures and then the grid's steps.
PatternChooser::PatternChooser(QWidget* canvas, double logicalDpi) : QFrame(canvas) {
  setObjectName(QStringLiteral("PatternChooser"));
  const int controls = 2 * RowHeight + Gap;
  const int width = Gap + Columns * (Side + Gap) + controls + 2 * Gap;
  setGeometry(toPixels({4125, 7275, width, 2 * (Side + Gap) + Gap}, logicalDpi));
  dressAsPanel(*this);
  setAccessibleName(tr("patterns"));
  setAccessibleDescription(
      tr("Repeats each stroke over the whole screen in one of 24 patterns: bands and "
         "wallpapers. Keys [ and ] step through them, P goes back to the mirrors."));

  const int picturePixels = toPixels({0, 0, Side, Side}, logicalDpi).width() - 8;
  for (int i = 0; i < Pattern::Count; ++i) {
    auto* b = new PictureButton(this, drawPatternSample(i, std::max(picturePixels, 8)));
    b->setObjectName(QStringLiteral("cmdPattern%1").arg(i));
    const int left = Gap + (i % Columns) * (Side + Gap), top = Gap + (i / Columns) * (Side + Gap);
    b->setGeometry(toPixels({left, top, Side, Side}, logicalDpi));
    b->setMark(FaceButton::Mark::Choice);
    const QString kind = i < Pattern::Friezes ? tr("band") : tr("wallpaper");
    describe(b, tr("%1, %2 %3").arg(Pattern::friendlyNameOf(i), kind, Pattern::nameOf(i)),
             tr("%1 (%2): %3")
                 .arg(Pattern::friendlyNameOf(i), Pattern::nameOf(i), Pattern::descriptionOf(i)));
    cmdPattern[std::size_t(i)] = b;
  }
  const int left = Gap + Columns * (Side + Gap) + Gap;
  const auto at = [&](int column, int row) {
    return toPixels(
        {left + column * (RowHeight + Gap), Gap + row * (RowHeight + Gap), RowHeight, RowHeight},
        logicalDpi);
  };
  cmdCellDown = button(QStringLiteral("cmdCellDown"), at(0, 0), tr("-"), tr("smaller cells"),
                       tr("Makes the pattern's cells smaller. Key ,."));
  cmdCellUp = button(QStringLiteral("cmdCellUp"), at(1, 0), tr("+"), tr("bigger cells"),
                     tr("Makes the pattern's cells bigger. Key ."));
  lblCell = new QLabel(this);
  lblCell->setObjectName(QStringLiteral("lblCell"));
  lblCell->setGeometry(at(0, 1).united(at(1, 1)));
  lblCell->setAlignment(Qt::AlignCenter);
  lblCell->setFont(sansFont(8.25, true));
  describe(lblCell, tr("cell size"), tr("How wide each cell of the pattern is, in pixels."));
  cmdFlatter = button(QStringLiteral("cmdFlatter"), at(0, 2), tr("\u2195-"), tr("flatter cells"),
                      tr("Makes the cells of a band, rectangle or diamond grid flatter. Key ;."));
  cmdTaller = button(QStringLiteral("cmdTaller"), at(1, 2), tr("\u2195+"), tr("taller cells"),
                     tr("Makes the cells of a band, rectangle or diamond grid taller. Key '."));
  hide();
}

FaceButton* PatternChooser::button(const QString& name, QRect area, const QString& caption,
                                   const QString& accessibleName, const QString& tip) {
  auto* b = new FaceButton(this);
  b->setObjectName(name);
  b->setGeometry(area);
  b->setText(caption);
  b->setFont(sansFont(8.25, true));
  b->setFace(ButtonFace);
  describe(b, accessibleName, tip);
  return b;
}

void PatternChooser::render(const Symmetry& symmetry) {
  const bool on = symmetry.kind() == Symmetry::Kind::Pattern;
  for (int i = 0; i < Pattern::Count; ++i) {
    const bool chosen = on && symmetry.pattern().index() == i;
    cmdPattern[std::size_t(i)]->setFace(chosen ? QColor(Qt::yellow) : QColor(Qt::white));
  }
  const QSize cell = symmetry.pattern().cell();
  const QString size = symmetry.pattern().stretchable()
                           ? QStringLiteral("%1\u00d7%2").arg(cell.width()).arg(cell.height())
                           : QString::number(cell.width());
  if (lblCell->text() != size) lblCell->setText(size);
  cmdFlatter->setEnabled(symmetry.pattern().stretchable());
  cmdTaller->setEnabled(symmetry.pattern().stretchable());
}
