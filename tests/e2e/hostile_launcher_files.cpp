// The launcher on settings files nobody would write by hand: absurd
// numbers, a text where a number belongs, 10,000 sections, a line of 1 MB,
// NUL bytes, a lone lead byte at the very end.  For each file Fesk.exe
// starts, its main window exists and answers, its settings dialog shows on
// a tray click, and OK writes the values it took from the file - the
// defaults, or the value brought into its range - which are then read from
// Fesk.Ini.  The close then asks "終了確認" / "FESKを終了します。", and OK
// ends the launcher with exit code 0.
#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/byte_texts.h"
#include "tests/e2e/launcher_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

struct HostileFile {
  const wchar_t* name;
  std::string bytes;  // Fesk.Ini as it is written, byte for byte
  // Keys of SYSTEM and the values OK writes for them.
  std::vector<std::pair<std::wstring, std::wstring>> saved;
};

std::vector<HostileFile> HostileFiles() {
  std::string sections;
  for (int n = 0; n < 10000; ++n) {
    sections += "[CMD" + std::to_string(n) + "]\r\nDISCRIPTION=p" + std::to_string(n) +
                "\r\nCMDLINE=p.exe\r\nDISPLAYPOS=" + std::to_string(n % 10) + "\r\n";
  }
  return {
      {L"INTERVAL=0", "[SYSTEM]\r\nINTERVAL=0\r\n", {{L"INTERVAL", L"1"}}},
      {L"INTERVAL=-5", "[SYSTEM]\r\nINTERVAL=-5\r\n", {{L"INTERVAL", L"1"}}},
      {L"INTERVAL=99999999999", "[SYSTEM]\r\nINTERVAL=99999999999\r\n", {{L"INTERVAL", L"10"}}},
      {L"INTERVAL=0x14, SENMIN=999, NUTRAL=20",
       "[SYSTEM]\r\nINTERVAL=0x14\r\nSENMIN=999\r\nNUTRAL=20\r\n",
       {{L"INTERVAL", L"20"}, {L"SENMIN", L"400"}, {L"NUTRAL", L"10"}}},
      {L"NUTRAL=abc", "[SYSTEM]\r\nNUTRAL=abc\r\nSENMIN=-1\r\n", {{L"NUTRAL", L"5"}, {L"SENMIN", L"0"}}},
      {L"MODE=7, SELECTKEY=16, WinService1=18",
       "[SYSTEM]\r\nMODE=7\r\nSELECTKEY=16\r\nWINSELECTKEY=-3\r\nWinService1=18\r\n",
       // A trigger number outside 0..15 leaves the trigger as it was: at the
       // start, trigger 0.
       {{L"MODE", L"3"}, {L"SELECTKEY", L"0"}, {L"WINSELECTKEY", L"0"}, {L"WinService1", L"-1"}}},
      {L"10,000 sections", "[SYSTEM]\r\nINTERVAL=30\r\n" + sections, {{L"INTERVAL", L"30"}}},
      {L"a 1 MB line",
       "[CMD0]\r\nDISCRIPTION=" + Repeat("\x82\xa0", 512 * 1024) + "\r\nCMDLINE=a.exe\r\n[SYSTEM]\r\nINTERVAL=40\r\n",
       {{L"INTERVAL", L"40"}}},
      {L"NUL bytes",
       Bytes("[SYSTEM]\r\nINTERVAL=2\0 5\r\n\0\0\0\r\nSENMIN=33\r\n[CMD0]\r\nDISCRIPTION=a\0b\r\n"),
       {{L"INTERVAL", L"10"}, {L"SENMIN", L"33"}}},
      {L"a lone lead byte at the end",
       "[SYSTEM]\r\nSENMIN=44\r\n[CMD0]\r\nDISCRIPTION=\x82",
       {{L"SENMIN", L"44"}, {L"INTERVAL", L"10"}}},
      {L"only bytes", Repeat("\xff\x81=[]\r", 2000), {{L"INTERVAL", L"10"}, {L"NUTRAL", L"5"}}},
  };
}

// Fesk.exe on one file: runs, answers, saves on OK what it took, ends on OK.
void RunOn(const std::wstring& folder, const HostileFile& file) {
  const std::wstring what = std::wstring(L"[") + file.name + L"] ";
  const std::wstring ini = folder + L"\\Fesk.Ini";
  Check(WriteFileBytes(ini, file.bytes), what + L"Fesk.Ini is written");

  Process fesk = Start(folder + L"\\Fesk.exe", L"", folder);
  HWND main = WaitForTopWindow({L"TFFesk1", L"FESK", fesk.id()}, 60000);
  Check(main != nullptr, what + L"the launcher's main window exists");
  if (!main) {
    fesk.Kill();
    return;
  }
  DWORD_PTR result = 0;
  Check(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result) != 0, what + L"the launcher answers");
  Check(fesk.Running(), what + L"and runs");

  PostTrayMessage(main, 0, WM_LBUTTONDOWN);
  Check(WaitUntil([&] { return IsWindowVisible(main) != 0; }, 15000), what + L"the settings show");
  HWND ok = FindChild(main, L"Button", L"ＯＫ");
  // Posted: the save of a large file may take a while on a loaded machine,
  // and what counts is that it ends with the dialog hidden.
  Check(ok != nullptr && PostToWindow(ok, BM_CLICK), what + L"OK is pressed");
  Check(WaitUntil([&] { return IsWindowVisible(main) == 0; }, 15000), what + L"OK hides the settings");
  const std::wstring saved = FromCp932(ReadFileBytes(ini).value_or(""));
  for (const auto& [key, value] : file.saved) {
    CheckEqual(IniValue(saved, L"SYSTEM", key).value_or(L"(none)"), value, what + L"OK writes " + key);
  }

  Check(PostToWindow(main, WM_CLOSE), what + L"the launcher is asked to close");
  std::optional<MessageBoxInfo> asked = AnswerMessageBox(L"終了確認", IDOK, 20000, fesk.id());
  Check(asked.has_value(), what + L"the close asks first");
  if (asked) CheckEqual(asked->text, L"FESKを終了します。", what + L"the question");
  Check(fesk.Wait(20000), what + L"OK ends the launcher");
  CheckEqual(static_cast<long long>(fesk.ExitCode().value_or(999)), 0, what + L"with exit code 0");
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"hostile_launcher_files");
  Check(!CopyInto(LauncherExe(), folder).empty(), L"Fesk.exe is in the test folder");
  for (const HostileFile& file : HostileFiles()) {
    Log(std::wstring(L"file: ") + file.name);
    RunOn(folder, file);
    KillProcesses(L"Fesk.exe");
  }
  return Finish("hostile_launcher_files");
}
