#include "editor/palette_dialog.h"

#include "editor/main_form.h"

namespace fesk::editor {

PaletteCommandDialog::PaletteCommandDialog(MainForm& owner) : owner_(owner) {
  frame.SetBounds(16, 8, 329, 185);
  heading_frame.SetBounds(40, 10, 249, 27);
  heading.caption = "FESKPAL（ｱｲｺﾝﾊﾟﾚｯﾄ表示）";
  heading.SetBounds(48, 16, 233, 15);
  for (std::size_t i = 0; i < choices.size(); ++i) {
    RadioButton& choice = choices[i];
    choice.caption = kPaletteCommands[i].caption;
    // Two columns of five, 24 pixels apart.
    choice.SetBounds(i < 5 ? 16 : 192, 48 + 24 * static_cast<int>(i % 5), 172, 17);
  }
  ok_button.caption = "ＯＫ";
  ok_button.SetBounds(136, 200, 89, 25);
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
