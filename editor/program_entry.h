// One registered program as the editor keeps it: eleven text fields named
// after the keys of its section, each with the width in bytes the editor
// keeps of it.  Longer text is cut at a character boundary, so a title that
// ends in a double-byte character at byte 40 loses the whole character.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "common/program_sections.h"

namespace fesk::editor {

struct ProgramEntry {
  std::string discription;  // title
  std::string cmdline;      // program, folder or document
  std::string cmdshow;      // "SW_SHOW", "SW_SHOWMAXIMIZED", "SW_SHOWMINIMIZED"
  std::string tasktray;     // "ON" or empty
  std::string workdir;
  std::string option;
  std::string actcode;     // mouse-action code
  std::string runpos;      // start-position mask
  std::string hotkey;      // shortcut text
  std::string group;       // group path
  std::string displaypos;  // "1" to "8" or empty

  friend bool operator==(const ProgramEntry&, const ProgramEntry&) = default;

  // A slot is free when both its title and its command are empty.
  bool IsFree() const { return IsEndOfProgramList(discription, cmdline); }
};

using EntryField = std::string ProgramEntry::*;

struct FieldInfo {
  const char* key;
  std::size_t width;
  EntryField member;
};

// The fields in the order a save writes them.
inline constexpr std::array<FieldInfo, 11> kProgramFields = {{
    {key::kDiscription, 40, &ProgramEntry::discription},
    {key::kCmdLine, 128, &ProgramEntry::cmdline},
    {key::kCmdShow, 16, &ProgramEntry::cmdshow},
    {key::kTaskTray, 2, &ProgramEntry::tasktray},
    {key::kWorkDir, 128, &ProgramEntry::workdir},
    {key::kOption, 128, &ProgramEntry::option},
    {key::kActCode, 30, &ProgramEntry::actcode},
    {key::kRunPos, 9, &ProgramEntry::runpos},
    {key::kHotKey, 32, &ProgramEntry::hotkey},
    {key::kGroup, 128, &ProgramEntry::group},
    {key::kDisplayPos, 2, &ProgramEntry::displaypos},
}};

std::size_t FieldWidth(EntryField field);

// Stores the value cut to the field's width.
void SetField(ProgramEntry& entry, EntryField field, std::string_view value);

inline constexpr int kProgramSlots = kMaxPrograms;
inline constexpr int kNoListSlot = 999;  // ListSlotMap: position without an item
using ProgramSlotArray = std::array<ProgramEntry, kProgramSlots>;

inline constexpr char kNewEntryTitle[] = "<新規登録>";

// A program list item: the number padded with spaces to four characters,
// then the title ("7   Notepad").
std::string ListItemText(int number, std::string_view title);

// The number an item shows (its first three characters without the blanks
// around them); -1 when they hold no number.
int ListItemNumber(std::string_view item);

// The four-character number column of an item.
std::string ListItemNumberField(std::string_view item);

}  // namespace fesk::editor
