// The page "グループ", the group filter CheckBox10 and the display-group
// panel.  Groups are named by their paths ("A\A1\X"), which the programs
// keep in GROUP; renaming or moving a group rewrites the paths that begin
// with its old one.
//
// In mode 1 (RadioButton6) the tree chooses the display group: selecting a
// node turns the filter on and lists that group's programs.  In mode 2
// (RadioButton7) the tree is read-only and only chooses the group that
// Button23 puts the selected program into.
//
// Operations that need a selected node do nothing without one.
#include <algorithm>

#include "common/cp932.h"
#include "editor/main_form.h"

namespace fesk::editor {

namespace {
constexpr char kFirstGroupName[] = "FESK";
}

void TFFeskINI::LayOutFilter(bool on) {
  if (on) {
    // The list moves down and uncovers Panel2 above it.
    BitBtn2.top = 50;
    BitBtn2.height = 48;
    BitBtn3.top = 98;
    BitBtn3.height = 48;
    ListBox1.top = 50;
    ListBox1.height = 96;
  } else {
    BitBtn2.top = 24;
    BitBtn2.height = 61;
    BitBtn3.top = 85;
    BitBtn3.height = 61;
    ListBox1.top = 24;
    ListBox1.height = 122;
  }
}

// Lists the registered programs (slots up to the first free one), only those
// of the display group when filtered, and selects the first.  Free slots are
// never listed, whatever group they may have been read with.
void TFFeskINI::RebuildList(bool filtered) {
  ListBox1.items.clear();
  ListSlotMap.fill(kNoListSlot);
  ListCount = 0;
  for (int n = 0; n < kProgramSlots; ++n) {
    const ProgramEntry& entry = ProgramTable[static_cast<std::size_t>(n)];
    if (entry.IsFree()) break;
    if (filtered && entry.group != DisplayGroup) continue;
    ListBox1.items.push_back(ListItemText(n, entry.discription));
    ListSlotMap[static_cast<std::size_t>(ListCount)] = n;
    ++ListCount;
  }
  CurrentItem = 0;
  SelectItem(0);
  ShowEntry(0);
}

void TFFeskINI::CheckBox10Click() {
  const bool on = CheckBox10.checked();
  LayOutFilter(on);
  if (on) {
    RebuildList(true);
    FocusControl(ListBox1);
    if (ListCount == 0 &&
        (PageControl1.active == Page::kShortCut || PageControl1.active == Page::kMouseAction)) {
      ShowPage(Page::kProgram);
    }
  } else {
    Label8.caption = std::to_string(LastSlot + 1);
    RebuildList(false);
    FocusControl(ListBox1);
  }
}

void TFFeskINI::SelectGroupNode(GroupNodeId node) { TreeView1Change(node); }

// Only a real change counts, as with the tree view's own notification: the
// window showing the model's selection again must not rebuild the list.
void TFFeskINI::TreeView1Change(GroupNodeId node) {
  if (!TreeView1.tree.Exists(node)) node = kNoGroupNode;
  if (node == TreeView1.selected) return;
  TreeView1.selected = node;
  if (!RadioButton6.checked || TreeView1.selected == kNoGroupNode) return;
  // Turning the filter on first lists the old display group; the new one
  // follows at once.
  CheckBox10.SetChecked(true);
  DisplayGroup = TreeView1.tree.Path(node);
  Label17.caption = DisplayGroup;
  RebuildList(true);
  FocusControl(TreeView1);
}

bool TFFeskINI::TreeView1Editing(GroupNodeId node) {
  if (TreeView1.read_only || !TreeView1.tree.Exists(node)) return false;
  TreeView1.editing = node;
  return true;
}

// A program's GROUP follows its group: the old path, alone or followed by
// "\", is replaced at the start.  An empty GROUP means no group and is never
// taken for the path of a group with an empty name.
void TFFeskINI::ReplaceGroupPrefix(const std::string& old_path, const std::string& new_path) {
  for (int slot = 0; slot <= LastSlot; ++slot) {
    ProgramEntry& entry = ProgramTable[static_cast<std::size_t>(slot)];
    const std::string& group = entry.group;
    bool same = !old_path.empty() && group == old_path;
    bool below = group.size() > old_path.size() && group.starts_with(old_path) &&
                 group[old_path.size()] == '\\';
    if (same || below) SetField(entry, &ProgramEntry::group, new_path + group.substr(old_path.size()));
  }
}

void TFFeskINI::TreeView1Edited(const std::optional<std::string>& new_name) {
  GroupTree& tree = TreeView1.tree;
  GroupNodeId node = TreeView1.editing != kNoGroupNode ? TreeView1.editing : TreeView1.selected;
  TreeView1.editing = kNoGroupNode;
  // An empty name is refused, as 追 加 refuses one: the group keeps its
  // name and its programs their paths, as after an edit cancelled.
  if (!new_name || new_name->empty() || !tree.Exists(node)) return;
  Modified = true;
  FocusControl(TreeView1);
  const std::string old_path = tree.Path(node);
  const GroupNodeId parent = tree.Parent(node);
  const std::string new_path =
      (parent == kNoGroupNode ? std::string() : tree.Path(parent) + "\\") + *new_name;
  DisplayGroup = new_path;
  ReplaceGroupPrefix(old_path, new_path);
  const ProgramEntry* entry = SelectedEntry();
  Label20.caption = entry == nullptr ? std::string() : entry->group;
  // The panel shows the display group, which is now the renamed group.
  Label17.caption = DisplayGroup;
  tree.Rename(node, *new_name);
}

void TFFeskINI::Button3Click() {
  GroupTree& tree = TreeView1.tree;
  if (tree.Empty()) {
    Modified = true;
    tree.AddChild(kNoGroupNode, kFirstGroupName);
    EnableGroupButtons(true);
  } else if (TreeView1.selected != kNoGroupNode) {
    const GroupNodeId parent = TreeView1.selected;
    std::optional<std::string> name =
        dialogs_.InputBox("新規グループ作成　親[" + tree.Name(parent) + "]",
                          "新規グループ名を入力してください", "");
    if (name && !name->empty()) {
      Modified = true;
      GroupNodeId added = tree.AddChild(parent, *name);
      TreeView1.expanded.insert(parent);
      SelectGroupNode(added);
    }
  }
  FocusControl(TreeView1);
}

void TFFeskINI::Button19Click() {
  if (TreeView1.selected == kNoGroupNode) return;
  FocusControl(TreeView1);
  TreeView1.editing = TreeView1.selected;
}

void TFFeskINI::Button11Click() {
  GroupTree& tree = TreeView1.tree;
  const GroupNodeId node = TreeView1.selected;
  if (node == kNoGroupNode) return;
  FocusControl(TreeView1);
  Answer answer = dialogs_.MessageBox("\"" + tree.Name(node) +
                                          "\"\r"
                                          "グループを削除します\r"
                                          "\r"
                                          "（グループを削除しても削除グループに属する\r"
                                          "　プログラム情報は、変わりません）",
                                      "グループの削除", Buttons::kOkCancel);
  if (answer != Answer::kOk) return;
  Modified = true;
  if (MoveSource != kNoGroupNode && tree.IsInSubtree(MoveSource, node)) ForgetMoveSource();

  // The tree then selects the next sibling, else the parent, else the
  // previous sibling.
  const std::vector<GroupNodeId>& siblings = tree.Children(tree.Parent(node));
  auto it = std::find(siblings.begin(), siblings.end(), node);
  GroupNodeId next = kNoGroupNode;
  if (it + 1 != siblings.end()) {
    next = *(it + 1);
  } else if (tree.Parent(node) != kNoGroupNode) {
    next = tree.Parent(node);
  } else if (it != siblings.begin()) {
    next = *(it - 1);
  }
  for (GroupNodeId gone : tree.Subtree(node)) TreeView1.expanded.erase(gone);
  tree.Remove(node);
  TreeView1.selected = kNoGroupNode;
  if (tree.Empty()) EnableGroupButtons(false);
  if (next != kNoGroupNode) TreeView1Change(next);
}

void TFFeskINI::Button12Click() {
  TreeView1.tree.SortAll(
      [this](const std::string& a, const std::string& b) { return compare_names_(a, b) < 0; });
  FocusControl(TreeView1);
}

void TFFeskINI::Button21Click() {
  if (TreeView1.selected == kNoGroupNode) return;
  MoveSource = TreeView1.selected;
  Button22.enabled = true;
  Label18.caption = TreeView1.tree.Name(MoveSource);
  ShowMoveSource(true);
  FocusControl(TreeView1);
}

void TFFeskINI::Button22Click() {
  GroupTree& tree = TreeView1.tree;
  const GroupNodeId destination = TreeView1.selected;
  if (destination == kNoGroupNode || !tree.Exists(MoveSource)) return;
  const std::string source_path = tree.Path(MoveSource);
  DisplayGroup = tree.Path(destination);
  Label17.caption = DisplayGroup;
  // A group cannot go into itself or below itself.  The test is on the
  // tree, so that "A" can still go under a sibling named "AB".
  if (!tree.IsInSubtree(destination, MoveSource)) {
    Modified = true;
    tree.MoveUnder(MoveSource, destination);
    TreeView1.expanded.insert(destination);
    ReplaceGroupPrefix(source_path, tree.Path(MoveSource));
    SelectGroupNode(MoveSource);
    if (CheckBox10.checked()) RebuildList(true);
  }
  // The source stays chosen, so that it can be moved again.
  FocusControl(TreeView1);
}

void TFFeskINI::Button23Click() {
  if (ListCount == 0) {
    FocusControl(TreeView1);
    return;
  }
  const GroupNodeId node = TreeView1.selected;
  ProgramEntry* entry = SelectedEntry();
  if (node == kNoGroupNode || entry == nullptr) return;
  Answer answer = dialogs_.MessageBox("\"" + entry->discription + "\"を\r\"" +
                                          TreeView1.tree.Name(node) + "\"\rグループに登録します\r",
                                      "グループ登録", Buttons::kOkCancel);
  if (answer == Answer::kOk) {
    DisplayGroup = TreeView1.tree.Path(node);
    Label17.caption = DisplayGroup;
    Modified = true;
    SetField(*entry, &ProgramEntry::group, DisplayGroup);
    Label20.caption = entry->group;
    if (CheckBox10.checked()) {
      RebuildList(true);
      CheckBox10Click();
    }
  }
  FocusControl(TreeView1);
}

void TFFeskINI::EnableGroupButtons(bool enabled) {
  for (Button* button : {&Button23, &Button12, &Button19, &Button11, &Button21}) {
    button->enabled = enabled;
  }
  if (!enabled) {
    Button22.enabled = false;
    ShowMoveSource(false);
  }
}

void TFFeskINI::ShowMoveSource(bool shown) {
  const bool visible = shown && RadioButton6.checked;
  Label18.visible = Image7.visible = Image8.visible = visible;
}

void TFFeskINI::ForgetMoveSource() {
  MoveSource = kNoGroupNode;
  Button22.enabled = false;
  Label18.caption.clear();
  ShowMoveSource(false);
}

void TFFeskINI::SetUpMode1() {
  for (Control* control : {static_cast<Control*>(&Button3), static_cast<Control*>(&Button12),
                           static_cast<Control*>(&Button19), static_cast<Control*>(&Button11),
                           static_cast<Control*>(&Button21), static_cast<Control*>(&Button22),
                           static_cast<Control*>(&Bevel2)}) {
    control->visible = true;
  }
  ShowMoveSource(Button22.enabled);
  TreeView1.read_only = false;
  TreeView1.SetBounds(80, 36, 241, 102);
  Shape22.visible = false;
  Button23.visible = false;
  FocusControl(TreeView1);
}

void TFFeskINI::RadioButton6Click() {
  RadioButton6.checked = true;
  RadioButton7.checked = false;
  SetUpMode1();
}

void TFFeskINI::RadioButton7Click() {
  if (Label6.caption == "0") {
    // No program to put into a group.
    RadioButton6Click();
    return;
  }
  RadioButton6.checked = false;
  RadioButton7.checked = true;
  for (Control* control :
       {static_cast<Control*>(&Button3), static_cast<Control*>(&Button12),
        static_cast<Control*>(&Button19), static_cast<Control*>(&Button11),
        static_cast<Control*>(&Button21), static_cast<Control*>(&Button22),
        static_cast<Control*>(&Image7), static_cast<Control*>(&Image8),
        static_cast<Control*>(&Bevel2), static_cast<Control*>(&Label18)}) {
    control->visible = false;
  }
  TreeView1.read_only = true;
  TreeView1.SetBounds(40, 36, 321, 102);
  Shape22.visible = true;
  Button23.visible = true;
  FocusControl(TreeView1);
  const ProgramEntry* entry = SelectedEntry();
  if (RadioButton4.checked && entry != nullptr) {
    dialogs_.MessageBox("\"" + entry->discription +
                            "\"\r"
                            "\r"
                            "　を登録するグループを選択して\r"
                            "　[プログラムをグループに登録]の\r"
                            "　ボタンを押してください",
                        "FESKINI 確認", Buttons::kOk);
  }
}

void TFFeskINI::Panel2Click() {
  ShowPage(Page::kGroup);
  RadioButton6Click();
}

}  // namespace fesk::editor
