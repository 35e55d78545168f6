// Where the bars, arrows and thumb lie, and what a dragged thumb stands for:
// the arithmetic alone, with the values a scrolling control reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "skin/WinSubClass/ScrollBarGeometry.h"

namespace {

using skin::TScrollMetrics;

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }

SCROLLINFO Info(int min, int max, UINT page, int pos) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.nMin = min;
  info.nMax = max;
  info.nPage = page;
  info.nPos = pos;
  return info;
}

TEST(ScrollGeometry, BarsSitInsideTheBorderWithTheCornerBetweenThem) {
  // 200 x 100 window, 2-pixel border, 16-pixel bars.
  const RECT window{0, 0, 200, 100};
  const skin::TBarRects both = skin::BarRects(window, RECT{0, 0, 180, 80}, true, true, 16);
  EXPECT_TRUE(Same(both.Horz, RECT{2, 82, 182, 98}));
  EXPECT_TRUE(Same(both.Vert, RECT{182, 2, 198, 82}));
  EXPECT_TRUE(Same(both.Corner, RECT{182, 82, 198, 98}));

  const skin::TBarRects vert = skin::BarRects(window, RECT{0, 0, 180, 96}, false, true, 16);
  EXPECT_TRUE(Same(vert.Vert, RECT{182, 2, 198, 98}));
  EXPECT_TRUE(IsRectEmpty(&vert.Horz) && IsRectEmpty(&vert.Corner));

  const skin::TBarRects horz = skin::BarRects(window, RECT{0, 0, 196, 80}, true, false, 16);
  EXPECT_TRUE(Same(horz.Horz, RECT{2, 82, 198, 98}));
  EXPECT_TRUE(IsRectEmpty(&horz.Vert) && IsRectEmpty(&horz.Corner));
}

TEST(ScrollGeometry, TheShortestThumbIsHalfAnArrowOnlyOnTheWindows95Family) {
  EXPECT_EQ(skin::MinThumbLength(0x80000000u | 0x0A04, 20), 10);
  EXPECT_EQ(skin::MinThumbLength(0x0A28, 20), 8);
  EXPECT_EQ(skin::MinThumbLength(0, 30), 8);

  // A tiny page: the thumb is as short as the rule allows.
  TScrollMetrics m;
  ASSERT_TRUE(skin::ThumbFromInfo(Info(0, 1000, 1, 0), 240, 20, skin::MinThumbLength(0x80000000u, 20), 17, m));
  EXPECT_EQ(m.ThumbLength, 10);
  ASSERT_TRUE(skin::ThumbFromInfo(Info(0, 1000, 1, 0), 240, 20, skin::MinThumbLength(0, 20), 17, m));
  EXPECT_EQ(m.ThumbLength, 8);
  // No page: the system's thumb size.
  ASSERT_TRUE(skin::ThumbFromInfo(Info(0, 1000, 0, 0), 240, 20, 8, 17, m));
  EXPECT_EQ(m.ThumbLength, 17);
}

TEST(ScrollGeometry, ThumbFollowsPageAndPosition) {
  TScrollMetrics m;
  // Track 200 - 32 = 168; page 25 of 100 -> 42; offset runs 0 .. 126 over 75 positions.
  ASSERT_TRUE(skin::ThumbFromInfo(Info(0, 100, 25, 0), 200, 16, 8, 16, m));
  EXPECT_EQ(m.TrackLength, 168);
  EXPECT_EQ(m.ThumbLength, 42);
  EXPECT_EQ(m.ThumbOffset, 0);
  ASSERT_TRUE(skin::ThumbFromInfo(Info(0, 100, 25, 75), 200, 16, 8, 16, m));
  EXPECT_EQ(m.ThumbOffset, 126);
  // A page as long as the range: one pixel short of the track, at its start.
  ASSERT_TRUE(skin::ThumbFromInfo(Info(10, 60, 50, 10), 200, 16, 8, 16, m));
  EXPECT_EQ(m.ThumbLength, 167);
  EXPECT_EQ(m.ThumbOffset, 0);
}

