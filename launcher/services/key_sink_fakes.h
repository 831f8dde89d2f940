// Recording doubles of the key sink and the foreground window, for native
// tests of anything that types keys or resizes the foreground window.
#pragma once

#include <cstdint>
#include <cstdio>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "launcher/services/foreground_window.h"
#include "launcher/services/key_sink.h"

namespace fesk::fake {

// VkKeyScan answers of a Japanese 106/109 keyboard for printable ASCII: the
// layout the launcher is normally used with.  Some of its answers differ
// from a US keyboard's ("^" needs no Shift, "+" is Shift+";", "(" is
// Shift+"8"), which is what makes the layout's shift state matter.
inline std::map<unsigned char, std::uint16_t> Japanese106Layout() {
  std::map<unsigned char, std::uint16_t> layout;
  layout[' '] = 0x20;
  for (int c = '0'; c <= '9'; ++c) layout[static_cast<unsigned char>(c)] = static_cast<std::uint16_t>(c);
  for (int c = 'a'; c <= 'z'; ++c) layout[static_cast<unsigned char>(c)] = static_cast<std::uint16_t>(c - 'a' + 'A');
  for (int c = 'A'; c <= 'Z'; ++c) layout[static_cast<unsigned char>(c)] = static_cast<std::uint16_t>(0x100 | c);
  const char* shifted_digits = "!\"#$%&'()";  // Shift+1 to Shift+9
  for (int i = 0; i < 9; ++i)
    layout[static_cast<unsigned char>(shifted_digits[i])] = static_cast<std::uint16_t>(0x131 + i);
  const struct {
    char plain, shifted;
    std::uint16_t key;
  } oem[] = {{'-', '=', 0xBD}, {'^', '~', 0xDE}, {'\\', '|', 0xDC}, {'@', '`', 0xC0},
             {'[', '{', 0xDB}, {';', '+', 0xBB}, {':', '*', 0xBA},  {']', '}', 0xDD},
             {',', '<', 0xBC}, {'.', '>', 0xBE}, {'/', '?', 0xBF}};
  for (const auto& k : oem) {
    layout[static_cast<unsigned char>(k.plain)] = k.key;
    layout[static_cast<unsigned char>(k.shifted)] = static_cast<std::uint16_t>(0x100 | k.key);
  }
  layout['_'] = 0x1E2;
  return layout;
}

// Readable name of a virtual-key code in a recorded log.
inline std::string KeyLogName(int key) {
  static const std::map<int, std::string> names = {
      {0x03, "Break"},   {0x08, "Back"},       {0x09, "Tab"},    {0x0C, "Clear"},  {0x0D, "Enter"}, {0x10, "Shift"},
      {0x11, "Ctrl"},    {0x12, "Alt"},        {0x14, "Caps"},   {0x19, "Ime"},    {0x1B, "Esc"},   {0x20, "Space"},
      {0x21, "PgUp"},    {0x22, "PgDn"},       {0x23, "End"},    {0x24, "Home"},   {0x25, "Left"},  {0x26, "Up"},
      {0x27, "Right"},   {0x28, "Down"},       {0x2C, "PrtSc"},  {0x2D, "Ins"},    {0x2E, "Del"},   {0x2F, "Help"},
      {0x90, "NumLock"}, {0x91, "ScrollLock"}, {0xA0, "LShift"}, {0xA1, "RShift"}, {0xA2, "LCtrl"}, {0xA3, "RCtrl"},
      {0xA4, "LAlt"},    {0xA5, "RAlt"},       {0x5B, "LWin"},   {0x5C, "RWin"}};
  if (auto it = names.find(key); it != names.end()) return it->second;
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x6F);
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02X", key & 0xFF);
  return hex;
}

// Records every key action as one word of a log: "+Alt" key down, "-Alt"
// key up, "dbcs:82A0" a double-byte character typed, "dbcs:82A0:refused" one
// whose foreground thread could not be attached.
//
// `held` are the keys the user holds on the keyboard.  Synthetic events do
// not change them; a test lets go of a key in the middle of the typing with
// `let_go`, which takes a key out of `held` when the event is recorded.
class RecordingKeySink : public KeySink {
 public:
  std::map<unsigned char, std::uint16_t> layout = Japanese106Layout();
  std::vector<std::string> events;
  // Answers of the next PostDoubleByteChar calls; true when empty.
  std::deque<bool> attach_results;
  std::set<int> held;
  struct LetGo {
    std::string at;  // the log word after which the user lets go
    int key;
  };
  std::vector<LetGo> let_go;

  void KeyDown(int virtual_key) override { Record("+" + KeyLogName(virtual_key)); }
  void KeyUp(int virtual_key) override { Record("-" + KeyLogName(virtual_key)); }
  bool KeyIsDown(int virtual_key) override { return held.count(virtual_key) != 0; }
  std::uint16_t LayoutKey(char character) override {
    auto it = layout.find(static_cast<unsigned char>(character));
    return it == layout.end() ? kNoLayoutKey : it->second;
  }
  bool PostDoubleByteChar(char lead, char trail) override {
    bool attached = true;
    if (!attach_results.empty()) {
      attached = attach_results.front();
      attach_results.pop_front();
    }
    char word[32];
    std::snprintf(word, sizeof word, "dbcs:%02X%02X%s", static_cast<unsigned char>(lead),
                  static_cast<unsigned char>(trail), attached ? "" : ":refused");
    events.push_back(word);
    return attached;
  }

  // Lets a test put its own marks (a sleep, a shell call) between the keys.
  void Note(std::string word) { events.push_back(std::move(word)); }

  // The log as one line, words separated by single spaces.
  std::string Log() const {
    std::string line;
    for (const std::string& word : events) {
      if (!line.empty()) line += ' ';
      line += word;
    }
    return line;
  }
  void Clear() { events.clear(); }

 private:
  void Record(std::string word) {
    for (const LetGo& release : let_go) {
      if (release.at == word) held.erase(release.key);
    }
    events.push_back(std::move(word));
  }
};

class FakeForegroundWindow : public ForegroundWindow {
 public:
  bool iconic = false;
  bool zoomed = false;
  std::vector<int> shows;

  bool IsIconic() override { return iconic; }
  bool IsZoomed() override { return zoomed; }
  void Show(int show_command) override { shows.push_back(show_command); }
  bool elevated = false;
  bool ElevatedAboveUs() override { return elevated; }
};

}  // namespace fesk::fake
