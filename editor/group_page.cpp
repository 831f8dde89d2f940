// The page "グループ", the group filter group_filter and the display-group
// panel.  Groups are named by their paths ("A\A1\X"), which the programs
// keep in GROUP; renaming or moving a group rewrites the paths that begin
// with its old one.
//
// In mode 1 (mode1_choice) the tree chooses the display group: selecting a
// node turns the filter on and lists that group's programs.  In mode 2
// (mode2_choice) the tree is read-only and only chooses the group that
// register_in_group_button puts the selected program into.
//
// Operations that need a selected node do nothing without one.
#include <algorithm>

#include "common/cp932.h"
#include "editor/main_form.h"

namespace fesk::editor {

namespace {
constexpr char kFirstGroupName[] = "FESK";
}

void MainForm::LayOutFilter(bool on) {
  if (on) {
    // The list moves down and uncovers display_group_panel above it.
    move_up_button.top = 50;
    move_up_button.height = 48;
    move_down_button.top = 98;
    move_down_button.height = 48;
    program_list.top = 50;
    program_list.height = 96;
  } else {
    move_up_button.top = 24;
    move_up_button.height = 61;
    move_down_button.top = 85;
    move_down_button.height = 61;
    program_list.top = 24;
    program_list.height = 122;
  }
}

// Lists the registered programs (slots up to the first free one), only those
// of the display group when filtered, and selects the first.  Free slots are
// never listed, whatever group they may have been read with.
void MainForm::RebuildList(bool filtered) {
  program_list.items.clear();
  ListSlotMap.fill(kNoListSlot);
  ListCount = 0;
  for (int n = 0; n < kProgramSlots; ++n) {
    const ProgramEntry& entry = ProgramTable[static_cast<std::size_t>(n)];
    if (entry.IsFree()) break;
    if (filtered && entry.group != DisplayGroup) continue;
    program_list.items.push_back(ListItemText(n, entry.discription));
    ListSlotMap[static_cast<std::size_t>(ListCount)] = n;
    ++ListCount;
  }
  CurrentItem = 0;
  SelectItem(0);
  ShowEntry(0);
}

void MainForm::GroupFilterClick() {
  const bool on = group_filter.checked();
  LayOutFilter(on);
  if (on) {
    RebuildList(true);
    FocusControl(program_list);
    if (ListCount == 0 && (pages.active == Page::kShortCut || pages.active == Page::kMouseAction)) {
      ShowPage(Page::kProgram);
    }
  } else {
    program_count.caption = std::to_string(LastSlot + 1);
    RebuildList(false);
    FocusControl(program_list);
  }
}

void MainForm::SelectGroupNode(GroupNodeId node) { GroupTreeChange(node); }

// Only a real change counts, as with the tree view's own notification: the
// window showing the model's selection again must not rebuild the list.
void MainForm::GroupTreeChange(GroupNodeId node) {
  if (!group_tree.tree.Exists(node)) node = kNoGroupNode;
  if (node == group_tree.selected) return;
  group_tree.selected = node;
  if (!mode1_choice.checked || group_tree.selected == kNoGroupNode) return;
  // Turning the filter on first lists the old display group; the new one
  // follows at once.
  group_filter.SetChecked(true);
  DisplayGroup = group_tree.tree.Path(node);
  display_group_label.caption = DisplayGroup;
  RebuildList(true);
  FocusControl(group_tree);
}

bool MainForm::GroupTreeEditing(GroupNodeId node) {
  if (group_tree.read_only || !group_tree.tree.Exists(node)) return false;
  group_tree.editing = node;
  return true;
}

// A program's GROUP follows its group: the old path, alone or followed by
// "\", is replaced at the start.  An empty GROUP means no group and is never
// taken for the path of a group with an empty name.
void MainForm::ReplaceGroupPrefix(const std::string& old_path, const std::string& new_path) {
  for (int slot = 0; slot <= LastSlot; ++slot) {
    ProgramEntry& entry = ProgramTable[static_cast<std::size_t>(slot)];
    const std::string& group = entry.group;
    bool same = !old_path.empty() && group == old_path;
    bool below = group.size() > old_path.size() && group.starts_with(old_path) && group[old_path.size()] == '\\';
    if (same || below) SetField(entry, &ProgramEntry::group, new_path + group.substr(old_path.size()));
  }
}

void MainForm::GroupTreeEdited(const std::optional<std::string>& new_name) {
  GroupTree& tree = group_tree.tree;
  GroupNodeId node = group_tree.editing != kNoGroupNode ? group_tree.editing : group_tree.selected;
  group_tree.editing = kNoGroupNode;
  // An empty name is refused, as 追 加 refuses one: the group keeps its
  // name and its programs their paths, as after an edit cancelled.
  if (!new_name || new_name->empty() || !tree.Exists(node)) return;
  Modified = true;
  FocusControl(group_tree);
  const std::string old_path = tree.Path(node);
  const GroupNodeId parent = tree.Parent(node);
  const std::string new_path = (parent == kNoGroupNode ? std::string() : tree.Path(parent) + "\\") + *new_name;
  DisplayGroup = new_path;
  ReplaceGroupPrefix(old_path, new_path);
  const ProgramEntry* entry = SelectedEntry();
  entry_group_label.caption = entry == nullptr ? std::string() : entry->group;
  // The panel shows the display group, which is now the renamed group.
  display_group_label.caption = DisplayGroup;
  tree.Rename(node, *new_name);
}

void MainForm::AddGroup() {
  GroupTree& tree = group_tree.tree;
  if (tree.Empty()) {
    Modified = true;
    tree.AddChild(kNoGroupNode, kFirstGroupName);
    EnableGroupButtons(true);
  } else if (group_tree.selected != kNoGroupNode) {
    const GroupNodeId parent = group_tree.selected;
    std::optional<std::string> name =
        dialogs_.InputBox("新規グループ作成　親[" + tree.Name(parent) + "]", "新規グループ名を入力してください", "");
    if (name && !name->empty()) {
      Modified = true;
      GroupNodeId added = tree.AddChild(parent, *name);
      group_tree.expanded.insert(parent);
      SelectGroupNode(added);
    }
  }
  FocusControl(group_tree);
}

void MainForm::RenameGroup() {
  if (group_tree.selected == kNoGroupNode) return;
  FocusControl(group_tree);
  group_tree.editing = group_tree.selected;
}

void MainForm::DeleteGroup() {
  GroupTree& tree = group_tree.tree;
  const GroupNodeId node = group_tree.selected;
  if (node == kNoGroupNode) return;
  FocusControl(group_tree);
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
  for (GroupNodeId gone : tree.Subtree(node)) group_tree.expanded.erase(gone);
  tree.Remove(node);
  group_tree.selected = kNoGroupNode;
  if (tree.Empty()) EnableGroupButtons(false);
  if (next != kNoGroupNode) GroupTreeChange(next);
}

void MainForm::SortGroups() {
  group_tree.tree.SortAll([this](const std::string& a, const std::string& b) { return compare_names_(a, b) < 0; });
  FocusControl(group_tree);
}

void MainForm::ChooseMoveSource() {
  if (group_tree.selected == kNoGroupNode) return;
  MoveSource = group_tree.selected;
  move_target_button.enabled = true;
  move_source_label.caption = group_tree.tree.Name(MoveSource);
  ShowMoveSource(true);
  FocusControl(group_tree);
}

void MainForm::MoveGroup() {
  GroupTree& tree = group_tree.tree;
  const GroupNodeId destination = group_tree.selected;
  if (destination == kNoGroupNode || !tree.Exists(MoveSource)) return;
  const std::string source_path = tree.Path(MoveSource);
  DisplayGroup = tree.Path(destination);
  display_group_label.caption = DisplayGroup;
  // A group cannot go into itself or below itself.  The test is on the
  // tree, so that "A" can still go under a sibling named "AB".
  if (!tree.IsInSubtree(destination, MoveSource)) {
    Modified = true;
    tree.MoveUnder(MoveSource, destination);
    group_tree.expanded.insert(destination);
    ReplaceGroupPrefix(source_path, tree.Path(MoveSource));
    SelectGroupNode(MoveSource);
    if (group_filter.checked()) RebuildList(true);
  }
  // The source stays chosen, so that it can be moved again.
  FocusControl(group_tree);
}

void MainForm::RegisterInGroup() {
  if (ListCount == 0) {
    FocusControl(group_tree);
    return;
  }
  const GroupNodeId node = group_tree.selected;
  ProgramEntry* entry = SelectedEntry();
  if (node == kNoGroupNode || entry == nullptr) return;
  Answer answer = dialogs_.MessageBox(
      "\"" + entry->discription + "\"を\r\"" + group_tree.tree.Name(node) + "\"\rグループに登録します\r",
      "グループ登録", Buttons::kOkCancel);
  if (answer == Answer::kOk) {
    DisplayGroup = group_tree.tree.Path(node);
    display_group_label.caption = DisplayGroup;
    Modified = true;
    SetField(*entry, &ProgramEntry::group, DisplayGroup);
    entry_group_label.caption = entry->group;
    if (group_filter.checked()) {
      RebuildList(true);
      GroupFilterClick();
    }
  }
  FocusControl(group_tree);
}

void MainForm::EnableGroupButtons(bool enabled) {
  for (Button* button : {&register_in_group_button, &sort_groups_button, &rename_group_button, &delete_group_button,
                         &move_source_button}) {
    button->enabled = enabled;
  }
  if (!enabled) {
    move_target_button.enabled = false;
    ShowMoveSource(false);
  }
}

void MainForm::ShowMoveSource(bool shown) {
  const bool visible = shown && mode1_choice.checked;
  move_source_label.visible = move_arrow_left.visible = move_arrow_right.visible = visible;
}

void MainForm::ForgetMoveSource() {
  MoveSource = kNoGroupNode;
  move_target_button.enabled = false;
  move_source_label.caption.clear();
  ShowMoveSource(false);
}

void MainForm::SetUpMode1() {
  for (Control* control : {static_cast<Control*>(&add_group_button), static_cast<Control*>(&sort_groups_button),
                           static_cast<Control*>(&rename_group_button), static_cast<Control*>(&delete_group_button),
                           static_cast<Control*>(&move_source_button), static_cast<Control*>(&move_target_button),
                           static_cast<Control*>(&move_source_bevel)}) {
    control->visible = true;
  }
  ShowMoveSource(move_target_button.enabled);
  group_tree.read_only = false;
  group_tree.SetBounds(80, 36, 241, 102);
  mode2_frame.visible = false;
  register_in_group_button.visible = false;
  FocusControl(group_tree);
}

void MainForm::ChooseMode1() {
  mode_choice.Check(mode1_choice);
  SetUpMode1();
}

void MainForm::ChooseMode2() {
  if (list_position.caption == "0") {
    // No program to put into a group.
    ChooseMode1();
    return;
  }
  mode_choice.Check(mode2_choice);
  for (Control* control : {static_cast<Control*>(&add_group_button), static_cast<Control*>(&sort_groups_button),
                           static_cast<Control*>(&rename_group_button), static_cast<Control*>(&delete_group_button),
                           static_cast<Control*>(&move_source_button), static_cast<Control*>(&move_target_button),
                           static_cast<Control*>(&move_arrow_left), static_cast<Control*>(&move_arrow_right),
                           static_cast<Control*>(&move_source_bevel), static_cast<Control*>(&move_source_label)}) {
    control->visible = false;
  }
  group_tree.read_only = true;
  group_tree.SetBounds(40, 36, 321, 102);
  mode2_frame.visible = true;
  register_in_group_button.visible = true;
  FocusControl(group_tree);
  const ProgramEntry* entry = SelectedEntry();
  if (hints_on.checked && entry != nullptr) {
    dialogs_.MessageBox("\"" + entry->discription +
                            "\"\r"
                            "\r"
                            "　を登録するグループを選択して\r"
                            "　[プログラムをグループに登録]の\r"
                            "　ボタンを押してください",
                        "FESKINI 確認", Buttons::kOk);
  }
}

void MainForm::DisplayGroupClick() {
  ShowPage(Page::kGroup);
  ChooseMode1();
}

}  // namespace fesk::editor
