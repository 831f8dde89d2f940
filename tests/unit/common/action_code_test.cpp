#include "common/action_code.h"

#include <gtest/gtest.h>

namespace fesk {
namespace {

TEST(ActionCode, DirectionNamesOfEveryPair) {
  struct Case {
    const char* pair;
    const char* name;
  };
  const Case cases[] = {{"lr", "右"},   {"lR", "右下"}, {"lL", "下"},   {"rl", "左"}, {"rR", "下"},
                        {"rL", "左下"}, {"Ll", "上"},   {"Lr", "右上"}, {"LR", "右"}, {"Rl", "左上"},
                        {"Rr", "上"},   {"RL", "左"},   {"ll", ""},     {"lx", ""},   {"ab", ""}};
  for (const Case& c : cases) EXPECT_EQ(DirectionName(c.pair[0], c.pair[1]), c.name) << c.pair;
}

TEST(ActionCode, LettersAndServiceCodes) {
  EXPECT_EQ(QuadrantOfLetter('l'), kUpperLeft);
  EXPECT_EQ(QuadrantOfLetter('R'), kLowerRight);
  EXPECT_EQ(QuadrantOfLetter('x'), kNoQuadrant);
  EXPECT_EQ(QuadrantLetter(kLowerLeft), 'L');
  EXPECT_EQ(WindowServiceIndex("Rl"), 0);
  EXPECT_EQ(WindowServiceIndex("lR"), 7);
  EXPECT_EQ(WindowServiceIndex("LR"), -1);
  EXPECT_EQ(WindowServiceIndex(""), -1);
}

struct RunPosCase {
  const char* mask;
  Point start;
  bool allowed;
};

class RunPos : public ::testing::TestWithParam<RunPosCase> {};

// Screen 1024 x 768: grid lines at x 341 and 682, y 256 and 512.
TEST_P(RunPos, OpenRegionsOnTheThreeByThreeGrid) {
  const RunPosCase& c = GetParam();
  EXPECT_EQ(RunPosAllows(c.mask, c.start, Size{1024, 768}), c.allowed)
      << c.mask << " at " << c.start.x << "," << c.start.y;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunPos,
    ::testing::Values(RunPosCase{"111111101", {500, 600}, false},  // bottom centre forbidden
                      RunPosCase{"111111101", {500, 512}, true},   // on the line y = 2*(H div 3)
                      RunPosCase{"111111101", {341, 600}, true},   // on the line x = W div 3
                      RunPosCase{"111111101", {100, 600}, true}, RunPosCase{"000000000", {10, 10}, false},
                      RunPosCase{"000000000", {341, 10}, true}, RunPosCase{"000000000", {10, 256}, true},
                      RunPosCase{"011111111", {0, 0}, false},
                      RunPosCase{"1111", {1000, 700}, true},  // short mask: missing region allowed
                      RunPosCase{"11111111x", {1000, 700}, true}, RunPosCase{"", {1000, 700}, true}));

TEST(ScreenPosition, ConditionsOnAThousandTwentyFourByTwoSixtyEight) {
  Size screen{1024, 768};
  struct Case {
    Point cursor;
    int position;
  };
  const Case cases[] = {{{0, 0}, 1},   {{500, 0}, 2},   {{1023, 0}, 3},   {{0, 300}, 4},   {{1023, 300}, 5},
                        {{0, 767}, 6}, {{500, 767}, 7}, {{1023, 767}, 8}, {{500, 300}, 0}, {{1, 1}, 0}};
  for (const Case& c : cases) {
    for (int position = 1; position <= 8; ++position) {
      EXPECT_EQ(AtScreenPosition(position, c.cursor, screen), position == c.position)
          << c.cursor.x << "," << c.cursor.y << " position " << position;
    }
  }
}

TEST(ScreenPosition, ConditionsOnAMonitorLeftOfThePrimaryOne) {
  // A 1280 x 1024 monitor left of the primary screen: its rectangle starts
  // at negative x.
  const Rect monitor{-1280, -256, 0, 768};
  struct Case {
    Point cursor;
    int position;
  };
  const Case cases[] = {{{-1280, -256}, 1}, {{-600, -256}, 2}, {{-1, -256}, 3},   {{-1280, 0}, 4},
                        {{-1, 0}, 5},       {{-1280, 767}, 6}, {{-600, 767}, 7},  {{-1, 767}, 8},
                        {{-600, 0}, 0},     {{0, 0}, 0},       {{-1279, -255}, 0}};
  for (const Case& c : cases) {
    for (int position = 1; position <= 8; ++position) {
      EXPECT_EQ(AtScreenPosition(position, c.cursor, monitor), position == c.position)
          << c.cursor.x << "," << c.cursor.y << " position " << position;
    }
  }
}

TEST(ScreenPosition, TheScreenSizeIsTheMonitorAtTheOrigin) {
  for (Point p : {Point{0, 0}, Point{500, 0}, Point{1023, 767}, Point{1023, 300}, Point{40, 40}}) {
    for (int position = 1; position <= 8; ++position) {
      EXPECT_EQ(AtScreenPosition(position, p, Size{1024, 768}), AtScreenPosition(position, p, Rect{0, 0, 1024, 768}));
    }
  }
}

TEST(ScreenPosition, FirstClaimWins) {
  ScreenPositionClaims claims;
  claims.Claim("3", 4);
  claims.Claim("3", 2);
  claims.Claim("0", 5);
  claims.Claim("9", 6);
  claims.Claim("", 7);
  claims.Claim("33", 8);
  claims.Claim("8", 9);
  EXPECT_EQ(claims.Owner(3), 4);
  EXPECT_EQ(claims.Owner(8), 9);
  for (int position : {1, 2, 4, 5, 6, 7}) EXPECT_EQ(claims.Owner(position), kNoSlot);
}

}  // namespace
}  // namespace fesk
