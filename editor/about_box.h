// The about box: name, platform, version and the program icon; shown without
// being modal and hidden again by its button.
#pragma once

#include <string>

#include "platform/controls.h"

namespace fesk::editor {

class TForm3 {
 public:
  TForm3();

  std::string Caption = "FESKINI";
  int ClientWidth = 298, ClientHeight = 182;
  bool FixedSize = true;
  bool CenteredOnScreen = true;
  bool Visible = false;

  Panel Panel1;
  Image ProgramIcon;
  Label ProductName;  // "FeskIni"
  Label Comments;     // "for Win32"
  Label Version;      // "Version 2.3"
  Button OKButton;    // "ＯＫ"

  void Show() { Visible = true; }
  void OKButtonClick() { Visible = false; }
};

}  // namespace fesk::editor
