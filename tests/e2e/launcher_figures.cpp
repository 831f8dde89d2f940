// Figures of the real Fesk.exe under Wine, printed and never judged:
//  - latency from the release of the trigger keys (the driver's clock) to
//    the start of the program the stroke launches (the recorder's clock,
//    GetTickCount64 in both, one machine), over 20 strokes, beside INTERVAL
//    and beside what Wine needs to start the same recorder directly;
//  - CPU time the launcher uses while idle for 30 s, beside an idle Win32
//    program that only runs a message loop, measured over the same 30 s;
//  - the size of Fesk.exe.
// The checks are only that every stroke started the program and that the
// measurements could be taken.
#include <algorithm>
#include <cstdio>

#include "tests/e2e/launcher_scenario_support.h"

#include <tlhelp32.h>  // after <windows.h>

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

constexpr int kStrokes = 20;
constexpr int kDirectStarts = 10;
constexpr int kIdleSeconds = 30;
constexpr int kInterval = 10;

void Figure(const std::wstring& name, const std::wstring& value) { Log(L"figure: " + name + L" = " + value); }

std::wstring Ms(double value) {
  wchar_t text[32];
  std::swprintf(text, 32, L"%.1f ms", value);
  return text;
}

double Median(std::vector<long long> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  std::size_t middle = values.size() / 2;
  return values.size() % 2 ? static_cast<double>(values[middle]) : (values[middle - 1] + values[middle]) / 2.0;
}

long long Max(const std::vector<long long>& values) {
  return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

// The same stroke as Gesture, with the moment the last trigger key went up.
ULONGLONG StrokeReleasedAt(POINT from, POINT to) {
  MoveCursorTo(from);
  Pause(100);
  HeldKeys held({VK_SHIFT, VK_CONTROL}, 80);
  MoveCursor(from, to, 12, 25);
  Pause(80);
  held.Release();
  return GetTickCount64();
}

unsigned long long Hundreds(FILETIME time) {
  return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// Kernel plus user time of a process, in milliseconds.  Wine's
// GetProcessTimes gives these only for the calling process (zero for any
// other); GetThreadTimes reads them from the system for any thread, so the
// process's threads are summed.  The larger of the two answers is taken.
std::optional<double> CpuMs(const Process& process) {
  FILETIME created, ended, kernel, user;
  if (!GetProcessTimes(process.handle(), &created, &ended, &kernel, &user)) return std::nullopt;
  const unsigned long long whole = Hundreds(kernel) + Hundreds(user);
  unsigned long long threads = 0;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return std::nullopt;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID != process.id()) continue;
    HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
    if (!thread) continue;
    if (GetThreadTimes(thread, &created, &ended, &kernel, &user)) {
      threads += Hundreds(kernel) + Hundreds(user);
    }
    CloseHandle(thread);
  }
  CloseHandle(snapshot);
  return std::max(whole, threads) / 10000.0;
}

}  // namespace

