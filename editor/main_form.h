// The registration editor's main window "FESK プログラム登録" as a headless
// form: its controls are models named as the window names them, its state is
// the editor's in-memory program list, and its handlers are the window's
// event handlers.
//
// The Win32 layer creates one real control per model, turns user input into
// model changes plus a handler call, and after every handler shows the
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
// The handlers live in one file per area: start-up and loading, list
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
#include "common/group_tree.h"
#include "common/hotkey_text.h"
#include "editor/about_box.h"
#include "editor/editor_controls.h"
#include "editor/editor_ports.h"
#include "editor/group_name_order.h"
#include "editor/palette_dialog.h"
#include "editor/program_entry.h"
#include "platform/controls.h"
#include "platform/ports.h"

namespace fesk::editor {

// What the mouse-action animation asks the window to repaint at once, in the
// middle of its handler (the real window repaints the named controls and
// returns; no other message is dispatched meanwhile).
enum class AnimationRepaint {
  kMarker,   // Label9 moved above the next cell
  kScreen,   // Shape21, on the first step
  kFrames,   // Image1, Image4, Image5 and Image6 after a step
  kPicture,  // Image2 after it grew
};

struct EditorPorts {
  DialogPort& dialogs;
  ShellPort& shell;
  ClockPort& clock;
  FileOpenDialogPort& open_dialog;
  DesktopPort& desktop;
  const KeyNameSource* key_names = nullptr;  // GetKeyNameTextA for the shortcut text
};

class TFFeskINI {
 public:
  // executable_path: the editor's own file name; its folder holds "Fesk.Ini",
  // "FESK.TBL" and the palette program.
  TFFeskINI(const EditorPorts& ports, std::string executable_path,
            GroupNameCompare compare_names = ApproximateLstrcmp);
  TFFeskINI(const TFFeskINI&) = delete;
  TFFeskINI& operator=(const TFFeskINI&) = delete;

  // ---- Window ---------------------------------------------------------
  std::string Caption = "FESK プログラム登録";
  int ClientWidth = 545, ClientHeight = 375;
  std::string FontName = "ＭＳ ゴシック";
  int FontHeight = 13;
  bool CenteredOnScreen = true;
  bool HasSystemMenu = true, HasMinimizeBox = true, HasMaximizeBox = false;
  bool Visible = false;
  int HelpContext = 0;

  // Application-wide state the Win32 layer carries out.
  bool ShowHints = true;          // tool-tip hints for the whole program
  int HintHidePause = 2500;       // ms a hint stays visible
  bool AcceptsDroppedFiles = false;
  bool Terminated = false;        // end the process now, exit code 0

  // ---- Upper area -------------------------------------------------------
  ListBox ListBox1;               // program list
  Label Label6, Label7, Label8;   // position "n ／ m"
  IconPreview ListView1;
  CheckBox CheckBox10;            // group filter "グループ"
  BitBtn BitBtn2, BitBtn3;        // move up, move down
  Panel Panel2;                   // display group, uncovered by the filter
  Label Label17;                  // the display group inside Panel2

  // ---- Right column -------------------------------------------------------
  GroupBox GroupBox1;             // "ﾋﾝﾄ"
  RadioButton RadioButton4, RadioButton5;
  Button Button9;                 // opens the about box
  Button Button1, Button2, Button7, Button4, Button15, Button16;

  // ---- Pages ----------------------------------------------------------------
  PageControl PageControl1;
  TabSheet TabSheet1, TabSheet2, TabSheet3, TabSheet4, TabSheet5;

  // "プログラム"
  Label Label1, Label2, Label3, Label4, Label19;  // field captions
  Edit Edit3, Edit1, Edit4, Edit2;                // title, command, option, work folder
  Button Button13, Button5;                       // palette dialog, browse
  GroupBox GroupBox3;                             // "実行状態"
  RadioButton RadioButton1, RadioButton2, RadioButton3;
  CheckBox CheckBox11;                            // "ﾀｽｸ･ﾄﾚｲ"
  Label Label20;                                  // the entry's group

  // "マウスACT"
  Shape Shape1, Shape2, Shape3, Shape4;  // palette: l, r, L, R
  Shape Shape5, Shape6, Shape7, Shape8, Shape9, Shape10, Shape11, Shape12, Shape13, Shape14,
      Shape15, Shape16, Shape17, Shape18, Shape19, Shape20;  // definition table
  Label Label9;                          // "▼" above the next cell
  Label Label12, Label10, Label11;       // "操作順序:" and the two direction lines
  Button Button8, Button6, Button10;     // "BS", "ｸﾘｱ", "ﾏｳｽACT読込"
  BitBtn BitBtn1;                        // "ｱｸｼｮﾝ確認"
  Shape Shape21;                         // the screen of the animation
  Image Image1, Image2, Image3, Image4, Image5, Image6;
  Panel Panel1;
  Label Label5, Label13, Label15;
  CheckBox CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox7,
      CheckBox8, CheckBox9;              // start-position mask

