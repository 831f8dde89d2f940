// Finding top-level windows, reading and answering message boxes.
#include <cstdio>

#include "tests/e2e/driver/driver.h"

namespace fesk::e2e {

namespace {

bool SameClass(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// A top-level window's caption as the system keeps it: no message is sent,
// so a busy or hung program does not hold up the search.
std::wstring Caption(HWND window) {
  int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  length = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  return text;
}

bool Matches(HWND window, const WindowQuery& query) {
  if (query.visible_only && !IsWindowVisible(window)) return false;
  if (query.process_id != 0 && WindowProcess(window) != query.process_id) return false;
  if (!query.class_name.empty() && !SameClass(WindowClass(window), query.class_name)) return false;
  if (!query.caption.empty()) {
    std::wstring caption = Caption(window);
    if (query.caption_contains ? caption.find(query.caption) == std::wstring::npos : caption != query.caption) {
      return false;
    }
  }
  return true;
}

std::vector<HWND> TopWindows() {
  std::vector<HWND> windows;
  EnumWindows(
      [](HWND window, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

}  // namespace

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> windows;
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::wstring WindowClass(HWND window) {
  wchar_t name[256];
  int length = GetClassNameW(window, name, 256);
  return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

DWORD WindowProcess(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

std::wstring WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
    return Caption(window);
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR got = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                           2000, &got)) {
    return Caption(window);
  }
  text.resize(got <= length ? got : length);
  return text;
}

std::vector<HWND> FindTopWindows(const WindowQuery& query) {
  std::vector<HWND> found;
  for (HWND window : TopWindows()) {
    if (Matches(window, query)) found.push_back(window);
  }
  return found;
}

HWND FindTopWindow(const WindowQuery& query) {
  std::vector<HWND> found = FindTopWindows(query);
  return found.empty() ? nullptr : found.front();
}

HWND WaitForTopWindow(const WindowQuery& query, int timeout_ms) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindTopWindow(query)) != nullptr; }, timeout_ms);
  if (!found) {
    Log(L"no window of class \"" + query.class_name + L"\" captioned \"" + query.caption + L"\" within " +
        std::to_wstring(timeout_ms) + L" ms");
  }
  return found;
}

bool WaitTopWindowGone(HWND window, int timeout_ms) {
  return WaitUntil([&] { return !IsWindow(window); }, timeout_ms);
}

bool WaitNoTopWindow(const WindowQuery& query, int timeout_ms) {
  return WaitUntil([&] { return FindTopWindow(query) == nullptr; }, timeout_ms);
}

std::vector<WindowInfo> ListTopWindows(bool visible_only) {
  std::vector<WindowInfo> list;
  for (HWND window : TopWindows()) {
    WindowInfo info;
    info.window = window;
    info.visible = IsWindowVisible(window) != 0;
    if (visible_only && !info.visible) continue;
    info.class_name = WindowClass(window);
    info.caption = Caption(window);
    info.process_id = WindowProcess(window);
    GetWindowRect(window, &info.rect);
    list.push_back(info);
  }
  return list;
}

std::wstring DescribeWindows(bool visible_only) {
  std::wstring text;
  for (const WindowInfo& info : ListTopWindows(visible_only)) {
    wchar_t head[160];
    std::swprintf(head, 160, L"  %p process %lu ", static_cast<void*>(info.window),
                  static_cast<unsigned long>(info.process_id));
    wchar_t rect[96];
    std::swprintf(rect, 96, L" at (%ld,%ld)-(%ld,%ld)%ls", info.rect.left, info.rect.top, info.rect.right,
                  info.rect.bottom, info.visible ? L"" : L" hidden");
    text += head + (L"class \"" + info.class_name + L"\" caption \"" + info.caption + L"\"") + rect + L"\n";
  }
  return text;
}

bool BringToFront(HWND window, int timeout_ms) {
  if (!IsWindow(window)) return false;
  SetForegroundWindow(window);
  return WaitUntil([&] { return GetForegroundWindow() == window; }, timeout_ms);
}

HWND FindChild(HWND parent, std::wstring_view class_name, std::wstring_view text, int index) {
  const std::wstring wanted_class(class_name);
  for (HWND child : ChildWindows(parent)) {
    if (!wanted_class.empty() && !SameClass(WindowClass(child), wanted_class)) continue;
    if (!text.empty() && WindowText(child) != text) continue;
    if (index-- == 0) return child;
  }
  return nullptr;
}

bool SetControlText(HWND control, std::wstring_view text) {
  const std::wstring value(text);
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()), SMTO_ABORTIFHUNG, 5000,
                             &result) != 0 &&
         result != 0;
}

bool ClickButton(HWND button) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

bool MessageBoxInfo::HasButton(int id) const {
  for (const DialogButton& button : buttons) {
    if (button.id == id) return true;
  }
  return false;
}

HWND WaitForMessageBox(std::wstring_view caption, int timeout_ms, DWORD process_id) {
  WindowQuery query;
  query.class_name = L"#32770";
  query.caption = std::wstring(caption);
  query.process_id = process_id;
  query.visible_only = true;
  return WaitForTopWindow(query, timeout_ms);
}

std::optional<MessageBoxInfo> ReadMessageBox(HWND box) {
  if (!IsWindow(box)) return std::nullopt;
  MessageBoxInfo info;
  info.window = box;
  info.caption = Caption(box);
  // The message text is the static control with id 0xFFFF.
  if (HWND text = GetDlgItem(box, 0xFFFF)) info.text = WindowText(text);
  for (HWND child : ChildWindows(box)) {
    if (GetParent(child) != box || !IsWindowVisible(child)) continue;
    if (!SameClass(WindowClass(child), L"Button")) continue;
    info.buttons.push_back({GetDlgCtrlID(child), WindowText(child)});
  }
  return info;
}

bool PressButton(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  if (!button || !IsWindowVisible(button)) {
    Log(L"no button " + std::to_wstring(id) + L" in \"" + Caption(dialog) + L"\"");
    return false;
  }
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result)) return true;
  // A dialog that does not answer in time still gets the click as a command.
  return PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button)) != 0;
}

std::optional<MessageBoxInfo> AnswerMessageBox(std::wstring_view caption, int id, int timeout_ms, DWORD process_id) {
  HWND box = WaitForMessageBox(caption, timeout_ms, process_id);
  if (!box) return std::nullopt;
  std::optional<MessageBoxInfo> info = ReadMessageBox(box);
  if (!info) return std::nullopt;
  if (!PressButton(box, id)) return std::nullopt;
  if (!WaitTopWindowGone(box, 5000)) Log(L"the box \"" + info->caption + L"\" is still open");
  return info;
}

std::wstring HintShownAt(POINT screen_point, DWORD process_id, int timeout_ms) {
  WindowQuery tips(L"tooltips_class32", L"", process_id);
  tips.visible_only = true;
  const SIZE screen = ScreenSize();
  const POINT away{screen.cx - 2, screen.cy / 2};
  MoveCursorTo(away);
  WaitUntil([&] { return FindTopWindows(tips).empty(); }, 3000);
  MoveCursor({screen_point.x + 12, screen_point.y + 12}, screen_point, 6, 30);
  std::wstring text;
  WaitUntil(
      [&] {
        for (HWND tip : FindTopWindows(tips)) {
          text = WindowText(tip);
          if (!text.empty()) return true;
        }
        return false;
      },
      timeout_ms, 50);
  return text;
}

}  // namespace fesk::e2e
