// FormLayout: the controls a form lays out, each with the page it lies on,
// in the order they are made.  The layout records a control where it places
// it; the Win32 layer makes one window per record, in this order (which is
// also the Tab order), so a control cannot be placed and then forgotten by
// a second list.
#pragma once

#include <variant>
#include <vector>

#include "platform/controls.h"

namespace fesk {

// The page of a control outside the page control.
inline constexpr int kOffPages = -1;

// The model's kind picks the window the Win32 layer makes for it.  A radio
// set stands for all its buttons (they are made together, as one group).
using LaidOutModel = std::variant<Label*, Button*, CheckBox*, RadioSet*, RadioGroup*, ScrollBar*, SpinEdit*, ComboBox*,
                                  Edit*, ListBox*, GroupBox*, Panel*, Shape*, Image*>;

struct LaidOutControl {
  LaidOutModel model;
  int page = kOffPages;
};

class FormLayout {
 public:
  // The controls added from now on lie on `page` (kOffPages: outside the page
  // control).
  void OnPage(int page) { page_ = page; }
  template <typename Model>
  void Add(Model& model) {
    controls_.push_back(LaidOutControl{&model, page_});
  }
  const std::vector<LaidOutControl>& controls() const { return controls_; }

 private:
  int page_ = kOffPages;
  std::vector<LaidOutControl> controls_;
};

}  // namespace fesk
