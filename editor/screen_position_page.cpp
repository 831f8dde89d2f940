// The page "画面ﾎﾟｼﾞｼｮﾝ": which screen corner or edge starts the program.
// Two programs may choose the same place; the duplicate check reports it and
// the launcher honours the lower-numbered one.
#include "editor/main_form.h"

namespace fesk::editor {

void MainForm::ShowScreenPosition() {
  const ProgramEntry* entry = SelectedEntry();
  PaintPositionCells(entry == nullptr ? std::string_view() : std::string_view(entry->displaypos));
}

// Any value other than "1" to "8" leaves every cell plain.
void MainForm::PaintPositionCells(std::string_view displaypos) {
  for (Shape& cell : position_cells) cell.brush = colors::kButtonFace;
  int position = ScreenPositionOfText(displaypos);
  if (position != 0) position_cells[static_cast<std::size_t>(position - 1)].brush = colors::kRed;
}

void MainForm::ChooseScreenPosition(int position) {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  const std::string value = std::to_string(position);
  if (entry->displaypos != value) Modified = true;
  SetField(*entry, &ProgramEntry::displaypos, value);
  ShowScreenPosition();
}

void MainForm::CancelScreenPosition() {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  if (!entry->displaypos.empty()) Modified = true;
  entry->displaypos.clear();
  ShowScreenPosition();
}

}  // namespace fesk::editor
