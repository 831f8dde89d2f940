// Where typed keys go.  The key-description parser (send_keys.h) decides what
// to type; a KeySink carries it out.  The Win32 implementation synthesises
// real input (launcher/win32/win32_key_sink.h); tests record the sequence
// (key_sink_fakes.h).
#pragma once

#include <cstdint>

namespace fesk {

// Result of KeySink::LayoutKey: key code in the low byte, shift state in the
// high byte (bit 0 Shift, bit 1 Ctrl, bit 2 Alt), as the layout reports it.
inline constexpr std::uint16_t kLayoutShiftBit = 0x0100;
// The layout cannot produce the character.
inline constexpr std::uint16_t kNoLayoutKey = 0xFFFF;

class KeySink {
 public:
  virtual ~KeySink() = default;

  // One synthetic key event: down, or up with the key-up flag, with the
  // key's scan code and extended flag (key_scan_codes.h) and no extra
  // information.  Goes to whatever window has the keyboard focus.
  virtual void KeyDown(int virtual_key) = 0;
  virtual void KeyUp(int virtual_key) = 0;

  // The keyboard layout's key for a single-byte character (code page 932),
  // as VkKeyScan reports it.  (Not named VkKeyScan: <windows.h> makes that
  // a macro, which would rename the method in Win32 files only.)
  virtual std::uint16_t LayoutKey(char character) = 0;

  // Types one double-byte character (lead byte, then trail byte) into the
  // window that has the keyboard focus in the foreground window's thread.
  // False when the launcher could not attach its input processing to that
  // thread; nothing was typed then.
  virtual bool PostDoubleByteChar(char lead, char trail) = 0;

  // Whether the key is down now, as GetAsyncKeyState reports it (left and
  // right modifier keys apart).  Synthetic input sent before the call counts
  // as well: a key this sink released reads as up until the keyboard sends
  // it again.
  virtual bool KeyIsDown(int virtual_key) = 0;
};

}  // namespace fesk