TEST(ScrollGeometry, EmptyRangesAndShortTracksKeepEverythingInBounds) {
  TScrollMetrics m;
  m.ThumbLength = 33;
  m.ThumbOffset = 44;
  EXPECT_FALSE(skin::ThumbFromInfo(Info(5, 5, 0, 5), 200, 16, 8, 16, m));
  EXPECT_FALSE(skin::ThumbFromInfo(Info(9, 5, 0, 5), 200, 16, 8, 16, m));
  EXPECT_EQ(m.ThumbLength, 33);  // the previous thumb stays
  EXPECT_EQ(m.ThumbOffset, 44);

  // A bar shorter than its two arrows, or than its thumb: no thumb to move.
  for (int length : {0, 10, 31, 32, 40}) {
    ASSERT_TRUE(skin::ThumbFromInfo(Info(0, 100, 10, 90), length, 16, 8, 16, m));
    EXPECT_LE(m.ThumbLength, std::max(m.TrackLength, 0));
    EXPECT_GE(m.ThumbOffset, 0);
    EXPECT_LE(m.ThumbOffset, std::max(0, m.TrackLength - m.ThumbLength));
    int offset = 500;
    const int pos = skin::DragPosition(offset, Info(0, 100, 10, 90), m);
    EXPECT_GE(pos, 0);
    EXPECT_LE(pos, 91);
  }
  // The control's own values, however odd.
  ASSERT_TRUE(skin::ThumbFromControl(0, 0, 0, 0, 100, 16, 8, 16, m));
  ASSERT_TRUE(skin::ThumbFromControl(0, 10, 50, 3, 100, 16, 8, 16, m));
  EXPECT_EQ(m.ThumbOffset, 0);
  EXPECT_FALSE(skin::ThumbFromControl(-2147483647 - 1, 2147483647, 0, 0, 100, 16, 8, 16, m));
  EXPECT_EQ(skin::ScaleBy(5, 7, 0), 0);
}

TEST(ScrollGeometry, ScrollBarControlThumbCountsTheLastPosition) {
  TScrollMetrics m;
  // 0..100 with a page of 20: 101 values; track 168.
  ASSERT_TRUE(skin::ThumbFromControl(0, 100, 20, 40, 200, 16, 8, 16, m));
  EXPECT_EQ(m.ThumbLength, MulDiv(20, 168, 101));
  EXPECT_EQ(m.ThumbOffset, MulDiv(40, 168 - m.ThumbLength, 81));
  // The page covers every value: a full thumb less a pixel.
  ASSERT_TRUE(skin::ThumbFromControl(0, 9, 10, 0, 200, 16, 8, 16, m));
  EXPECT_EQ(m.ThumbLength, 167);
  EXPECT_EQ(m.ThumbOffset, 0);
}

TEST(ScrollGeometry, HitTestNamesEveryPartOfTheBar) {
  TScrollMetrics m;
  m.ArrowSize = 16;
  m.TrackLength = 100;
  m.ThumbLength = 20;
  m.ThumbOffset = 30;
  EXPECT_EQ(skin::HitTestBar(0, m), SB_LINEUP);
  EXPECT_EQ(skin::HitTestBar(15, m), SB_LINEUP);
  EXPECT_EQ(skin::HitTestBar(16, m), SB_PAGEUP);
  EXPECT_EQ(skin::HitTestBar(46, m), SB_THUMBTRACK);
  EXPECT_EQ(skin::HitTestBar(65, m), SB_THUMBTRACK);
  EXPECT_EQ(skin::HitTestBar(66, m), SB_PAGEDOWN);
  EXPECT_EQ(skin::HitTestBar(116, m), SB_LINEDOWN);
  EXPECT_EQ(skin::HitTestBar(131, m), SB_LINEDOWN);
  EXPECT_EQ(skin::HitTestBar(132, m), -1);
}

TEST(ScrollGeometry, DraggedPositionsStayInTheBarsRangeAndReachEveryValue) {
  TScrollMetrics m;
  m.ArrowSize = 16;
  // With a page: 0..99, page 10: the last position is 90.
  ASSERT_TRUE(skin::ThumbFromInfo(Info(0, 99, 10, 0), 200, 16, 8, 16, m));
  std::set<int> reached;
  for (int o = -50; o <= m.TrackLength + 50; ++o) {
    int offset = o;
    const int pos = skin::DragPosition(offset, Info(0, 99, 10, 0), m);
    EXPECT_GE(offset, 0);
    EXPECT_LE(offset, m.TrackLength);
    reached.insert(pos);
  }
  EXPECT_EQ(*reached.begin(), 0);
  EXPECT_EQ(*reached.rbegin(), 90);
  EXPECT_EQ(reached.size(), 91u);  // 89, one before the last, too

  // Without a page: up to nMax, from nMin.
  ASSERT_TRUE(skin::ThumbFromInfo(Info(10, 90, 0, 10), 200, 16, 8, 16, m));
  int offset = 10000;
  EXPECT_EQ(skin::DragPosition(offset, Info(10, 90, 0, 10), m), 90);
  EXPECT_EQ(offset, m.TrackLength - m.ThumbLength);
  offset = -10000;
  EXPECT_EQ(skin::DragPosition(offset, Info(10, 90, 0, 10), m), 10);
  EXPECT_EQ(offset, 0);
}

}  // namespace
