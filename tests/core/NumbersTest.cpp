#include <gtest/gtest.h>

#include "canvas/Numbers.h"
#include "colour/Colour.h"

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(3.5), 4);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(-3.5), -4);
  EXPECT_EQ(roundHalfEven(2.5000001), 3);
  EXPECT_EQ(toInt16(0.5), 0);
  EXPECT_EQ(toInt16(1.5), 2);
}

TEST(Rounding, SixteenBitValuesAreHeldAtTheirLimits) {
  EXPECT_EQ(toInt16(40000), 32767);
  EXPECT_EQ(toInt16(-40000), -32768);
  EXPECT_EQ(toInt16(std::nan("")), -32768);
  EXPECT_EQ(toInt32(1e12), 2147483647);
}

TEST(ColourPacking, RoundsHalfToEvenAndTreatsAbove255AsFull) {
  EXPECT_EQ(packColour(255, 0, 0), 255);
  EXPECT_EQ(packColour(0, 255, 0), 65280);
  EXPECT_EQ(packColour(0, 0, 255), 16711680);
  EXPECT_EQ(packColour(2.5, 3.5, 0), 2 + 256 * 4);
  EXPECT_EQ(packColour(256, 256, 256), White);
  EXPECT_EQ(toQRgb(packColour(10, 20, 30)) & 0xffffff, 0x0a141eu);
  EXPECT_EQ(fromQRgb(qRgb(10, 20, 30)), packColour(10, 20, 30));
}

TEST(ColourPacking, SplitGivesTheWholeComponents) {
  EXPECT_EQ(splitColour(packColour(10, 20, 30)), (Components{10, 20, 30}));
  EXPECT_EQ(splitColour(White), (Components{255, 255, 255}));
}

TEST(ColourPacking, SixteenBitSnapKeepsFiveSixFiveBitsAndFullIntensity) {
  EXPECT_EQ(snapTo16Bit({200, 130, 255}), (Components{200, 128, 255}));
  EXPECT_EQ(snapTo16Bit({7, 3, 254}), (Components{0, 0, 248}));
  EXPECT_EQ(snapTo16Bit({250, 130, 7}), (Components{248, 128, 0}));
  EXPECT_EQ(snapTo16Bit({255, 255, 255}), (Components{255, 255, 255}));
  EXPECT_EQ(snapTo16Bit({7.5, 3.9, 8}), (Components{0, 0, 8}));
}
