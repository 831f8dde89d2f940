// Helpers the fuzz targets share: a scratch program folder for the files a
// target starts a program on, and the way one fuzz input carries two files.
//
// Two files in one input.  The input is cut at the first line that reads
// exactly "=====FESK.TBL=====" (the marker and a line feed, at the start of
// the input or after a line feed): the bytes before that line are the first
// file, the bytes after it the second.  Without the marker the whole input is
// the first file and the second file does not exist (which is a case of its
// own for the programs: a missing group table is reported).  The seeds in
// corpus/ are written that way, so a seed is readable as it stands.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

namespace fesk::fuzz {

inline constexpr std::string_view kSecondFileMarker = "=====FESK.TBL=====\n";

struct TwoFiles {
  std::string first;
  std::optional<std::string> second;  // nullopt: no marker, the file is absent
};

inline TwoFiles SplitInput(std::string_view input) {
  for (std::size_t at = 0; at <= input.size();) {
    if (input.substr(at).starts_with(kSecondFileMarker)) {
      return {std::string(input.substr(0, at)), std::string(input.substr(at + kSecondFileMarker.size()))};
    }
    std::size_t next = input.find('\n', at);
    if (next == std::string_view::npos) break;
    at = next + 1;
  }
  return {std::string(input), std::nullopt};
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

// A folder made once per process and emptied for every input; in memory
// (/dev/shm) where there is one, so that the many small writes of a save do
// not slow the fuzzing down.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    path_ = base / ("fesk-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // Removes every file a previous input left.
  void Clear() const {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(path_, ignored)) {
      std::filesystem::remove_all(entry.path(), ignored);
    }
  }
  const std::filesystem::path& path() const { return path_; }
  // The folder as an editor's program folder: "<scratch>/\".  A backslash is
  // an ordinary character of a file name here, so the editor's
  // "<folder>Fesk.Ini" is the file "\Fesk.Ini" in the scratch folder.
  std::string ProgramFolder() const { return path_.string() + "/\\"; }

  static void Write(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::filesystem::path path_;
};

// A property that must hold: when it does not, says which and stops with a
// crash the fuzzer records.
inline void Check(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %s\n", property);
  std::abort();
}

}  // namespace fesk::fuzz
