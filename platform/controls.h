// Headless models of window controls.
//
// A form is a plain class whose members are these models, named as the
// windows name their controls (Button7, Edit1, CheckBox4 ...), and whose
// handlers are ordinary member functions.  Tests build forms without any
// window; the Win32 layer creates one real control per model and keeps the
// two in step (user input goes into the model and runs the handler; after
// every handler the window shows the model's state again).
//
// Setting a value in code runs the control's change action when the value
// really changes, as it does for the real controls (a load that ticks a check
// box runs its click action).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/geometry.h"
#include "platform/ports.h"  // Timer

namespace fesk {

using Action = std::function<void()>;

struct Color {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

namespace colors {
inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kLime{0, 255, 0};
inline constexpr Color kGreen{0, 128, 0};
inline constexpr Color kBlue{0, 0, 255};
inline constexpr Color kYellow{255, 255, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kSilver{192, 192, 192};
inline constexpr Color kAqua{0, 255, 255};
// Stands for the system's button-face colour.
inline constexpr Color kButtonFace{240, 240, 240};
}  // namespace colors

struct Control {
  int left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  bool enabled = true;
  std::string hint;
  int help_context = 0;

  void SetBounds(int l, int t, int w, int h) {
    left = l;
    top = t;
    width = w;
    height = h;
  }
};

struct Label : Control {
  std::string caption;
  Color font_color = colors::kBlack;
};

struct Button : Control {
  std::string caption;
};

// Check box: changing `checked` in code runs on_click, as a click would.
struct CheckBox : Control {
  std::string caption;
  Action on_click;

  bool checked() const { return checked_; }
  void SetChecked(bool value) {
    if (value == checked_) return;
    checked_ = value;
    if (on_click) on_click();
  }

 private:
  bool checked_ = false;
};

struct RadioButton : Control {
  std::string caption;
  bool checked = false;
};

// Group of radio items: changing the selection in code runs on_click.
struct RadioGroup : Control {
  std::string caption;
  std::vector<std::string> items;
  Action on_click;

  int item_index() const { return item_index_; }
  // Any index outside the items selects nothing (-1 stands for that too).
  void SetItemIndex(int value) {
    if (value < -1 || value >= static_cast<int>(items.size())) value = -1;
    if (value == item_index_) return;
    item_index_ = value;
    if (on_click) on_click();
  }

 private:
  int item_index_ = -1;
};

// Scroll bar: a position outside min..max is brought to the nearest bound;
// a changed position runs on_change.
struct ScrollBar : Control {
  int min = 0, max = 100;
  Action on_change;

  int position() const { return position_; }
  void SetPosition(int value) {
    if (value < min) value = min;
    if (value > max) value = max;
    if (value == position_) return;
    position_ = value;
    if (on_change) on_change();
  }
  // Sets the range and the position together (no change action for the
  // design-time values).
  void Init(int lo, int hi, int pos) {
    min = lo;
    max = hi;
    position_ = pos;
  }

 private:
  int position_ = 0;
};

// Number field with arrows.  While min_value and max_value are both 0 it is
// unbounded; otherwise values typed or set are brought into the range.
// A changed value runs on_change.
struct SpinEdit : Control {
  int min_value = 0, max_value = 0;
  int max_length = 0;
  int value = 0;
  Action on_change;

  bool Bounded() const { return min_value != 0 || max_value != 0; }
  int Clamp(int v) const {
    if (!Bounded()) return v;
    return v < min_value ? min_value : (v > max_value ? max_value : v);
  }
  void SetValue(int v) {
    v = Clamp(v);
    if (v == value) return;
    value = v;
    if (on_change) on_change();
  }
};

// Drop-down list: choosing another item (Select) runs on_change.
struct ComboBox : Control {
  std::vector<std::string> items;
  int item_index = -1;
  Action on_change;

  void Select(int index) {
    if (index == item_index) return;
    item_index = index;
    if (on_change) on_change();
  }
};

struct Edit : Control {
  std::string text;
  int max_length = 0;
};

struct ListBox : Control {
  std::vector<std::string> items;
  int item_index = -1;
};

struct Shape : Control {
  Color brush = colors::kWhite;
};

struct Image : Control {};

struct Panel : Control {
  std::string caption;
};

struct GroupBox : Control {
  std::string caption;
};

}  // namespace fesk
