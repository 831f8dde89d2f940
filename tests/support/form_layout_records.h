// What the tests of a form's layout read of its records: the model each
// record stands for.
#pragma once

#include <type_traits>
#include <variant>

#include "platform/form_layout.h"

namespace fesk::testing {

// The model a record stands for: a control, or a radio set.
inline const void* RecordedModel(const LaidOutControl& placed) {
  return std::visit(
      [](const auto& model) -> const void* {
        if constexpr (std::is_pointer_v<std::decay_t<decltype(model)>>) {
          return model;
        } else {
          return model.model;  // a control drawn or made by the program
        }
      },
      placed.model);
}

// The control a record stands for; null for a radio set.
inline const Control* RecordedControl(const LaidOutControl& placed) {
  return std::visit(
      [](const auto& model) -> const Control* {
        using Model = std::decay_t<decltype(model)>;
        if constexpr (std::is_same_v<Model, RadioSet*>) {
          return nullptr;
        } else if constexpr (std::is_pointer_v<Model>) {
          return model;
        } else {
          return model.model;
        }
      },
      placed.model);
}

}  // namespace fesk::testing
