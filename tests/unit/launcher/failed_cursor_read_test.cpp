// A cursor read that fails (the lock screen, a UAC prompt or Ctrl+Alt+Del
// in front, where every key also reads as up): the movement or corner hold
// in progress starts nothing, and the loop senses again only after a good
// read with every trigger up.
#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace fesk::testing {
namespace {

constexpr int R = vk::kRightButton;

class FailedCursorReadTest : public EngineTest {
 protected:
  void SetUp() override {
    options.screen_positions = true;
    Register("Stroke", "stroke.exe", "lr");
    Register("Corner", "corner.exe", kNoActionCode, "3");
    Start();
  }
  void TickWithoutCursor(std::initializer_list<int> keys) {
    input.cursor_fails = true;
    Tick(keys, {0, 0});
    input.cursor_fails = false;
  }
  static std::vector<Point> FirstHalf() { return Line({100, 100}, {200, 100}, 5); }
  static std::vector<Point> SecondHalf() { return Line({220, 100}, {300, 100}, 5); }
};

TEST_F(FailedCursorReadTest, AMovementThatSawAFailedReadStartsNothing) {
  struct Case {
    std::string name;
    std::initializer_list<int> keys_while_failing;
  };
  const Case cases[] = {
      {"trigger still held", kShiftCtrl},
      {"keys read as up", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    shell.opens.clear();
    for (Point p : FirstHalf()) Tick(kShiftCtrl, p);
    TickWithoutCursor(c.keys_while_failing);
    Stroke(kShiftCtrl, SecondHalf());  // a valid right stroke with the first half
    EXPECT_TRUE(Opened().empty());
    EXPECT_EQ(loop.SampleCount, 0);
    Stroke(kShiftCtrl, Line({100, 100}, {300, 100}));
    EXPECT_EQ(Opened(), (std::vector<std::string>{"stroke.exe"})) << "the next movement starts again";
  }
}

TEST_F(FailedCursorReadTest, TheTrayIconShowsNoRecordingAfterTheMovementIsDropped) {
  for (Point p : Line({100, 100}, {300, 100}, 20)) Tick(kShiftCtrl, p);
  ASSERT_EQ(tray.shown.at(0).picture.kind, TrayPicture::Kind::kFrame);
  TickWithoutCursor(kShiftCtrl);
  EXPECT_EQ(tray.shown.at(0).picture.kind, TrayPicture::Kind::kApplication);
}

TEST_F(FailedCursorReadTest, ACornerHoldThatSawAFailedReadStartsNothingUntilTheButtonIsUp) {
  TickWithoutCursor({R});
  Tick({R}, {1023, 0});
  Tick({R}, {1023, 0});
  EXPECT_TRUE(Opened().empty());
  Idle();
  Tick({R}, {1023, 0});
  EXPECT_EQ(Opened(), (std::vector<std::string>{"corner.exe"}));
}

TEST_F(FailedCursorReadTest, KeysStillHeldAfterTheFailureKeepTheLoopDisarmed) {
  for (Point p : FirstHalf()) Tick(kShiftCtrl, p);
  TickWithoutCursor({});
  // Back from the lock screen with Shift still down: nothing is sensed,
  // not a whole new movement nor a corner, until every trigger key is seen
  // up.
  Tick({vk::kShift}, {100, 100});
  for (Point p : Line({100, 100}, {300, 100})) Tick(kShiftCtrl, p);
  Tick({R}, {1023, 0});
  EXPECT_EQ(loop.SampleCount, 0);
  EXPECT_TRUE(Opened().empty());
  Idle();
  Stroke(kShiftCtrl, Line({100, 100}, {300, 100}));
  EXPECT_EQ(Opened(), (std::vector<std::string>{"stroke.exe"}));
}

TEST_F(FailedCursorReadTest, AFailedReadWithEveryKeyUpKeepsTheLoopDisarmedUntilAGoodRead) {
  Tick({R}, {1023, 0});
  shell.opens.clear();
  TickWithoutCursor({R});
  TickWithoutCursor({});
  Tick({R}, {1023, 0});
  EXPECT_TRUE(Opened().empty()) << "keys read as up on the secure desktop prove nothing";
  Idle();
  EXPECT_TRUE(Opened().empty());
  Tick({R}, {1023, 0});
  EXPECT_EQ(Opened(), (std::vector<std::string>{"corner.exe"})) << "a good read with every key up";
}

}  // namespace
}  // namespace fesk::testing
