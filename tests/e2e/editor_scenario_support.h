// What the editor scenarios (tests/e2e/editor_*.cpp, system_*.cpp) share:
// FeskINI.exe in a test folder, its controls found by their fixed ids
// (editor_control_ids.h), real clicks at absolute screen points, and
// the common controls read from another process (tab rectangles, tree items,
// list items).
//
// Under Wine a click is one SendInput batch with absolute coordinates (a
// cursor warp with SetCursorPos followed by a separate button event may land
// before the pointer has moved).  Tree and tab messages that carry pointers
// are not carried across processes: their buffers are put into the editor's
// own memory (RemoteBuffer).  List-box and edit messages are carried, and
// take buffers of ours.
#pragma once

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/editor_control_ids.h"
#include "tests/e2e/driver/driver.h"
#include "tests/e2e/launcher_scenario_support.h"
// After driver.h, which brings <windows.h>.
#include <commctrl.h>

namespace fesk::e2e::editor {

inline constexpr wchar_t kEditorClass[] = L"TFFeskINI";
inline constexpr wchar_t kEditorCaption[] = L"FESK プログラム登録";

// The tabs of pages, in order.
enum class Tab { kProgram = 0, kShortCut, kMouseAction, kScreenPosition, kGroup };

// ---------------------------------------------------------------- folder

// Fills a test folder for the editor: FeskINI.exe, an empty group table
// (without one the editor reports the missing file and ignores its command
// line) and, when given, Fesk.Ini in code page 932.
inline void FillEditorFolder(const std::wstring& folder, const std::wstring& settings = {}) {
  Check(!CopyInto(EditorExe(), folder).empty(), L"FeskINI.exe is in the test folder");
  Check(WriteFileBytes(folder + L"\\FESK.TBL", ""), L"an empty FESK.TBL is in the test folder");
  if (!settings.empty()) Check(WriteCp932File(folder + L"\\Fesk.Ini", settings), L"Fesk.Ini is written");
}

// Starts `exe` (FeskINI.exe of the folder) and waits until its main window
// is shown; null when it did not come.
inline HWND StartEditor(const std::wstring& exe, std::wstring_view arguments, const std::wstring& folder,
                        Process& process, int timeout_ms = 30000) {
  process = Start(exe, arguments, folder);
  WindowQuery query(kEditorClass, kEditorCaption, process.id());
  query.visible_only = true;
  HWND main = WaitForTopWindow(query, timeout_ms);
  Check(main != nullptr, L"the editor's main window is shown");
  return main;
}

// Waits until the launcher's thread answers messages again (after a box or
// a hidden window Wine may keep it busy for a while), and a little more, so
// that its poll sees the next input from its start.
inline void WaitLauncherReady(HWND launcher) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(launcher, WM_NULL, 0, 0, SMTO_NORMAL, 15000, &result)) {
    Log(L"the launcher did not answer within 15 s");
  }
  Pause(500);
}

// ---------------------------------------------------------------- controls

