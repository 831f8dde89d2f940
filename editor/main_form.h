// MainForm: the registration editor's main window "FESK プログラム登録" (window
// class "TFFeskINI") as a headless form: its controls are models named by
// what they are for, its state is the editor's in-memory program list, and
// its handlers are the window's event handlers.  Each control's action is
// bound to its handler once, in BindHandlers.
//
// The Win32 layer creates one real control per model, turns user input into
// model changes plus the model's action, and after every handler shows the
// models again (captions, texts, check marks, colours, positions, visibility,
// enabled state, list items and selection, the tree, the active page and the
// focus).  Everything the program decides happens here.
//
// Focus.  The form keeps its own focused control (`ActiveControl`).  Moving
// the focus runs the exit handler of the control that loses it and the enter
// handler of the one that gains it, whether the user or a handler moved it.
// The Win32 layer calls FocusControl when the user moves the focus between
// the window's controls (not when a message box or another window takes it),
// and sets the real focus to ActiveControl after each handler.
//
// The layout lives in main_form_layout.cpp, the handlers in one file per
// area: start-up and loading, list
// editing, saving and ending, the mouse-action, shortcut, screen-position and
// group pages, the desktop import and the palette command.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/action_code.h"
#include "common/file_path.h"
#include "common/group_tree.h"
#include "common/hotkey_text.h"
#include "editor/about_box.h"
#include "editor/editor_controls.h"
#include "editor/editor_ports.h"
#include "editor/group_name_order.h"
#include "editor/palette_dialog.h"
#include "editor/program_entry.h"
#include "platform/controls.h"
#include "platform/form_layout.h"
#include "platform/ports.h"

namespace fesk::editor {

// What the mouse-action animation asks the window to repaint at once, in the
// middle of its handler (the real window repaints the named controls and
// returns; no other message is dispatched meanwhile).
enum class AnimationRepaint {
  kMarker,   // next_cell_marker moved above the next cell
  kScreen,   // animation_screen, on the first step
  kFrames,   // pointer_waves3, pointer_waves2, pointer_waves1 and pointer_still after a step
  kPicture,  // program_window_picture after it grew
};

struct EditorPorts {
  DialogPort& dialogs;
  ShellPort& shell;
  ClockPort& clock;
  FileOpenDialogPort& open_dialog;
  DesktopPort& desktop;
  const KeyNameSource* key_names = nullptr;  // GetKeyNameTextA for the shortcut text
  // Short forms of paths the settings file cannot hold as they are; without
  // it such a path is refused.
  PathPort* paths = nullptr;
};

class MainForm {
 public:
  // executable_path: the editor's own file name; its folder holds the
  // palette program.  settings_folder holds "Fesk.Ini" and "FESK.TBL"
  // (common/settings_place.h).
  MainForm(const EditorPorts& ports, const FilePath& executable_path, const FilePath& settings_folder,
           GroupNameCompare compare_names = ApproximateLstrcmp);
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;

  // ---- Window ---------------------------------------------------------
  std::string caption = "FESK プログラム登録";
  int client_width = 545, client_height = 375;
  std::string font_name = "ＭＳ ゴシック";
  int font_height = 13;
  bool centred_on_screen = true;
  bool system_menu = true, minimize_box = true, maximize_box = false;
  bool visible = false;
  int help_context = 0;

  // Application-wide state the Win32 layer carries out.
  bool show_hints = true;      // tool-tip hints for the whole program
  int hint_hide_pause = 2500;  // ms a hint stays visible
  bool accepts_dropped_files = false;
  bool terminated = false;  // end the process now, exit code 0

  // Every control the Win32 layer makes a window for, with its page, in the
  // order it makes them (the Tab order); the layout records each where it
  // places it (main_form_layout.cpp) and numbers their windows from 1001.
  FormLayout layout{1001};

