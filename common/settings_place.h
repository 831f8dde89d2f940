// Where "Fesk.Ini" and "FESK.TBL" live, decided the same way by both
// programs at their start.
//
// Beside the programs, as long as their folder can be written: a copy in a
// folder of its own (a USB stick, a zip unpacked anywhere) keeps everything
// with it.  A standard user cannot create or replace files under
// "C:\Program Files", and a 64-bit program with a manifest gets no file
// virtualization there, so every save would fail: then the files live in
// the user's own "%APPDATA%\Fesk\".  The lock and the atomic-write companion
// of each file lie beside it, wherever that is.
#pragma once

#include <optional>

#include "common/file_path.h"
#include "common/program_files.h"

namespace fesk {

// What the decision needs from the platform.
class SettingsFolderPort {
 public:
  virtual ~SettingsFolderPort() = default;
  // True when a file can be made in the folder and removed again, found out
  // by doing it: a folder's read-only attribute means nothing on Windows,
  // and only the attempt meets the folder's access rules.
  virtual bool CanCreateFilesIn(const FilePath& folder) = 0;
  // The user's folder for the settings of programs (%APPDATA%), ending in a
  // backslash; nothing when the platform does not tell it.
  virtual std::optional<FilePath> UserSettingsRoot() = 0;
  // Makes the folder when it is missing; true when it is there afterwards.
  virtual bool MakeFolder(const FilePath& folder) = 0;
  virtual bool FileExists(const FilePath& path) = 0;
  // Copies the file to a place where no file is yet, so that a reader sees
  // all of it or nothing; false when nothing was copied (also when the
  // other program copied it first).
  virtual bool CopyToNew(const FilePath& from, const FilePath& to) = 0;
};

// The folder of the user's settings under UserSettingsRoot().
inline constexpr char kUserSettingsFolderName[] = "Fesk";

struct SettingsPlace {
  FilePath folder;  // ends in a backslash
  bool beside_programs = true;

  FilePath SettingsFile() const { return InFolder(folder, kSettingsFileName); }
  FilePath GroupTable() const { return InFolder(folder, kGroupTableFileName); }
  friend bool operator==(const SettingsPlace&, const SettingsPlace&) = default;
};

// The programs' own folder when it can be written.  Otherwise the user's
// folder, when that one can be written: the first time it is used (it holds
// neither file yet), the files lying beside the programs are copied there,
// so that the shipped samples or a user's earlier settings come along.
// When neither can be written, the programs' folder, where a write then
// fails with its usual error.
SettingsPlace ChooseSettingsPlace(const FilePath& program_folder, SettingsFolderPort& folders);

}  // namespace fesk
