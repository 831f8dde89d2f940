#include "editor/palette_dialog.h"

#include "editor/main_form.h"

namespace fesk::editor {

TForm1::TForm1(TFFeskINI& owner) : owner_(owner) {
  Panel1.SetBounds(16, 8, 329, 185);
  Panel2.SetBounds(40, 10, 249, 27);
  Label1.caption = "FESKPAL（ｱｲｺﾝﾊﾟﾚｯﾄ表示）";
  Label1.SetBounds(48, 16, 233, 15);
  std::array<RadioButton*, 10> choices = Choices();
  for (int i = 0; i < 10; ++i) {
    RadioButton& choice = *choices[static_cast<std::size_t>(i)];
    choice.caption = kPaletteCommands[static_cast<std::size_t>(i)].caption;
    // Two columns of five, 24 pixels apart.
    choice.SetBounds(i < 5 ? 16 : 192, 48 + 24 * (i % 5), 169, 17);
  }
  Button1.caption = "ＯＫ";
  Button1.SetBounds(136, 200, 89, 25);
}

std::array<RadioButton*, 10> TForm1::Choices() {
  return {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4, &RadioButton5,
          &RadioButton6, &RadioButton7, &RadioButton8, &RadioButton9, &RadioButton10};
}

void TForm1::ChoiceClick(int index) {
  std::array<RadioButton*, 10> choices = Choices();
  for (int i = 0; i < 10; ++i) choices[static_cast<std::size_t>(i)]->checked = i == index;
}

const PaletteCommand* TForm1::CheckedCommand() {
  std::array<RadioButton*, 10> choices = Choices();
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (choices[i]->checked) return &kPaletteCommands[i];
  }
  return nullptr;
}

void TForm1::Button1Click() {
  owner_.ApplyPaletteCommand(CheckedCommand());
  Visible = false;
}

}  // namespace fesk::editor
