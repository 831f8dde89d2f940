// The modifier keys the user may still hold when the launcher types.
//
// Synthetic key events do not lift keys that are held on the keyboard: a
// text typed while Ctrl or Shift is still down would arrive as shortcuts.
// So the typing routine lets go of them first and, when it is done, presses
// again those that are still held.  Letting go of Alt or Win alone would
// open the menu bar or the Start menu; a press of an unassigned key between
// their press and their release tells the system the key was used in a
// combination, and nothing opens.
#pragma once

#include <array>
#include <vector>

#include "launcher/services/key_sink.h"

namespace fesk {

namespace vk {
inline constexpr int kLeftShift = 0xA0;
inline constexpr int kRightShift = 0xA1;
inline constexpr int kLeftControl = 0xA2;
inline constexpr int kRightControl = 0xA3;
inline constexpr int kLeftAlt = 0xA4;
inline constexpr int kRightAlt = 0xA5;
inline constexpr int kLeftWin = 0x5B;
inline constexpr int kRightWin = 0x5C;
// Unassigned: no program gives it a meaning, so pressing it does nothing but
// keep an Alt or Win release from opening a menu.
inline constexpr int kMenuMask = 0xE8;
}  // namespace vk

// Left and right keys apart: the sides are separate keys for the system, and
// the right Alt of some layouts is AltGr.
inline constexpr std::array<int, 8> kHeldModifierKeys = {vk::kLeftShift,    vk::kRightShift, vk::kLeftControl,
                                                         vk::kRightControl, vk::kLeftAlt,    vk::kRightAlt,
                                                         vk::kLeftWin,      vk::kRightWin};

class HeldModifiers {
 public:
  // Releases every modifier key the sink reports down, the Alt and Win keys
  // behind one press of the mask key.
  static HeldModifiers Release(KeySink& sink);

  // Presses again those of the released keys that are down now.  Asked
  // afresh: a key the user let go of while the text was typed stays up.
  void PressStillHeld(KeySink& sink) const;

 private:
  std::vector<int> released_;
};

}  // namespace fesk
