#include <gtest/gtest.h>

#include <bitset>

#include "graphics/Region.h"

// Regions against a plain pixel mask on a 32x32 grid.
namespace {
using TMask = std::bitset<32 * 32>;

TMask MaskOf(const TRect& rect) {
  TMask mask;
  for (int y = std::max(rect.Top, 0); y < std::min(rect.Bottom, 32); ++y)
    for (int x = std::max(rect.Left, 0); x < std::min(rect.Right, 32); ++x)
      mask.set(y * 32 + x);
  return mask;
}

TMask MaskOf(const TRegion& region) {
  TMask mask;
  for (const TRect& rect : region.Rects()) {
    EXPECT_FALSE(rect.IsEmpty());
    const TMask part = MaskOf(rect);
    EXPECT_TRUE((mask & part).none()) << "rectangles overlap";
    mask |= part;
  }
  return mask;
}

struct TRandom {
  uint32_t State;
  int Next(int limit) {
    State = State * 1103515245u + 12345u;
    return static_cast<int>((State >> 16) % static_cast<uint32_t>(limit));
  }
  TRect Rect() {
    const int left = Next(30), top = Next(30);
    return {left, top, left + 1 + Next(12), top + 1 + Next(12)};
  }
};
}  // namespace

TEST(RegionTest, OperationsMatchAPixelMaskAndKeepRectanglesDisjoint) {
  TRandom random{3};
  for (int round = 0; round < 200; ++round) {
    TRegion region;
    TMask expected;
    for (int step = 0; step < 6; ++step) {
      const TRect rect = random.Rect();
      switch (random.Next(4)) {
        case 0:
          region.Add(rect);
          expected |= MaskOf(rect);
          break;
        case 1:
          region.Subtract(rect);
          expected &= ~MaskOf(rect);
          break;
        case 2:
          region.Intersect(rect);
          expected &= MaskOf(rect);
          break;
        default: {
          TRegion other(rect);
          other.Add(random.Rect());
          const TMask otherMask = MaskOf(other);
          region.Xor(other);
          expected ^= otherMask;
        }
      }
      ASSERT_EQ(MaskOf(region), expected) << "round " << round << " step " << step;
    }
    const TRect bounds = region.Bounds();
    EXPECT_EQ((MaskOf(bounds) & expected), expected);
    EXPECT_EQ(region.IsEmpty(), expected.none());
  }
}

TEST(RegionTest, IntersectionsOffsetsAndComparisons) {
  TRegion a({0, 0, 10, 10});
  a.Add({10, 0, 20, 10});
  EXPECT_EQ(a.Rects().size(), 1u);  // joined into one rectangle
  TRegion b({5, 5, 15, 15});
  TRegion both = a;
  both.Intersect(b);
  EXPECT_TRUE(both.SameArea(TRegion({5, 5, 15, 10})));
  both.Offset(-5, -5);
  EXPECT_EQ(both.Bounds(), (TRect{0, 0, 10, 5}));
  EXPECT_TRUE(both.Contains({9, 4}));
  EXPECT_FALSE(both.Contains({10, 4}));
  TRegion empty;
  EXPECT_EQ(empty.Bounds(), TRect{});
  empty.Add({3, 3, 3, 9});  // an empty rectangle adds nothing
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_FALSE(a.SameArea(b));
}
