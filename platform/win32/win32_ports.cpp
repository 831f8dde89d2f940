#include "platform/win32/win32_ports.h"

#include <objbase.h>
#include <shellapi.h>

#include "common/cp932.h"
#include "platform/win32/dpi.h"
#include "platform/win32/text.h"

namespace fesk::win32 {

// GetCursorPos fails while the secure desktop is in front and leaves the
// point undefined: no point then, rather than a corner of the screen.
std::optional<Point> Win32Input::CursorPos() {
  POINT point{};
  if (!GetCursorPos(&point)) return std::nullopt;
  return Point{point.x, point.y};
}

// GetAsyncKeyState reads the physical mouse buttons, whatever the user's
// button setting.
bool Win32Input::KeyHeld(int virtual_key) { return virtual_key != 0 && (GetAsyncKeyState(virtual_key) & 0x8000) != 0; }

bool Win32Input::ButtonsSwapped() { return GetSystemMetrics(SM_SWAPBUTTON) != 0; }

Size Win32Input::ScreenSize() { return Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

Monitor Win32Input::MonitorAt(Point point) { return MonitorOfPoint(point); }

void Win32Clock::Sleep(int milliseconds) { ::Sleep(static_cast<DWORD>(milliseconds)); }

LocalTime Win32Clock::Now() {
  SYSTEMTIME time{};
  GetLocalTime(&time);
  return LocalTime{time.wHour, time.wMinute, time.wSecond, time.wMilliseconds};
}

namespace {

// The shell may hand a start to extensions that run only in a
// single-threaded COM apartment, so every thread that starts programs has
// one, from its first start to its end.
class ComApartment {
 public:
  ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  HRESULT result_;
};

}  // namespace

void EnterComApartment() { thread_local ComApartment apartment; }

namespace {

// The shell's code of a failed start: the SE_ERR_ value it gives, or the
// nearest one for the error it reports.
int FailureCode(const SHELLEXECUTEINFOW& info) {
  const auto code = reinterpret_cast<INT_PTR>(info.hInstApp);
  if (code > 0 && code <= 32) return static_cast<int>(code);
  const DWORD error = GetLastError();
  if (error == ERROR_NO_ASSOCIATION) return SE_ERR_NOASSOC;
  return error > 0 && error < 32 ? static_cast<int>(error) : 1;
}

}  // namespace

// The programs' own paths go to the shell as Windows spells them; only the
// parts from the files cross from code page 932.  The call returns when the
// start is made, so the current folder may change right afterwards; errors
// are the caller's to report.
static int ShellOpen(const std::wstring& file, const std::wstring& parameters, const std::wstring& directory,
                     int show_command) {
  EnterComApartment();
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = L"open";
  info.lpFile = file.c_str();
  info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
  info.nShow = show_command;
  if (!ShellExecuteExW(&info)) return FailureCode(info);
  const auto code = reinterpret_cast<INT_PTR>(info.hInstApp);
  return code > 32 ? static_cast<int>(code) : 33;
}

int Win32Shell::Open(std::string_view file, std::string_view parameters, std::string_view directory, int show_command) {
  return ShellOpen(Wide(file), Wide(parameters), Wide(directory), show_command);
}

int Win32Shell::Open(const FilePath& program, std::string_view parameters, std::string_view directory,
                     int show_command) {
  return ShellOpen(Wide(program), Wide(parameters), Wide(directory), show_command);
}

int Win32Shell::Open(const FilePath& program, std::string_view parameters, const FilePath& directory,
                     int show_command) {
  return ShellOpen(Wide(program), Wide(parameters), Wide(directory), show_command);
}

bool Win32Shell::SetCurrentDirectory(std::string_view folder) {
  return SetCurrentDirectoryW(Wide(folder).c_str()) != 0;
}

bool Win32Shell::SetCurrentDirectory(const FilePath& folder) { return SetCurrentDirectoryW(Wide(folder).c_str()) != 0; }

void Win32Shell::Exec(const FilePath& program, std::string_view arguments, int show_command) {
  std::wstring command = L"\"" + Wide(program) + L"\"" + Wide(arguments);
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

static std::wstring WithCrLf(const std::wstring& text) {
  std::wstring out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == L'\r' && (i + 1 == text.size() || text[i + 1] != L'\n')) out += L'\n';
  }
  return out;
}

std::wstring DisplayText(std::string_view cp932) { return WithCrLf(Wide(cp932)); }

std::wstring DisplayText(const PathMessage& message) {
  return WithCrLf(Wide(message.before) + Wide(message.path) + Wide(message.after));
}

std::optional<FilePath> Win32Paths::ShortForm(const FilePath& path) {
  const std::wstring long_form = Wide(path);
  DWORD length = GetShortPathNameW(long_form.c_str(), nullptr, 0);
  if (length == 0) return std::nullopt;
  std::wstring short_form(length, L'\0');
  length = GetShortPathNameW(long_form.c_str(), short_form.data(), length);
  if (length == 0 || length >= short_form.size()) return std::nullopt;
  short_form.resize(length);
  return PathOf(short_form);
}

static Answer AnswerOf(int result) {
  switch (result) {
    case IDOK: return Answer::kOk;
    case IDYES: return Answer::kYes;
    case IDNO: return Answer::kNo;
    default: return Answer::kCancel;
  }
}

Answer Win32Dialogs::Show(const std::wstring& text, std::string_view caption, Buttons buttons) {
  UINT type = buttons == Buttons::kOk ? MB_OK : buttons == Buttons::kOkCancel ? MB_OKCANCEL : MB_YESNOCANCEL;
  return AnswerOf(MessageBoxW(owner_, text.c_str(), Wide(caption).c_str(), type | MB_SETFOREGROUND));
}

Answer Win32Dialogs::MessageBox(std::string_view text, std::string_view caption, Buttons buttons) {
  return Show(DisplayText(text), caption, buttons);
}

Answer Win32Dialogs::MessageBox(const PathMessage& text, std::string_view caption, Buttons buttons) {
  return Show(DisplayText(text), caption, buttons);
}

void Win32Dialogs::ShowErrorText(const std::wstring& text) {
  MessageBoxW(owner_, text.c_str(), Wide(title_).c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

void Win32Dialogs::ShowError(std::string_view message) { ShowErrorText(DisplayText(message)); }

void Win32Dialogs::ShowError(const PathMessage& message) { ShowErrorText(DisplayText(message)); }

FilePath ProgramPath() {
  wchar_t path[MAX_PATH * 4];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  return PathOf(std::wstring_view(path, length));
}

FilePath ProgramFolder() { return FolderOf(ProgramPath()); }

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