  // ---- Upper area -------------------------------------------------------
  ListBox program_list;
  Label list_position, list_position_stroke, program_count;  // "n ／ m"
  IconPreview icon_preview;
  CheckBox group_filter;  // "グループ"
  BitBtn move_up_button, move_down_button;
  Panel display_group_panel;  // uncovered by the group filter
  Label display_group_label;  // the display group, inside display_group_panel

  // ---- Right column -------------------------------------------------------
  GroupBox hint_group;  // "ﾋﾝﾄ"
  RadioButton hints_on, hints_off;
  RadioSet hint_choice{&hints_on, &hints_off};
  Button about_button;
  Button new_button, delete_button, desktop_button, duplicate_check_button, save_button, end_button;

  // ---- Pages ----------------------------------------------------------------
  PageControl pages;
  TabSheet program_sheet, shortcut_sheet, group_sheet, mouse_action_sheet, screen_position_sheet;

  // "プログラム"
  Label title_caption, command_caption, option_caption, work_folder_caption, group_caption;
  Edit title_field, command_field, option_field, work_folder_field;
  Button palette_button, browse_button;
  GroupBox show_state_group;  // "実行状態"
  RadioButton show_normal, show_maximized, show_minimized;
  RadioSet show_state{&show_normal, &show_maximized, &show_minimized};
  // CMDSHOW of each show_state button, in its order.
  static constexpr std::array<const char*, 3> kShowStates = {kShowNormal, kShowMaximized, kShowMinimized};
  CheckBox tray_box;        // "ﾀｽｸ･ﾄﾚｲ"
  Label entry_group_label;  // the entry's group

  // "マウスACT"
  std::array<Shape, 4> quadrant_squares;                             // the palette, by Quadrant: l, r, L, R
  std::array<Shape, 16> action_cells;                                // the definition table
  Label next_cell_marker;                                            // "▼" above the next cell
  Label order_caption, first_direction_line, second_direction_line;  // "操作順序:" and the directions
  Button backspace_button, clear_button, read_action_button;         // "BS", "ｸﾘｱ", "ﾏｳｽACT読込"
  BitBtn confirm_button;                                             // "ｱｸｼｮﾝ確認"
  Shape animation_screen;
  // The pointer drawn with three, two, one and no waves.
  Image pointer_waves3, pointer_waves2, pointer_waves1, pointer_still;
  Image program_window_picture, crossed_mouse_picture;
  Panel start_position_panel;
  std::array<Label, 3> start_position_captions;
  std::array<CheckBox, 9> start_positions;  // the start-position mask, RUNPOS 1 to 9

  // "ｼｮｰﾄ･ｶｯﾄ"
  Label shortcut_caption;
  HotKeyField shortcut_field;

  // "画面ﾎﾟｼﾞｼｮﾝ": screen positions 1 to 8
  std::array<Shape, 8> position_cells;
  std::array<SpeedButton, 8> position_buttons;  // flat buttons over the cells
  Button position_cancel_button;                // "ｷｬﾝｾﾙ"
  Label position_text;

  // "グループ"
  TreeViewModel group_tree;
  Button add_group_button, rename_group_button, delete_group_button, sort_groups_button;
  Button move_source_button, move_target_button, register_in_group_button;
  Bevel move_source_bevel;
  Label move_source_label;
  Image move_arrow_left, move_arrow_right;
  Shape mode2_frame;
  GroupBox mode_group;
  RadioButton mode1_choice, mode2_choice;
  RadioSet mode_choice{&mode1_choice, &mode2_choice};

  // ---- Other windows ------------------------------------------------------
  PaletteCommandDialog palette_dialog;
  AboutBox about_box;

  // ---- Editor state --------------------------------------------------------
  ProgramSlotArray ProgramTable{};
  std::array<int, kProgramSlots> ListSlotMap{};
  int ListCount = 0;
  int CurrentItem = 0;
  int LastSlot = -1;
  bool Modified = false;
  bool SaveSilently = false;
  std::string DisplayGroup;
  std::vector<int> FreedNumbers;  // stack, most recently freed last
  int CellCursor = -1;
  int LastQuadrant = kNoQuadrant;
  GroupNodeId MoveSource = kNoGroupNode;
  // Steps made by the last animation.
  int animation_steps = 0;

