// Names and rules of the program sections CMD0 to CMD99.
#pragma once

#include <string>
#include <string_view>

namespace fesk {

inline constexpr int kMaxPrograms = 100;

// "CMD" and the slot number without leading zeros.
std::string ProgramSection(int slot);

namespace key {
inline constexpr char kDiscription[] = "DISCRIPTION";
inline constexpr char kCmdLine[] = "CMDLINE";
inline constexpr char kCmdShow[] = "CMDSHOW";
inline constexpr char kTaskTray[] = "TASKTRAY";
inline constexpr char kWorkDir[] = "WORKDIR";
inline constexpr char kOption[] = "OPTION";
inline constexpr char kActCode[] = "ACTCODE";
inline constexpr char kRunPos[] = "RUNPOS";
inline constexpr char kHotKey[] = "HOTKEY";
inline constexpr char kGroup[] = "GROUP";
inline constexpr char kDisplayPos[] = "DISPLAYPOS";
}  // namespace key

inline constexpr char kSystemSection[] = "SYSTEM";
inline constexpr char kEditorSection[] = "FESKIN";
inline constexpr char kLinkKey[] = "LINK";

// The list ends at the first slot whose title and command are both empty.
inline bool IsEndOfProgramList(std::string_view title, std::string_view command) {
  return title.empty() && command.empty();
}

// Show states as stored in CMDSHOW.
inline constexpr char kShowNormal[] = "SW_SHOW";
inline constexpr char kShowMaximized[] = "SW_SHOWMAXIMIZED";
inline constexpr char kShowMinimized[] = "SW_SHOWMINIMIZED";

// Switch texts.
inline constexpr char kOn[] = "ON";
inline constexpr char kOff[] = "OFF";

}  // namespace fesk
