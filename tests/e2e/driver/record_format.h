// The records the stand-in program appends to record.txt beside itself and
// the driver reads back: UTF-8 lines "key: value", CRLF, and a line "--"
// after each record.
//
//   exe: app.exe
//   pid: 312
//   tick: 1234567
//   command line: "C:\...\app.exe" /x
//   work folder: C:\...
//   --
#pragma once

namespace fesk::e2e::record {

inline constexpr char kFileName[] = "record.txt";
inline constexpr char kExe[] = "exe: ";
inline constexpr char kProcessId[] = "pid: ";
inline constexpr char kTick[] = "tick: ";
inline constexpr char kCommandLine[] = "command line: ";
inline constexpr char kWorkFolder[] = "work folder: ";
inline constexpr char kEnd[] = "--";

}  // namespace fesk::e2e::record
