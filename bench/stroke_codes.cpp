// Figures, printed only: the code of a few synthetic strokes, each drawn in
// a number of moving ticks, as recognised from the samples a movement keeps
// (spread over the whole of it) and, for comparison, from its first 50
// moving ticks only.
//
//   build/native/bench/stroke_codes
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <span>
#include <vector>

#include "launcher/core/movement_samples.h"
#include "launcher/core/stroke_recognizer.h"

namespace {

using fesk::Point;

// A shape as a point for each t in [0, 1].
struct Shape {
  const char* name;
  std::function<Point(double)> at;
};

Point Lerp(Point a, Point b, double t) {
  return Point{static_cast<int>(std::lround(a.x + (b.x - a.x) * t)),
               static_cast<int>(std::lround(a.y + (b.y - a.y) * t))};
}

// Along a path of corners, at an even speed per leg.
std::function<Point(double)> Path(std::vector<Point> corners) {
  return [corners](double t) {
    const double legs = static_cast<double>(corners.size() - 1);
    const double at = t * legs;
    const auto leg = std::min(static_cast<std::size_t>(at), corners.size() - 2);
    return Lerp(corners[leg], corners[leg + 1], at - static_cast<double>(leg));
  };
}

const Shape kShapes[] = {
    {"right", Path({{100, 300}, {400, 300}})},
    {"square", Path({{100, 100}, {400, 100}, {400, 400}, {100, 400}, {100, 100}})},
    {"circle",
     [](double t) {
       const double a = -std::numbers::pi / 2 + 2 * std::numbers::pi * t;
       return Point{250 + static_cast<int>(std::lround(150 * std::cos(a))),
                    250 + static_cast<int>(std::lround(150 * std::sin(a)))};
     }},
    {"check", Path({{100, 250}, {200, 400}, {400, 100}})},
    {"Z", Path({{100, 100}, {400, 100}, {100, 400}, {400, 400}})},
    {"arrow >", Path({{100, 100}, {400, 250}, {100, 400}})},
};

std::string CodeOf(std::span<const Point> samples) { return fesk::RecognizeStroke(samples, 5).code; }

}  // namespace

int main() {
  std::printf("%-8s %6s  %-10s %-10s %s\n", "stroke", "ticks", "first 50", "kept", "samples kept");
  for (const Shape& shape : kShapes) {
    for (int ticks : {40, 160, 400, 1000}) {
      std::vector<Point> all;
      fesk::MovementSamples kept;
      for (int i = 0; i < ticks; ++i) {
        const Point p = shape.at(static_cast<double>(i) / (ticks - 1));
        all.push_back(p);
        kept.Add(p);
      }
      const std::span<const Point> first(all.data(), std::min<std::size_t>(all.size(), fesk::kMaxSamples));
      std::printf("%-8s %6d  %-10s %-10s %zu\n", shape.name, ticks, CodeOf(first).c_str(), CodeOf(kept.View()).c_str(),
                  kept.View().size());
    }
  }
}
