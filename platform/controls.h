// Headless models of window controls.
//
// A form is a plain class whose members are these models, named by what
// they are for (save_button, title_field ...), and whose handlers are
// ordinary member functions.  A form binds each control's action to its
// handler once, on the model (on_click, on_change ...); the Win32 layer runs
// that action when the user works the real control.  Tests build forms without any
// window; the Win32 layer creates one real control per model and keeps the
// two in step (user input goes into the model and runs the handler; after
// every handler the window shows the model's state again).
//
// Setting a value in code runs the control's change action when the value
// really changes, as it does for the real controls (a load that ticks a check
// box runs its click action).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/geometry.h"
#include "platform/ports.h"  // Timer

namespace fesk {

using Action = std::function<void()>;

enum class MouseButton { kLeft, kRight, kMiddle };
// What a press of a mouse button on a control does (a shape, a picture); not
// to be confused with the launcher's mouse actions, the movements it starts
// programs on.
using MousePressAction = std::function<void(MouseButton)>;

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
  // The Tab key stops at it (a control that takes the focus; one that
  // does not stop still takes the focus from a click).
  bool tab_stop = true;
  std::string hint;
  int help_context = 0;

  void SetBounds(int l, int t, int w, int h) {
    left = l;
    top = t;
    width = w;
    height = h;
  }
};

enum class Alignment { kLeft, kRight, kCenter };

struct Label : Control {
  std::string caption;
  Color font_color = colors::kBlack;
  Alignment alignment = Alignment::kLeft;
  // As wide (and at least as high) as its caption in the font the window
  // really gets: the place is where it was designed.  A right-aligned label
  // keeps its right edge, a centred one its centre.
  bool auto_size = false;
  // A caption too long for the label ends in "...".
  bool end_ellipsis = false;
  // A click on it (single or double); a label with an action takes the
  // mouse.
  Action on_click;
};

struct Button : Control {
  std::string caption;
  Action on_click;
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

// A radio button belongs to a RadioSet, which keeps one of them checked.
// on_click runs after a click has checked it.
struct RadioButton : Control {
  std::string caption;
  bool checked = false;
  Action on_click;
};

// Radio buttons that exclude each other, in their order on the form: the
// buttons stay members of their form under their own names, the set knows
// which belong together.
class RadioSet {
 public:
  RadioSet(std::initializer_list<RadioButton*> buttons) : buttons_(buttons) {}
  template <std::size_t N>
  explicit RadioSet(std::array<RadioButton, N>& buttons) {
    for (RadioButton& button : buttons) buttons_.push_back(&button);
  }

  const std::vector<RadioButton*>& buttons() const { return buttons_; }
  // `chosen` checked, every other button of the set cleared.
  void Check(const RadioButton& chosen) {
    for (RadioButton* button : buttons_) button->checked = button == &chosen;
  }
  void Check(std::size_t index) { Check(*buttons_.at(index)); }
  std::optional<std::size_t> CheckedIndex() const {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
      if (buttons_[i]->checked) return i;
    }
    return std::nullopt;
  }

 private:
  std::vector<RadioButton*> buttons_;
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

// Text field: on_change runs for every change the user makes, on_enter_key
// when Enter is pressed in it.
struct Edit : Control {
  std::string text;
  int max_length = 0;
  Action on_change;
  Action on_enter_key;
};

// List: on_click runs after the user chose another item.
struct ListBox : Control {
  std::vector<std::string> items;
  int item_index = -1;
  Action on_click;
};

// A filled rectangle; on_mouse_down hears any button pressed on it.
struct Shape : Control {
  Color brush = colors::kWhite;
  MousePressAction on_mouse_down;
};

struct Image : Control {
  MousePressAction on_mouse_down;
};

// A panel with a raised frame, or a lowered one; a click on it runs
// on_click.
struct Panel : Control {
  std::string caption;
  bool lowered = false;
  Action on_click;
};

// A flat button without caption, drawn by the program: a press of the left
// button runs on_click.
struct SpeedButton : Control {
  Action on_click;
};

struct GroupBox : Control {
  std::string caption;
};

}  // namespace fesk
