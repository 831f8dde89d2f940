#include "platform/win32/win32_ports.h"

#include <shellapi.h>

#include "common/cp932.h"
#include "platform/win32/dpi.h"
#include "platform/win32/text.h"

namespace fesk::win32 {

Point Win32Input::CursorPos() {
  POINT point{};
  GetCursorPos(&point);
  return Point{point.x, point.y};
}

bool Win32Input::KeyHeld(int virtual_key) { return virtual_key != 0 && (GetAsyncKeyState(virtual_key) & 0x8000) != 0; }

Size Win32Input::ScreenSize() { return Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

Monitor Win32Input::MonitorAt(Point point) { return MonitorOfPoint(point); }

void Win32Clock::Sleep(int milliseconds) { ::Sleep(static_cast<DWORD>(milliseconds)); }

LocalTime Win32Clock::Now() {
  SYSTEMTIME time{};
  GetLocalTime(&time);
  return LocalTime{time.wHour, time.wMinute, time.wSecond, time.wMilliseconds};
}

int Win32Shell::Open(std::string_view file, std::string_view parameters, std::string_view directory, int show_command) {
  std::wstring wide_file = Wide(file), wide_parameters = Wide(parameters), wide_directory = Wide(directory);
  HINSTANCE result =
      ShellExecuteW(nullptr, L"open", wide_file.c_str(), wide_parameters.empty() ? nullptr : wide_parameters.c_str(),
                    wide_directory.empty() ? nullptr : wide_directory.c_str(), show_command);
  return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

bool Win32Shell::SetCurrentDirectory(std::string_view folder) {
  return SetCurrentDirectoryW(Wide(folder).c_str()) != 0;
}

void Win32Shell::Exec(std::string_view command_line, int show_command) {
  std::wstring command = Wide(command_line);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(show_command);
  PROCESS_INFORMATION process{};
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

std::wstring DisplayText(std::string_view cp932) {
  std::wstring text = Wide(cp932), out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == L'\r' && (i + 1 == text.size() || text[i + 1] != L'\n')) out += L'\n';
  }
  return out;
}

static Answer AnswerOf(int result) {
  switch (result) {
    case IDOK: return Answer::kOk;
    case IDYES: return Answer::kYes;
    case IDNO: return Answer::kNo;
    default: return Answer::kCancel;
  }
}

Answer Win32Dialogs::MessageBox(std::string_view text, std::string_view caption, Buttons buttons) {
  UINT type = buttons == Buttons::kOk ? MB_OK : buttons == Buttons::kOkCancel ? MB_OKCANCEL : MB_YESNOCANCEL;
  return AnswerOf(MessageBoxW(owner_, DisplayText(text).c_str(), Wide(caption).c_str(), type | MB_SETFOREGROUND));
}

void Win32Dialogs::ShowError(std::string_view message) {
  MessageBoxW(owner_, DisplayText(message).c_str(), Wide(title_).c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

std::string ProgramPath() {
  wchar_t path[MAX_PATH * 4];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  return Narrow(std::wstring_view(path, length));
}

std::string ProgramFolder() { return cp932::FolderOf(ProgramPath()); }

// ---- Task tray -------------------------------------------------------------

Win32Tray::~Win32Tray() {
  for (auto& [id, icon] : file_icons_) DestroyIcon(icon);
}

HICON Win32Tray::IconFor(int id, const TrayPicture& picture) {
  int resource = resources_.application;
  switch (picture.kind) {
    case TrayPicture::Kind::kApplication: break;
    case TrayPicture::Kind::kRunOption: resource = resources_.run_option; break;
    case TrayPicture::Kind::kFrame:
      if (picture.frame >= 1 && picture.frame <= 5) resource = resources_.frames[picture.frame - 1];
      break;
    case TrayPicture::Kind::kProgramFile: {
      wchar_t path[MAX_PATH * 2] = {};
      std::wstring file = Wide(picture.file);
      lstrcpynW(path, file.c_str(), MAX_PATH * 2);
      WORD index = 0;
      HICON icon = ExtractAssociatedIconW(instance_, path, &index);
      if (file_icons_.count(id)) DestroyIcon(file_icons_[id]);
      file_icons_[id] = icon;
      return icon;
    }
  }
  if (resource == 0) resource = resources_.application;
  return static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(resource), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                       GetSystemMetrics(SM_CYSMICON), LR_SHARED));
}

bool Win32Tray::Notify(DWORD message, int id, HICON icon, std::string_view tip) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = owner_;
  data.uID = static_cast<UINT>(id);
  if (message != NIM_DELETE) {
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = icon;
    // The tip holds 63 bytes of text in the programs' code page.
    lstrcpynW(data.szTip, Wide(cp932::CutToBytes(tip, 63)).c_str(), sizeof data.szTip / sizeof data.szTip[0]);
  }
  return Shell_NotifyIconW(message, &data) != FALSE;
}

void Win32Tray::Add(int id, const TrayPicture& picture, std::string_view tip) {
  Notify(NIM_ADD, id, IconFor(id, picture), tip);
  shown_[id] = Shown{picture, std::string(tip)};
}

void Win32Tray::Modify(int id, const TrayPicture& picture, std::string_view tip) {
  Notify(NIM_MODIFY, id, IconFor(id, picture), tip);
  auto it = shown_.find(id);
  if (it != shown_.end()) it->second = Shown{picture, std::string(tip)};
}

void Win32Tray::Remove(int id) {
  Notify(NIM_DELETE, id, nullptr, {});
  shown_.erase(id);
  auto icon = file_icons_.find(id);
  if (icon != file_icons_.end()) {
    DestroyIcon(icon->second);
    file_icons_.erase(icon);
  }
}

// Only the balloon's fields are given: the icon keeps its picture and tip.
// The texts are cut in the programs' code page, as the tip is.  A note is
// no reason to disturb a user who has just signed in to a new session (the
// shell's quiet time).
bool Win32Tray::Balloon(int id, std::string_view title, std::string_view text) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = owner_;
  data.uID = static_cast<UINT>(id);
  data.uFlags = NIF_INFO;
  data.dwInfoFlags = NIIF_INFO | NIIF_RESPECT_QUIET_TIME;
  lstrcpynW(data.szInfoTitle, Wide(cp932::CutToBytes(title, 63)).c_str(),
            sizeof data.szInfoTitle / sizeof data.szInfoTitle[0]);
  lstrcpynW(data.szInfo, Wide(cp932::CutToBytes(text, 255)).c_str(), sizeof data.szInfo / sizeof data.szInfo[0]);
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void Win32Tray::AddAllAgain() {
  for (const auto& [id, shown] : shown_) Notify(NIM_ADD, id, IconFor(id, shown.picture), shown.tip);
}

}  // namespace fesk::win32
