// The about box: name, platform, version and the program icon; shown without
// being modal and hidden again by its button.
#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/form_layout.h"

namespace fesk::editor {

class AboutBox {
 public:
  AboutBox();
  AboutBox(const AboutBox&) = delete;
  AboutBox& operator=(const AboutBox&) = delete;

  std::string caption = "FESKINI";
  int client_width = 298, client_height = 182;
  bool fixed_size = true;
  bool centred_on_screen = true;
  bool visible = false;

  // Its controls, numbered from 3001, in the order made.
  FormLayout layout{3001};
  Panel frame;
  Image program_icon;
  Label product_name;  // "FeskIni"
  Label comments;      // "for Win32"
  Label version;       // "Version 2.3"
  Button ok_button;    // "ＯＫ"

  void Show() { visible = true; }
  void Ok() { visible = false; }
};

}  // namespace fesk::editor
