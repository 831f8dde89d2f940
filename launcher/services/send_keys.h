// Typing a key-description text into the foreground window.
//
// The text is a small language: "%" Alt, "^" Ctrl, "+" Shift applied to the
// next item, "~" Enter, "(...)" a group of items, "{NAME}" or "{NAME count}"
// a named key (or a one-character name typed through the layout), any other
// single-byte character typed through the keyboard layout, and a double-byte
// character posted as characters to the focus window.  The launcher itself
// only types "% ", "%{F4}" and "^{ESC}".
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "launcher/services/key_sink.h"

namespace fesk {

struct KeyName {
  std::string_view name;
  std::uint8_t code;
};

// Names accepted inside braces, in search order; the first row whose name
// equals the brace name, ignoring case, gives the virtual-key code.
inline constexpr std::array<KeyName, 42> KeyNameTable = {{
    {"CAPSLOCK", 0x14}, {"NUMLOCK", 0x90}, {"SCROLLOCK", 0x91}, {"ESCAPE", 0x1B}, {"ESC", 0x1B},    {"ENTER", 0x0D},
    {"HELP", 0x2F},     {"PRTSC", 0x2C},   {"TAB", 0x09},       {"BREAK", 0x03},  {"CLEAR", 0x0C},  {"BACKSPACE", 0x08},
    {"BS", 0x08},       {"BKSP", 0x08},    {"DELETE", 0x2E},    {"DEL", 0x2E},    {"INSERT", 0x2D}, {"LEFT", 0x25},
    {"RIGHT", 0x27},    {"UP", 0x26},      {"DOWN", 0x28},      {"PGUP", 0x21},   {"PGDN", 0x22},   {"HOME", 0x24},
    {"END", 0x23},      {"F1", 0x70},      {"F2", 0x71},        {"F3", 0x72},     {"F4", 0x73},     {"F5", 0x74},
    {"F6", 0x75},       {"F7", 0x76},      {"F8", 0x77},        {"F9", 0x78},     {"F10", 0x79},    {"F11", 0x7A},
    {"F12", 0x7B},      {"F13", 0x7C},     {"F14", 0x7D},       {"F15", 0x7E},    {"F16", 0x7F},    {"IME", 0x19},
}};

// The code of the first KeyNameTable row named `name` (ASCII case ignored).
std::optional<std::uint8_t> LookUpKeyName(std::string_view name);

// The most times a brace item "{NAME count}" types its key.  A larger count
// types it this many times: a count in the billions would keep the launcher
// typing (and its sensing loop stopped) for hours, and nobody means one.
inline constexpr int kMaxKeyRepeat = 1000;

// The repeat count of a brace item: a decimal number (optional sign, digits,
// nothing else, within 32 bits); any other text counts as 0.
int ParseKeyCount(std::string_view text);

// Types key-description texts through a KeySink.  SendKeyItem and
// SendBraceItem work on the text last given to SendKeys or SetText.
class KeySender {
 public:
  explicit KeySender(KeySink& sink) : sink_(sink) {}

  // Types the whole text, item by item.  Modifier keys the user still holds
  // are released first and pressed again afterwards if still held
  // (held_modifiers.h).
  void SendKeys(std::string_view text);

  void SetText(std::string_view text) { text_.assign(text); }
  const std::string& Text() const { return text_; }

  // Sends the one item that begins at pos and returns the position just
  // after it (the end of the text when pos is there already).
  std::size_t SendKeyItem(std::size_t pos);

  // Sends the brace item whose opening "{" is just before pos and returns
  // the position after its closing "}"; the end of the text when the item is
  // not closed.
  std::size_t SendBraceItem(std::size_t pos);

 private:
  // Presses and releases one key, with Shift around it when the shift state
  // of a layout lookup asks for it.
  void TypeLayoutKey(std::uint16_t scan);

  KeySink& sink_;
  std::string text_;
};

}  // namespace fesk