int main() {
  const std::wstring name = L"launcher_figures";
  const std::wstring folder = MakeTestFolder(name);
  const std::wstring settings = Section(L"SYSTEM", {{L"INTERVAL", std::to_wstring(kInterval)}}) +
                                Section(L"CMD0", {{L"DISCRIPTION", L"計測"},
                                                  {L"CMDLINE", folder + L"\\app.exe"},
                                                  {L"ACTCODE", L"lr"},
                                                  {L"RUNPOS", L"111111111"}});
  FillFolder(folder, {L"app.exe", L"direct.exe"}, settings);

  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return Finish("launcher_figures");

  // Latency of a stroke: release of the keys -> the program runs.
  std::vector<long long> latencies;
  for (int i = 0; i < kStrokes; ++i) {
    const int y = 120 + (i % 10) * 50;
    const ULONGLONG released = StrokeReleasedAt({250, y}, {600, y});
    std::vector<LaunchRecord> apps = WaitForRecords(folder, static_cast<std::size_t>(i + 1), 15000, L"app.exe");
    if (static_cast<int>(apps.size()) != i + 1) break;
    latencies.push_back(static_cast<long long>(apps.back().tick) - static_cast<long long>(released));
    Pause(200);
  }
  CheckEqual(static_cast<long long>(latencies.size()), kStrokes, L"every stroke started app.exe");
  CheckEqual(Count(RecordsAfterQuiet(folder, 500, L"app.exe")), kStrokes, L"and only once each");
  std::wstring each;
  for (long long latency : latencies) each += std::to_wstring(latency) + L" ";
  Log(L"release -> start, each stroke (ms): " + each);

  // What Wine alone needs to start the recorder: CreateProcess -> its tick.
  std::vector<long long> direct;
  for (int i = 0; i < kDirectStarts; ++i) {
    const ULONGLONG before = GetTickCount64();
    Process run = Start(folder + L"\\direct.exe", L"", folder);
    run.Wait(15000);
    std::vector<LaunchRecord> runs = ReadRecords(folder, L"direct.exe");
    if (static_cast<int>(runs.size()) != i + 1) break;
    direct.push_back(static_cast<long long>(runs.back().tick) - static_cast<long long>(before));
  }
  CheckEqual(static_cast<long long>(direct.size()), kDirectStarts, L"every direct start recorded");

  // Idle CPU time, the launcher beside a program that only waits for
  // messages, over the same seconds with no input at all.
  Process idle = Start(OwnFolder() + L"\\launcher_service_target.exe", L"/idle", folder);
  Check(idle.started(), L"the idle comparison program runs");
  MoveCursorTo({900, 700});
  Pause(2000);
  std::optional<double> fesk_before = CpuMs(fesk), idle_before = CpuMs(idle);
  const ULONGLONG idle_start = GetTickCount64();
  Pause(kIdleSeconds * 1000);
  std::optional<double> fesk_after = CpuMs(fesk), idle_after = CpuMs(idle);
  const double wall = static_cast<double>(GetTickCount64() - idle_start);
  Check(fesk_before && fesk_after && idle_before && idle_after, L"the CPU times could be read");
  Check(fesk.Running() && idle.Running(), L"both ran throughout");

  WIN32_FILE_ATTRIBUTE_DATA file{};
  Check(GetFileAttributesExW((folder + L"\\Fesk.exe").c_str(), GetFileExInfoStandard, &file) != 0,
        L"the size of Fesk.exe could be read");
  const unsigned long long size = (static_cast<unsigned long long>(file.nFileSizeHigh) << 32) | file.nFileSizeLow;

  Figure(L"INTERVAL", std::to_wstring(kInterval) + L" ms");
  Figure(L"stroke release -> program start, median of " + std::to_wstring(latencies.size()), Ms(Median(latencies)));
  Figure(L"stroke release -> program start, maximum", Ms(static_cast<double>(Max(latencies))));
  Figure(L"CreateProcess -> same program start (Wine alone), median of " + std::to_wstring(direct.size()),
         Ms(Median(direct)));
  if (fesk_before && fesk_after && idle_before && idle_after) {
    const double fesk_cpu = *fesk_after - *fesk_before, idle_cpu = *idle_after - *idle_before;
    wchar_t text[96];
    std::swprintf(text, 96, L"%.1f ms in %.1f s (%.3f %% of one core)", fesk_cpu, wall / 1000, 100.0 * fesk_cpu / wall);
    Figure(L"Fesk.exe CPU time while idle", text);
    std::swprintf(text, 96, L"%.1f ms in %.1f s (%.3f %% of one core)", idle_cpu, wall / 1000, 100.0 * idle_cpu / wall);
    Figure(L"idle message-loop program CPU time, same period", text);
  }
  Figure(L"size of Fesk.exe", std::to_wstring(size) + L" bytes (" + std::to_wstring((size + 512) / 1024) + L" KiB)");
  return Finish("launcher_figures");
}
