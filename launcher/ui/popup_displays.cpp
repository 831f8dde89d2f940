#include "launcher/ui/popup_displays.h"

namespace fesk {

namespace {

constexpr int kMargin = 2;  // the square sits 2 pixels inside the popup
constexpr int kDotRadius = 3;

// A new picture as large as the screen, all silver.
void StartPicture(TrailPopup& popup, Size screen) {
  popup.picture.SetBounds(0, 0, screen.width, screen.height);
  popup.picture.Clear();
  popup.picture.brush = colors::kSilver;
  popup.picture.FillRect(Rect{0, 0, screen.width, screen.height});
}

void PaintQuadrant(Canvas& canvas, Color color, Rect r) {
  canvas.pen = color;
  canvas.brush = color;
  canvas.Rectangle(r);
}

void PaintQuadrants(Canvas& canvas, int side) {
  const int h = side / 2, m = kMargin;
  PaintQuadrant(canvas, colors::kBlue, Rect{m, h + m, h + m, 2 * h + m});
  PaintQuadrant(canvas, colors::kGreen, Rect{h + m, m, 2 * h + m, h + m});
  PaintQuadrant(canvas, colors::kRed, Rect{m, m, h + m, h + m});
  PaintQuadrant(canvas, colors::kYellow, Rect{h + m, h + m, 2 * h + m, 2 * h + m});
}

Rect Dot(Point p) {
  return Rect{p.x - kDotRadius, p.y - kDotRadius, p.x + kDotRadius, p.y + kDotRadius};
}

void PaintSamples(Canvas& canvas, const StrokeGeometry& stroke, std::span<const Point> samples) {
  if (samples.empty()) return;
  canvas.pen = colors::kBlack;
  canvas.brush = colors::kWhite;
  auto local = [&](Point p) { return Point{p.x - stroke.min_x + kMargin, p.y - stroke.min_y + kMargin}; };
  Point previous = local(samples.front());
  for (const Point& sample : samples) {
    Point here = local(sample);
    canvas.Line(previous, here);
    canvas.Ellipse(Dot(previous));
    previous = here;
  }
  canvas.Ellipse(Dot(previous));
}

}  // namespace

void ShowTrail(TrailPopup& popup, const StrokeGeometry& stroke, std::span<const Point> samples,
               Size screen) {
  popup.first_text.visible = false;
  popup.second_text.visible = false;
  popup.SetBounds(stroke.min_x - kMargin, stroke.min_y - kMargin, stroke.side + 2 * kMargin,
                  stroke.side + 2 * kMargin);
  StartPicture(popup, screen);
  PaintQuadrants(popup.picture, stroke.side);
  const int dx = kMargin - stroke.min_x, dy = kMargin - stroke.min_y;
  const Rect& n = stroke.neutral;
  popup.picture.brush = colors::kWhite;
  popup.picture.FillRect(Rect{n.left + dx, n.top + dy, n.right + dx, n.bottom + dy});
  popup.Show();
  PaintSamples(popup.picture, stroke, samples);
}

void ShowSensorTest(TrailPopup& popup, Size screen, int minimum_move) {
  constexpr int kHalf = 200;
  popup.SetBounds(screen.width / 2 - kHalf, screen.height / 2 - kHalf, 2 * kHalf, 2 * kHalf);
  StartPicture(popup, screen);
  const int m = minimum_move / 2;
  popup.picture.brush = colors::kRed;
  popup.picture.FillRect(Rect{kHalf - m, kHalf - m, kHalf + m, kHalf + m});
  popup.first_text.caption = kSensorTestText1;
  popup.second_text.top = 380;
  popup.second_text.caption = kSensorTestText2;
  popup.first_text.visible = true;
  popup.second_text.visible = true;
  popup.Show();
}

}  // namespace fesk