  // Called by the animation whenever it needs controls repainted at once.
  std::function<void(AnimationRepaint)> on_animation_repaint;

  // ---- Paths -----------------------------------------------------------------
  const FilePath& ProgramFolder() const { return folder_; }
  FilePath SettingsPath() const;
  FilePath GroupTablePath() const;
  // The folder as the settings file can hold it, for the palette program
  // and its work folder; nothing after the box that refuses it.
  std::optional<std::string> StorableProgramFolder();

  // ---- Focus -----------------------------------------------------------------
  Control* ActiveControl() const { return focus_; }
  void FocusControl(Control& control);
  // Stores what the focused control holds, as leaving it would, while the
  // focus stays (before the editor ends, nothing typed is to be lost).
  void StoreFocusedControl();

  // ---- Start-up and loading ---------------------------------------------------
  // The parameters of the command line (see CommandLineParameters).
  // The parameters are UTF-8, as Windows spells them: a path among them
  // is stored as the settings file can hold it.
  void FormCreate(const std::vector<std::string>& utf8_parameters);
  std::vector<std::string> StorableParameters(const std::vector<std::string>& utf8_parameters);
  void FormActivate();
  void FormPaint() { DrawProgramIcon(); }
  void SetHelpContexts();
  void SetLongHints();
  void LoadSettings();
  // Throws FeskError when the table cannot be opened or has a level jump.
  void LoadGroupTable();

  // ---- Program list ---------------------------------------------------------------
  void ProgramListClick();
  void NewEntry();
  // The new-entry operation: true when a "<新規登録>" entry is selected
  // afterwards (new or the one already at the end of the list).
  bool StartNewEntry();
  void DeleteEntry();
  void MoveEntryUp();
  void MoveEntryDown();
  void StoreTitle();
  void StoreCommand();
  void StoreOption();
  void StoreWorkFolder();
  // Enter stores the field and moves on title → command → option → work
  // folder → title.  True when the key was used (the window drops it).
  bool TitleKeyPress(char key);
  bool CommandKeyPress(char key);
  bool OptionKeyPress(char key);
  bool WorkFolderKeyPress(char key);
  void CommandChange() { DrawProgramIcon(); }
  // The show state is stored when one of its buttons gains or loses the
  // focus (a click only moves the check mark).
  void StoreShowState(const char* value);
  void StoreTrayOption();
  void BrowseProgram();
  void RunPreviewedProgram();
  void HintsOn();
  void HintsOff();
  void OpenPaletteDialog();
  void OpenAboutBox();
  // Files dropped on the window, in the order the shell reports them.
  void FilesDropped(const std::vector<FilePath>& paths);
  // Sets icon_preview.icon_source from command_field (the window then draws that file's
  // associated icon, asking the shell a second time with the icon index it
  // returned when that index is not zero).
  void DrawProgramIcon();

  // ---- Saving and ending -------------------------------------------------------------
  void SaveClick();
  // The save; false when it was declined or failed (the error has been shown).
  bool Save();
  void EndEditor();
  // The close box, system menu or Alt+F4: true when the window may close
  // (the process then ends, terminated is set).
  bool FormClose();
  // Whether the editor may end (the close box, or the end of the Windows
  // session): the focused field is stored first, then, with changes, the
  // user is asked.
  bool FormCloseQuery();

  // ---- Page control -----------------------------------------------------------------
  // The user chose a tab: the page is made active and its rules applied (a
  // page that cannot be shown gives way to the program page).
  void PageChange(Page page);
  TabSheet& Sheet(Page page);

  // ---- Mouse-action page -------------------------------------------------------------
  void ShowEntry(int position);
  void ClearCells();
  void PaintNextCell(Quadrant quadrant);
  // A press on a palette square, with any mouse button.
  void AddQuadrantLetter(Quadrant quadrant);
  void BackSpaceCell();
  void ClearAction();
  void ReadMouseAction();
  void ConfirmAction();
  // Leaving start-position box k (1 to 9) stores the mask.
  void StoreRunPosition(int k);
  // Busy wait until the local time of day differs from its first reading.
  void WaitClockTick();

