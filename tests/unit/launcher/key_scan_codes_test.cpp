// The scan code and the extended flag of every key the typing routine
// sends: each name of KeyNameTable, and the modifier keys it presses and
// releases around them.
#include "launcher/services/key_scan_codes.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "launcher/services/held_modifiers.h"
#include "launcher/services/send_keys.h"
#include "platform/ports.h"

namespace fesk {
namespace {

// MapVirtualKeyW(vk, MAPVK_VK_TO_VSC_EX) on a Japanese 106/109 keyboard.
struct WindowsLayout : ScanCodePort {
  std::map<int, unsigned> answers;
  unsigned ScanCode(int virtual_key) override {
    auto it = answers.find(virtual_key);
    return it == answers.end() ? 0 : it->second;
  }
};

struct Expected {
  unsigned layout_answer;
  KeyEventCodes codes;
};

// By name, as KeyNameTable spells it.
const std::map<std::string, Expected>& NamedKeys() {
  static const std::map<std::string, Expected> keys = {
      {"CAPSLOCK", {0x3A, {0x3A, false}}}, {"NUMLOCK", {0x45, {0x45, true}}},  {"SCROLLOCK", {0x46, {0x46, false}}},
      {"ESCAPE", {0x01, {0x01, false}}},   {"ESC", {0x01, {0x01, false}}},     {"ENTER", {0x1C, {0x1C, false}}},
      {"HELP", {0x00, {0x00, false}}},     {"PRTSC", {0xE037, {0x37, true}}},  {"TAB", {0x0F, {0x0F, false}}},
      {"BREAK", {0xE046, {0x46, true}}},   {"CLEAR", {0x4C, {0x4C, false}}},   {"BACKSPACE", {0x0E, {0x0E, false}}},
      {"BS", {0x0E, {0x0E, false}}},       {"BKSP", {0x0E, {0x0E, false}}},    {"DELETE", {0xE053, {0x53, true}}},
      {"DEL", {0xE053, {0x53, true}}},     {"INSERT", {0xE052, {0x52, true}}}, {"LEFT", {0xE04B, {0x4B, true}}},
      {"RIGHT", {0xE04D, {0x4D, true}}},   {"UP", {0xE048, {0x48, true}}},     {"DOWN", {0xE050, {0x50, true}}},
      {"PGUP", {0xE049, {0x49, true}}},    {"PGDN", {0xE051, {0x51, true}}},   {"HOME", {0xE047, {0x47, true}}},
      {"END", {0xE04F, {0x4F, true}}},     {"F1", {0x3B, {0x3B, false}}},      {"F2", {0x3C, {0x3C, false}}},
      {"F3", {0x3D, {0x3D, false}}},       {"F4", {0x3E, {0x3E, false}}},      {"F5", {0x3F, {0x3F, false}}},
      {"F6", {0x40, {0x40, false}}},       {"F7", {0x41, {0x41, false}}},      {"F8", {0x42, {0x42, false}}},
      {"F9", {0x43, {0x43, false}}},       {"F10", {0x44, {0x44, false}}},     {"F11", {0x57, {0x57, false}}},
      {"F12", {0x58, {0x58, false}}},      {"F13", {0x64, {0x64, false}}},     {"F14", {0x65, {0x65, false}}},
      {"F15", {0x66, {0x66, false}}},      {"F16", {0x67, {0x67, false}}},     {"IME", {0x29, {0x29, false}}},
  };
  return keys;
}

TEST(KeyScanCodesTest, EveryNamedKeyCarriesItsScanCodeAndExtendedFlag) {
  WindowsLayout layout;
  for (const KeyName& row : KeyNameTable)
    layout.answers[row.code] = NamedKeys().at(std::string(row.name)).layout_answer;
  for (const KeyName& row : KeyNameTable) {
    SCOPED_TRACE(std::string(row.name));
    EXPECT_EQ(KeyEventCodesOf(row.code, layout), NamedKeys().at(std::string(row.name)).codes);
  }
}

// Shift, Ctrl and Alt around the keys, the sides of the keys the user may
// still hold, the Windows and application keys, and the unassigned key
// that keeps a released Alt or Win from opening a menu.
TEST(KeyScanCodesTest, TheModifierKeysCarryTheirSidesScanCodes) {
  const std::map<int, Expected> keys = {
      {vk::kShift, {0x2A, {0x2A, false}}},         {vk::kControl, {0x1D, {0x1D, false}}},
      {vk::kAlt, {0x38, {0x38, false}}},           {vk::kLeftShift, {0x2A, {0x2A, false}}},
      {vk::kRightShift, {0x36, {0x36, false}}},    {vk::kLeftControl, {0x1D, {0x1D, false}}},
      {vk::kRightControl, {0xE01D, {0x1D, true}}}, {vk::kLeftAlt, {0x38, {0x38, false}}},
      {vk::kRightAlt, {0xE038, {0x38, true}}},     {vk::kLeftWin, {0xE05B, {0x5B, true}}},
      {vk::kRightWin, {0xE05C, {0x5C, true}}},     {0x5D, {0xE05D, {0x5D, true}}},  // application key
      {vk::kMenuMask, {0x00, {0x00, false}}},
  };
  WindowsLayout layout;
  for (const auto& [key, expected] : keys) layout.answers[key] = expected.layout_answer;
  for (const auto& [key, expected] : keys) {
    SCOPED_TRACE(key);
    EXPECT_EQ(KeyEventCodesOf(key, layout), expected.codes);
  }
}

}  // namespace
}  // namespace fesk
