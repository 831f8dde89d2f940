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
inline constexpr char kLinkFlg[] = "LINKFLG";
inline constexpr char kPrgErrMsg[] = "PRGERRMSG";
inline constexpr char kActErrMsg[] = "ACTERRMSG";
inline constexpr char kRunOption[] = "RUNOPTION";
inline constexpr char kSystemIcon[] = "SYSTEMICON";
inline constexpr char kHint[] = "HINT";
// Added with the full-screen rule and the start with Windows (0/1 each).
inline constexpr char kFullScreenQuiet[] = "FULLSCREENQUIET";
inline constexpr char kAutoStart[] = "AUTOSTART";

// Corner coordinates in the order X1, Y1, X2, Y2.
inline constexpr std::array<const char*, 4> kCornerParts = {"X1", "Y1", "X2", "Y2"};

// "RUNX1" ... "RUNY2".
inline std::string RunSpotKey(int part) { return std::string("RUN") + kCornerParts[part]; }
// "HOOL1X1" ... "HOOL4Y2".
inline std::string BlackHoleKey(int hole, int part) { return "HOOL" + std::to_string(hole) + kCornerParts[part]; }
// "TRIGGER1" ... "TRIGGER5".
inline std::string TriggerKey(int n) { return "TRIGGER" + std::to_string(n); }
// "WinService1" ... "WinService8".
inline std::string WinServiceKey(int n) { return "WinService" + std::to_string(n); }

}  // namespace fesk::syskey
