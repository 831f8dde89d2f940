#include "editor/about_box.h"

#include "common/version.h"

namespace fesk::editor {

AboutBox::AboutBox() {
  frame.SetBounds(8, 8, 281, 129);
  program_icon.SetBounds(16, 16, 32, 32);
  product_name.caption = "FeskIni";
  product_name.SetBounds(88, 16, 120, 13);
  comments.caption = "for Win32";
  comments.SetBounds(88, 40, 120, 13);
  version.caption = "Version " FESK_VERSION_TEXT;
  version.SetBounds(88, 64, 120, 13);
  ok_button.caption = "ＯＫ";
  ok_button.SetBounds(111, 148, 75, 25);
  ok_button.on_click = [this] { Ok(); };
}

}  // namespace fesk::editor
