#include "launcher/core/stroke_recognizer.h"

#include <gtest/gtest.h>

#include <vector>

namespace fesk {
namespace {

std::string CodeOf(const std::vector<Point>& samples, int divisor = 5) {
  return RecognizeStroke(samples, divisor).code;
}

struct CodeCase {
  std::vector<Point> samples;
  std::string code;
};

TEST(RecognizeStroke, StraightStrokesGiveTheEightDirectionCodes) {
  const CodeCase cases[] = {
      {{{100, 100}, {200, 100}}, "lr"}, {{{200, 100}, {100, 100}}, "rl"}, {{{100, 100}, {100, 200}}, "lL"},
      {{{100, 200}, {100, 100}}, "Ll"}, {{{100, 100}, {200, 200}}, "lR"}, {{{200, 200}, {100, 100}}, "Rl"},
      {{{200, 100}, {100, 200}}, "rL"}, {{{100, 200}, {200, 100}}, "Lr"},
  };
  for (const CodeCase& c : cases) EXPECT_EQ(CodeOf(c.samples), c.code);
}

TEST(RecognizeStroke, StrokesOnAMonitorAtNegativeCoordinates) {
  // A monitor left of and above the primary one: every coordinate negative.
  const CodeCase cases[] = {
      {{{-300, -200}, {-200, -200}}, "lr"},
      {{{-200, -200}, {-300, -200}}, "rl"},
      {{{-300, -300}, {-300, -200}}, "lL"},
      {{{-200, -200}, {-300, -300}}, "Rl"},
  };
  for (const CodeCase& c : cases) EXPECT_EQ(CodeOf(c.samples), c.code);
  RecognizedStroke s = RecognizeStroke(std::vector<Point>{{-300, -200}, {-200, -200}}, 5);
  EXPECT_EQ(s.geometry.min_x, -300);
  EXPECT_EQ(s.geometry.width, 100);
  EXPECT_EQ(s.geometry.height, 0);
  EXPECT_EQ(s.geometry.side, 100);
}

TEST(RecognizeStroke, StrokesBeyondTenThousandPixels) {
  RecognizedStroke s = RecognizeStroke(std::vector<Point>{{10100, 10100}, {10200, 10100}}, 5);
  EXPECT_EQ(s.code, "lr");
  EXPECT_EQ(s.geometry.min_x, 10100);
  EXPECT_EQ(s.geometry.side, 100);
}

TEST(RecognizeStroke, SquaresTheBoxFromItsTopLeftCorner) {
  RecognizedStroke s = RecognizeStroke(std::vector<Point>{{100, 100}, {200, 100}}, 5);
  EXPECT_EQ(s.geometry.width, 100);
  EXPECT_EQ(s.geometry.height, 0);
  EXPECT_EQ(s.geometry.side, 100);
  EXPECT_EQ(s.geometry.centre, (Point{150, 150}));
  EXPECT_EQ(s.geometry.inset, 20);
  EXPECT_EQ(s.geometry.neutral, (Rect{120, 120, 180, 180}));
}

TEST(RecognizeStroke, SideIsTheHeightWhenBothAreEqual) {
  RecognizedStroke s = RecognizeStroke(std::vector<Point>{{0, 0}, {60, 60}}, 3);
  EXPECT_EQ(s.geometry.side, 60);
  EXPECT_EQ(s.geometry.inset, 20);
}

TEST(RecognizeStroke, CentreLinesAndNeutralEdgeAddNothing) {
  // Box 100..200: centre 150, neutral 120..180.
  EXPECT_EQ(CodeOf({{100, 100}, {150, 110}, {200, 200}}), "lR");   // on the centre line
  EXPECT_EQ(CodeOf({{100, 100}, {180, 120}, {200, 200}}), "lR");   // on the neutral corner
  EXPECT_EQ(CodeOf({{100, 100}, {181, 120}, {200, 200}}), "lrR");  // just outside it
}

TEST(RecognizeStroke, WanderingInOneQuadrantGivesOneLetter) {
  EXPECT_EQ(CodeOf({{100, 100}, {110, 105}, {102, 112}, {115, 101}, {200, 200}}), "lR");
  EXPECT_EQ(CodeOf({{100, 100}, {110, 105}, {102, 112}, {200, 200}, {100, 100}}), "lRl");
}

TEST(RecognizeStroke, ClockwiseLoopListsEveryQuadrantInOrder) {
  EXPECT_EQ(CodeOf({{100, 100}, {200, 100}, {200, 200}, {100, 200}, {100, 100}}), "lrRLl");
}

TEST(RecognizeStroke, ZigZagStopsAtNineLetters) {
  std::vector<Point> zigzag;
  for (int i = 0; i < 20; ++i) zigzag.push_back(i % 2 == 0 ? Point{100, 100} : Point{200, 100});
  EXPECT_EQ(CodeOf(zigzag), "lrlrlrlrl");
}

TEST(RecognizeStroke, LargeDivisorLeavesOnlyABorderBand) {
  // Side 100, divisor 10: inset 10, neutral 10..90; only samples within 10
  // pixels of the border count.
  EXPECT_EQ(CodeOf({{0, 0}, {100, 0}, {100, 100}, {20, 40}, {95, 95}}, 10), "lrR");
  EXPECT_EQ(CodeOf({{0, 0}, {100, 0}, {100, 100}, {9, 40}}, 10), "lrRl");
}

TEST(RecognizeStroke, SingleSampleHasNoSize) {
  RecognizedStroke s = RecognizeStroke(std::vector<Point>{{300, 300}}, 5);
  EXPECT_EQ(s.geometry.width, 0);
  EXPECT_EQ(s.geometry.height, 0);
  EXPECT_FALSE(ExceedsMinimumMove(s.geometry, 0));
  EXPECT_EQ(s.code, "");
}

TEST(ExceedsMinimumMove, EitherSideMustBeLarger) {
  StrokeGeometry g;
  g.width = 10;
  g.height = 10;
  EXPECT_FALSE(ExceedsMinimumMove(g, 10));
  g.width = 11;
  EXPECT_TRUE(ExceedsMinimumMove(g, 10));
  g.width = 0;
  g.height = 11;
  EXPECT_TRUE(ExceedsMinimumMove(g, 10));
}

}  // namespace
}  // namespace fesk
