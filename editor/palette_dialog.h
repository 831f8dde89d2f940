// The palette command dialog "FESK 特殊機能設定": turns the selected entry
// into a command that starts the icon palette program "FESKPAL.EXE" in one
// of its ten display modes.  Modeless, always on top, hidden until the main
// window's palette button shows it; the choice stays between openings.
#pragma once

#include "common/program_files.h"

#include <array>
#include <string>

#include "platform/controls.h"
#include "platform/form_layout.h"

namespace fesk::editor {

class MainForm;

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

class PaletteCommandDialog {
 public:
  explicit PaletteCommandDialog(MainForm& owner);
  PaletteCommandDialog(const PaletteCommandDialog&) = delete;
  PaletteCommandDialog& operator=(const PaletteCommandDialog&) = delete;

  // Window.
  std::string caption = "FESK 特殊機能設定";
  int client_width = 364, client_height = 232;
  std::string font_name = "ＭＳ ゴシック";
  int font_height = 12;
  bool always_on_top = true;
  bool centred_on_screen = true;
  bool visible = false;

  // Its controls, numbered from 2001, in the order made.
  FormLayout layout{2001};
  Panel frame;          // lowered frame around the heading and the choices
  Panel heading_frame;  // raised frame of the heading
  Label heading;        // 15-pixel font
  int heading_font_height = 15;
  std::array<RadioButton, 10> choices;  // in table order
  RadioSet choice_set{choices};
  Button ok_button;  // "ＯＫ"

  void Show() { visible = true; }
  // The checked choice, or nothing.
  const PaletteCommand* CheckedCommand() const;
  // "ＯＫ": applies the choice to the main window's selected entry and hides
  // the dialog.
  void Ok();

 private:
  MainForm& owner_;
};

}  // namespace fesk::editor
