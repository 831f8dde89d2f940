// Holds the portable settings-file code to the platform's own profile
// functions: the same awkward files are read with GetPrivateProfileStringA
// and with SettingsFile, and the same writes are made with
// WritePrivateProfileStringA and with SettingsFile; texts and resulting files
// must be equal.
#include <windows.h>

#include <string>
#include <vector>

#include "common/file_io.h"
#include "common/settings_file.h"
#include "tests/wine/wine_check.h"

using fesk::winetest::Check;
using fesk::winetest::CheckEqual;

namespace {

std::string TempFolder() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  std::string folder = std::string(base) + "fesk-profile-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder + "\\";
}

std::string PlatformRead(const std::string& path, const char* section, const char* key, const char* fallback) {
  char buffer[1024];
  DWORD length = GetPrivateProfileStringA(section, key, fallback, buffer, sizeof buffer, path.c_str());
  return std::string(buffer, length);
}

struct AwkwardFile {
  const char* name;
  std::string bytes;
  bool exists = true;
};

struct Lookup {
  const char* section;
  const char* key;
};

const std::vector<AwkwardFile>& Files() {
  static const std::vector<AwkwardFile> files = {
      {"spaces", "  [ sec ]  \r\n  key  =  value  \r\n\tk2\t=\tv2\t\r\n"},
      {"quotes", "[sec]\r\nkey=\"quoted value\"\r\nk2='single'\r\nk3=\"mixed'\r\nk4=\"\r\nk5=\"\"\r\n"},
      {"duplicates", "[sec]\r\nkey=first\r\nkey=second\r\n[SEC]\r\nkey=third\r\nk2=later\r\n"},
      {"outside", "key=outside\r\nk2=x\r\n[sec]\r\nk2=inside\r\n"},
      {"no_equals", "[sec]\r\nkey\r\nk2 value\r\nk3=\r\n"},
      {"cr_only", "[sec]\rkey=cr\rk2=two\r"},
      {"lf_only", "[sec]\nkey=lf\nk2=two"},
      {"long_value", "[sec]\r\nkey=" + std::string(3000, 'x') + "\r\nk2=" + std::string(1023, 'y') + "\r\n"},
      {"empty", ""},
      {"missing", "", false},
      {"japanese", "[CMD0]\r\nDISCRIPTION=メモ帳\r\nCMDLINE=C:\\表\\a.exe\r\n[sec]\r\nkey=ﾌﾟﾛｸﾞﾗﾑ\r\n"},
      {"comments", "; comment\r\n[sec]\r\n;key=commented\r\nkey=real ; tail\r\n"},
      {"brackets", "[sec]x\r\nkey=1\r\n[a]b]\r\nkey=2\r\n[open\r\nkey=3\r\n"},
      {"blank_lines", "\r\n\r\n[sec]\r\n\r\nkey=v\r\n\r\n"},
  };
  return files;
}

const std::vector<Lookup>& Lookups() {
  static const std::vector<Lookup> lookups = {
      {"sec", "key"},       {"SEC", "KEY"},          {" sec ", " key "},  {"sec", "k2"},
      {"sec", "k3"},        {"sec", "k4"},           {"sec", "k5"},       {"sec", "missing"},
      {"nosection", "key"}, {"CMD0", "DISCRIPTION"}, {"CMD0", "CMDLINE"}, {"a]b", "key"},
      {"sec", ";key"},      {"sec", "[open"},        {"sec", "k2 value"}, {"sec", "key2"}};
  return lookups;
}

void CompareReads(const std::string& folder) {
  for (const AwkwardFile& file : Files()) {
    std::string path = folder + file.name + ".ini";
    DeleteFileA(path.c_str());
    if (file.exists) fesk::fileio::WriteWholeFile(fesk::FilePath(path), file.bytes);
    fesk::SettingsFile settings{fesk::FilePath(path)};
    for (const Lookup& lookup : Lookups()) {
      for (const char* fallback : {"", "dflt  ", "\"q\""}) {
        std::string what =
            std::string(file.name) + " [" + lookup.section + "] " + lookup.key + " default \"" + fallback + "\"";
        CheckEqual(settings.ReadString(lookup.section, lookup.key, fallback),
                   PlatformRead(path, lookup.section, lookup.key, fallback), what);
      }
    }
  }
}

