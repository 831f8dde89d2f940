// Both programs at a display scale: every page of the launcher's dialog and
// of the editor, the palette command dialog and the about box, each
// screenshot, and no control's text wider (or, wrapped, higher) than its
// control.
//
//   display_scale.exe [DPI]
//
// With a DPI (120, 144, 192 ...) the scenario first sets the prefix's
// display DPI (HKCU\Control Panel\Desktop\LogPixels), which the programs
// started afterwards take; ctest runs those in a Wine prefix of their own.
// Without one the prefix is left as it is (96 DPI).
//
// A control's text is measured here, in the font the program gives the
// control at that DPI (font handles do not cross processes): the form's font
// of its window, or the few larger fonts of product names and headings.
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/e2e/editor_scenario_support.h"
#include "tests/e2e/launcher_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::launcher;
namespace ed = fesk::e2e::editor;

namespace {

int g_dpi = 96;
int Scale(int design) { return MulDiv(design, g_dpi, 96); }

struct FontChoice {
  const wchar_t* face;
  int height;  // design pixels
  int weight;
};

// The font a program gives the control: its window's form font, or the
// larger one of a product name or heading.
FontChoice FontOf(const std::wstring& window_class, const std::wstring& text) {
  if (window_class == L"TFFesk1" && text == L"FESK") return {L"Arial", 22, FW_BOLD};
  if (window_class == L"TForm3" && text == L"FeskIni") return {L"Arial", 18, FW_BOLD};
  if (window_class == L"TForm1" && text == L"FESKPAL（ｱｲｺﾝﾊﾟﾚｯﾄ表示）") return {L"ＭＳ ゴシック", 15, FW_NORMAL};
  if (window_class == L"TFFeskINI") return {L"ＭＳ ゴシック", 13, FW_NORMAL};
  return {L"ＭＳ ゴシック", 12, FW_NORMAL};
}

// The room a text needs in a control of this kind: {width, height}.
SIZE Needed(HDC dc, const std::wstring& text, UINT format, int wrap_width) {
  RECT box{0, 0, wrap_width, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format | DT_CALCRECT);
  return SIZE{box.right - box.left, box.bottom - box.top};
}

// Checks every visible button, check box, radio button, group box and label
// of the window; returns how many were measured.
int CheckTextsFit(HWND window, const std::wstring& where) {
  const std::wstring window_class = WindowClass(window);
  HDC dc = GetDC(nullptr);
  int measured = 0;
  for (HWND control : ChildWindows(window)) {
    if (!IsWindowVisible(control)) continue;
    const std::wstring cls = WindowClass(control);
    const std::wstring text = WindowText(control);
    if (text.empty()) continue;
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    RECT client{};
    GetClientRect(control, &client);
    const int width = client.right, height = client.bottom;
    const FontChoice choice = FontOf(window_class, text);
    HFONT font = CreateFontW(-Scale(choice.height), 0, 0, 0, choice.weight, FALSE, FALSE, FALSE,
                             choice.weight == FW_BOLD ? DEFAULT_CHARSET : SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, choice.face);
    HGDIOBJ old = SelectObject(dc, font);
    bool fits = true;
    SIZE need{};
    std::wstring kind;
    if (_wcsicmp(cls.c_str(), L"Button") == 0) {
      const LONG type = style & BS_TYPEMASK;
      if (style & BS_BITMAP) {
        kind.clear();
      } else if (type == BS_GROUPBOX) {
        kind = L"group box";
        need = Needed(dc, text, DT_SINGLELINE, 0);
        fits = need.cx + Scale(12) <= width;
      } else if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                 type == BS_AUTORADIOBUTTON) {
        kind = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX ? L"check box" : L"radio button";
        need = Needed(dc, text, DT_SINGLELINE, 0);
        // The box or circle and the gap before the text, as the button
        // control lays them out: a box of 12 pixels at 96 DPI plus one, then
        // half the width of a digit.
        int digit = 0;
        GetCharWidth32W(dc, L'0', L'0', &digit);
        const int glyph = 12 * g_dpi / 96 + 1 + digit / 2;
        fits = glyph + need.cx <= width && need.cy <= height;
      } else {
        // The text is centred; it may reach into the button's edge but
        // not beyond the button.
        kind = L"button";
        need = Needed(dc, text, DT_SINGLELINE, 0);
        fits = need.cx <= width && need.cy <= height;
      }
    } else if (_wcsicmp(cls.c_str(), L"Static") == 0) {
      const LONG type = style & SS_TYPEMASK;
      if ((type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) && !(style & SS_ELLIPSISMASK)) {
        kind = L"label";
        if (style & SS_CENTERIMAGE) {
          need = Needed(dc, text, DT_SINGLELINE | DT_NOPREFIX, 0);
          fits = need.cx <= width;
        } else {
          // A label wraps at its width: its text must not run below it.
          need = Needed(dc, text, DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS, width);
          fits = need.cy <= height && need.cx <= width;
        }
      }
    }
    SelectObject(dc, old);
    DeleteObject(font);
    if (kind.empty()) continue;
    ++measured;
    Check(fits, where + L": " + kind + L" \"" + text + L"\" fits (needs " + std::to_wstring(need.cx) + L"x" +
                    std::to_wstring(need.cy) + L", has " + std::to_wstring(width) + L"x" + std::to_wstring(height) +
                    L")");
  }
  ReleaseDC(nullptr, dc);
  return measured;
}

