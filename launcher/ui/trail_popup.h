// TrailPopup: the borderless, always-on-top popup that serves as a picture
// board for the trail of the last mouse action and for the sensor test.
//
// Drawing is recorded as a list of commands on picture, in the order drawn, so
// that the Win32 layer can replay them and tests can read exactly what is
// shown.
#pragma once

#include <string>
#include <vector>

#include "common/geometry.h"
#include "platform/controls.h"

namespace fesk {

struct DrawCommand {
  enum class Kind {
    kFillRect,   // rect filled with the brush, no outline
    kRectangle,  // rect outlined with the pen and filled with the brush
    kLine,       // from (rect.left, rect.top) to (rect.right, rect.bottom) with the pen
    kEllipse,    // ellipse in the bounding rect, pen outline, brush fill
    kText,       // text at (rect.left, rect.top)
  };
  Kind kind = Kind::kFillRect;
  Rect rect{};
  Color pen = colors::kBlack;
  Color brush = colors::kWhite;
  std::string text;
  bool operator==(const DrawCommand&) const = default;
};

// The popup's picture: its size and what has been drawn on it since it was
// last cleared.
struct Canvas : Image {
  std::vector<DrawCommand> commands;
  Color pen = colors::kBlack;
  Color brush = colors::kWhite;

  void Clear() { commands.clear(); }
  void FillRect(Rect r) { commands.push_back({DrawCommand::Kind::kFillRect, r, pen, brush, {}}); }
  void Rectangle(Rect r) { commands.push_back({DrawCommand::Kind::kRectangle, r, pen, brush, {}}); }
  void Line(Point from, Point to) {
    commands.push_back({DrawCommand::Kind::kLine, Rect{from.x, from.y, to.x, to.y}, pen, brush, {}});
  }
  void Ellipse(Rect r) { commands.push_back({DrawCommand::Kind::kEllipse, r, pen, brush, {}}); }
};

class TrailPopup {
 public:
  // trail_shown is the loop's TrailShown flag, which a click into the popup
  // clears.
  explicit TrailPopup(bool& trail_shown);
  TrailPopup(const TrailPopup&) = delete;
  TrailPopup& operator=(const TrailPopup&) = delete;

  // Window bounds and state.
  int left = 0, top = 0, width = 258, height = 227;
  bool visible = false;
  bool always_on_top = true;
  bool has_border = false;
  // Counts the requests to show the popup and put it in front of other
  // windows; the Win32 layer honours each one.
  int show_requests = 0;

  Canvas picture;
  Label first_text, second_text;
  std::string label_font = "ＭＳ ゴシック";
  int label_font_height = 13;

  void SetBounds(int l, int t, int w, int h);
  void Show();
  void Hide() { visible = false; }
  // Hides both texts and the popup, leaving a pending trail pending.
  void HideWithTexts();

  // Dismissal by the user: a left click on the picture, or any button on a
  // part of the popup the picture does not cover.
  void PictureMouseDown(MouseButton button);
  void FormMouseDown(MouseButton button);

 private:
  void Dismiss();

  bool& trail_shown_;
};

}  // namespace fesk
