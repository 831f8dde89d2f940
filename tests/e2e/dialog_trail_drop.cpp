// The launcher's popup and its dialog as a drop target.
//
// In the mouse-action confirmation mode (MODE 2) a left-to-right stroke
// starts its program and then shows the trail in the popup TFFesk2: a
// silver board with the four coloured quadrants of the stroke's square (red
// upper left, green upper right, blue lower left, yellow lower right), the
// white neutral square in the middle, and the path as a black line with
// white circles along the top edge.  The colours are read from the screen
// and the popup is photographed (dialog_trail_drop-trail.png).  The trail
// outlives Cancel in the settings dialog (pressed by its control id, it
// hides the popup with the dialog); a click into it ends it for good.
// The sensor page's test display, in the same popup, is hidden by Cancel
// and does not come back.
//
// Then a file in a folder with a Japanese name and a space is dropped on the
// shown dialog: the editor (a recorder named FESKINI.EXE) is started with the
// quoted path, in the launcher's folder.
#include <cstdlib>

#include "launcher/win32/control_ids.h"
#include "tests/e2e/launcher_scenario_support.h"

// After windows.h (through the driver).
#include <commctrl.h>

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;

namespace {

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};

Rgb ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  COLORREF color = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return Rgb{GetRValue(color), GetGValue(color), GetBValue(color)};
}

std::wstring Describe(Rgb c) {
  return L"(" + std::to_wstring(c.r) + L"," + std::to_wstring(c.g) + L"," + std::to_wstring(c.b) + L")";
}

void CheckPixel(const RECT& popup, int x, int y, Rgb expected, const std::wstring& what) {
  Rgb seen = ScreenPixel(popup.left + x, popup.top + y);
  Check(seen == expected, what + L" at (" + std::to_wstring(x) + L"," + std::to_wstring(y) + L") is " +
                              Describe(expected) + L": " + Describe(seen));
}

HWND VisiblePopup(DWORD process_id) {
  WindowQuery query(L"TFFesk2", L"", process_id);
  query.visible_only = true;
  return FindTopWindow(query);
}

