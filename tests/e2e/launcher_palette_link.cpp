// The palette mode (MODE 3) and the hand-off of the last code (LINKFLG 1).
// A stroke opens the palette program FeskPal.exe with "A " and the code in
// place of the program registered for it, and the code lands in LINK of
// Fesk.Ini for the editor; a shortcut key in the same mode starts its
// program itself.  FeskPal.exe and app.exe are recorder copies.
#include "tests/e2e/launcher_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

std::optional<std::wstring> LinkValue(const std::wstring& folder) {
  std::optional<std::wstring> text = ReadCp932File(folder + L"\\Fesk.Ini");
  if (!text) return std::nullopt;
  return IniValue(*text, L"SYSTEM", L"LINK");
}

bool WaitForLink(const std::wstring& folder, std::wstring_view expected) {
  return WaitUntil([&] { return LinkValue(folder) == std::wstring(expected); }, 10000, 50);
}

}  // namespace

int main() {
  const std::wstring name = L"launcher_palette_link";
  const std::wstring folder = MakeTestFolder(name);
  const std::wstring work = folder + L"\\pal work";
  const std::wstring settings = Section(L"SYSTEM", {{L"MODE", L"3"}, {L"LINKFLG", L"1"}}) +
                                Section(L"CMD0", {{L"DISCRIPTION", L"パレット元"},
                                                  {L"CMDLINE", folder + L"\\app.exe"},
                                                  {L"WORKDIR", work},
                                                  {L"OPTION", L"/stroke"},
                                                  {L"ACTCODE", L"lr"},
                                                  {L"RUNPOS", L"111111111"}}) +
                                Section(L"CMD1", {{L"DISCRIPTION", L"直接"},
                                                  {L"CMDLINE", folder + L"\\app.exe"},
                                                  {L"OPTION", L"/direct"},
                                                  {L"ACTCODE", L""},
                                                  {L"HOTKEY", L"Ctrl+Alt+P"}});
  FillFolder(folder, {L"app.exe", L"FeskPal.exe"}, settings);
  MakeFolders(work);

  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return Finish("launcher_palette_link");
  Check(!LinkValue(folder).has_value(), L"Fesk.Ini has no LINK before the first stroke");

  // "lr": the palette program instead of app.exe, and LINK=lr.
  Gesture({VK_SHIFT, VK_CONTROL}, {{300, 200}, {600, 200}});
  std::vector<LaunchRecord> palettes = WaitForRecords(folder, 1, 15000, L"FeskPal.exe");
  CheckEqual(Count(palettes), 1, L"the stroke started FeskPal.exe");
  if (!palettes.empty()) {
    CheckEqual(palettes[0].Arguments(), L"A lr", L"with \"A \" and the code");
    Check(SamePath(palettes[0].work_folder, work),
          L"in the WORKDIR of the program with the code (" + palettes[0].work_folder + L")");
  }
  Check(WaitForLink(folder, L"lr"), L"Fesk.Ini holds LINK=lr after the stroke");
  CheckEqual(Count(RecordsAfterQuiet(folder, 1000, L"app.exe")), 0, L"app.exe did not start");
  std::optional<std::wstring> text = ReadCp932File(folder + L"\\Fesk.Ini");
  if (text) {
    CheckEqual(IniValue(*text, L"CMD0", L"ACTCODE").value_or(L"(none)"), L"lr",
               L"the program sections are left as they were");
    CheckEqual(IniValue(*text, L"SYSTEM", L"MODE").value_or(L"(none)"), L"3", L"and so is MODE");
  }

  // "rl": no program has it, yet LINK follows the last stroke.
  Gesture({VK_SHIFT, VK_CONTROL}, {{600, 300}, {300, 300}});
  Check(WaitForLink(folder, L"rl"), L"Fesk.Ini holds LINK=rl after a stroke no program has");
  CheckEqual(Count(RecordsAfterQuiet(folder, 1000)), 1, L"that stroke started nothing");

  // A shortcut key in the palette mode starts the program itself.
  { HeldKeys held({VK_CONTROL, VK_MENU, 'P'}, 200); }
  std::vector<LaunchRecord> apps = WaitForRecords(folder, 1, 15000, L"app.exe");
  CheckEqual(Count(apps), 1, L"Ctrl+Alt+P started app.exe");
  if (!apps.empty()) CheckEqual(apps[0].Arguments(), L"/direct", L"with its OPTION");
  CheckEqual(Count(RecordsAfterQuiet(folder, 1000, L"FeskPal.exe")), 1, L"the shortcut did not open the palette");
  CheckEqual(LinkValue(folder).value_or(L"(none)"), L"rl", L"a shortcut leaves LINK alone");

  return Finish("launcher_palette_link");
}