inline HWND Control(HWND window, int id) { return GetDlgItem(window, id); }
inline std::wstring TextOf(HWND window, int id) { return WindowText(Control(window, id)); }
inline bool Checked(HWND window, int id) { return SendMessageW(Control(window, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

// Checks the text of a control, waiting for it first: right after an action
// the editor may still be inside a window operation that Wine takes its
// time over (hiding a window takes about 2 s), and a read then times out.
inline void CheckText(HWND window, int id, std::wstring_view expected, std::wstring_view what, int timeout_ms = 10000) {
  WaitUntil([&] { return TextOf(window, id) == expected; }, timeout_ms, 50);
  CheckEqual(TextOf(window, id), expected, what);
}

// The control with the keyboard focus in the thread of `window`.
inline HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  DWORD thread = GetWindowThreadProcessId(window, nullptr);
  if (!GetGUIThreadInfo(thread, &info)) return nullptr;
  return info.hwndFocus;
}

inline bool WaitForFocus(HWND window, int id, int timeout_ms = 5000) {
  HWND control = Control(window, id);
  return WaitUntil([&] { return FocusOf(window) == control; }, timeout_ms);
}

// ---------------------------------------------------------------- clicks

// Moves the cursor to `point` and clicks there, in one batch of input.
inline bool ClickAt(POINT point, MouseButton button = MouseButton::kLeft, int hold_ms = 60) {
  const SIZE screen = ScreenSize();
  INPUT inputs[2]{};
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dx = static_cast<LONG>((point.x * 65535LL) / (screen.cx - 1));
  inputs[0].mi.dy = static_cast<LONG>((point.y * 65535LL) / (screen.cy - 1));
  DWORD down = MOUSEEVENTF_LEFTDOWN, up = MOUSEEVENTF_LEFTUP;
  if (button == MouseButton::kRight) down = MOUSEEVENTF_RIGHTDOWN, up = MOUSEEVENTF_RIGHTUP;
  if (button == MouseButton::kMiddle) down = MOUSEEVENTF_MIDDLEDOWN, up = MOUSEEVENTF_MIDDLEUP;
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | down;
  inputs[1] = inputs[0];
  inputs[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  bool ok = SendInput(1, &inputs[0], sizeof(INPUT)) == 1;
  Sleep(static_cast<DWORD>(hold_ms));
  inputs[1].mi.dwFlags |= up;
  ok = SendInput(1, &inputs[1], sizeof(INPUT)) == 1 && ok;
  Sleep(30);
  return ok;
}

// Clicks a point given in the client coordinates of `window`.
inline bool ClickClient(HWND window, POINT client, MouseButton button = MouseButton::kLeft) {
  if (!ClientToScreen(window, &client)) return false;
  return ClickAt(client, button);
}

// Clicks the middle of a window (a control), as a user does.
inline bool ClickControl(HWND control, MouseButton button = MouseButton::kLeft) {
  RECT rect{};
  if (!control || !GetWindowRect(control, &rect)) {
    Log(L"ClickControl: no such control");
    return false;
  }
  return ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, button);
}

inline bool ClickId(HWND window, int id, MouseButton button = MouseButton::kLeft) {
  HWND control = Control(window, id);
  if (!control) Log(L"ClickId: no control " + std::to_wstring(id));
  return control && ClickControl(control, button);
}

// ---------------------------------------------------------------- keys

// Chords of keys: each list goes down in order and comes up in reverse.
inline void PressChord(std::initializer_list<WORD> keys, int hold_ms = 80) { HeldKeys held(keys, hold_ms); }

// Replaces the text of an edit box as a user does: a click into it, End,
// Shift+Home, then the text typed.
// Selects the whole text of the focused edit box as a user does, End and then
// Shift+Home.  On a loaded machine Wine may see Shift come up before Home
// arrives, and the caret only moves to the start; the selection is then
// made by message, so that what is typed next replaces the text.
inline void SelectAllText(HWND edit) {
  PressKey(VK_END, 30);
  PressChord({VK_SHIFT, VK_HOME}, 40);
  const LRESULT selection = SendMessageW(edit, EM_GETSEL, 0, 0);
  const int length = GetWindowTextLengthW(edit);
  if (LOWORD(selection) != 0 || HIWORD(selection) != length) {
    Log(L"the selection did not take; selected by message");
    SendMessageW(edit, EM_SETSEL, 0, -1);
  }
}

inline bool TypeInto(HWND window, int id, std::wstring_view text) {
  HWND edit = Control(window, id);
  if (!edit) return false;
  BringToFront(window);
  ClickControl(edit);
  if (!WaitForFocus(window, id)) Log(L"TypeInto: the edit box did not take the focus");
  SelectAllText(edit);
  bool ok = TypeText(text);
  return WaitUntil([&] { return WindowText(edit) == std::wstring(text); }, 5000) && ok;
}

// ---------------------------------------------------------------- memory of the editor

// A buffer inside another process, for the messages whose pointers are not
// carried across processes.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, std::size_t size) : size_(size) {
    DWORD process_id = WindowProcess(window);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process_id);
    if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool ok() const { return address_ != nullptr; }
  LPARAM address() const { return reinterpret_cast<LPARAM>(address_); }
  template <typename T>
  LPARAM At(const T* local_in_block, const void* block) const {
    return address() + (reinterpret_cast<const char*>(local_in_block) - static_cast<const char*>(block));
  }
  bool Write(const void* data, std::size_t size) {
    SIZE_T done = 0;
    return address_ && size <= size_ && WriteProcessMemory(process_, address_, data, size, &done) && done == size;
  }
  bool Read(void* data, std::size_t size) const {
    SIZE_T done = 0;
    return address_ && size <= size_ && ReadProcessMemory(process_, address_, data, size, &done) && done == size;
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  std::size_t size_ = 0;
};

// ---------------------------------------------------------------- tabs

inline std::optional<RECT> TabRect(HWND tab, int index) {
  RemoteBuffer buffer(tab, sizeof(RECT));
  if (!buffer.ok()) return std::nullopt;
  if (!SendMessageW(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), buffer.address())) return std::nullopt;
  RECT rect{};
  if (!buffer.Read(&rect, sizeof rect)) return std::nullopt;
  return rect;
}

