// Load and save of the launcher's options (section SYSTEM) and the load of
// the program tables from the program sections.  Every routine opens the
// settings file afresh and keeps nothing of it.
#pragma once

#include <string>

#include "common/hotkey_text.h"
#include "common/settings_file.h"
#include "launcher/services/launcher_options.h"
#include "launcher/services/program_tables.h"
#include "platform/ports.h"

namespace fesk {

class LauncherSettings {
 public:
  LauncherSettings(LauncherOptions& options, ProgramTables& tables, InputPort& input,
                   TrayPort& tray, const KeyNameSource* key_names, std::string settings_path)
      : options_(options),
        tables_(tables),
        input_(input),
        tray_(tray),
        key_names_(key_names),
        path_(std::move(settings_path)) {}

  // Options into the controls, programs into the tables, per-program tray
  // icons added.  TRIGGER5 is taken only while no program is loaded.
  void LoadLauncherSettings();
  // The options to section SYSTEM; throws FeskError when a write fails, the
  // keys after it then stay unwritten.
  void SaveLauncherSettings();
  // Bounds the RUN-spot and black-hole fields by the screen.
  void SetCoordinateLimits();
  // The tray icon of the program just given id TrayProgramIconCount.
  void AddProgramTrayIcon(const TrayPicture& icon);

  const std::string& Path() const { return path_; }

 private:
  // Switches held back until the end of the load.
  struct HeldValues {
    int select_key = 0;
    int win_select_key = 0;
    std::string run, hool;
  };

  void ReadModeAndSensor(const SettingsFile& file, HeldValues& held);
  void ReadStartArea(const SettingsFile& file, HeldValues& held);
  void ReadFlags(const SettingsFile& file);
  void ReadServicesIconAndHint(const SettingsFile& file);
  void ReadProgramSections(const SettingsFile& file);
  bool ReadProgram(const SettingsFile& file, int slot);
  void ApplySensorValues();
  void ApplyTriggerNumbers(const HeldValues& held);

  void WriteStartArea(SettingsFile& file);
  void WriteFlags(SettingsFile& file);

  LauncherOptions& options_;
  ProgramTables& tables_;
  InputPort& input_;
  TrayPort& tray_;
  const KeyNameSource* key_names_;
  std::string path_;
};

// The selection a radio group takes for a stored index: below -1 nothing, at
// or beyond its items the last item (so MODE 7 selects the last mode).
int RadioIndexFor(const RadioGroup& group, int stored);

// A decimal integer with an optional sign, or nothing.
std::optional<int> ParseDecimal(std::string_view text);

}  // namespace fesk
