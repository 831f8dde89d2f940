// Reading what the stand-in programs recorded about their start.
#include <cstdlib>
#include <utility>

#include "tests/e2e/driver/driver.h"
#include "tests/e2e/driver/record_format.h"

namespace fesk::e2e {

namespace {

bool TakeValue(std::string_view line, std::string_view key, std::string_view& value) {
  if (line.substr(0, key.size()) != key) return false;
  value = line.substr(key.size());
  return true;
}

}  // namespace

std::wstring RecordFile(const std::wstring& folder) { return folder + L"\\" + FromUtf8(record::kFileName); }

std::vector<LaunchRecord> ParseRecords(std::string_view utf8) {
  std::vector<LaunchRecord> records;
  LaunchRecord current;
  while (!utf8.empty()) {
    std::size_t end = utf8.find('\n');
    // A last line without its end is a record still being written.
    if (end == std::string_view::npos) break;
    std::string_view line = utf8.substr(0, end);
    utf8.remove_prefix(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string_view value;
    if (line == record::kEnd) {
      records.push_back(current);
      current = LaunchRecord{};
    } else if (TakeValue(line, record::kExe, value)) {
      current.exe = FromUtf8(value);
    } else if (TakeValue(line, record::kProcessId, value)) {
      current.process_id = static_cast<DWORD>(std::strtoul(std::string(value).c_str(), nullptr, 10));
    } else if (TakeValue(line, record::kTick, value)) {
      current.tick = std::strtoull(std::string(value).c_str(), nullptr, 10);
    } else if (TakeValue(line, record::kCommandLine, value)) {
      current.command_line = FromUtf8(value);
    } else if (TakeValue(line, record::kWorkFolder, value)) {
      current.work_folder = FromUtf8(value);
    }
  }
  return records;
}

std::vector<LaunchRecord> ReadRecords(const std::wstring& folder, std::wstring_view exe) {
  std::optional<std::string> bytes = ReadFileBytes(RecordFile(folder));
  if (!bytes) return {};
  std::vector<LaunchRecord> records = ParseRecords(*bytes);
  if (exe.empty()) return records;
  const std::wstring wanted(exe);
  std::vector<LaunchRecord> chosen;
  for (LaunchRecord& record : records) {
    if (CompareStringOrdinal(record.exe.c_str(), -1, wanted.c_str(), -1, TRUE) == CSTR_EQUAL) {
      chosen.push_back(std::move(record));
    }
  }
  return chosen;
}

std::vector<LaunchRecord> WaitForRecords(const std::wstring& folder, std::size_t count, int timeout_ms,
                                         std::wstring_view exe) {
  std::vector<LaunchRecord> records;
  WaitUntil([&] { return (records = ReadRecords(folder, exe)).size() >= count; }, timeout_ms, 50);
  return records;
}

}  // namespace fesk::e2e
