// Load and save of the launcher's options (section SYSTEM) and the load of
// the program tables from the program sections.  Every routine opens the
// settings file afresh and keeps nothing of it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/hotkey_text.h"
#include "common/settings_file.h"
#include "launcher/core/launcher_options.h"
#include "launcher/core/program_tables.h"
#include "launcher/services/option_switches.h"
#include "platform/ports.h"

namespace fesk {

class LauncherSettings {
 public:
  LauncherSettings(ProgramTables& tables, InputPort& input, TrayPort& tray, const KeyNameSource* key_names,
                   FilePath settings_path)
      : tables_(tables), input_(input), tray_(tray), key_names_(key_names), path_(std::move(settings_path)) {}

  // Section SYSTEM into `options`; a missing key takes its default.  A
  // trigger number outside 0..15 leaves that trigger as it was, and TRIGGER5
  // is taken only while no program is loaded: the per-program icons already
  // shown must match the switch until a reload removes them.
  void ReadOptions(LauncherOptions& options) const;
  // The program sections into the tables; the programs' tray icons are added
  // when `tray_icons` (TRIGGER5) is on.
  void LoadPrograms(bool tray_icons);
  // The options to section SYSTEM, all in one write; throws FeskError when
  // the file cannot be written, which then stays as it was.
  void SaveOptions(const LauncherOptions& options) const;
  // The tray icon of the program just given id TrayProgramIconCount.
  void AddProgramTrayIcon(const TrayPicture& icon);

  const FilePath& Path() const { return path_; }

 private:
  void ReadModeAndSensor(const SettingsFile& file, LauncherOptions& o) const;
  void ReadStartArea(const SettingsFile& file, LauncherOptions& o) const;
  void ReadSwitches(const SettingsFile& file, LauncherOptions& o) const;
  void ReadServicesIconAndHint(const SettingsFile& file, LauncherOptions& o) const;
  bool ReadProgram(const SettingsFile& file, int slot, bool tray_icons);

  void WriteStartArea(SettingsFile& file, const LauncherOptions& o) const;
  // The on/off options whose keys stand at `place`, in their rows' order.
  void WriteSwitches(SettingsFile& file, const LauncherOptions& o, SwitchPlace place) const;
  // QUIETPROGRAMS, after every other key.
  void WriteQuietPrograms(SettingsFile& file, const QuietProgramList& list) const;

  ProgramTables& tables_;
  InputPort& input_;
  TrayPort& tray_;
  const KeyNameSource* key_names_;
  FilePath path_;
};

// The item a choice of `count` items takes for a stored index: below -1
// nothing (-1), at or beyond its items the last item (so MODE 7 selects the
// last mode).
int ChoiceFor(int stored, int count);

// A decimal integer with an optional sign, or nothing.
std::optional<int> ParseDecimal(std::string_view text);

}  // namespace fesk
