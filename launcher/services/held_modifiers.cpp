#include "launcher/services/held_modifiers.h"

#include <algorithm>

namespace fesk {

namespace {

bool OpensAMenuAlone(int key) {
  return key == vk::kLeftAlt || key == vk::kRightAlt || key == vk::kLeftWin || key == vk::kRightWin;
}

}  // namespace

HeldModifiers HeldModifiers::Release(KeySink& sink) {
  HeldModifiers held;
  for (int key : kHeldModifierKeys) {
    if (sink.KeyIsDown(key)) held.released_.push_back(key);
  }
  // One mask press serves every Alt and Win key: each of them then has had
  // another key pressed while it was down.
  if (std::any_of(held.released_.begin(), held.released_.end(), OpensAMenuAlone)) {
    sink.KeyDown(vk::kMenuMask);
    sink.KeyUp(vk::kMenuMask);
  }
  for (int key : held.released_) sink.KeyUp(key);
  return held;
}

void HeldModifiers::PressStillHeld(KeySink& sink) const {
  for (int key : released_) {
    if (sink.KeyIsDown(key)) sink.KeyDown(key);
  }
}

}  // namespace fesk
