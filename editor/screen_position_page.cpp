// The page "画面ﾎﾟｼﾞｼｮﾝ": which screen corner or edge starts the program.
// Two programs may choose the same place; the duplicate check reports it and
// the launcher honours the lower-numbered one.
#include "editor/main_form.h"

namespace fesk::editor {

void TFFeskINI::ShowScreenPosition() {
  const ProgramEntry* entry = SelectedEntry();
  PaintPositionCells(entry == nullptr ? std::string_view() : std::string_view(entry->displaypos));
}

// Any value other than "1" to "8" leaves every cell plain.
void TFFeskINI::PaintPositionCells(std::string_view displaypos) {
  std::array<Shape*, 8> cells = PositionCells();
  for (Shape* cell : cells) cell->brush = colors::kButtonFace;
  int position = ScreenPositionOfText(displaypos);
  if (position != 0) cells[static_cast<std::size_t>(position - 1)]->brush = colors::kRed;
}

void TFFeskINI::ChooseScreenPosition(int position) {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  const std::string value = std::to_string(position);
  if (entry->displaypos != value) Modified = true;
  SetField(*entry, &ProgramEntry::displaypos, value);
  ShowScreenPosition();
}

void TFFeskINI::Button14Click() {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  if (!entry->displaypos.empty()) Modified = true;
  entry->displaypos.clear();
  ShowScreenPosition();
}

}  // namespace fesk::editor