  // ---- Shortcut page ------------------------------------------------------------------
  void StoreShortCut();
  void CheckDuplicateShortCuts();

  // ---- Screen-position page ---------------------------------------------------------------
  void ShowScreenPosition();
  // A click on the button of screen position 1 to 8.
  void ChooseScreenPosition(int position);
  void CancelScreenPosition();

  // ---- Group page ----------------------------------------------------------------------
  // group_filter's click action (also run when an operation ticks it).
  void GroupFilterClick();
  // The tree's selection became `node` (kNoGroupNode: none); reporting the
  // selection the model already has does nothing.
  void GroupTreeChange(GroupNodeId node);
  // The user starts editing a label in place: false refuses it (mode 2).
  bool GroupTreeEditing(GroupNodeId node);
  // The in-place edit ended with a new name, or was cancelled (nothing).
  void GroupTreeEdited(const std::optional<std::string>& new_name);
  void AddGroup();
  void RenameGroup();
  void DeleteGroup();
  void SortGroups();
  void ChooseMoveSource();
  void MoveGroup();
  void RegisterInGroup();
  void ChooseMode1();
  void ChooseMode2();
  // A click on the display group (its panel or either group label).
  void DisplayGroupClick();

  // ---- Desktop import ---------------------------------------------------------------------
  void ImportDesktop();
  // The folder the import searches.
  FilePath DesktopFolder();

  // ---- Palette command -----------------------------------------------------------------------
  // "ＯＫ" of PaletteCommandDialog with its checked choice (nothing checked: null); the
  // title field has the focus afterwards.
  void ApplyPaletteCommand(const PaletteCommand* choice);

 private:
  void BuildLayout();
  void LayOutUpperArea();
  void LayOutProgramPage();
  void LayOutShortCutPage();
  void LayOutMouseActionPage();
  void LayOutScreenPositionPage();
  void LayOutGroupPage();
  void LayOutRightColumn();
  void BindHandlers();
  // Runs the focused control's exit handler; returns where the focus is to
  // go: `wanted`, unless the handler sent it elsewhere.
  Control* LeaveFocusedControl(Control* wanted);
  void MoveFocusTo(Control* target);

  // The entry of the selected list position; null while the list is empty.
  ProgramEntry* SelectedEntry();
  void SelectItem(int position);
  void UpdatePositionDisplay(int position);

  void StoreTextField(Edit& edit, EntryField field);
  bool FocusNextOnEnter(Edit& from, Edit& to, char key);

  void ShowDirectionText(const std::string& code);

  void AnimateStep(int x, int y);
  void RequestRepaint(AnimationRepaint what);

  void PaintPositionCells(std::string_view displaypos);

  void ShowPage(Page page);
  bool RefusePageWithoutPrograms(const char* page_name);

  void LayOutFilter(bool on);
  void RebuildList(bool filtered);
  void SelectGroupNode(GroupNodeId node);
  void SetUpMode1();
  void EnableGroupButtons(bool enabled);
  void ShowMoveSource(bool shown);
  void ForgetMoveSource();
  void ReplaceGroupPrefix(const std::string& old_path, const std::string& new_path);

  DialogPort& dialogs_;
  ShellPort& shell_;
  ClockPort& clock_;
  FileOpenDialogPort& open_dialog_;
  DesktopPort& desktop_;
  const KeyNameSource* key_names_;
  PathPort* paths_;
  FilePath folder_;
  FilePath settings_folder_;
  GroupNameCompare compare_names_;

  Control* focus_ = nullptr;
  bool in_focus_change_ = false;
  Control* focus_target_ = nullptr;
  std::unordered_map<const Control*, std::function<void()>> exit_handlers_;
  std::unordered_map<const Control*, std::function<void()>> enter_handlers_;
};

}  // namespace fesk::editor
