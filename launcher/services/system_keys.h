// Key names of section SYSTEM, the launcher's own section.
#pragma once

#include <array>
#include <string>

namespace fesk::syskey {

inline constexpr char kMode[] = "MODE";
inline constexpr char kSelectKey[] = "SELECTKEY";
inline constexpr char kWinSelectKey[] = "WINSELECTKEY";
inline constexpr char kNutral[] = "NUTRAL";
inline constexpr char kSenMin[] = "SENMIN";
inline constexpr char kInterval[] = "INTERVAL";
inline constexpr char kRun[] = "RUN";
inline constexpr char kHool[] = "HOOL";
inline constexpr char kSystemIcon[] = "SYSTEMICON";
inline constexpr char kHint[] = "HINT";
inline constexpr char kQuietPrograms[] = "QUIETPROGRAMS";
// The keys of the on/off options are in their rows (option_switches.h).

// Corner coordinates in the order X1, Y1, X2, Y2.
inline constexpr std::array<const char*, 4> kCornerParts = {"X1", "Y1", "X2", "Y2"};

// "RUNX1" ... "RUNY2".
inline std::string RunSpotKey(int part) { return std::string("RUN") + kCornerParts[part]; }
// "HOOL1X1" ... "HOOL4Y2".
inline std::string BlackHoleKey(int hole, int part) { return "HOOL" + std::to_string(hole) + kCornerParts[part]; }
// "WinService1" ... "WinService8".
inline std::string WinServiceKey(int n) { return "WinService" + std::to_string(n); }

}  // namespace fesk::syskey
