// Frame selection: which part of a skin image a frame index takes, including
// skin data that names impossible frames.
#include "DrawTestSupport.h"
#include "skin/draw/Slicing.h"

using namespace drawtest;

namespace {

// Draws frame `index` of `count` of a coordinate image 1:1 and returns the
// image column the frame starts at (checking that the whole frame came from
// there), or -1 when nothing was drawn.
int DrawnFrameStart(int imageWidth, int count, int index, int frameWidth) {
  auto image = CoordImage(imageWidth, 4);
  auto target = Target(frameWidth, 4);
  skin::DrawImageFrame(DC(*target), {0, 0, frameWidth, 4}, *image, false, count, index);
  const ui::TColor first = target->Pixel(0, 0);
  if (!IsCoord(first)) {
    EXPECT_TRUE(Untouched(*target, {0, 0, frameWidth, 4}));
    return -1;
  }
  const int start = SourceX(first);
  EXPECT_TRUE(MatchesNinePart(*target, 0, 0, frameWidth, 4, {start, frameWidth, 0, 0}, {0, 4, 0, 0},
                              false));
  return start;
}

}  // namespace

TEST(FrameSelection, FourthOfFiveFramesTruncatesTheFrameWidth) {
  EXPECT_EQ(DrawnFrameStart(100, 5, 4, 20), 60);
  EXPECT_EQ(DrawnFrameStart(102, 5, 4, 20), 60);  // the last two columns are never used
  EXPECT_EQ(DrawnFrameStart(102, 5, 5, 20), 80);
}

TEST(FrameSelection, VerticalFramesAreStackedTopToBottom) {
  auto image = CoordImage(6, 52);  // five frames of 10 rows, two rows left over
  auto sliced = skin::CreateSlicedBitmap({0, 0, 6, 10}, *image, {0, 0, 0, 0}, true, false, 5, 4);
  ASSERT_EQ(sliced->Width(), 6);
  ASSERT_EQ(sliced->Height(), 10);
  EXPECT_TRUE(MatchesNinePart(*sliced, 0, 0, 6, 10, {0, 6, 0, 0}, {30, 10, 0, 0}, false));
}

TEST(FrameSelection, ImpossibleCountsAndIndicesStayInsideTheImage) {
  // A count below 1 takes the image as one frame; an index outside 1..count
  // takes the nearest frame.
  EXPECT_EQ(DrawnFrameStart(20, 0, 1, 20), 0);
  EXPECT_EQ(DrawnFrameStart(20, -3, 2, 20), 0);
  EXPECT_EQ(DrawnFrameStart(100, 5, 0, 20), 0);
  EXPECT_EQ(DrawnFrameStart(100, 5, -7, 20), 0);
  EXPECT_EQ(DrawnFrameStart(100, 5, 9, 20), 80);
  // More frames than pixels: the frames are empty and nothing is drawn.
  EXPECT_EQ(DrawnFrameStart(100, 200, 1, 20), -1);
}
