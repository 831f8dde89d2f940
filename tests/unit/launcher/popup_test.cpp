#include <gtest/gtest.h>

#include "launcher/ui/popup_displays.h"
#include "launcher_fixture.h"

namespace fesk::testing {
namespace {

using K = DrawCommand::Kind;

DrawCommand Cmd(K kind, Rect r, Color pen, Color brush) { return DrawCommand{kind, r, pen, brush, {}}; }

TEST(ShowTrail, DrawsTheSquareTheNeutralAreaAndTheSamples) {
  bool trail_shown = false;
  TrailPopup popup(trail_shown);
  popup.first_text.visible = true;
  std::vector<Point> samples = {{100, 100}, {150, 100}, {200, 100}};
  RecognizedStroke stroke = RecognizeStroke(samples, 5);
  ShowTrail(popup, stroke.geometry, samples, Size{1024, 768});

  EXPECT_EQ((Rect{popup.left, popup.top, popup.width, popup.height}), (Rect{98, 98, 104, 104}));
  EXPECT_TRUE(popup.visible);
  EXPECT_EQ(popup.show_requests, 1);
  EXPECT_FALSE(popup.first_text.visible);
  EXPECT_FALSE(popup.second_text.visible);
  EXPECT_EQ(popup.picture.width, 1024);
  EXPECT_EQ(popup.picture.height, 768);
  const Color silver = colors::kSilver, white = colors::kWhite, black = colors::kBlack;
  const std::vector<DrawCommand> expected = {
      Cmd(K::kFillRect, {0, 0, 1024, 768}, black, silver),
      Cmd(K::kRectangle, {2, 52, 52, 102}, colors::kBlue, colors::kBlue),
      Cmd(K::kRectangle, {52, 2, 102, 52}, colors::kGreen, colors::kGreen),
      Cmd(K::kRectangle, {2, 2, 52, 52}, colors::kRed, colors::kRed),
      Cmd(K::kRectangle, {52, 52, 102, 102}, colors::kYellow, colors::kYellow),
      // neutral square 120..180 shifted by 2 - 100
      Cmd(K::kFillRect, {22, 22, 82, 82}, colors::kYellow, white),
      Cmd(K::kLine, {2, 2, 2, 2}, black, white),
      Cmd(K::kEllipse, {-1, -1, 5, 5}, black, white),
      Cmd(K::kLine, {2, 2, 52, 2}, black, white),
      Cmd(K::kEllipse, {-1, -1, 5, 5}, black, white),
      Cmd(K::kLine, {52, 2, 102, 2}, black, white),
      Cmd(K::kEllipse, {49, -1, 55, 5}, black, white),
      Cmd(K::kEllipse, {99, -1, 105, 5}, black, white),
  };
  EXPECT_EQ(popup.picture.commands, expected);
}

TEST(ShowSensorTest, RedSquareOfTheMinimumMoveInTheMiddle) {
  bool trail_shown = true;
  TrailPopup popup(trail_shown);
  ShowSensorTest(popup, Size{1024, 768}, 61);
  EXPECT_EQ((Rect{popup.left, popup.top, popup.width, popup.height}), (Rect{312, 184, 400, 400}));
  ASSERT_EQ(popup.picture.commands.size(), 2u);
  EXPECT_EQ(popup.picture.commands[0].rect, (Rect{0, 0, 1024, 768}));
  EXPECT_EQ(popup.picture.commands[0].brush, colors::kSilver);
  EXPECT_EQ(popup.picture.commands[1].kind, K::kFillRect);
  EXPECT_EQ(popup.picture.commands[1].rect, (Rect{170, 170, 230, 230}));
  EXPECT_EQ(popup.picture.commands[1].brush, colors::kRed);
  EXPECT_EQ(popup.first_text.caption, "赤色の領域以上のマウス移動を行った場合、センサーが働きます.");
  EXPECT_EQ(popup.second_text.caption, "このフォーム内を左マウス・クリックすると戻ります。");
  EXPECT_EQ(popup.second_text.top, 380);
  EXPECT_EQ(popup.first_text.left, 8);
  EXPECT_TRUE(popup.first_text.visible && popup.second_text.visible && popup.visible);
  EXPECT_TRUE(trail_shown) << "the test display leaves a pending trail alone";
}

TEST(ShowSensorTest, InTheMiddleOfTheMonitorLaidOutForItsDpi) {
  bool trail_shown = false;
  TrailPopup popup(trail_shown);
  // A 1920 x 1080 monitor at 150 % left of the primary screen.
  ShowSensorTest(popup, Monitor{Rect{-1920, 0, 0, 1080}, 144}, 61);
  EXPECT_EQ((Rect{popup.left, popup.top, popup.width, popup.height}), (Rect{-1260, 240, 600, 600}));
  EXPECT_EQ(popup.picture.width, 1920);
  EXPECT_EQ(popup.picture.height, 1080);
  // The red square is the sensor's minimum movement in screen pixels, in the
  // popup's middle.
  EXPECT_EQ(popup.picture.commands[1].rect, (Rect{270, 270, 330, 330}));
  EXPECT_EQ(popup.label_font_height, 20);
  EXPECT_EQ((Point{popup.first_text.left, popup.first_text.top}), (Point{12, 12}));
  EXPECT_EQ((Point{popup.second_text.left, popup.second_text.top}), (Point{15, 570}));
}

TEST(ShowSensorTest, BackAtNinetySixDpiTheTextsAreDesignSized) {
  bool trail_shown = false;
  TrailPopup popup(trail_shown);
  ShowSensorTest(popup, Monitor{Rect{0, 0, 1024, 768}, 192}, 10);
  EXPECT_EQ(popup.label_font_height, 26);
  ShowSensorTest(popup, Size{1024, 768}, 10);
  EXPECT_EQ(popup.label_font_height, 13);
  EXPECT_EQ((Rect{popup.left, popup.top, popup.width, popup.height}), (Rect{312, 184, 400, 400}));
  EXPECT_EQ(popup.second_text.top, 380);
}

TEST(ShowTrail, OverTheMovementOnItsMonitorWithDotsForItsDpi) {
  bool trail_shown = false;
  TrailPopup popup(trail_shown);
  std::vector<Point> samples = {{-300, 100}, {-250, 100}, {-200, 100}};
  RecognizedStroke stroke = RecognizeStroke(samples, 5);
  ShowTrail(popup, stroke.geometry, samples, Monitor{Rect{-1920, 0, 0, 1080}, 192});
  EXPECT_EQ((Rect{popup.left, popup.top, popup.width, popup.height}), (Rect{-302, 98, 104, 104}));
  EXPECT_EQ(popup.picture.width, 1920);
  EXPECT_EQ(popup.picture.height, 1080);
  ASSERT_FALSE(popup.picture.commands.empty());
  EXPECT_EQ(popup.picture.commands.back(), Cmd(K::kEllipse, {96, -4, 108, 8}, colors::kBlack, colors::kWhite));
}

TEST(TrailPopup, ClicksDismissThePopup) {
  struct Case {
    bool on_image;
    MouseButton button;
    bool dismissed;
  };
  const Case cases[] = {{true, MouseButton::kLeft, true},    {true, MouseButton::kRight, false},
                        {true, MouseButton::kMiddle, false}, {false, MouseButton::kLeft, true},
                        {false, MouseButton::kRight, true},  {false, MouseButton::kMiddle, true}};
  for (const Case& c : cases) {
    bool trail_shown = true;
    TrailPopup popup(trail_shown);
    ShowSensorTest(popup, Size{800, 600}, 10);
    if (c.on_image)
      popup.PictureMouseDown(c.button);
    else
      popup.FormMouseDown(c.button);
    EXPECT_EQ(popup.visible, !c.dismissed);
    EXPECT_EQ(popup.first_text.visible, !c.dismissed);
    EXPECT_EQ(popup.second_text.visible, !c.dismissed);
    EXPECT_EQ(trail_shown, !c.dismissed);
  }
}

class PopupTest : public LauncherTest {};

TEST_F(PopupTest, PendingTrailComesBackAfterOkUntilClickedAway) {
  WriteIni({"[SYSTEM]", "MODE=2"});
  SettingsDialog& f = Create();
  Stroke(kShiftCtrl, Line({100, 100}, {300, 300}));
  ASSERT_TRUE(f.popup.visible);
  f.Ok();
  EXPECT_FALSE(f.popup.visible);
  f.TrailTick();
  EXPECT_TRUE(f.popup.visible);
  f.popup.PictureMouseDown(MouseButton::kLeft);
  f.TrailTick();
  EXPECT_FALSE(f.popup.visible);
}

TEST_F(PopupTest, TestDisplayHiddenByCancelStaysHidden) {
  SettingsDialog& f = Create();
  f.ShowSensorTest();
  EXPECT_TRUE(f.popup.visible);
  EXPECT_EQ(f.popup.picture.commands[1].rect, (Rect{195, 195, 205, 205}));
  f.Cancel();
  EXPECT_FALSE(f.popup.visible);
  EXPECT_FALSE(f.popup.first_text.visible);
  f.TrailTick();
  EXPECT_FALSE(f.popup.visible);
}

TEST_F(PopupTest, TrailAndTestDisplayShowOnTheMonitorOfTheMovement) {
  input.monitors = {Monitor{Rect{0, 0, 1024, 768}, 96}, Monitor{Rect{1024, 0, 2304, 1024}, 120}};
  WriteIni({"[SYSTEM]", "MODE=2"});
  SettingsDialog& f = Create();
  Stroke(kShiftCtrl, Line({1500, 500}, {1700, 500}));
  ASSERT_TRUE(f.popup.visible);
  EXPECT_GE(f.popup.left, 1024);
  EXPECT_EQ(f.popup.picture.width, 1280);
  f.popup.PictureMouseDown(MouseButton::kLeft);
  input.cursor = {2000, 900};
  f.ShowSensorTest();
  EXPECT_EQ((Rect{f.popup.left, f.popup.top, f.popup.width, f.popup.height}), (Rect{1414, 262, 500, 500}));
  input.cursor = {10, 10};
  f.ShowSensorTest();
  EXPECT_EQ((Rect{f.popup.left, f.popup.top, f.popup.width, f.popup.height}), (Rect{312, 184, 400, 400}));
}

TEST_F(PopupTest, TrailAfterTheTestDisplayShowsNoText) {
  WriteIni({"[SYSTEM]", "MODE=2"});
  SettingsDialog& f = Create();
  f.ShowSensorTest();
  f.popup.FormMouseDown(MouseButton::kRight);
  Stroke(kShiftCtrl, Line({100, 100}, {300, 100}));
  EXPECT_TRUE(f.popup.visible);
  EXPECT_FALSE(f.popup.first_text.visible);
  EXPECT_FALSE(f.popup.second_text.visible);
}

TEST_F(PopupTest, TimerReshowsOnlyAPendingTrail) {
  SettingsDialog& f = Create();
  f.TrailTick();
  EXPECT_EQ(f.popup.show_requests, 0);
  f.loop.TrailShown = true;
  f.TrailTick();
  f.TrailTick();
  EXPECT_EQ(f.popup.show_requests, 2);
}

}  // namespace
}  // namespace fesk::testing
