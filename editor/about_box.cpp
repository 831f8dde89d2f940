#include "editor/about_box.h"

#include "common/version.h"

namespace fesk::editor {

TForm3::TForm3() {
  Panel1.SetBounds(8, 8, 281, 129);
  ProgramIcon.SetBounds(16, 16, 32, 32);
  ProductName.caption = "FeskIni";
  ProductName.SetBounds(88, 16, 120, 13);
  Comments.caption = "for Win32";
  Comments.SetBounds(88, 40, 120, 13);
  Version.caption = "Version " FESK_VERSION_TEXT;
  Version.SetBounds(88, 64, 120, 13);
  OKButton.caption = "ＯＫ";
  OKButton.SetBounds(111, 148, 75, 25);
}

}  // namespace fesk::editor
