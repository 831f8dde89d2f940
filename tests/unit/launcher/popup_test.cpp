#include <gtest/gtest.h>

#include "launcher/ui/popup_displays.h"
#include "launcher_fixture.h"

namespace fesk::testing {
namespace {

using K = DrawCommand::Kind;

DrawCommand Cmd(K kind, Rect r, Color pen, Color brush) { return DrawCommand{kind, r, pen, brush, {}}; }

TEST(ShowTrail, DrawsTheSquareTheNeutralAreaAndTheSamples) {
  bool trail_shown = false;
  TFFesk2 popup(trail_shown);
  popup.Label1.visible = true;
  std::vector<Point> samples = {{100, 100}, {150, 100}, {200, 100}};
  RecognizedStroke stroke = RecognizeStroke(samples, 5);
  ShowTrail(popup, stroke.geometry, samples, Size{1024, 768});

  EXPECT_EQ((Rect{popup.left, popup.top, popup.width, popup.height}), (Rect{98, 98, 104, 104}));
  EXPECT_TRUE(popup.visible);
  EXPECT_EQ(popup.show_requests, 1);
  EXPECT_FALSE(popup.Label1.visible);
  EXPECT_FALSE(popup.Label2.visible);
  EXPECT_EQ(popup.Image1.width, 1024);
  EXPECT_EQ(popup.Image1.height, 768);
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
  EXPECT_EQ(popup.Image1.commands, expected);
}

TEST(ShowSensorTest, RedSquareOfTheMinimumMoveInTheMiddle) {
  bool trail_shown = true;
  TFFesk2 popup(trail_shown);
  ShowSensorTest(popup, Size{1024, 768}, 61);
  EXPECT_EQ((Rect{popup.left, popup.top, popup.width, popup.height}), (Rect{312, 184, 400, 400}));
  ASSERT_EQ(popup.Image1.commands.size(), 2u);
  EXPECT_EQ(popup.Image1.commands[0].rect, (Rect{0, 0, 1024, 768}));
  EXPECT_EQ(popup.Image1.commands[0].brush, colors::kSilver);
  EXPECT_EQ(popup.Image1.commands[1].kind, K::kFillRect);
  EXPECT_EQ(popup.Image1.commands[1].rect, (Rect{170, 170, 230, 230}));
  EXPECT_EQ(popup.Image1.commands[1].brush, colors::kRed);
  EXPECT_EQ(popup.Label1.caption, "赤色の領域以上のマウス移動を行った場合、センサーが働きます.");
  EXPECT_EQ(popup.Label2.caption, "このフォーム内を左マウス・クリックすると戻ります。");
  EXPECT_EQ(popup.Label2.top, 380);
  EXPECT_EQ(popup.Label1.left, 8);
  EXPECT_TRUE(popup.Label1.visible && popup.Label2.visible && popup.visible);
  EXPECT_TRUE(trail_shown) << "the test display leaves a pending trail alone";
}

TEST(TFFesk2, ClicksDismissThePopup) {
  struct Case {
    bool on_image;
    MouseButton button;
    bool dismissed;
  };
  const Case cases[] = {{true, MouseButton::kLeft, true},   {true, MouseButton::kRight, false},
                        {true, MouseButton::kMiddle, false}, {false, MouseButton::kLeft, true},
                        {false, MouseButton::kRight, true}, {false, MouseButton::kMiddle, true}};
  for (const Case& c : cases) {
    bool trail_shown = true;
    TFFesk2 popup(trail_shown);
    ShowSensorTest(popup, Size{800, 600}, 10);
    if (c.on_image) popup.Image1MouseDown(c.button);
    else popup.FormMouseDown(c.button);
    EXPECT_EQ(popup.visible, !c.dismissed);
    EXPECT_EQ(popup.Label1.visible, !c.dismissed);
    EXPECT_EQ(popup.Label2.visible, !c.dismissed);
    EXPECT_EQ(trail_shown, !c.dismissed);
  }
}

class PopupTest : public LauncherTest {};

TEST_F(PopupTest, PendingTrailComesBackAfterOkUntilClickedAway) {
  WriteIni({"[SYSTEM]", "MODE=2"});
  TFFesk1& f = Create();
  Stroke(kShiftCtrl, Line({100, 100}, {300, 300}));
  ASSERT_TRUE(f.FFesk2.visible);
  f.Button1Click();
  EXPECT_FALSE(f.FFesk2.visible);
  f.Timer2Timer();
  EXPECT_TRUE(f.FFesk2.visible);
  f.FFesk2.Image1MouseDown(MouseButton::kLeft);
  f.Timer2Timer();
  EXPECT_FALSE(f.FFesk2.visible);
}

TEST_F(PopupTest, TestDisplayHiddenByCancelStaysHidden) {
  TFFesk1& f = Create();
  f.Button13Click();
  EXPECT_TRUE(f.FFesk2.visible);
  EXPECT_EQ(f.FFesk2.Image1.commands[1].rect, (Rect{195, 195, 205, 205}));
  f.Button12Click();
  EXPECT_FALSE(f.FFesk2.visible);
  EXPECT_FALSE(f.FFesk2.Label1.visible);
  f.Timer2Timer();
  EXPECT_FALSE(f.FFesk2.visible);
}

TEST_F(PopupTest, TrailAfterTheTestDisplayShowsNoText) {
  WriteIni({"[SYSTEM]", "MODE=2"});
  TFFesk1& f = Create();
  f.Button13Click();
  f.FFesk2.FormMouseDown(MouseButton::kRight);
  Stroke(kShiftCtrl, Line({100, 100}, {300, 100}));
  EXPECT_TRUE(f.FFesk2.visible);
  EXPECT_FALSE(f.FFesk2.Label1.visible);
  EXPECT_FALSE(f.FFesk2.Label2.visible);
}

TEST_F(PopupTest, TimerReshowsOnlyAPendingTrail) {
  TFFesk1& f = Create();
  f.Timer2Timer();
  EXPECT_EQ(f.FFesk2.show_requests, 0);
  f.loop.TrailShown = true;
  f.Timer2Timer();
  f.Timer2Timer();
  EXPECT_EQ(f.FFesk2.show_requests, 2);
}

}  // namespace
}  // namespace fesk::testing
