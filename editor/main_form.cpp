// Construction of the main window's form: its ports, the binding of every
// control's action to its handler, the focus model and the helpers every area
// of the form uses.
#include "editor/main_form.h"

#include "common/cp932.h"
#include "common/group_table.h"
#include "common/settings_file.h"
#include "common/storable_path.h"

namespace fesk::editor {

MainForm::MainForm(const EditorPorts& ports, const FilePath& executable_path, const FilePath& settings_folder,
                   GroupNameCompare compare_names)
    : palette_dialog(*this),
      dialogs_(ports.dialogs),
      shell_(ports.shell),
      clock_(ports.clock),
      open_dialog_(ports.open_dialog),
      desktop_(ports.desktop),
      key_names_(ports.key_names),
      paths_(ports.paths),
      folder_(FolderOf(executable_path)),
      settings_folder_(settings_folder),
      compare_names_(std::move(compare_names)) {
  ListSlotMap.fill(kNoListSlot);
  BuildLayout();
  BindHandlers();
}

FilePath MainForm::SettingsPath() const { return InFolder(settings_folder_, kSettingsFileName); }
FilePath MainForm::GroupTablePath() const { return InFolder(settings_folder_, kGroupTableFileName); }

// The folder's short form is asked for, not the palette program's: the
// program need not be there yet.
std::optional<std::string> MainForm::StorableProgramFolder() { return StorablePathOrRefuse(folder_, paths_, dialogs_); }

// What each control's action does, and what leaving or entering a control
// does (the focus model runs those).
void MainForm::BindHandlers() {
  // Upper area and right column.
  program_list.on_click = [this] { ProgramListClick(); };
  group_filter.on_click = [this] { GroupFilterClick(); };
  move_up_button.on_click = [this] { MoveEntryUp(); };
  move_down_button.on_click = [this] { MoveEntryDown(); };
  hints_on.on_click = [this] { HintsOn(); };
  hints_off.on_click = [this] { HintsOff(); };
  about_button.on_click = [this] { OpenAboutBox(); };
  new_button.on_click = [this] { NewEntry(); };
  delete_button.on_click = [this] { DeleteEntry(); };
  desktop_button.on_click = [this] { ImportDesktop(); };
  duplicate_check_button.on_click = [this] { CheckDuplicateShortCuts(); };
  save_button.on_click = [this] { SaveClick(); };
  end_button.on_click = [this] { EndEditor(); };
  // The display group's panel and both group labels take a click.
  display_group_panel.on_click = [this] { DisplayGroupClick(); };
  display_group_label.on_click = [this] { DisplayGroupClick(); };
  entry_group_label.on_click = [this] { DisplayGroupClick(); };

  // "プログラム": Enter moves on to the next field.
  title_field.on_enter_key = [this] { TitleKeyPress('\r'); };
  command_field.on_enter_key = [this] { CommandKeyPress('\r'); };
  option_field.on_enter_key = [this] { OptionKeyPress('\r'); };
  work_folder_field.on_enter_key = [this] { WorkFolderKeyPress('\r'); };
  command_field.on_change = [this] { CommandChange(); };
  palette_button.on_click = [this] { OpenPaletteDialog(); };
  browse_button.on_click = [this] { BrowseProgram(); };
  exit_handlers_[&title_field] = [this] { StoreTitle(); };
  exit_handlers_[&command_field] = [this] { StoreCommand(); };
  exit_handlers_[&option_field] = [this] { StoreOption(); };
  exit_handlers_[&work_folder_field] = [this] { StoreWorkFolder(); };
  for (std::size_t i = 0; i < kShowStates.size(); ++i) {
    const char* value = kShowStates[i];
    exit_handlers_[show_state.buttons()[i]] = [this, value] { StoreShowState(value); };
    enter_handlers_[show_state.buttons()[i]] = [this, value] { StoreShowState(value); };
  }
  exit_handlers_[&tray_box] = [this] { StoreTrayOption(); };

  // "ｼｮｰﾄ･ｶｯﾄ".
  exit_handlers_[&shortcut_field] = [this] { StoreShortCut(); };

  // "マウスACT": any mouse button on a palette square adds its letter.
  for (int q = kUpperLeft; q <= kLowerRight; ++q) {
    quadrant_squares[static_cast<std::size_t>(q)].on_mouse_down = [this, q](MouseButton) {
      AddQuadrantLetter(static_cast<Quadrant>(q));
    };
  }
  backspace_button.on_click = [this] { BackSpaceCell(); };
  clear_button.on_click = [this] { ClearAction(); };
  read_action_button.on_click = [this] { ReadMouseAction(); };
  confirm_button.on_click = [this] { ConfirmAction(); };
  for (int k = 1; k <= 9; ++k) {
    exit_handlers_[&start_positions[static_cast<std::size_t>(k - 1)]] = [this, k] { StoreRunPosition(k); };
  }

  // "画面ﾎﾟｼﾞｼｮﾝ".
  for (int position = 1; position <= 8; ++position) {
    position_buttons[static_cast<std::size_t>(position - 1)].on_click = [this, position] {
      ChooseScreenPosition(position);
    };
  }
  position_cancel_button.on_click = [this] { CancelScreenPosition(); };

  // "グループ".
  add_group_button.on_click = [this] { AddGroup(); };
  rename_group_button.on_click = [this] { RenameGroup(); };
  delete_group_button.on_click = [this] { DeleteGroup(); };
  sort_groups_button.on_click = [this] { SortGroups(); };
  move_source_button.on_click = [this] { ChooseMoveSource(); };
  move_target_button.on_click = [this] { MoveGroup(); };
  register_in_group_button.on_click = [this] { RegisterInGroup(); };
  mode1_choice.on_click = [this] { ChooseMode1(); };
  mode2_choice.on_click = [this] { ChooseMode2(); };
  // A tree view that gets the focus with nothing selected selects its first
  // node, which counts as a selection change.
  enter_handlers_[&group_tree] = [this] {
    if (group_tree.selected == kNoGroupNode && !group_tree.tree.Empty()) {
      SelectGroupNode(group_tree.tree.Children(kNoGroupNode).front());
    }
  };
}

// Moving the focus runs the exit handler of the control that loses it; that
// handler may keep the focus (the title field refuses an empty title) or
// send it elsewhere, and wherever it ends up the enter handler runs.
void MainForm::FocusControl(Control& control) {
  if (in_focus_change_) {
    focus_target_ = &control;
    return;
  }
  if (focus_ == &control) return;
  MoveFocusTo(LeaveFocusedControl(&control));
}

void MainForm::StoreFocusedControl() {
  if (in_focus_change_ || focus_ == nullptr) return;
  MoveFocusTo(LeaveFocusedControl(focus_));
}

Control* MainForm::LeaveFocusedControl(Control* wanted) {
  focus_target_ = wanted;
  if (focus_ != nullptr) {
    auto exit = exit_handlers_.find(focus_);
    if (exit != exit_handlers_.end()) {
      in_focus_change_ = true;
      exit->second();
      in_focus_change_ = false;
    }
  }
  Control* target = focus_target_;
  focus_target_ = nullptr;
  return target;
}

void MainForm::MoveFocusTo(Control* target) {
  if (target == focus_) return;
  focus_ = target;
  auto enter = enter_handlers_.find(target);
  if (enter != enter_handlers_.end()) enter->second();
}

ProgramEntry* MainForm::SelectedEntry() {
  if (ListCount <= 0 || CurrentItem < 0 || CurrentItem >= ListCount) return nullptr;
  int slot = ListSlotMap[static_cast<std::size_t>(CurrentItem)];
  if (slot < 0 || slot >= kProgramSlots) return nullptr;
  return &ProgramTable[static_cast<std::size_t>(slot)];
}

void MainForm::SelectItem(int position) {
  program_list.item_index = (position >= 0 && position < static_cast<int>(program_list.items.size())) ? position : -1;
}

// "n ／ m": the position shown and the number of programs (of the list while
// it is filtered); an empty list shows 0 and 0.
void MainForm::UpdatePositionDisplay(int position) {
  const int count = group_filter.checked() ? ListCount : LastSlot + 1;
  program_count.caption = std::to_string(count);
  list_position.caption = std::to_string(count == 0 ? 0 : position + 1);
}

TabSheet& MainForm::Sheet(Page page) {
  switch (page) {
    case Page::kProgram: return program_sheet;
    case Page::kShortCut: return shortcut_sheet;
    case Page::kGroup: return group_sheet;
    case Page::kMouseAction: return mouse_action_sheet;
    case Page::kScreenPosition: return screen_position_sheet;
  }
  return program_sheet;
}

}  // namespace fesk::editor
