// The mouse buttons are the user's primary and secondary ones: with the
// buttons swapped (a left-handed setting) the screen positions answer the
// physical left button and "ﾏｳｽ右" means it too.
#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace fesk::testing {
namespace {

constexpr int kPhysicalLeft = vk::kLeftButton, kPhysicalRight = vk::kRightButton;
constexpr int kRightOnlyTrigger = 14;  // "ﾏｳｽ右" alone

class LeftHandTest : public EngineTest {
 protected:
  void SetUp() override {
    options.screen_positions = true;
    Register("Stroke", "stroke.exe", "lr");
    Register("Corner", "corner.exe", kNoActionCode, "3");
  }
  void CreateWithCorner(bool swapped) {
    input.buttons_swapped = swapped;
    Start();
  }
  // What one tick with the physical button held at the top-right corner
  // starts.
  std::vector<std::string> HeldAtCorner(int physical_button) {
    shell.opens.clear();
    Tick({physical_button}, {1023, 0});
    Idle();
    return Opened();
  }
};

TEST_F(LeftHandTest, TheSecondaryButtonAtACornerStartsItsProgram) {
  struct Case {
    bool swapped;
    int physical_button;
    std::vector<std::string> started;
  };
  const Case cases[] = {
      {false, kPhysicalRight, {"corner.exe"}},
      {false, kPhysicalLeft, {}},
      {true, kPhysicalLeft, {"corner.exe"}},
      {true, kPhysicalRight, {}},  // a left-handed user's click on the Start button
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.swapped ? "swapped, " : "not swapped, ") +
                 (c.physical_button == kPhysicalLeft ? "physical left" : "physical right"));
    CreateWithCorner(c.swapped);
    EXPECT_EQ(HeldAtCorner(c.physical_button), c.started);
  }
}

TEST_F(LeftHandTest, TheRightButtonTriggerAnswersThePhysicalLeftButtonWhenSwapped) {
  options.screen_positions = false;
  options.SetMouseActionTrigger(kRightOnlyTrigger);
  CreateWithCorner(true);
  Stroke({kPhysicalRight}, Line({100, 100}, {300, 100}));
  EXPECT_TRUE(Opened().empty()) << "the physical right button is the primary one";
  Stroke({kPhysicalLeft}, Line({100, 100}, {300, 100}));
  EXPECT_EQ(Opened(), (std::vector<std::string>{"stroke.exe"}));
}

// The setting is read when the launcher starts and again when the user
// changes it, not on every tick.
TEST_F(LeftHandTest, ASwapMadeWhileTheLauncherRunsAppliesAfterTheSettingChange) {
  CreateWithCorner(false);
  input.buttons_swapped = true;
  EXPECT_EQ(HeldAtCorner(kPhysicalRight), (std::vector<std::string>{"corner.exe"})) << "not told yet";
  engine->SettingChanged();
  EXPECT_EQ(HeldAtCorner(kPhysicalRight), (std::vector<std::string>{}));
  EXPECT_EQ(HeldAtCorner(kPhysicalLeft), (std::vector<std::string>{"corner.exe"}));
  input.buttons_swapped = false;
  engine->SettingChanged();
  EXPECT_EQ(HeldAtCorner(kPhysicalRight), (std::vector<std::string>{"corner.exe"}));
}

}  // namespace
}  // namespace fesk::testing
