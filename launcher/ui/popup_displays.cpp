#include "launcher/ui/popup_displays.h"

namespace fesk {

namespace {

constexpr int kMargin = 2;     // the square sits 2 pixels inside the popup
constexpr int kDotRadius = 3;  // design units
constexpr int kLabelFontHeight = 13;

Monitor SingleScreen(Size screen) { return Monitor{Rect{0, 0, screen.width, screen.height}, 96}; }

Size SizeOf(const Rect& area) { return Size{area.right - area.left, area.bottom - area.top}; }

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

Rect Dot(Point p, int radius) { return Rect{p.x - radius, p.y - radius, p.x + radius, p.y + radius}; }

void PaintSamples(Canvas& canvas, const StrokeGeometry& stroke, std::span<const Point> samples, int dpi) {
  const int radius = ScaledToDpi(kDotRadius, dpi);
  if (samples.empty()) return;
  canvas.pen = colors::kBlack;
  canvas.brush = colors::kWhite;
  auto local = [&](Point p) { return Point{p.x - stroke.min_x + kMargin, p.y - stroke.min_y + kMargin}; };
  Point previous = local(samples.front());
  for (const Point& sample : samples) {
    Point here = local(sample);
    canvas.Line(previous, here);
    canvas.Ellipse(Dot(previous, radius));
    previous = here;
  }
  canvas.Ellipse(Dot(previous, radius));
}

}  // namespace

void ShowTrail(TrailPopup& popup, const StrokeGeometry& stroke, std::span<const Point> samples, Size screen) {
  ShowTrail(popup, stroke, samples, SingleScreen(screen));
}

void ShowTrail(TrailPopup& popup, const StrokeGeometry& stroke, std::span<const Point> samples,
               const Monitor& monitor) {
  popup.first_text.visible = false;
  popup.second_text.visible = false;
  popup.SetBounds(stroke.min_x - kMargin, stroke.min_y - kMargin, stroke.side + 2 * kMargin, stroke.side + 2 * kMargin);
  StartPicture(popup, SizeOf(monitor.area));
  PaintQuadrants(popup.picture, stroke.side);
  const int dx = kMargin - stroke.min_x, dy = kMargin - stroke.min_y;
  const Rect& n = stroke.neutral;
  popup.picture.brush = colors::kWhite;
  popup.picture.FillRect(Rect{n.left + dx, n.top + dy, n.right + dx, n.bottom + dy});
  popup.Show();
  PaintSamples(popup.picture, stroke, samples, monitor.dpi);
}

void ShowSensorTest(TrailPopup& popup, Size screen, int minimum_move) {
  ShowSensorTest(popup, SingleScreen(screen), minimum_move);
}

void ShowSensorTest(TrailPopup& popup, const Monitor& monitor, int minimum_move) {
  const int dpi = monitor.dpi;
  const int half = ScaledToDpi(200, dpi);
  const Rect& area = monitor.area;
  const Size screen = SizeOf(area);
  popup.SetBounds(area.left + screen.width / 2 - half, area.top + screen.height / 2 - half, 2 * half, 2 * half);
  StartPicture(popup, screen);
  const int m = minimum_move / 2;
  popup.picture.brush = colors::kRed;
  popup.picture.FillRect(Rect{half - m, half - m, half + m, half + m});
  popup.label_font_height = ScaledToDpi(kLabelFontHeight, dpi);
  popup.first_text.SetBounds(ScaledToDpi(8, dpi), ScaledToDpi(8, dpi), 0, popup.label_font_height);
  popup.first_text.caption = kSensorTestText1;
  popup.second_text.SetBounds(ScaledToDpi(10, dpi), ScaledToDpi(380, dpi), 0, popup.label_font_height);
  popup.second_text.caption = kSensorTestText2;
  popup.first_text.visible = true;
  popup.second_text.visible = true;
  popup.Show();
}

}  // namespace fesk
