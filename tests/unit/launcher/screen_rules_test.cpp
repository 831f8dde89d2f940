#include "launcher/core/screen_rules.h"

#include <gtest/gtest.h>

namespace fesk {
namespace {

const Size kScreen{1024, 768};

ScreenPositionClaims AllOwned() {
  ScreenPositionClaims claims;
  for (int position = 1; position <= 8; ++position) {
    claims.Claim(std::to_string(position), position * 10);
  }
  return claims;
}

TEST(ScreenPositionProgram, CornersAndEdges) {
  struct Case {
    Point cursor;
    int slot;
  };
  const Case cases[] = {
      {{0, 0}, 10},     {{500, 0}, 20},    {{1023, 0}, 30},       {{0, 300}, 40},    {{1023, 300}, 50}, {{0, 767}, 60},
      {{500, 767}, 70}, {{1023, 767}, 80}, {{500, 300}, kNoSlot}, {{1, 1}, kNoSlot}, {{1024, 0}, 20},
  };
  ScreenPositionClaims claims = AllOwned();
  for (const Case& c : cases) {
    EXPECT_EQ(ScreenPositionProgram(claims, c.cursor, kScreen), c.slot) << c.cursor.x << "," << c.cursor.y;
  }
}

TEST(ScreenPositionProgram, UnownedPositionStartsNothing) {
  ScreenPositionClaims claims;
  claims.Claim("3", 4);
  EXPECT_EQ(ScreenPositionProgram(claims, {0, 0}, kScreen), kNoSlot);
  EXPECT_EQ(ScreenPositionProgram(claims, {1023, 0}, kScreen), 4);
}

TEST(ScreenPositionProgram, CornersOfAMonitorRightOfThePrimaryOne) {
  // A second monitor of 1280 x 1024 right of a 1024 x 768 primary screen,
  // its top 100 pixels higher.
  const Rect second{1024, -100, 2304, 924};
  struct Case {
    Point cursor;
    int slot;
  };
  const Case cases[] = {
      {{1024, -100}, 10},     {{1500, -100}, 20},
      {{2303, -100}, 30},     {{1024, 300}, 40},
      {{2303, 300}, 50},      {{1024, 923}, 60},
      {{1500, 923}, 70},      {{2303, 923}, 80},
      {{1500, 300}, kNoSlot}, {{1023, 0}, kNoSlot} /* not on this monitor */,
      {{2303, 0}, 50},  // the second monitor's right edge, not a corner of the primary's height
  };
  ScreenPositionClaims claims = AllOwned();
  for (const Case& c : cases) {
    EXPECT_EQ(ScreenPositionProgram(claims, c.cursor, second), c.slot) << c.cursor.x << "," << c.cursor.y;
  }
}

TEST(ScreenPositionProgram, OneMonitorIsTheScreen) {
  ScreenPositionClaims claims = AllOwned();
  for (Point p : {Point{0, 0}, Point{500, 0}, Point{1023, 0}, Point{0, 300}, Point{1023, 767}, Point{9, 9}}) {
    EXPECT_EQ(ScreenPositionProgram(claims, p, Rect{0, 0, 1024, 768}), ScreenPositionProgram(claims, p, kScreen));
  }
}

TEST(StartAllowed, RunSpotAndBlackHolesIncludeTheirBounds) {
  struct Case {
    StartArea area;
    Point start;
    bool allowed;
  };
  StartArea off;
  StartArea whole{true, {0, 0, 1024, 768}, false, {}};
  StartArea pixel{true, {0, 0, 0, 0}, false, {}};
  StartArea reversed{true, {100, 0, 50, 768}, false, {}};
  StartArea default_holes{false, {}, true, {}};
  StartArea hole{false, {}, true, {Rect{}, Rect{10, 10, 20, 20}, Rect{}, Rect{}}};
  StartArea reversed_hole{
      false, {}, true, {Rect{30, 30, 20, 40}, Rect{30, 30, 20, 40}, Rect{30, 30, 20, 40}, Rect{30, 30, 20, 40}}};
  const Case cases[] = {
      {off, {5, 5}, true},
      {whole, {0, 0}, true},
      {whole, {1024, 768}, true},
      {pixel, {0, 0}, true},
      {pixel, {1, 0}, false},
      {reversed, {75, 10}, false},
      {reversed, {100, 10}, false},
      {default_holes, {0, 0}, false},
      {default_holes, {0, 1}, true},
      {hole, {10, 20}, false},
      {hole, {20, 10}, false},
      {hole, {21, 15}, true},
      {reversed_hole, {25, 35}, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StartAllowed(c.area, c.start), c.allowed) << c.start.x << "," << c.start.y;
  }
}

}  // namespace
}  // namespace fesk
