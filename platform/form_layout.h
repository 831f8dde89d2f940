// FormLayout: the controls a form lays out, each with the page it lies on,
// in the order they are made.  The layout records a control where it places
// it; the Win32 layer makes one window per record, in this order (which is
// also the Tab order), so a control cannot be placed and then forgotten by
// a second list.
//
// A record also says what the control lies in (a group box or a panel,
// whose place its own place is relative to) and, in a layout that numbers
// its controls, the number another program finds its window by (the
// control id).
#pragma once

#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/controls.h"

namespace fesk {

// The page of a control outside the page control.
inline constexpr int kOffPages = -1;

// A control the program draws itself (a marker, a bevel): a plain window
// painted by the program's painter, which takes no input.
struct DrawnControl {
  Control* model;
};
// A control the program makes itself (a tree view, a hot-key field): the
// program makes its window and keeps it up to date.
struct OwnControl {
  Control* model;
};

// The model's kind picks the window the Win32 layer makes for it.  A radio
// set stands for all its buttons (they are made together, as one group).
using LaidOutModel =
    std::variant<Label*, Button*, CheckBox*, RadioSet*, RadioGroup*, ScrollBar*, SpinEdit*, ComboBox*, Edit*, ListBox*,
                 GroupBox*, Panel*, Shape*, Image*, SpeedButton*, DrawnControl, OwnControl>;

struct LaidOutControl {
  LaidOutModel model;
  int page = kOffPages;
  // The group box or panel the control lies in: its place is relative to
  // that one's, and it never reaches over that one's frame.
  const Control* container = nullptr;
  // The control id of its window (of a radio set's first button, the
  // others following it; of a radio group's frame); 0: none.
  int number = 0;
};

class FormLayout {
 public:
  // A layout whose controls have no numbers.
  FormLayout() = default;
  // A layout that numbers its controls in the order added: those outside
  // the pages from `first_number` on, those of page p from
  // first_number + 100 × (p + 1) on.
  explicit FormLayout(int first_number) : first_number_(first_number) {}

  // The controls added from now on lie on `page` (kOffPages: outside the page
  // control), and take the numbers that follow the last one given there.
  void OnPage(int page) { page_ = page; }
  // The controls added from now on lie in `container` (null: in none).
  void Within(const Control* container) { container_ = container; }
  // The next control added takes `number`, those after it the numbers that
  // follow.
  void NumberFrom(int number) { next_numbers_[page_] = number; }
  // The page control is made before every control that lies on it; it takes
  // the next number here.
  void NumberPageControl() { page_control_number_ = TakeNumbers(1); }
  int page_control_number() const { return page_control_number_; }

  template <typename Model>
  void Add(Model& model) {
    Record(LaidOutModel(&model), 1);
  }
  void Add(RadioSet& set) { Record(&set, static_cast<int>(set.buttons().size())); }
  void AddDrawn(Control& model) { Record(DrawnControl{&model}, 1); }
  void AddOwn(Control& model) { Record(OwnControl{&model}, 1); }

  const std::vector<LaidOutControl>& controls() const { return controls_; }

 private:
  void Record(LaidOutModel model, int numbers) {
    controls_.push_back(LaidOutControl{std::move(model), page_, container_, TakeNumbers(numbers)});
  }
  int TakeNumbers(int count) {
    if (first_number_ == 0) return 0;
    auto next = next_numbers_.try_emplace(page_, first_number_ + (page_ == kOffPages ? 0 : 100 * (page_ + 1))).first;
    const int number = next->second;
    next->second += count;
    return number;
  }

  int page_ = kOffPages;
  const Control* container_ = nullptr;
  int first_number_ = 0;
  std::map<int, int> next_numbers_;  // by page
  int page_control_number_ = 0;
  std::vector<LaidOutControl> controls_;
};

// Places a control (and gives it its hint).
inline void SetPlace(Control& c, int left, int top, int width, int height, std::string hint = {}) {
  c.SetBounds(left, top, width, height);
  if (!hint.empty()) c.hint = std::move(hint);
}

// Placed and recorded, so the window makes it.
template <typename Model>
void Place(FormLayout& layout, Model& c, int left, int top, int width, int height, std::string hint = {}) {
  SetPlace(c, left, top, width, height, std::move(hint));
  layout.Add(c);
}

template <typename Model>
void WithCaption(FormLayout& layout, Model& c, std::string caption, int left, int top, int width, int height,
                 std::string hint = {}) {
  c.caption = std::move(caption);
  Place(layout, c, left, top, width, height, std::move(hint));
}

// A label as wide (and at least as high) as its caption in the font its
// window really gets (Label::auto_size).
inline void FittedLabel(FormLayout& layout, Label& c, std::string caption, int left, int top, int width, int height,
                        std::string hint = {}) {
  c.auto_size = true;
  WithCaption(layout, c, std::move(caption), left, top, width, height, std::move(hint));
}

// A radio button is made with its set, which the layout records once all
// of its buttons are placed.
inline void PlaceRadio(RadioButton& c, std::string caption, int left, int top, int width, int height) {
  c.caption = std::move(caption);
  SetPlace(c, left, top, width, height);
}

}  // namespace fesk
