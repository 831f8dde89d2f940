// What the engine reads of a registered program at the moment it acts on it,
// and where it leaves a recognised code for the editor.  The launcher keeps
// these in the settings file (SettingsFileProgramStore), read afresh on
// every start so that an edit in the editor applies without a reload; tests
// hold them in memory.
#pragma once

#include <string>
#include <string_view>

namespace fesk {

// The program being started, as the store holds it.
struct CurrentProgram {
  std::string CommandLine;
  int ShowCommand = 5;
  std::string Option;
  std::string WorkDir;
  std::string Title;
};

class ProgramStore {
 public:
  virtual ~ProgramStore() = default;
  // The launch keys of the slot's program.
  virtual CurrentProgram Program(int slot) = 0;
  // Its title alone (DISCRIPTION), "untitled" when it has none.
  virtual std::string Title(int slot) = 0;
  // Its start-position mask (RUNPOS); the launcher's default when it has
  // none.
  virtual std::string RunPos(int slot) = 0;
  // The recognised code as LINK; throws FeskError when it cannot be kept.
  virtual void WriteLink(std::string_view code) = 0;
};

}  // namespace fesk
