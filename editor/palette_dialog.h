// The palette command dialog "FESK 特殊機能設定": turns the selected entry
// into a command that starts the icon palette program "FESKPAL.EXE" in one
// of its ten display modes.  Modeless, always on top, hidden until Button13
// of the main window shows it; the choice stays between openings.
#pragma once

#include "common/program_files.h"

#include <array>
#include <string>

#include "platform/controls.h"

namespace fesk::editor {

class TFFeskINI;

// One choice of the dialog: the title and the option it writes.
struct PaletteCommand {
  const char* caption;  // the radio button's caption
  const char* title;    // DISCRIPTION
  const char* option;   // OPTION
};

inline constexpr std::array<PaletteCommand, 10> kPaletteCommands = {{
    {"ｸﾞﾙｰﾌﾟを選択後ｱｲｺﾝを表示", "FESKPAL ｸﾞﾙｰﾌﾟを選択後ｱｲｺﾝを表示", "M"},
    {"パレット０を表示", "FESKPAL パレット０を表示", ""},
    {"パレット１を表示", "FESKPAL パレット１を表示", "1"},
    {"パレット２を表示", "FESKPAL パレット２を表示", "2"},
    {"パレット３を表示", "FESKPAL パレット３を表示", "3"},
    {"パレット４を表示", "FESKPAL パレット４を表示", "4"},
    {"パレット５を表示", "FESKPAL パレット５を表示", "5"},
    {"パレット６を表示", "FESKPAL パレット６を表示", "6"},
    {"パレット７を表示", "FESKPAL パレット７を表示", "7"},
    {"パレット８を表示", "FESKPAL パレット８を表示", "8"},
}};


class TForm1 {
 public:
  explicit TForm1(TFFeskINI& owner);
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // Window.
  std::string Caption = "FESK 特殊機能設定";
  int ClientWidth = 364, ClientHeight = 232;
  std::string FontName = "ＭＳ ゴシック";
  int FontHeight = 12;
  bool AlwaysOnTop = true;
  bool CenteredOnScreen = true;
  bool Visible = false;

  Panel Panel1;  // lowered frame around the heading and the choices
  Panel Panel2;  // raised frame of the heading
  Label Label1;  // heading, 15-pixel font
  int HeadingFontHeight = 15;
  RadioButton RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5,
      RadioButton6, RadioButton7, RadioButton8, RadioButton9, RadioButton10;
  Button Button1;  // "ＯＫ"

  // The ten choices in table order.
  std::array<RadioButton*, 10> Choices();

  void Show() { Visible = true; }
  // A click on choice 0-9 checks it and clears the others.
  void ChoiceClick(int index);
  // The checked choice, or nothing.
  const PaletteCommand* CheckedCommand();
  // "ＯＫ": applies the choice to the main window's selected entry and hides
  // the dialog.
  void Button1Click();

 private:
  TFFeskINI& owner_;
};

}  // namespace fesk::editor
