#include "launcher/services/send_keys.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "common/cp932.h"
#include "launcher/services/held_modifiers.h"
#include "platform/ports.h"

namespace fesk {

namespace {

constexpr int kEnterKey = 0x0D;

int ModifierKey(char c) {
  switch (c) {
    case '+': return vk::kShift;
    case '^': return vk::kControl;
    case '%': return vk::kAlt;
    default: return 0;
  }
}

}  // namespace

std::optional<std::uint8_t> LookUpKeyName(std::string_view name) {
  for (const KeyName& row : KeyNameTable) {
    if (cp932::EqualsIgnoreAsciiCase(row.name, name)) return row.code;
  }
  return std::nullopt;
}

int ParseKeyCount(std::string_view text) {
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  // from_chars alone would take "3x" as 3 and a second sign; the count must
  // be digits and nothing else.
  if (digits.empty()) return 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return 0;
  }
  long long value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return 0;
  if (negative) value = -value;
  if (value > 0x7FFFFFFFLL || value < -0x80000000LL) return 0;
  return static_cast<int>(value);
}

// The keys the user still holds would combine with every key typed, so they
// are let go for the text and pressed again afterwards where still held.
void KeySender::SendKeys(std::string_view text) {
  text_.assign(text);
  const HeldModifiers held = HeldModifiers::Release(sink_);
  std::size_t pos = 0;
  while (pos < text_.size()) pos = SendKeyItem(pos);
  held.PressStillHeld(sink_);
}

void KeySender::TypeLayoutKey(std::uint16_t scan) {
  // A character the layout cannot produce is skipped: pressing the key code
  // 255 it reports would type nothing useful and might do something odd.
  if (scan == kNoLayoutKey) return;
  const bool shift = (scan & kLayoutShiftBit) != 0;
  const int key = scan & 0xFF;
  if (shift) sink_.KeyDown(vk::kShift);
  sink_.KeyDown(key);
  sink_.KeyUp(key);
  if (shift) sink_.KeyUp(vk::kShift);
}

std::size_t KeySender::SendKeyItem(std::size_t pos) {
  // A modifier applies to the next item and a group runs to its ")"; both
  // nest.  What is still open is kept on this stack rather than on the call
  // stack, so that a text made of thousands of "+" or "(" cannot overflow it.
  struct Open {
    bool group;
    int modifier;  // the key to release, when not a group
  };
  std::vector<Open> open;
  const std::size_t end = text_.size();

  for (;;) {
    if (pos < end) {
      const char c = text_[pos];
      if (cp932::IsLeadByte(static_cast<unsigned char>(c))) {
        if (pos + 1 >= end) {
          pos = end;  // half a character: dropped
        } else {
          // Whether or not the character could be delivered, it is consumed.
          sink_.PostDoubleByteChar(c, text_[pos + 1]);
          pos += 2;
        }
      } else if (int modifier = ModifierKey(c); modifier != 0) {
        sink_.KeyDown(modifier);
        open.push_back({false, modifier});
        ++pos;
        continue;  // the item it applies to starts right here
      } else if (c == '(') {
        open.push_back({true, 0});
        ++pos;
      } else if (c == '{') {
        pos = SendBraceItem(pos + 1);
      } else if (c == '~') {
        sink_.KeyDown(kEnterKey);
        sink_.KeyUp(kEnterKey);
        ++pos;
      } else {
        TypeLayoutKey(sink_.LayoutKey(c));
        ++pos;
      }
    }

    // The item just finished may complete the modifiers and groups that were
    // waiting for it.
    for (;;) {
      if (open.empty()) return pos;
      Open& top = open.back();
      if (!top.group) {
        sink_.KeyUp(top.modifier);
        open.pop_back();
      } else if (pos >= end) {
        open.pop_back();
      } else if (text_[pos] == ')') {
        ++pos;  // the closing parenthesis belongs to the group, untyped
        open.pop_back();
      } else {
        break;  // the group goes on with its next item
      }
    }
  }
}

std::size_t KeySender::SendBraceItem(std::size_t pos) {
  const std::size_t end = text_.size();
  std::optional<int> named;             // key from KeyNameTable
  std::optional<std::uint16_t> layout;  // key from the keyboard layout
  std::size_t name_end;                 // position of the name's terminator

  if (pos < end && text_[pos] == '}') {
    // "{}}" and "{} n}": a "}" right after the brace is the name itself.
    layout = sink_.LayoutKey('}');
    name_end = pos + 1;
  } else {
    // Step over whole characters: a trail byte may be 0x7D and is not "}".
    name_end = pos;
    while (name_end < end && text_[name_end] != ' ' && text_[name_end] != '}') {
      name_end += cp932::CharLength(text_, name_end);
    }
    if (name_end >= end) return end;
    const std::string_view name = std::string_view(text_).substr(pos, name_end - pos);
    if (auto code = LookUpKeyName(name)) {
      named = *code;
    } else if (name.size() == 1) {
      layout = sink_.LayoutKey(name.front());
    }
  }

  // The closing brace: the terminator itself, or the first "}" after it.
  const bool bare = name_end < end && text_[name_end] == '}';
  std::size_t close = name_end;
  std::size_t count_start = name_end;
  if (!bare) {
    if (name_end >= end) return end;
    count_start = name_end + cp932::CharLength(text_, name_end);
    close = count_start;
    while (close < end && text_[close] != '}') close += cp932::CharLength(text_, close);
    if (close >= end) return end;
  }
  const std::size_t after = close + 1;

  if (!named && (!layout || *layout == kNoLayoutKey)) return after;

  const int count =
      bare ? 1
           : std::min(ParseKeyCount(std::string_view(text_).substr(count_start, close - count_start)), kMaxKeyRepeat);
  // A count of 0 or less, or one that is not a number, types nothing at all,
  // not even the Shift a layout key would need.
  if (count <= 0) return after;

  const bool shift = layout && (*layout & kLayoutShiftBit) != 0;
  const int key = named ? *named : (*layout & 0xFF);
  if (shift) sink_.KeyDown(vk::kShift);
  for (int i = 0; i < count; ++i) {
    sink_.KeyDown(key);
    sink_.KeyUp(key);
  }
  if (shift) sink_.KeyUp(vk::kShift);
  return after;
}

}  // namespace fesk
