// The keys as one stretch of a sensing tick sees them: each key's
// asynchronous state is read from the platform the first time the stretch
// asks for it and remembered until the snapshot is forgotten.  The shortcut
// scan and the two trigger tests then cost one read per distinct key instead
// of one per use (each read is a kernel call on Windows and a round trip to
// the wineserver under Wine).
//
// The loop forgets the snapshot at the start of every tick and after every
// block that waits (a sleep, a start with its boxes), so nothing read before
// a wait stands for the keys after it.  Cursor, screen size and monitors
// are read live.
//
// The core asks for the user's primary and secondary mouse buttons
// (vk::kPrimaryButton, vk::kSecondaryButton); the platform reads physical
// buttons.  With the buttons swapped the snapshot reads the other one, so a
// left-handed user's primary button (the physical right one) is what a
// "ﾏｳｽ左" trigger means.  The setting is read once and again only when the
// user changes it (ReadButtonSetting), not on every key read.
#pragma once

#include <array>
#include <cstdint>

#include "platform/ports.h"

namespace fesk {

class KeySnapshot final : public InputPort {
 public:
  explicit KeySnapshot(InputPort& live) : live_(live) { ReadButtonSetting(); }
  KeySnapshot(const KeySnapshot&) = delete;
  KeySnapshot& operator=(const KeySnapshot&) = delete;

  // Every key is read afresh on its next use.
  void Forget() {
    if (++reading_ == 0) {
      read_in_.fill(0);
      reading_ = 1;
    }
  }

  // Whether any key read since WatchHeld was held, across Forget: the
  // sensing tick tells from it, without reading a key more, whether it saw
  // anything held.
  void WatchHeld() { held_seen_ = false; }
  bool HeldSeen() const { return held_seen_; }

  // The button setting afresh, after the user changed it.
  void ReadButtonSetting() {
    swapped_ = live_.ButtonsSwapped();
    Forget();
  }

  // Key 0 is never held and never read; a code beyond the 256 virtual keys
  // is read every time, as the platform decides about it.  A mouse button
  // is the user's primary or secondary one.
  bool KeyHeld(int user_key) override {
    const int virtual_key = PhysicalKey(user_key);
    if (virtual_key == 0) return false;
    if (virtual_key < 0 || virtual_key >= kKeys) return Seen(live_.KeyHeld(virtual_key));
    const auto key = static_cast<std::size_t>(virtual_key);
    if (read_in_[key] != reading_) {
      read_in_[key] = reading_;
      held_[key] = live_.KeyHeld(virtual_key);
    }
    return Seen(held_[key]);
  }

  bool ButtonsSwapped() override { return swapped_; }
  std::optional<Point> CursorPos() override { return live_.CursorPos(); }
  Size ScreenSize() override { return live_.ScreenSize(); }
  Monitor MonitorAt(Point point) override { return live_.MonitorAt(point); }

 private:
  static constexpr int kKeys = 256;

  bool Seen(bool held) {
    held_seen_ = held_seen_ || held;
    return held;
  }

  int PhysicalKey(int user_key) const {
    if (!swapped_) return user_key;
    if (user_key == vk::kPrimaryButton) return vk::kRightButton;
    if (user_key == vk::kSecondaryButton) return vk::kLeftButton;
    return user_key;
  }

  InputPort& live_;
  bool swapped_ = false;
  // A key's state stands for the current reading when its number is here.
  std::array<std::uint32_t, kKeys> read_in_{};
  std::array<bool, kKeys> held_{};
  std::uint32_t reading_ = 1;
  bool held_seen_ = false;
};

}  // namespace fesk
