// One window for each control a form's layout recorded, in its order.
#include <stdexcept>
#include <type_traits>

#include "platform/form_layout.h"
#include "platform/win32/form_window.h"

namespace fesk::win32 {

static_assert(kOffPages == kNoPage, "a control outside the pages is outside the page control");

// A painter given for a control the layout does not hold, or an image
// without one, is a mistake in the program: it stops at creation instead of
// leaving a control without its window or its picture.
void FormWindow::BindLayout(const FormLayout& layout, const Painters& painters) {
  std::size_t painters_used = 0;
  auto painter_of = [&](const Control& model) -> Painter {
    auto found = painters.find(&model);
    if (found == painters.end()) return nullptr;
    ++painters_used;
    return found->second;
  };
  for (const LaidOutControl& placed : layout.controls()) {
    const int page = placed.page;
    std::visit(
        [&](auto* model) {
          using Model = std::remove_pointer_t<decltype(model)>;
          if constexpr (std::is_same_v<Model, Label>)
            BindLabel(*model, page);
          else if constexpr (std::is_same_v<Model, Button>)
            BindButton(*model, page);
          else if constexpr (std::is_same_v<Model, CheckBox>)
            BindCheckBox(*model, page);
          else if constexpr (std::is_same_v<Model, RadioSet>)
            BindRadioSet(*model, page);
          else if constexpr (std::is_same_v<Model, RadioGroup>)
            BindRadioGroup(*model, page);
          else if constexpr (std::is_same_v<Model, ScrollBar>)
            BindScrollBar(*model, page);
          else if constexpr (std::is_same_v<Model, SpinEdit>)
            BindSpinEdit(*model, page);
          else if constexpr (std::is_same_v<Model, ComboBox>)
            BindComboBox(*model, page);
          else if constexpr (std::is_same_v<Model, Edit>)
            BindEdit(*model, page);
          else if constexpr (std::is_same_v<Model, ListBox>)
            BindListBox(*model, page);
          else if constexpr (std::is_same_v<Model, GroupBox>)
            BindGroupBox(*model, page);
          else if constexpr (std::is_same_v<Model, Panel>)
            BindPanel(*model, page);
          else if constexpr (std::is_same_v<Model, Shape>)
            BindShape(*model, page, painter_of(*model));
          else if constexpr (std::is_same_v<Model, Image>) {
            Painter paint = painter_of(*model);
            if (!paint) throw std::logic_error("an image of the layout has no painter");
            BindImage(*model, std::move(paint), page);
          } else {
            static_assert(!sizeof(Model), "a kind of control the layout records has no binding");
          }
        },
        placed.model);
  }
  if (painters_used != painters.size()) throw std::logic_error("a painter's control is not in the layout");
}

HWND FormWindow::BoundWindowOf(const Control& model) const {
  HWND window = WindowOf(model);
  if (window == nullptr) throw std::logic_error("a control was not made");
  return window;
}

}  // namespace fesk::win32