std::wstring Name(const std::wstring& what) { return L"display_scale-" + std::to_wstring(g_dpi) + L"-" + what; }

// The window's client area is its design size at the DPI.
void CheckClientSize(HWND window, int design_width, int design_height, const std::wstring& what) {
  RECT client{};
  GetClientRect(window, &client);
  Log(what + L": client " + std::to_wstring(client.right) + L"x" + std::to_wstring(client.bottom));
  CheckEqual(client.right, Scale(design_width), what + L": client width at " + std::to_wstring(g_dpi) + L" DPI");
  CheckEqual(client.bottom, Scale(design_height), what + L": client height at " + std::to_wstring(g_dpi) + L" DPI");
}

void Launcher() {
  std::wstring folder = MakeTestFolder(L"display_scale_launcher");
  FillFolder(folder, {}, Section(L"SYSTEM", {}));
  Process fesk;
  HWND main = StartLauncher(folder, fesk);
  if (!main) return;
  Check(ShowDialog(main), L"the launcher's dialog shows");
  CheckClientSize(main, 451, 317, L"the launcher's dialog");
  HWND tab = FindChild(main, WC_TABCONTROLW);
  const int pages = tab ? static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0)) : 0;
  Check(pages >= 6, L"the dialog's pages are there");
  for (int page = 0; page < pages; ++page) {
    Check(ChoosePage(tab, page), L"launcher page " + std::to_wstring(page) + L" is chosen");
    Pause(300);
    Screenshot(Name(L"launcher-page" + std::to_wstring(page)));
    Check(CheckTextsFit(main, L"launcher page " + std::to_wstring(page)) > 0, L"texts were measured");
  }
  // The sensor test's popup, over the dialog.
  Check(ChoosePage(tab, 3), L"the sensor page is chosen");
  if (HWND test = FindChild(main, L"Button", L"ﾃｽﾄ表示")) {
    ClickButton(test);
    HWND popup = WaitForTopWindow(WindowQuery(L"TFFesk2", L"", fesk.id()), 5000);
    if (popup && WaitUntil([&] { return IsWindowVisible(popup) != 0; }, 5000)) {
      RECT r{};
      GetWindowRect(popup, &r);
      CheckEqual(r.right - r.left, Scale(400), L"the sensor test's popup is laid out for the DPI");
      Screenshot(Name(L"launcher-sensor-test"));
    } else {
      Check(false, L"the sensor test's popup shows");
    }
  }
  fesk.Kill();
}

void Editor() {
  std::wstring folder = MakeTestFolder(L"display_scale_editor");
  ed::FillEditorFolder(folder, L"[CMD0]\r\nDISCRIPTION=メモ帳\r\nCMDLINE=notepad.exe\r\n");
  Process editor;
  HWND main = ed::StartEditor(folder + L"\\FeskINI.exe", L"", folder, editor);
  if (!main) return;
  CheckClientSize(main, 545, 375, L"the editor's main window");
  const ed::Tab tabs[] = {ed::Tab::kProgram, ed::Tab::kShortCut, ed::Tab::kMouseAction, ed::Tab::kScreenPosition,
                          ed::Tab::kGroup};
  for (ed::Tab page : tabs) {
    const std::wstring what = L"editor page " + std::to_wstring(static_cast<int>(page));
    Check(ed::ShowTab(main, page), what + L" is chosen");
    Pause(300);
    Screenshot(Name(L"editor-page" + std::to_wstring(static_cast<int>(page))));
    Check(CheckTextsFit(main, what) > 0, L"texts were measured");
  }
  Check(ed::ShowTab(main, ed::Tab::kProgram), L"back on the program page");
  if (HWND palette = ed::ShowPaletteDialog(main, editor.id())) {
    CheckClientSize(palette, 364, 232, L"the palette command dialog");
    Screenshot(Name(L"editor-palette"));
    CheckTextsFit(palette, L"the palette command dialog");
    PostMessageW(palette, WM_CLOSE, 0, 0);
    WaitUntil([&] { return IsWindowVisible(palette) == 0; }, 5000);
  }
  ed::ClickControl(ed::Control(main, ed::ids::kAboutButton));
  WindowQuery about_query(L"TForm3", L"", editor.id());
  about_query.visible_only = true;
  if (HWND about = WaitForTopWindow(about_query, 10000)) {
    CheckClientSize(about, 298, 182, L"the about box");
    Screenshot(Name(L"editor-about"));
    CheckTextsFit(about, L"the about box");
  } else {
    Check(false, L"the about box shows");
  }
  editor.Kill();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    g_dpi = atoi(argv[1]);
    Check(g_dpi >= 96 && SetDisplayDpi(g_dpi), L"the display DPI is set to " + std::to_wstring(g_dpi));
  }
  Launcher();
  Editor();
  return Finish("display_scale");
}
