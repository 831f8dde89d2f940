#include "editor/palette_dialog.h"

#include "editor/main_form.h"

namespace fesk::editor {

// The choices and the heading lie in the lowered frame; the numbers of the
// choices start at 2011.
PaletteCommandDialog::PaletteCommandDialog(MainForm& owner) : owner_(owner) {
  frame.lowered = true;
  Place(layout, frame, 16, 8, 329, 185);
  layout.Within(&frame);
  Place(layout, heading_frame, 40, 10, 249, 27);
  heading.alignment = Alignment::kCenter;
  WithCaption(layout, heading, "FESKPAL（ｱｲｺﾝﾊﾟﾚｯﾄ表示）", 48, 16, 233, 15);
  for (std::size_t i = 0; i < choices.size(); ++i) {
    // Two columns of five, 24 pixels apart.
    PlaceRadio(choices[i], kPaletteCommands[i].caption, i < 5 ? 16 : 192, 48 + 24 * static_cast<int>(i % 5), 172, 17);
  }
  layout.NumberFrom(2011);
  layout.Add(choice_set);
  layout.Within(nullptr);
  WithCaption(layout, ok_button, "ＯＫ", 136, 200, 89, 25);
  ok_button.on_click = [this] { Ok(); };
}

const PaletteCommand* PaletteCommandDialog::CheckedCommand() const {
  std::optional<std::size_t> checked = choice_set.CheckedIndex();
  return checked ? &kPaletteCommands[*checked] : nullptr;
}

void PaletteCommandDialog::Ok() {
  owner_.ApplyPaletteCommand(CheckedCommand());
  visible = false;
}

}  // namespace fesk::editor