inline int CurrentTab(HWND tab) { return static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0)); }

// Clicks the tab of a page and waits until it is the current one (a page
// that cannot be shown gives way to the first one: then false).
inline bool ClickTab(HWND tab, int index) {
  std::optional<RECT> rect = TabRect(tab, index);
  if (!rect) {
    Log(L"ClickTab: no rectangle for tab " + std::to_wstring(index));
    return false;
  }
  ClickClient(tab, {(rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2});
  return WaitUntil([&] { return CurrentTab(tab) == index; }, 5000);
}

inline bool ShowTab(HWND main, Tab page) { return ClickTab(Control(main, ids::kPages), static_cast<int>(page)); }

// ---------------------------------------------------------------- tree view

struct TreeItem {
  HTREEITEM item = nullptr;
  int depth = 0;
  std::wstring name;
};

inline std::wstring TreeItemText(HWND tree, HTREEITEM item) {
  struct Block {
    TVITEMW tv;
    wchar_t text[260];
  } block{};
  RemoteBuffer buffer(tree, sizeof block);
  if (!buffer.ok()) return {};
  block.tv.mask = TVIF_TEXT | TVIF_HANDLE;
  block.tv.hItem = item;
  block.tv.cchTextMax = 260;
  block.tv.pszText = reinterpret_cast<wchar_t*>(buffer.At(block.text, &block));
  if (!buffer.Write(&block, sizeof block)) return {};
  if (!SendMessageW(tree, TVM_GETITEMW, 0, buffer.address())) return {};
  if (!buffer.Read(&block, sizeof block)) return {};
  block.text[259] = L'\0';
  return block.text;
}

// Every item in pre-order with its depth (top level 0).
inline std::vector<TreeItem> TreeItems(HWND tree) {
  std::vector<TreeItem> items;
  struct Walker {
    HWND tree;
    std::vector<TreeItem>& items;
    void Walk(HTREEITEM first, int depth) {
      for (HTREEITEM item = first; item; item = reinterpret_cast<HTREEITEM>(SendMessageW(
                                             tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
        items.push_back({item, depth, TreeItemText(tree, item)});
        Walk(reinterpret_cast<HTREEITEM>(
                 SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item))),
             depth + 1);
      }
    }
  } walker{tree, items};
  walker.Walk(reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)), 0);
  return items;
}

// The tree as FESK.TBL writes it: a TAB per level, the name, CR LF.
inline std::wstring TreeAsTable(HWND tree) {
  std::wstring text;
  for (const TreeItem& item : TreeItems(tree))
    text += std::wstring(static_cast<std::size_t>(item.depth), L'\t') + item.name + L"\r\n";
  return text;
}

// The item with this name (the first in pre-order).
inline HTREEITEM FindTreeItem(HWND tree, std::wstring_view name) {
  for (const TreeItem& item : TreeItems(tree)) {
    if (item.name == name) return item.item;
  }
  return nullptr;
}

inline std::wstring SelectedTreeItemName(HWND tree) {
  auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  return item ? TreeItemText(tree, item) : std::wstring();
}

// Clicks the label of the item named `name` and waits until it is selected.
// An item already selected is left alone: a click on its label would start
// renaming it.
inline bool ClickTreeItem(HWND tree, std::wstring_view name) {
  if (SelectedTreeItemName(tree) == name) return true;
  HTREEITEM item = FindTreeItem(tree, name);
  if (!item) {
    Log(L"ClickTreeItem: no item \"" + std::wstring(name) + L"\"");
    return false;
  }
  RemoteBuffer buffer(tree, sizeof(RECT));
  // TVM_GETITEMRECT takes the item's handle in the first bytes of the RECT.
  RECT rect{};
  std::memcpy(&rect, &item, sizeof item);
  if (!buffer.Write(&rect, sizeof rect) || !SendMessageW(tree, TVM_GETITEMRECT, TRUE, buffer.address()) ||
      !buffer.Read(&rect, sizeof rect)) {
    Log(L"ClickTreeItem: no rectangle for \"" + std::wstring(name) + L"\"");
    return false;
  }
  ClickClient(tree, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
  return WaitUntil([&] { return SelectedTreeItemName(tree) == std::wstring(name); }, 5000);
}

// The edit box a tree view opens for renaming an item; null while none is open.
inline HWND TreeLabelEdit(HWND tree) { return reinterpret_cast<HWND>(SendMessageW(tree, TVM_GETEDITCONTROL, 0, 0)); }

// ---------------------------------------------------------------- palette dialog

// Clicks palette_button (on the program page) and waits for "FESK 特殊機能設定";
// null when it did not come.
inline HWND ShowPaletteDialog(HWND main, DWORD process_id) {
  ClickControl(Control(main, ids::kPaletteButton));
  WindowQuery query(L"TForm1", L"FESK 特殊機能設定", process_id);
  query.visible_only = true;
  HWND palette = WaitForTopWindow(query, 10000);
  Check(palette != nullptr, L"palette_button shows \"FESK 特殊機能設定\"");
  return palette;
}

// Clicks choice `index` (0 to 9) and waits
// until it is checked.
inline bool ChoosePaletteCommand(HWND palette, int index, std::wstring_view caption) {
  HWND choice = GetDlgItem(palette, ids::kFirstPaletteChoice + index);
  CheckEqual(WindowText(choice), caption, L"the choice's caption");
  ClickControl(choice);
  return WaitUntil([&] { return SendMessageW(choice, BM_GETCHECK, 0, 0) == BST_CHECKED; }, 5000);
}

// ---------------------------------------------------------------- list box

inline std::vector<std::wstring> ListItems(HWND list) {
  std::vector<std::wstring> items;
  const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const auto length = static_cast<int>(SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0));
    std::wstring text(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, L'\0');
    const auto got =
        static_cast<int>(SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data())));
    text.resize(static_cast<std::size_t>(got < 0 ? 0 : got));
    items.push_back(text);
  }
  return items;
}

