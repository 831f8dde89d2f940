// One window for each control a form's layout recorded, in its order, and
// the stacking of those windows, which is also the Tab order.
#include <algorithm>
#include <stdexcept>
#include <type_traits>
#include <utility>

#include "platform/form_layout.h"
#include "platform/win32/form_binding.h"
#include "platform/win32/form_window.h"

namespace fesk::win32 {

static_assert(kOffPages == kNoPage, "a control outside the pages is outside the page control");

namespace {

// What a record was made into: each model with its window (a radio set's
// buttons one by one).
using MadeWindows = std::vector<std::pair<const Control*, HWND>>;

// Counts what a program hands in for its layout's controls, so that one
// given for a control the layout does not hold is found.
template <class Part>
class PartsOf {
 public:
  explicit PartsOf(const std::unordered_map<const Control*, Part>& parts) : parts_(parts) {}
  Part Find(const Control& model) {
    auto found = parts_.find(&model);
    if (found == parts_.end()) return nullptr;
    ++used_;
    return found->second;
  }
  Part Needed(const Control& model, const char* what) {
    Part part = Find(model);
    if (!part) throw std::logic_error(what);
    return part;
  }
  bool AllUsed() const { return used_ == parts_.size(); }

 private:
  const std::unordered_map<const Control*, Part>& parts_;
  std::size_t used_ = 0;
};

}  // namespace

// A painter or maker given for a control the layout does not hold, or a
// control without the one it needs, is a mistake in the program: it stops
// at creation instead of leaving a control without its window or its
// picture.
void FormWindow::BindLayout(const FormLayout& layout, const Painters& painters, const Makers& makers) {
  PartsOf<Painter> paint(painters);
  PartsOf<Maker> make(makers);
  for (const LaidOutControl& placed : layout.controls()) {
    const int page = placed.page;
    auto one = [](const Control* model, HWND window) { return MadeWindows{{model, window}}; };
    const MadeWindows made = std::visit(
        Overloaded{
            [&](Label* model) { return one(model, BindLabel(*model, page)); },
            [&](Button* model) { return one(model, BindButton(*model, page)); },
            [&](CheckBox* model) { return one(model, BindCheckBox(*model, page)); },
            [&](RadioSet* set) {
              MadeWindows windows;
              const std::vector<HWND> buttons = BindRadioSet(*set, page);
              for (std::size_t i = 0; i < buttons.size(); ++i) windows.emplace_back(set->buttons()[i], buttons[i]);
              return windows;
            },
            [&](RadioGroup* model) {
              BindRadioGroup(*model, page);
              return one(model, WindowOf(*model));
            },
            [&](ScrollBar* model) { return one(model, BindScrollBar(*model, page)); },
            [&](SpinEdit* model) { return one(model, BindSpinEdit(*model, page)); },
            [&](ComboBox* model) { return one(model, BindComboBox(*model, page)); },
            [&](Edit* model) { return one(model, BindEdit(*model, page)); },
            [&](ListBox* model) { return one(model, BindListBox(*model, page)); },
            [&](GroupBox* model) { return one(model, BindGroupBox(*model, page)); },
            [&](Panel* model) { return one(model, BindPanel(*model, page)); },
            [&](Shape* model) { return one(model, BindShape(*model, page, paint.Find(*model))); },
            [&](Image* model) {
              return one(model, BindImage(*model, paint.Needed(*model, "an image has no painter"), page));
            },
            [&](SpeedButton* model) {
              return one(model, BindSpeedButton(*model, paint.Needed(*model, "a flat button has no painter"), page));
            },
            [&](DrawnControl drawn) {
              Control& model = *drawn.model;
              return one(&model, BindPicture(model, paint.Needed(model, "a drawn control has no painter"), page));
            },
            [&](OwnControl own) {
              HWND window = make.Needed(*own.model, "a control of the program's own has no maker")(page);
              if (WindowOf(*own.model) != window) throw std::logic_error("a maker did not bind its control");
              return one(own.model, window);
            },
        },
        placed.model);
    int number = placed.number;
    for (const auto& [model, window] : made) {
      if (placed.container) SetContainer(*model, *placed.container);
      if (number != 0) SetWindowLongPtrW(window, GWLP_ID, number++);
    }
  }
  if (!paint.AllUsed()) throw std::logic_error("a painter's control is not in the layout");
  if (!make.AllUsed()) throw std::logic_error("a maker's control is not in the layout");
  if (tab_ && layout.page_control_number() != 0) SetWindowLongPtrW(tab_, GWLP_ID, layout.page_control_number());
}

bool FormWindow::TakesFocus(const Binding& binding) {
  return std::visit(Overloaded{
                        [](Label*) { return false; },
                        [](Button*) { return true; },
                        [](CheckBox*) { return true; },
                        [](RadioChoice) { return true; },
                        [](RadioItem) { return true; },
                        [](RadioFrame) { return false; },
                        [](GroupBox*) { return false; },
                        [](ScrollBar*) { return true; },
                        [](SpinEdit*) { return true; },
                        [](ComboBox*) { return true; },
                        [](Edit*) { return true; },
                        [](ListBox*) { return true; },
                        [](Panel*) { return false; },
                        [](const Picture&) { return false; },
                        [](const Custom&) { return true; },
                    },
                    binding.model);
}

int FormWindow::ContainerDepth(const Control& model) const {
  int depth = 0;
  for (auto it = containers_.find(&model); it != containers_.end() && depth <= 8; it = containers_.find(it->second)) {
    ++depth;
  }
  return depth;
}

void FormWindow::FinishLayout() {
  // A control that other controls lie in counts as a frame, whatever it is.
  auto is_frame = [this](const Binding& binding) {
    return binding.IsFrame() || std::any_of(containers_.begin(), containers_.end(),
                                            [&](const auto& placed) { return placed.second == &binding.control; });
  };
  auto is_shape = [](const Binding& binding) {
    const Picture* picture = std::get_if<Picture>(&binding.model);
    return picture != nullptr && picture->shape != nullptr;
  };
  std::vector<const Binding*> controls, shapes, frames;
  for (const auto& binding : bindings_) {
    if (is_frame(*binding)) {
      frames.push_back(binding.get());
    } else if (is_shape(*binding)) {
      shapes.push_back(binding.get());
    } else {
      controls.push_back(binding.get());
    }
  }
  std::stable_sort(frames.begin(), frames.end(), [this](const Binding* a, const Binding* b) {
    return ContainerDepth(a->control) > ContainerDepth(b->control);
  });
  std::vector<const Binding*> stack = controls;
  stack.insert(stack.end(), shapes.begin(), shapes.end());
  stack.insert(stack.end(), frames.begin(), frames.end());

  constexpr UINT kFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  // Last first, so that the first ends on top.
  for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
    if ((*it)->updown) SetWindowPos((*it)->updown, HWND_TOP, 0, 0, 0, 0, kFlags);
    SetWindowPos((*it)->hwnd, HWND_TOP, 0, 0, 0, 0, kFlags);
  }
  if (tab_) SetWindowPos(tab_, HWND_BOTTOM, 0, 0, 0, 0, kFlags);
  EndRadioGroups(controls);
}

// The arrow keys go round the buttons of one group, from the one that starts
// it (WS_GROUP) to the next control that starts another: the first control
// that takes the focus after a set of radio buttons starts one.
void FormWindow::EndRadioGroups(const std::vector<const Binding*>& stacked) {
  bool after_radio_buttons = false;
  for (const Binding* binding : stacked) {
    if (binding->Is<RadioChoice>() || binding->Is<RadioItem>()) {
      after_radio_buttons = true;
    } else if (after_radio_buttons && TakesFocus(*binding)) {
      SetWindowLongPtrW(binding->hwnd, GWL_STYLE, GetWindowLongPtrW(binding->hwnd, GWL_STYLE) | WS_GROUP);
      after_radio_buttons = false;
    }
  }
}

std::vector<HWND> FormWindow::FocusTakingWindows() const {
  std::vector<HWND> windows;
  for (const auto& binding : bindings_) {
    if (TakesFocus(*binding)) windows.push_back(binding->hwnd);
  }
  return windows;
}

HWND FormWindow::BoundWindowOf(const Control& model) const {
  HWND window = WindowOf(model);
  if (window == nullptr) throw std::logic_error("a control was not made");
  return window;
}

}  // namespace fesk::win32
