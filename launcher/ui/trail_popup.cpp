#include "launcher/ui/trail_popup.h"

namespace fesk {

TrailPopup::TrailPopup(bool& trail_shown) : trail_shown_(trail_shown) {
  picture.SetBounds(0, 0, width, height);
  for (Label* label : {&first_text, &second_text}) {
    label->visible = false;
    label->font_color = colors::kBlack;
  }
  first_text.SetBounds(8, 8, 0, 13);
  second_text.SetBounds(10, 40, 0, 13);
}

void TrailPopup::SetBounds(int l, int t, int w, int h) {
  left = l;
  top = t;
  width = w;
  height = h;
}

void TrailPopup::Show() {
  visible = true;
  ++show_requests;
}

void TrailPopup::HideWithTexts() {
  first_text.visible = false;
  second_text.visible = false;
  Hide();
}

void TrailPopup::PictureMouseDown(MouseButton button) {
  if (button == MouseButton::kLeft) Dismiss();
}

void TrailPopup::FormMouseDown(MouseButton) { Dismiss(); }

void TrailPopup::Dismiss() {
  trail_shown_ = false;
  HideWithTexts();
}

}  // namespace fesk