  // "ｼｮｰﾄ･ｶｯﾄ"
  Label Label14;
  HotKeyField HotKey1;

  // "画面ﾎﾟｼﾞｼｮﾝ"
  Shape DspPosShape1, DspPosShape2, DspPosShape3, DspPosShape4, DspPosShape5, DspPosShape6,
      DspPosShape7, DspPosShape8;
  SpeedButton SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton5,
      SpeedButton6, SpeedButton7, SpeedButton8;
  Button Button14;  // "ｷｬﾝｾﾙ"
  Label Label21;

  // "グループ"
  TreeViewModel TreeView1;
  Button Button3, Button19, Button11, Button12, Button21, Button22, Button23;
  Bevel Bevel2;
  Label Label18;  // move source
  Image Image7, Image8;
  Shape Shape22;
  GroupBox GroupBox4;
  RadioButton RadioButton6, RadioButton7;  // mode 1, mode 2

  // ---- Other windows ------------------------------------------------------
  TForm1 Form1;
  TForm3 Form3;

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
  int AnimationSteps = 0;

  // Called by the animation whenever it needs controls repainted at once.
  std::function<void(AnimationRepaint)> on_animation_repaint;

  // ---- Paths -----------------------------------------------------------------
  const std::string& ProgramFolder() const { return folder_; }
  std::string SettingsPath() const;
  std::string GroupTablePath() const;
  std::string PaletteProgramPath() const;

  // ---- Focus -----------------------------------------------------------------
  Control* ActiveControl() const { return focus_; }
  void FocusControl(Control& control);
  // Stores what the focused control holds, as leaving it would, while the
  // focus stays (before the editor ends, nothing typed is to be lost).
  void StoreFocusedControl();
  // False for the controls the Tab key skips (the start-position boxes).
  bool TakesTabFocus(const Control& control);

  // ---- Start-up and loading ---------------------------------------------------
  // The parameters of the command line (see CommandLineParameters).
  void FormCreate(const std::vector<std::string>& parameters);
  void FormActivate();
  void FormPaint() { DrawProgramIcon(); }
  void SetHelpContexts();
  void SetLongHints();
  void LoadSettings();
  // Throws FeskError when the table cannot be opened or has a level jump.
  void LoadGroupTable();

  // ---- Program list ---------------------------------------------------------------
  void ListBox1Click();
  void Button1Click();
  // The new-entry operation: true when a "<新規登録>" entry is selected
  // afterwards (new or the one already at the end of the list).
  bool StartNewEntry();
  void Button2Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void Edit3Exit();
  void Edit1Exit();
  void Edit4Exit();
  void Edit2Exit();
  // Enter stores the field and moves on title → command → option → work
  // folder → title.  True when the key was used (the window drops it).
  bool Edit3KeyPress(char key);
  bool Edit1KeyPress(char key);
  bool Edit4KeyPress(char key);
  bool Edit2KeyPress(char key);
  void Edit1Change() { DrawProgramIcon(); }
  void RadioButton1Enter();
  void RadioButton2Enter();
  void RadioButton3Enter();
  void RadioButton1Exit();
  void RadioButton2Exit();
  void RadioButton3Exit();
  void CheckBox11Exit();
  void Button5Click();
  void ListView1DblClick();
  void RadioButton4Click();
  void RadioButton5Click();
  void Button13Click();
  void Button9Click();
  // Files dropped on the window, in the order the shell reports them.
  void FilesDropped(const std::vector<std::string>& paths);
  // Sets ListView1.icon_source from Edit1 (the window then draws that file's
  // associated icon, asking the shell a second time with the icon index it
  // returned when that index is not zero).
  void DrawProgramIcon();

  // ---- Saving and ending -------------------------------------------------------------
  void Button7Click();
  // The save; false when it was declined or failed (the error has been shown).
  bool Save();
  void Button4Click();
  // The close box, system menu or Alt+F4: true when the window may close
  // (the process then ends, Terminated is set).
  bool FormClose();
  // Whether the editor may end (the close box, or the end of the Windows
  // session): the focused field is stored first, then, with changes, the
  // user is asked.
  bool FormCloseQuery();