inline int SelectedListItem(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)); }

inline bool ClickListItem(HWND list, int index) {
  RECT rect{};
  if (SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)) == LB_ERR) {
    Log(L"ClickListItem: no item " + std::to_wstring(index));
    return false;
  }
  ClickClient(list, {rect.left + 20, (rect.top + rect.bottom) / 2});
  return WaitUntil([&] { return SelectedListItem(list) == index; }, 5000);
}

// ---------------------------------------------------------------- boxes

// Waits for the box, checks its text, presses `id` and waits until it is gone.
inline bool AnswerBox(std::wstring_view caption, std::wstring_view expected_text, int id, DWORD process_id,
                      int timeout_ms = 15000) {
  std::optional<MessageBoxInfo> info = AnswerMessageBox(caption, id, timeout_ms, process_id);
  Check(info.has_value(), L"the box \"" + std::wstring(caption) + L"\" was shown and answered");
  if (!info) return false;
  if (!expected_text.empty()) CheckEqual(info->text, expected_text, L"the text of \"" + std::wstring(caption) + L"\"");
  return true;
}

// The text of the notice after a save.  The editor breaks lines with CR
// alone; a box shows each as CR LF.
inline constexpr wchar_t kSavedNotice[] =
    L"保存を行いました。\r\n\r\n設定を有効にするには、FESK及びFESKPALで\r\n"
    L"[最新情報読込み]を実行するか再起動する\r\n必要があります。";

// 保 存 (save_button), OK on "保存を実行します。", then the notice, answered too.
inline bool SaveThroughWindow(HWND main, DWORD process_id) {
  BringToFront(main);
  if (!ClickId(main, ids::kSaveButton)) return false;
  if (!AnswerBox(L"保存確認", L"保存を実行します。", IDOK, process_id)) return false;
  return AnswerBox(L"保存確認", kSavedNotice, IDOK, process_id);
}

// ---------------------------------------------------------------- files

// Bytes of a file as the editor writes them: code page 932 of a text.
inline std::string Cp932Bytes(std::wstring_view text) { return Cp932(text); }

// The CMDn section of a settings text as written by a save: "[CMDn]" and
// the eleven keys in their order, CR LF after each line.
struct ProgramKeys {
  std::wstring discription, cmdline, cmdshow = L"SW_SHOW", tasktray, workdir, option, actcode, runpos = L"111111111",
                                     hotkey, group, displaypos;
};

inline std::wstring ProgramSectionText(int slot, const ProgramKeys& k) {
  return L"[CMD" + std::to_wstring(slot) + L"]\r\n" + L"DISCRIPTION=" + k.discription + L"\r\n" + L"CMDLINE=" +
         k.cmdline + L"\r\n" + L"CMDSHOW=" + k.cmdshow + L"\r\n" + L"TASKTRAY=" + k.tasktray + L"\r\n" + L"WORKDIR=" +
         k.workdir + L"\r\n" + L"OPTION=" + k.option + L"\r\n" + L"ACTCODE=" + k.actcode + L"\r\n" + L"RUNPOS=" +
         k.runpos + L"\r\n" + L"HOTKEY=" + k.hotkey + L"\r\n" + L"GROUP=" + k.group + L"\r\n" + L"DISPLAYPOS=" +
         k.displaypos + L"\r\n";
}

