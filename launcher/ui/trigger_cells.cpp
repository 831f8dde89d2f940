#include "launcher/ui/trigger_cells.h"

namespace fesk {

namespace {

using D = TriggerDifficulty;

// The grid: columns and rows SHIFT, CTRL, ALT, left, right (0-4); only the
// lower triangle exists.  The middle-button cell stands apart, in column 4 of
// the first row.
constexpr int kGridLeft = 80, kGridTop = 24, kCellWidth = 40, kCellHeight = 24;
constexpr int kColumnStep = 44, kRowStep = 32;

}  // namespace

std::string TriggerCellHint(int number) {
  const TriggerCombination& c = kTriggerCombinations.at(static_cast<std::size_t>(number));
  std::string hint = "<" + std::string(c.first) + ">";
  if (!c.second.empty()) hint += "+<" + std::string(c.second) + ">";
  return hint + "キーでﾏｳｽｱｸｼｮﾝを判断します";
}

Color TriggerCellColor(int number) {
  switch (kTriggerCombinations.at(static_cast<std::size_t>(number)).difficulty) {
    case D::kEasy: return colors::kBlue;
    case D::kComplex: return colors::kYellow;
    case D::kMisfireProne: return colors::kRed;
    case D::kMiddleButton: return colors::kLime;
  }
  return colors::kWhite;
}

CellBounds TriggerCellBounds(int number) {
  const TriggerCombination& c = kTriggerCombinations.at(static_cast<std::size_t>(number));
  return CellBounds{kGridLeft + c.column * kColumnStep, kGridTop + c.row * kRowStep, kCellWidth, kCellHeight};
}

void PlaceTriggerMarker(Label& marker, int number) {
  CellBounds cell = TriggerCellBounds(number);
  marker.left = cell.left;
  marker.top = cell.top + 5;
}

}  // namespace fesk
