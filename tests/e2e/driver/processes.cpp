// Starting, counting and ending processes.
#include "tests/e2e/driver/driver.h"
#include "tests/e2e/driver/internal.h"

#include <shellapi.h>  // after <windows.h>
#include <tlhelp32.h>

namespace fesk::e2e {

namespace internal {

namespace {
std::vector<HANDLE>& Started() {
  static std::vector<HANDLE> started;
  return started;
}
}  // namespace

void RememberStarted(HANDLE process) {
  HANDLE copy = nullptr;
  if (DuplicateHandle(GetCurrentProcess(), process, GetCurrentProcess(), &copy, 0, FALSE, DUPLICATE_SAME_ACCESS)) {
    Started().push_back(copy);
  }
}

void KillStartedProcesses() {
  for (HANDLE process : Started()) {
    if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process, 1);
      WaitForSingleObject(process, 5000);
    }
    CloseHandle(process);
  }
  Started().clear();
}

}  // namespace internal

Process::Process(Process&& other) noexcept : handle_(other.handle_), id_(other.id_) {
  other.handle_ = nullptr;
  other.id_ = 0;
}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    if (handle_) CloseHandle(handle_);
    handle_ = other.handle_;
    id_ = other.id_;
    other.handle_ = nullptr;
    other.id_ = 0;
  }
  return *this;
}

Process::~Process() {
  if (handle_) CloseHandle(handle_);
}

bool Process::Running() const { return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }

bool Process::Wait(int timeout_ms) const {
  return handle_ && WaitForSingleObject(handle_, static_cast<DWORD>(timeout_ms)) == WAIT_OBJECT_0;
}

std::optional<DWORD> Process::ExitCode() const {
  DWORD code = 0;
  if (!handle_ || Running() || !GetExitCodeProcess(handle_, &code)) return std::nullopt;
  return code;
}

bool Process::Kill(UINT exit_code) const {
  if (!handle_) return false;
  if (!Running()) return true;
  if (!TerminateProcess(handle_, exit_code)) return false;
  return Wait(5000);
}

Process Start(const std::wstring& exe, std::wstring_view arguments, const std::wstring& work_folder) {
  std::wstring command_line = L"\"" + exe + L"\"";
  if (!arguments.empty()) command_line += L" " + std::wstring(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      work_folder.empty() ? nullptr : work_folder.c_str(), &startup, &info)) {
    Log(L"cannot start " + command_line + L" (error " + std::to_wstring(GetLastError()) + L")");
    return {};
  }
  CloseHandle(info.hThread);
  internal::RememberStarted(info.hProcess);
  Log(L"started " + command_line + L" as process " + std::to_wstring(info.dwProcessId));
  return Process(info.hProcess, info.dwProcessId);
}

std::vector<DWORD> ProcessIds(std::wstring_view exe_name) {
  std::vector<DWORD> ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return ids;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  const std::wstring wanted(exe_name);
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    // szExeFile is a file name on Windows; take the name part in case it is a path.
    std::wstring name = FileName(entry.szExeFile);
    if (CompareStringOrdinal(name.c_str(), -1, wanted.c_str(), -1, TRUE) == CSTR_EQUAL) {
      ids.push_back(entry.th32ProcessID);
    }
  }
  CloseHandle(snapshot);
  return ids;
}

int CountProcesses(std::wstring_view exe_name) { return static_cast<int>(ProcessIds(exe_name).size()); }

int KillProcesses(std::wstring_view exe_name) {
  int killed = 0;
  for (DWORD id : ProcessIds(exe_name)) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    if (!process) continue;
    if (TerminateProcess(process, 1)) {
      WaitForSingleObject(process, 5000);
      ++killed;
    }
    CloseHandle(process);
  }
  return killed;
}

std::wstring CommandLineArguments(std::wstring_view command_line) {
  std::size_t i = 0;
  while (i < command_line.size() && (command_line[i] == L' ' || command_line[i] == L'\t')) ++i;
  if (i < command_line.size() && command_line[i] == L'"') {
    std::size_t close = command_line.find(L'"', i + 1);
    i = close == std::wstring_view::npos ? command_line.size() : close + 1;
  } else {
    while (i < command_line.size() && command_line[i] != L' ' && command_line[i] != L'\t') ++i;
  }
  while (i < command_line.size() && (command_line[i] == L' ' || command_line[i] == L'\t')) ++i;
  return std::wstring(command_line.substr(i));
}

std::vector<std::wstring> OwnArguments() {
  std::vector<std::wstring> result;
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr) return result;
  for (int i = 1; i < count; ++i) result.emplace_back(arguments[i]);
  LocalFree(arguments);
  return result;
}

}  // namespace fesk::e2e