// The bytes of "[name]" up to the next section (or the end).
inline std::string SectionBytes(const std::string& file, std::string_view name) {
  const std::string header = "[" + std::string(name) + "]\r\n";
  std::size_t start = file.find(header);
  if (start == std::string::npos) return {};
  std::size_t end = file.find("\r\n[", start + header.size() - 2);
  return file.substr(start, end == std::string::npos ? std::string::npos : end + 2 - start);
}

// Shows bytes as text for a log line: printable ASCII as is, others as \xNN.
inline std::wstring Escaped(const std::string& bytes) {
  std::wstring out;
  for (unsigned char c : bytes) {
    if (c == '\r') {
      out += L"\\r";
    } else if (c == '\n') {
      out += L"\\n";
    } else if (c == '\t') {
      out += L"\\t";
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<wchar_t>(c);
    } else {
      wchar_t hex[8];
      swprintf(hex, 8, L"\\x%02X", c);
      out += hex;
    }
  }
  return out;
}

inline void CheckBytes(const std::string& actual, const std::string& expected, std::wstring_view what) {
  if (actual == expected) {
    Check(true, what);
    return;
  }
  CheckEqual(Escaped(actual), Escaped(expected), what);
}

// ---------------------------------------------------------------- both programs

// The launcher's dialog button with this caption.
inline HWND LauncherButton(HWND launcher, std::wstring_view caption) { return FindChild(launcher, L"Button", caption); }

// The page "動 作" of the launcher's dialog, where the editor's buttons are.
inline bool ShowLauncherActionPage(HWND launcher) {
  HWND tab = FindWindowExW(launcher, nullptr, WC_TABCONTROLW, nullptr);
  return tab && ClickTab(tab, 0);
}

// The shown main window of an editor the launcher started; null when none
// came.
inline HWND WaitForStartedEditor() {
  WindowQuery query(kEditorClass, kEditorCaption);
  query.visible_only = true;
  return WaitForTopWindow(query, 30000);
}

// An editor the launcher started with no parameters, on a Fesk.Ini that
// registers one program titled "登録済み": it shows that program and
// registers nothing new.  False when no editor came.
inline bool CheckPlainEditor(HWND editor, std::wstring_view how) {
  Check(editor != nullptr, std::wstring(how) + L" starts the editor");
  if (!editor) return false;
  CheckText(editor, ids::kTitleField, L"登録済み", L"it shows the registered program");
  CheckEqual(static_cast<long long>(ListItems(Control(editor, ids::kProgramList)).size()), 1,
             L"and registers nothing new");
  return true;
}

// ﾏｳｽ･ｱｸｼｮﾝ転送 after a stroke, pressed on the launcher's dialog: the editor it
// starts with the code handed over, a new entry beside the registered
// program and selected; null when none came.
inline HWND TransferToEditor(HWND launcher) {
  HWND transfer = LauncherButton(launcher, L"ﾏｳｽ･ｱｸｼｮﾝ転送");
  Check(transfer && IsWindowEnabled(transfer), L"ﾏｳｽ･ｱｸｼｮﾝ転送 is enabled after the stroke");
  BringToFront(launcher);
  Check(transfer && ClickControl(transfer), L"ﾏｳｽ･ｱｸｼｮﾝ転送 is clicked");
  HWND handed = WaitForStartedEditor();
  Check(handed != nullptr, L"ﾏｳｽ･ｱｸｼｮﾝ転送 starts the editor");
  if (handed) {
    CheckEqual(static_cast<long long>(ListItems(Control(handed, ids::kProgramList)).size()), 2,
               L"beside the registered program a new entry for the code");
    CheckText(handed, ids::kTitleField, L"<新規登録>", L"the new entry is selected");
  }
  return handed;
}

// 終 了, and the close question answered "No" when there are changes; true
// once no editor runs.
inline bool EndEditor(HWND main) {
  const DWORD pid = WindowProcess(main);
  BringToFront(main);
  ClickId(main, ids::kEndButton);
  // A box is complete, buttons and all, once it is shown.
  WindowQuery question(L"#32770", L"終了確認", pid);
  question.visible_only = true;
  HWND box = nullptr;
  WaitUntil(
      [&] {
        box = FindTopWindow(question);
        return box != nullptr || CountProcesses(L"FeskINI.exe") == 0;
      },
      15000);
  if (box) PressButton(box, IDNO);
  return WaitUntil([&] { return CountProcesses(L"FeskINI.exe") == 0; }, 15000);
}

}  // namespace fesk::e2e::editor
