#include "launcher/ui/fesk2_form.h"

namespace fesk {

TFFesk2::TFFesk2(bool& trail_shown) : trail_shown_(trail_shown) {
  Image1.SetBounds(0, 0, width, height);
  for (Label* label : {&Label1, &Label2}) {
    label->visible = false;
    label->font_color = colors::kBlack;
  }
  Label1.SetBounds(8, 8, 0, 13);
  Label2.SetBounds(10, 40, 0, 13);
}

void TFFesk2::SetBounds(int l, int t, int w, int h) {
  left = l;
  top = t;
  width = w;
  height = h;
}

void TFFesk2::Show() {
  visible = true;
  ++show_requests;
}

void TFFesk2::HideWithTexts() {
  Label1.visible = false;
  Label2.visible = false;
  Hide();
}

void TFFesk2::Image1MouseDown(MouseButton button) {
  if (button == MouseButton::kLeft) Dismiss();
}

void TFFesk2::FormMouseDown(MouseButton) { Dismiss(); }

void TFFesk2::Dismiss() {
  trail_shown_ = false;
  HideWithTexts();
}

}  // namespace fesk
