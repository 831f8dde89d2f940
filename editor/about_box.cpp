#include "editor/about_box.h"

#include "common/version.h"

namespace fesk::editor {

// The icon and the texts lie in the lowered frame.
AboutBox::AboutBox() {
  frame.lowered = true;
  Place(layout, frame, 8, 8, 281, 129);
  layout.Within(&frame);
  Place(layout, program_icon, 16, 16, 32, 32);
  FittedLabel(layout, product_name, "FeskIni", 88, 16, 120, 13);
  FittedLabel(layout, comments, "for Win32", 88, 40, 120, 13);
  FittedLabel(layout, version, "Version " FESK_VERSION_TEXT, 88, 64, 120, 13);
  layout.Within(nullptr);
  WithCaption(layout, ok_button, "ＯＫ", 111, 148, 75, 25);
  ok_button.on_click = [this] { Ok(); };
}

}  // namespace fesk::editor