// One write step, made both ways.
struct Write {
  const char* section;
  const char* key;  // nullptr: erase the section
  const char* value;
};

void CompareWrites(const std::string& folder) {
  const std::vector<Write> writes = {
      {"sec", "key", "changed"},       {"SEC", "new", "  leading blanks"}, {"fresh", "a", ""},
      {"sec", "key", "changed"},       {"fresh", "B", "メモ帳"},           {"sec", "k3", "x"},
      {"nosection", nullptr, nullptr}, {"SEC", nullptr, nullptr},          {"sec", "again", "1"},
  };
  for (const AwkwardFile& file : Files()) {
    std::string ours = folder + file.name + ".ours.ini";
    std::string theirs = folder + file.name + ".theirs.ini";
    DeleteFileA(ours.c_str());
    DeleteFileA(theirs.c_str());
    if (file.exists) {
      fesk::fileio::WriteWholeFile(fesk::FilePath(ours), file.bytes);
      fesk::fileio::WriteWholeFile(fesk::FilePath(theirs), file.bytes);
    }
    for (std::size_t step = 0; step < writes.size(); ++step) {
      const Write& write = writes[step];
      if (write.key == nullptr) {
        fesk::SettingsFile(fesk::FilePath(ours)).EraseSection(write.section);
      } else {
        fesk::SettingsFile(fesk::FilePath(ours)).WriteString(write.section, write.key, write.value);
      }
      WritePrivateProfileStringA(write.section, write.key, write.value, theirs.c_str());
      WritePrivateProfileStringA(nullptr, nullptr, nullptr, theirs.c_str());  // flush
      CheckEqual(fesk::fileio::ReadWholeFile(fesk::FilePath(ours)).value_or("<none>"),
                 fesk::fileio::ReadWholeFile(fesk::FilePath(theirs)).value_or("<none>"),
                 std::string(file.name) + " after write step " + std::to_string(step));
    }
  }
}

void CompareFailures(const std::string& folder) {
  std::string read_only = folder + "readonly.ini";
  fesk::fileio::WriteWholeFile(fesk::FilePath(read_only), "[sec]\r\nkey=1\r\n");
  SetFileAttributesA(read_only.c_str(), FILE_ATTRIBUTE_READONLY);
  // Only our side is held to the rule here: under Wine run as root the
  // platform's own write goes through a read-only file regardless.
  bool ours_ok = true;
  try {
    fesk::SettingsFile(fesk::FilePath(read_only)).WriteString("sec", "key", "2");
  } catch (const fesk::FeskError&) {
    ours_ok = false;
  }
  Check(!ours_ok, "our write to a read-only file fails");
  CheckEqual(fesk::fileio::ReadWholeFile(fesk::FilePath(read_only)).value_or(""), "[sec]\r\nkey=1\r\n",
             "read-only file unchanged");
  SetFileAttributesA(read_only.c_str(), FILE_ATTRIBUTE_NORMAL);

  std::string nowhere = folder + "no-such-folder\\x.ini";
  bool platform_ok = WritePrivateProfileStringA("sec", "key", "2", nowhere.c_str());
  ours_ok = true;
  try {
    fesk::SettingsFile(fesk::FilePath(nowhere)).WriteString("sec", "key", "2");
  } catch (const fesk::FeskError& error) {
    ours_ok = false;
    CheckEqual(error.what(), nowhere + " に書き込めません", "error text names the path");
  }
  Check(!platform_ok && !ours_ok, "writes into a missing folder fail both ways");
}

}  // namespace

int main() {
  std::string folder = TempFolder();
  CompareReads(folder);
  CompareWrites(folder);
  CompareFailures(folder);
  return fesk::winetest::Finish("profile_differential");
}
