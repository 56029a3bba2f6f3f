#include <ranges>
#include <set>

#include "app/PatternChooser.h"
#include "canvas/PatternSample.h"
#include "widget/WindowFixture.h"

using PatternChooserTest = WindowTest;

// Each picture is the sample stroke under its pattern with rainbow copies: as many colours as
// the pattern's cell has moves. Names and descriptions reach the tooltip and assistive tools.
// (What the keys and the chooser's buttons do is the control table's.)
TEST_F(PatternChooserTest, PicturesShowEachPatternsMovesAndAreNamed) {
  PatternChooser* chooser = window.patternChooser();
  for (int i = 0; i < Pattern::Count; ++i) {
    std::set<QRgb> colours;
    const QImage sample = drawPatternSample(i, 36);
    for (int y = 0; y < sample.height(); ++y)
      for (int x = 0; x < sample.width(); ++x) colours.insert(sample.pixel(x, y) | 0xff000000u);
    colours.erase(qRgb(255, 255, 255));
    EXPECT_EQ(int(colours.size()), Pattern(i).moves()) << i;
    FaceButton* b = chooser->cmdPattern[std::size_t(i)];
    EXPECT_TRUE(b->accessibleName().contains(Pattern::nameOf(i)) &&
                b->accessibleName().contains(Pattern::friendlyNameOf(i)) &&
                b->toolTip().contains(Pattern::descriptionOf(i)))
        << b->accessibleName().toStdString();
  }
}
