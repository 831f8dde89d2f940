// Editing a group tree that FESK.TBL brings, through the real window:
// renaming a group in place (編 集, the name typed into the tree's own edit
// box; Escape cancels), sorting (ソート, in the order lstrcmpA gives under
// code page 932), moving a group with 移動元 / 移動先, deleting one with
// "グループの削除".  The programs' GROUP values follow a rename and a move,
// a sibling whose name merely begins the same is left alone, and a deleted
// group's programs keep their path.  保 存 writes the tree and the paths.
#include <algorithm>

#include "tests/e2e/editor_scenario_support.h"

using namespace fesk::e2e;
using namespace fesk::e2e::editor;

namespace {

const char* const kName = "editor_groups";

std::vector<std::wstring> Names(const std::vector<TreeItem>& items, int depth) {
  std::vector<std::wstring> names;
  for (const TreeItem& item : items) {
    if (item.depth == depth) names.push_back(item.name);
  }
  return names;
}

}  // namespace

int main() {
  const std::wstring folder = MakeTestFolder(L"editor_groups");
  auto program = [](int n, const std::wstring& title, const std::wstring& group) {
    return L"[CMD" + std::to_wstring(n) + L"]\r\nDISCRIPTION=" + title + L"\r\nCMDLINE=C:\\windows\\notepad.exe\r\n" +
           L"CMDSHOW=SW_SHOW\r\nGROUP=" + group + L"\r\n";
  };
  FillEditorFolder(folder, program(0, L"ビー", L"FESK\\B") + program(1, L"エックス", L"FESK\\B\\X") +
                               program(2, L"ビーエックス", L"FESK\\BX") + program(3, L"エー", L"FESK\\A"));
  const std::wstring table = L"FESK\r\n\tB\r\n\t\tX\r\n\tBX\r\n\tA\r\n\tｶﾅ\r\n\tあ\r\n\t漢\r\n\tb\r\n";
  Check(WriteCp932File(folder + L"\\FESK.TBL", table), L"FESK.TBL holds a tree");

  Process editor;
  HWND main = StartEditor(folder + L"\\FeskINI.exe", L"", folder, editor);
  if (!main) return Finish(kName);
  const DWORD pid = editor.id();
  HWND tree = Control(main, ids::kGroupTree), list = Control(main, ids::kProgramList);
  Check(ShowTab(main, Tab::kGroup), L"the group page");
  CheckEqual(TreeAsTable(tree), table, L"the tree is read from FESK.TBL, fully expanded");

  // ---- Rename B to C in place ----
  Check(ClickTreeItem(tree, L"B"), L"B is selected");
  Check(WaitUntil([&] { return ListItems(list) == std::vector<std::wstring>{L"0   ビー"}; }, 5000),
        L"the list shows B's program only (not X's, not BX's)");
  ClickId(main, ids::kRenameGroupButton);
  Check(WaitUntil([&] { return TreeLabelEdit(tree) != nullptr; }, 5000), L"編 集 opens the name for editing");
  HWND label_edit = TreeLabelEdit(tree);
  CheckEqual(WindowText(label_edit), L"B", L"holding the old name");
  Screenshot(L"editor_groups-1-rename");
  TypeText(L"取消");
  PressKey(VK_ESCAPE);
  Check(WaitUntil([&] { return TreeLabelEdit(tree) == nullptr; }, 5000), L"Escape ends the edit");
  CheckEqual(TreeAsTable(tree), table, L"a cancelled edit changes nothing");
  ClickId(main, ids::kRenameGroupButton);
  Check(WaitUntil([&] { return TreeLabelEdit(tree) != nullptr; }, 5000), L"編 集 again");
  TypeText(L"C");
  PressKey(VK_RETURN);
  Check(WaitUntil([&] { return TreeLabelEdit(tree) == nullptr && FindTreeItem(tree, L"C") != nullptr; }, 5000),
        L"Enter gives the group its new name");
  CheckText(main, ids::kDisplayGroupLabel, L"FESK\\C", L"the display group is the renamed group");

  // ---- Sort: every level in lstrcmpA order ----
  ClickId(main, ids::kSortGroupsButton);
  std::vector<std::wstring> expected = {L"C", L"BX", L"A", L"ｶﾅ", L"あ", L"漢", L"b"};
  std::stable_sort(expected.begin(), expected.end(), [](const std::wstring& a, const std::wstring& b) {
    return lstrcmpA(Cp932(a).c_str(), Cp932(b).c_str()) < 0;
  });
  Check(WaitUntil([&] { return Names(TreeItems(tree), 1) == expected; }, 5000),
        L"ソート orders FESK's children as lstrcmpA does");
  std::wstring order;
  for (const std::wstring& name : Names(TreeItems(tree), 1)) order += name + L" ";
  Log(L"sorted: " + order);
  Screenshot(L"editor_groups-2-sorted");

  // ---- Move X (below C) under A ----
  Check(ClickTreeItem(tree, L"X"), L"X is selected");
  ClickId(main, ids::kMoveSourceButton);
  CheckText(main, ids::kMoveSourceLabel, L"X", L"移動元 shows the source");
  Check(IsWindowEnabled(Control(main, ids::kMoveTargetButton)) != 0, L"and enables 移動先");
  Check(ClickTreeItem(tree, L"A"), L"A is selected");
  ClickId(main, ids::kMoveTargetButton);
  Check(WaitUntil(
            [&] {
              std::vector<TreeItem> items = TreeItems(tree);
              auto a = std::find_if(items.begin(), items.end(), [](const TreeItem& i) { return i.name == L"A"; });
              return a != items.end() && a + 1 != items.end() && (a + 1)->name == L"X" && (a + 1)->depth == 2;
            },
            5000),
        L"移動先 puts X below A");
  CheckText(main, ids::kDisplayGroupLabel, L"FESK\\A\\X", L"the moved group is the display group");
  Check(WaitUntil([&] { return ListItems(list) == std::vector<std::wstring>{L"1   エックス"}; }, 5000),
        L"and lists X's program");
  Screenshot(L"editor_groups-3-moved");

  // ---- Delete BX ----
  Check(ClickTreeItem(tree, L"BX"), L"BX is selected");
  ClickId(main, ids::kDeleteGroupButton);
  AnswerBox(L"グループの削除",
            L"\"BX\"\r\nグループを削除します\r\n\r\n（グループを削除しても削除グループに属する\r\n　プログラム情報は、"
            L"変わりません）",
            IDOK, pid);
  Check(WaitUntil([&] { return FindTreeItem(tree, L"BX") == nullptr; }, 5000), L"BX is gone from the tree");

  // ---- Save ----
  const std::wstring saved_table = TreeAsTable(tree);
  Check(SaveThroughWindow(main, pid), L"保 存");
  CheckBytes(ReadFileBytes(folder + L"\\FESK.TBL").value_or(""), Cp932(saved_table),
             L"FESK.TBL is the tree as shown: renamed, sorted, moved, without BX");
  Check(
      saved_table.find(L"\tC\r\n") != std::wstring::npos && saved_table.find(L"\tA\r\n\t\tX\r\n") != std::wstring::npos,
      L"with C, and X below A");
  const std::string file = ReadFileBytes(folder + L"\\Fesk.Ini").value_or("");
  auto group_of = [&](int n) {
    std::string section = SectionBytes(file, "CMD" + std::to_string(n));
    std::size_t at = section.find("GROUP=");
    if (at == std::string::npos) return std::wstring(L"(none)");
    return FromCp932(section.substr(at + 6, section.find("\r\n", at) - at - 6));
  };
  CheckEqual(group_of(0), L"FESK\\C", L"B's program follows the rename");
  CheckEqual(group_of(1), L"FESK\\A\\X", L"X's program follows the rename and the move");
  CheckEqual(group_of(2), L"FESK\\BX", L"the sibling BX's program is untouched, and keeps its path after the delete");
  CheckEqual(group_of(3), L"FESK\\A", L"A's program is untouched");
  return Finish(kName);
}
