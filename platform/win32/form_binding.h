// One bound control of a FormWindow: the model it shows, the real window
// made for it and what that window shows now.
//
// The model is held by its type; the kind of control is the type of model
// it shows.  What the window shows is empty until the first sync, so that
// the first sync puts everything in.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/controls.h"
#include "platform/win32/form_window.h"

namespace fesk::win32 {

// One lambda per kind of bound model, for std::visit.
template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

inline constexpr wchar_t kPictureClass[] = L"FeskPicture";
inline constexpr UINT_PTR kEnterSubclass = 1;
inline constexpr UINT_PTR kHitSubclass = 2;

// A button of a RadioSet.
struct RadioChoice {
  RadioButton* button;
  RadioSet* set;
};
// One item of a RadioGroup, and the frame drawn around the items.
struct RadioItem {
  RadioGroup* group;
  int index;
};
struct RadioFrame {
  RadioGroup* group;
};
// A control the form draws itself: a shape (its colour followed), an image,
// a flat button or any other control.  A press runs the shape's or image's
// own mouse action; a press of the left button the flat button's click.
struct Picture {
  Shape* shape = nullptr;
  Image* image = nullptr;
  SpeedButton* button = nullptr;
  FormWindow::Painter paint;
};
// A control the program made and fills itself.
struct Custom {
  std::function<void()> sync;
};

using BoundModel = std::variant<Label*, Button*, CheckBox*, RadioChoice, RadioItem, RadioFrame, GroupBox*, ScrollBar*,
                                SpinEdit*, ComboBox*, Edit*, ListBox*, Panel*, Picture, Custom>;

// What a window shows now; empty: not shown yet.
struct ShownState {
  std::optional<std::string> text, hint;
  std::optional<bool> checked, visible, enabled;
  std::optional<int> index, position;
  std::optional<std::pair<int, int>> range;
  std::optional<RECT> bounds;
  std::optional<std::vector<std::string>> items;
  std::optional<Color> color;
};

struct FormWindow::Binding {
  Binding(Control& control, BoundModel model, int page) : control(control), model(std::move(model)), page(page) {}

  Control& control;
  BoundModel model;
  int page;
  HWND hwnd = nullptr;
  HWND updown = nullptr;  // a SpinEdit's arrows
  // A radio item's own place in design units, worked out when its group
  // was made (its model is the group).
  std::optional<Control> item_place;
  ShownState shown;

  template <class T>
  bool Is() const {
    return std::holds_alternative<T>(model);
  }
  // Group boxes and panels lie under the controls they hold.
  bool IsFrame() const { return Is<GroupBox*>() || Is<RadioFrame>() || Is<Panel*>(); }
};

// True when the window does not show `wanted` yet.
template <class T>
bool Differs(const std::optional<T>& shown, const T& wanted) {
  return !shown.has_value() || !(*shown == wanted);
}
inline bool Differs(const std::optional<RECT>& shown, const RECT& wanted) {
  return !shown.has_value() || !EqualRect(&*shown, &wanted);
}

}  // namespace fesk::win32
