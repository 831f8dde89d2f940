// What the two scenarios of the launcher's quiet rules (launcher_full_screen,
// launcher_quiet_programs) share: their settings, with a stroke "lr" that
// starts app.exe, a shortcut Ctrl+Alt+K that starts hotkey.exe and the top
// right corner that starts corner.exe; the stroke and the corner as the user
// makes them; and the check that with a quieting window in front only the
// shortcut starts its program.
//
// The strokes are drawn with the middle button (SELECTKEY=15), not with
// Shift+Ctrl: a stroke over a window has to cross it, and under Wine every
// cursor move over a window of a Wine program re-syncs Shift, Ctrl and Alt
// with the X keyboard, where they are up, while a held mouse button stays
// held.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "tests/e2e/launcher_scenario_support.h"

namespace fesk::e2e::launcher {

// How long a start that should not come is waited for.
inline constexpr int kQuietMs = 2500;

// Fesk.Ini of the scenarios, with SYSTEM's keys beyond the three they share,
// and the recorders app.exe, hotkey.exe and corner.exe beside `more`.
inline void FillQuietFolder(const std::wstring& folder, const std::vector<std::wstring>& more,
                            const Keys& more_system) {
  std::vector<std::wstring> recorders{L"app.exe", L"hotkey.exe", L"corner.exe"};
  recorders.insert(recorders.end(), more.begin(), more.end());
  Keys system{{L"SELECTKEY", L"15"}, {L"TRIGGER3", L"1"}, {L"HINT", L"OFF"}};
  system.insert(system.end(), more_system.begin(), more_system.end());
  FillFolder(
      folder, recorders,
      Section(L"SYSTEM", system) +
          Section(L"CMD0", {{L"DISCRIPTION", L"アプリ"},
                            {L"CMDLINE", folder + L"\\app.exe"},
                            {L"ACTCODE", L"lr"},
                            {L"RUNPOS", L"111111111"}}) +
          Section(L"CMD1", {{L"DISCRIPTION", L"ショートカット"},
                            {L"CMDLINE", folder + L"\\hotkey.exe"},
                            {L"HOTKEY", L"Ctrl+Alt+K"}}) +
          Section(L"CMD2",
                  {{L"DISCRIPTION", L"右上の角"}, {L"CMDLINE", folder + L"\\corner.exe"}, {L"DISPLAYPOS", L"3"}}));
}

// As Gesture draws one, with the middle button held instead of keys.
inline void StrokeLeftToRight() {
  MoveCursorTo({300, 400});
  Pause(100);
  MouseDown(MouseButton::kMiddle);
  Pause(80);
  MoveCursor({300, 400}, {650, 400}, 12, 25);
  Pause(80);
  MouseUp(MouseButton::kMiddle);
  Pause(80);
}

inline void RightButtonAtTopRight() {
  MoveCursorTo({1023, 0});
  Pause(100);
  Click(MouseButton::kRight, 300);
}

// Both programs have handled what came before (under Wine the launcher may
// still be hiding its dialog), so the launcher polls from the stroke's start.
inline void Settle(std::initializer_list<HWND> windows) {
  for (HWND window : windows) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 15000, &result)) {
      Log(L"a window did not answer within 15 s");
    }
  }
  Pause(500);
}

// With `front` (the window `what` names) in front of the launcher's `main`:
// the stroke and the corner start nothing, the window stays in front, and
// the shortcut still starts hotkey.exe.
inline void CheckOnlyTheShortcutStarts(const std::wstring& folder, HWND front, HWND main, const std::wstring& what) {
  Settle({front, main});
  StrokeLeftToRight();
  RightButtonAtTopRight();
  CheckEqual(Count(RecordsAfterQuiet(folder, kQuietMs, L"app.exe")), 0,
             L"over " + what + L" the stroke starts nothing");
  CheckEqual(Count(ReadRecords(folder, L"corner.exe")), 0, L"nor the right button at the corner");
  Check(GetForegroundWindow() == front, what + L" stays in front");
  {
    HeldKeys held({VK_CONTROL, VK_MENU});
    PressKey('K', 100);
  }
  CheckEqual(Count(WaitForRecords(folder, 1, 10000, L"hotkey.exe")), 1,
             L"the shortcut Ctrl+Alt+K still starts hotkey.exe");
}

}  // namespace fesk::e2e::launcher