  // ---- Page control -----------------------------------------------------------------
  // The user chose a tab: the page is made active and its rules applied (a
  // page that cannot be shown gives way to the program page).
  void PageControl1Change(Page page);
  TabSheet& Sheet(Page page);

  // ---- Mouse-action page -------------------------------------------------------------
  void ShowEntry(int position);
  void ClearCells();
  void PaintNextCell(Quadrant quadrant);
  std::array<Shape*, 16> Cells();
  void Shape1MouseDown() { AddQuadrantLetter(kUpperLeft); }
  void Shape2MouseDown() { AddQuadrantLetter(kUpperRight); }
  void Shape3MouseDown() { AddQuadrantLetter(kLowerLeft); }
  void Shape4MouseDown() { AddQuadrantLetter(kLowerRight); }
  void Button8Click();
  void Button6Click();
  void Button10Click();
  void BitBtn1Click();
  std::array<CheckBox*, 9> RunPositionBoxes();
  void CheckBox1Exit() { StoreRunPosition(1); }
  void CheckBox2Exit() { StoreRunPosition(2); }
  void CheckBox3Exit() { StoreRunPosition(3); }
  void CheckBox4Exit() { StoreRunPosition(4); }
  void CheckBox5Exit() { StoreRunPosition(5); }
  void CheckBox6Exit() { StoreRunPosition(6); }
  void CheckBox7Exit() { StoreRunPosition(7); }
  void CheckBox8Exit() { StoreRunPosition(8); }
  void CheckBox9Exit() { StoreRunPosition(9); }
  // Busy wait until the local time of day differs from its first reading.
  void WaitClockTick();

  // ---- Shortcut page ------------------------------------------------------------------
  void HotKey1Exit();
  void Button15Click();

  // ---- Screen-position page ---------------------------------------------------------------
  void ShowScreenPosition();
  std::array<Shape*, 8> PositionCells();
  std::array<SpeedButton*, 8> PositionButtons();
  void SpeedButton1Click() { ChooseScreenPosition(1); }
  void SpeedButton2Click() { ChooseScreenPosition(2); }
  void SpeedButton3Click() { ChooseScreenPosition(3); }
  void SpeedButton4Click() { ChooseScreenPosition(4); }
  void SpeedButton5Click() { ChooseScreenPosition(5); }
  void SpeedButton6Click() { ChooseScreenPosition(6); }
  void SpeedButton7Click() { ChooseScreenPosition(7); }
  void SpeedButton8Click() { ChooseScreenPosition(8); }
  void Button14Click();

  // ---- Group page ----------------------------------------------------------------------
  // CheckBox10's click action (also run when an operation ticks it).
  void CheckBox10Click();
  // The tree's selection became `node` (kNoGroupNode: none); reporting the
  // selection the model already has does nothing.
  void TreeView1Change(GroupNodeId node);
  // The user starts editing a label in place: false refuses it (mode 2).
  bool TreeView1Editing(GroupNodeId node);
  // The in-place edit ended with a new name, or was cancelled (nothing).
  void TreeView1Edited(const std::optional<std::string>& new_name);
  void Button3Click();
  void Button19Click();
  void Button11Click();
  void Button12Click();
  void Button21Click();
  void Button22Click();
  void Button23Click();
  void RadioButton6Click();
  void RadioButton7Click();
  void Panel2Click();
  void Label17Click() { Panel2Click(); }
  void Label20Click() { Panel2Click(); }

  // ---- Desktop import ---------------------------------------------------------------------
  void Button16Click();
  // The folder the import searches.
  std::string DesktopFolder();

  // ---- Palette command -----------------------------------------------------------------------
  // "ＯＫ" of TForm1 with its checked choice (nothing checked: null); the
  // title field has the focus afterwards.
  void ApplyPaletteCommand(const PaletteCommand* choice);

 private:
  void BuildLayout();
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
  void StoreShowState(const char* value);
  bool FocusNextOnEnter(Edit& from, Edit& to, char key);

  void ShowDirectionText(const std::string& code);
  void AddQuadrantLetter(Quadrant quadrant);
  void StoreRunPosition(int k);
  void AnimateStep(int x, int y);
  void RequestRepaint(AnimationRepaint what);

  void ChooseScreenPosition(int position);
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
  std::string folder_;
  GroupNameCompare compare_names_;

  Control* focus_ = nullptr;
  bool in_focus_change_ = false;
  Control* focus_target_ = nullptr;
  std::unordered_map<const Control*, std::function<void()>> exit_handlers_;
  std::unordered_map<const Control*, std::function<void()>> enter_handlers_;
};

}  // namespace fesk::editor
