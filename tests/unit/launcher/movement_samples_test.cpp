// Which samples of a movement are kept: at most 50, spread evenly over the
// whole movement.
#include "launcher/core/movement_samples.h"

#include <gtest/gtest.h>

#include <vector>

namespace fesk {
namespace {

// The samples kept of a movement of `moving_ticks` ticks, each sample's x
// being its tick's number.
std::vector<int> KeptTicks(int moving_ticks) {
  MovementSamples samples;
  samples.Clear();
  for (int tick = 0; tick < moving_ticks; ++tick) samples.Add(Point{tick, 7});
  std::vector<int> ticks;
  for (Point p : samples.View()) ticks.push_back(p.x);
  return ticks;
}

TEST(MovementSamplesTest, SpreadEvenlyOverTheWholeMovement) {
  struct Case {
    int moving_ticks;
    std::size_t count;
    int step;  // between kept ticks
  };
  const Case cases[] = {{1, 1, 1}, {49, 49, 1}, {50, 50, 1}, {51, 26, 2}, {100, 50, 2}, {101, 26, 4}, {1000, 32, 32}};
  for (const Case& c : cases) {
    const std::vector<int> kept = KeptTicks(c.moving_ticks);
    ASSERT_EQ(kept.size(), c.count) << c.moving_ticks;
    EXPECT_LE(kept.size(), static_cast<std::size_t>(kMaxSamples));
    EXPECT_EQ(kept.front(), 0) << "the first sample always stays";
    for (std::size_t i = 1; i < kept.size(); ++i) {
      ASSERT_EQ(kept[i] - kept[i - 1], c.step) << c.moving_ticks << " ticks, sample " << i;
    }
    EXPECT_LT(c.moving_ticks - 1 - kept.back(), c.step) << c.moving_ticks << ": the last lies within a step of the end";
  }
}

TEST(MovementSamplesTest, ClearStartsANewMovementAtEveryTick) {
  MovementSamples samples;
  for (int tick = 0; tick < 300; ++tick) samples.Add(Point{tick, 0});
  samples.Clear();
  EXPECT_TRUE(samples.View().empty());
  for (int tick = 0; tick < 3; ++tick) samples.Add(Point{tick, 1});
  ASSERT_EQ(samples.View().size(), 3u);
  EXPECT_EQ(samples.View()[2], (Point{2, 1})) << "the step starts again at one";
}

}  // namespace
}  // namespace fesk