constexpr Rgb kSilver{192, 192, 192}, kRed{255, 0, 0}, kGreen{0, 128, 0}, kBlue{0, 0, 255}, kYellow{255, 255, 0},
    kWhite{255, 255, 255}, kBlack{0, 0, 0};

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"dialog_trail_drop");
  FillFolder(folder, {L"app.exe", L"FESKINI.EXE"},
             Section(L"SYSTEM", {{L"MODE", L"2"}, {L"NUTRAL", L"5"}, {L"HINT", L"OFF"}}) +
                 Section(L"CMD0", {{L"DISCRIPTION", L"アプリ"},
                                   {L"CMDLINE", folder + L"\\app.exe"},
                                   {L"ACTCODE", L"lr"},
                                   {L"RUNPOS", L"111111111"}}));
  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return Finish("dialog_trail_drop");

  // ---- The trail ---------------------------------------------------------
  Check(VisiblePopup(fesk.id()) == nullptr, L"no popup before the stroke");
  const int left = 250, right = 650, top = 110;
  Gesture({VK_SHIFT, VK_CONTROL}, {{left, top}, {right, top}});
  CheckEqual(Count(WaitForRecords(folder, 1, 15000, L"app.exe")), 1, L"the stroke started app.exe");
  HWND popup = nullptr;
  WaitUntil([&] { return (popup = VisiblePopup(fesk.id())) != nullptr; }, 10000);
  Check(popup != nullptr, L"the trail popup shows");
  if (!popup) return Finish("dialog_trail_drop");
  Screenshot(L"dialog_trail_drop-trail");

  // The popup is the stroke's square (its width, the longer side) with a
  // margin of 2 pixels, at the stroke's top left corner.
  RECT rect{};
  GetWindowRect(popup, &rect);
  const int side = rect.right - rect.left - 4;
  Check(side >= right - left - 4 && side <= right - left + 4,
        L"the popup is as wide as the stroke (" + std::to_wstring(side) + L")");
  CheckEqual(rect.bottom - rect.top, rect.right - rect.left, L"the popup is square");
  Check(std::abs(rect.left - (left - 2)) <= 4 && std::abs(rect.top - (top - 2)) <= 4,
        L"the popup stands at the stroke's top left corner");
  auto at = [&](double fraction) { return 2 + static_cast<int>(side * fraction); };
  CheckPixel(rect, 0, at(0.5), kSilver, L"the left margin");
  CheckPixel(rect, side + 3, at(0.5), kSilver, L"the right margin");
  CheckPixel(rect, at(0.08), at(0.4), kRed, L"the upper left quadrant");
  CheckPixel(rect, at(0.92), at(0.4), kGreen, L"the upper right quadrant");
  CheckPixel(rect, at(0.08), at(0.6), kBlue, L"the lower left quadrant");
  CheckPixel(rect, at(0.92), at(0.6), kYellow, L"the lower right quadrant");
  CheckPixel(rect, at(0.5), at(0.5), kWhite, L"the neutral square");
  CheckPixel(rect, at(0.25), at(0.25), kWhite, L"the neutral square (1/5 in from the edges)");
  CheckPixel(rect, at(0.15), at(0.15), kRed, L"outside the neutral square");
  // The path: along the top edge, black where the line runs, white inside
  // the circles at the samples.
  int black = 0, white = 0, white_runs = 0;
  bool in_white = false;
  for (int x = 2; x <= side + 2; ++x) {
    Rgb c = ScreenPixel(rect.left + x, rect.top + 2);
    if (c == kBlack) ++black;
    if (c == kWhite) {
      ++white;
      if (!in_white) ++white_runs;
    }
    in_white = c == kWhite;
  }
  Log(L"along the path: " + std::to_wstring(black) + L" black and " + std::to_wstring(white) + L" white pixels, " +
      std::to_wstring(white_runs) + L" circles");
  Check(black > side / 3, L"the path is drawn as a black line along the top");
  Check(white_runs >= 3, L"the path has white circles at its samples");
  Check(ScreenPixel(rect.left + at(0.5), rect.top + 12) == kRed ||
            ScreenPixel(rect.left + at(0.5), rect.top + 12) == kGreen,
        L"below the path the quadrants show again");

  // Cancel in the dialog hides the popup with the dialog; the pending trail
  // comes back on the popup's one-second timer.  Hiding a window can take
  // Wine two seconds without a window manager, so the moment the popup is
  // hidden cannot be caught here; that Cancel hides the popup is seen below,
  // with the test display, which does not come back.
  PostTrayMessage(main, 0, WM_LBUTTONDOWN);
  Check(WaitUntil([&] { return IsWindowVisible(main) != 0; }, 10000), L"the dialog shows");
  HWND cancel = GetDlgItem(main, fesk::win32::fesk_dialog::kCancelButton);
  CheckEqual(WindowText(cancel), L"キャンセル", L"the Cancel button, found by its control id");
  Check(PressButton(main, fesk::win32::fesk_dialog::kCancelButton), L"Cancel is pressed");
  Check(WaitUntil([&] { return IsWindowVisible(main) == 0; }, 10000), L"Cancel hid the dialog");
  Check(WaitUntil([&] { return VisiblePopup(fesk.id()) != nullptr; }, 10000),
        L"the trail is still there after Cancel (hidden with the dialog, it comes back)");

  // A click into the popup ends it.
  MoveCursorTo(POINT{rect.left + at(0.92), rect.top + at(0.6)});
  Check(Click(MouseButton::kLeft), L"a click into the popup");
  Check(WaitUntil([&] { return !IsWindowVisible(popup); }, 10000), L"the click hides the popup");
  // The popup's one-second timer would show a pending trail again.
  Pause(2500);
  Check(!IsWindowVisible(popup), L"and it stays hidden");
  MoveCursorTo(POINT{900, 700});

  // The sensor page's test display shares the popup; Cancel hides it and,
  // as no trail is pending any more, it stays hidden.
  PostTrayMessage(main, 0, WM_LBUTTONDOWN);
  Check(WaitUntil([&] { return IsWindowVisible(main) != 0; }, 10000), L"the dialog shows");
  HWND tab = FindChild(main, WC_TABCONTROLW);
  if (tab) SendMessageW(tab, TCM_SETCURFOCUS, 3, 0);
  HWND test_button = FindChild(main, L"Button", L"ﾃｽﾄ表示");
  Check(test_button && WaitUntil([&] { return IsWindowVisible(test_button) != 0; }, 5000),
        L"the sensor page shows its test button");
  Check(test_button && ClickButton(test_button), L"\"ﾃｽﾄ表示\" is pressed");
  Check(WaitUntil([&] { return IsWindowVisible(popup) != 0; }, 10000), L"the test display shows");
  Screenshot(L"dialog_trail_drop-sensor-test");
  Check(ClickButton(cancel), L"Cancel is pressed");
  Check(WaitUntil([&] { return IsWindowVisible(main) == 0; }, 10000), L"the dialog hides");
  Check(WaitUntil([&] { return !IsWindowVisible(popup); }, 10000), L"Cancel hid the test display");
  Pause(2500);
  Check(!IsWindowVisible(popup), L"and it does not come back");

  // ---- A file dropped on the shown dialog -----------------------------------
  PostTrayMessage(main, 0, WM_LBUTTONDOWN);
  Check(WaitUntil([&] { return IsWindowVisible(main) != 0; }, 10000), L"the dialog shows again");
  const std::wstring documents = folder + L"\\書類 フォルダ";
  MakeFolders(documents);
  const std::wstring dropped = documents + L"\\メモ 1.txt";
  WriteCp932File(dropped, L"メモ");
  Check(DropFiles(main, {dropped}, POINT{200, 150}), L"a file is dropped on the dialog");
  std::vector<LaunchRecord> editors = WaitForRecords(folder, 1, 15000, L"FESKINI.EXE");
  CheckEqual(Count(editors), 1, L"the drop started the editor once");
  if (!editors.empty()) {
    CheckEqual(editors[0].Arguments(), L"\"" + dropped + L"\"", L"the editor's arguments");
    Check(SamePath(editors[0].work_folder, folder),
          L"the editor runs in the launcher's folder (" + editors[0].work_folder + L")");
  }
  Check(IsWindowVisible(main) != 0, L"the dialog stays shown");
  CheckEqual(Count(RecordsAfterQuiet(folder, 1000, L"FESKINI.EXE")), 1, L"no second editor");
  return Finish("dialog_trail_drop");
}
