#include "launcher/core/trigger_keys.h"

namespace fesk {

namespace {

constexpr int S = vk::kShift, C = vk::kControl, A = vk::kAlt;
// "ﾏｳｽ左" and "ﾏｳｽ右" are the user's primary and secondary buttons.
constexpr int L = vk::kPrimaryButton, R = vk::kSecondaryButton, M = vk::kMiddleButton;

constexpr std::string_view kShiftName = "SHIFT", kCtrlName = "CTRL", kAltName = "ALT";
constexpr std::string_view kLeftName = "ﾏｳｽ左", kRightName = "ﾏｳｽ右", kMiddleName = "ﾏｳｽ中";

using D = TriggerDifficulty;

}  // namespace

const std::array<TriggerCombination, kTriggerCount> kTriggerCombinations = {{
    {{S, S, C, A, L, R}, "Shape1", kShiftName, {}, 0, 0, D::kEasy},
    {{S, C, 0, A, L, R}, "Shape2", kShiftName, kCtrlName, 0, 1, D::kEasy},
    {{S, A, 0, C, L, R}, "Shape3", kShiftName, kAltName, 0, 2, D::kEasy},
    {{S, L, 0, C, A, R}, "Shape4", kShiftName, kLeftName, 0, 3, D::kComplex},
    {{S, R, 0, C, A, L}, "Shape5", kShiftName, kRightName, 0, 4, D::kComplex},
    {{C, C, S, L, A, R}, "Shape6", kCtrlName, {}, 1, 1, D::kEasy},
    {{C, A, 0, L, S, R}, "Shape7", kCtrlName, kAltName, 1, 2, D::kEasy},
    {{C, L, 0, A, S, R}, "Shape8", kCtrlName, kLeftName, 1, 3, D::kComplex},
    {{C, R, 0, A, S, L}, "Shape9", kCtrlName, kRightName, 1, 4, D::kComplex},
    {{A, A, R, C, S, L}, "Shape10", kAltName, {}, 2, 2, D::kMisfireProne},
    {{A, L, 0, C, S, R}, "Shape11", kAltName, kLeftName, 2, 3, D::kComplex},
    {{A, R, 0, C, S, L}, "Shape12", kAltName, kRightName, 2, 4, D::kComplex},
    {{L, L, A, C, S, R}, "Shape13", kLeftName, {}, 3, 3, D::kMisfireProne},
    {{L, R, A, C, S, 0}, "Shape14", kLeftName, kRightName, 3, 4, D::kMisfireProne},
    {{R, R, A, C, S, L}, "Shape15", kRightName, {}, 4, 4, D::kMisfireProne},
    {{M, M, A, C, S, L}, "Shape19", kMiddleName, {}, 4, 0, D::kMiddleButton},
}};

TriggerKeys TriggerKeysFor(int number) {
  if (number < 0 || number >= kTriggerCount) return TriggerKeys{};
  return kTriggerCombinations[static_cast<std::size_t>(number)].keys;
}

bool TriggerHeld(InputPort& input, const TriggerKeys& keys) {
  if (!input.KeyHeld(keys[0]) || !input.KeyHeld(keys[1])) return false;
  for (std::size_t i = 2; i < keys.size(); ++i) {
    if (input.KeyHeld(keys[i])) return false;
  }
  return true;
}

bool TriggerKeysReleased(InputPort& input, const TriggerKeys& keys) {
  for (int key : keys) {
    if (input.KeyHeld(key)) return false;
  }
  return true;
}

}  // namespace fesk
