// Construction of the main window's models (captions, hints, places), the
// focus model and the helpers every area of the form uses.
#include "editor/main_form.h"

#include "common/cp932.h"
#include "common/group_table.h"
#include "common/settings_file.h"

namespace fesk::editor {

TFFeskINI::TFFeskINI(const EditorPorts& ports, std::string executable_path,
                     GroupNameCompare compare_names)
    : Form1(*this),
      dialogs_(ports.dialogs),
      shell_(ports.shell),
      clock_(ports.clock),
      open_dialog_(ports.open_dialog),
      desktop_(ports.desktop),
      key_names_(ports.key_names),
      folder_(cp932::FolderOf(executable_path)),
      compare_names_(std::move(compare_names)) {
  ListSlotMap.fill(kNoListSlot);
  BuildLayout();
  BindHandlers();
}

std::string TFFeskINI::SettingsPath() const { return folder_ + kSettingsFileName; }
std::string TFFeskINI::GroupTablePath() const { return folder_ + kGroupTableFileName; }
std::string TFFeskINI::PaletteProgramPath() const { return folder_ + kPaletteRegisteredName; }

void TFFeskINI::BuildLayout() {
  // Upper area.
  ListBox1.SetBounds(120, 24, 305, 122);
  Panel2.SetBounds(120, 24, 305, 24);
  Label17.SetBounds(8, 5, 289, 13);
  Label6.SetBounds(16, 96, 33, 13);
  Label6.caption = "0";
  Label6.hint = "選択されている件数位置";
  Label7.SetBounds(52, 96, 13, 13);
  Label7.caption = "／";
  Label8.SetBounds(68, 96, 33, 13);
  Label8.caption = "0";
  Label8.hint = "登録されているﾌﾟﾛｸﾞﾗﾑ件数";
  ListView1.SetBounds(40, 32, 48, 48);
  ListView1.hint = "左ﾏｳｽWｸﾘｯｸで対応するﾌﾟﾛｸﾞﾗﾑを実行します";
  CheckBox10.SetBounds(38, 124, 73, 17);
  CheckBox10.caption = "グループ";
  BitBtn2.SetBounds(428, 24, 25, 61);
  BitBtn2.hint = "プログラムを上に移動します";
  BitBtn3.SetBounds(428, 85, 25, 61);
  BitBtn3.hint = "プログラムを下に移動します";

  // Right column.
  GroupBox1.SetBounds(458, 0, 82, 37);
  GroupBox1.caption = "ﾋﾝﾄ";
  RadioButton4.SetBounds(5, 15, 34, 17);
  RadioButton4.caption = "ON";
  RadioButton5.SetBounds(40, 15, 40, 17);
  RadioButton5.caption = "OFF";
  Button9.SetBounds(456, 40, 81, 9);
  Button1.SetBounds(464, 52, 65, 25);
  Button1.caption = "新規登録";
  Button1.hint = "ﾌﾟﾛｸﾞﾗﾑを新規に登録します";
  Button2.SetBounds(464, 79, 65, 25);
  Button2.caption = "削 除";
  Button2.hint = "選択されているﾌﾟﾛｸﾞﾗﾑを削除します";
  Button16.SetBounds(464, 106, 65, 25);
  Button16.caption = "ﾃﾞｽｸﾄｯﾌﾟ";
  Button16.hint = "ﾃﾞｽｸﾄｯﾌﾟ上のｱｲｺﾝを新規登録します";
  Button15.SetBounds(464, 133, 65, 25);
  Button15.caption = "重複ﾁｪｯｸ";
  Button7.SetBounds(464, 300, 65, 25);
  Button7.caption = "保 存";
  Button7.hint = "定義情報を保存します";
  Button4.SetBounds(464, 336, 65, 25);
  Button4.caption = "終 了";
  Button4.hint = "このﾌﾟﾛｸﾞﾗﾑを終了します";

  // Pages, in the order of their tabs.
  PageControl1.SetBounds(8, 152, 449, 217);
  TabSheet1.caption = "プログラム";
  TabSheet1.page = Page::kProgram;
  TabSheet2.caption = "ｼｮｰﾄ･ｶｯﾄ";
  TabSheet2.page = Page::kShortCut;
  TabSheet4.caption = "マウスACT";
  TabSheet4.page = Page::kMouseAction;
  TabSheet5.caption = "画面ﾎﾟｼﾞｼｮﾝ";
  TabSheet5.page = Page::kScreenPosition;
  TabSheet3.caption = "グループ";
  TabSheet3.page = Page::kGroup;

  // "プログラム": fields in tab order.
  Label1.SetBounds(8, 12, 80, 13);
  Label1.caption = "タイトル";
  Edit3.SetBounds(96, 8, 241, 21);
  Edit3.hint = "ﾀｲﾄﾙを入力して下さい";
  Button13.SetBounds(337, 8, 17, 20);
  Button13.hint = "FESK特殊機能を設定します";
  Label2.SetBounds(8, 40, 80, 13);
  Label2.caption = "実行ﾌﾟﾛｸﾞﾗﾑ";
  Edit1.SetBounds(96, 36, 241, 21);
  Edit1.hint = "実行ﾌﾟﾛｸﾞﾗﾑ、ﾌｫﾙﾀﾞ、関連ﾌｧｲﾙ名を入力して下さい";
  Button5.SetBounds(337, 36, 17, 20);
  Button5.hint = "実行ﾌﾟﾛｸﾞﾗﾑを参照します";
  Label3.SetBounds(8, 68, 80, 13);
  Label3.caption = "ｵﾌﾟｼｮﾝ";
  Edit4.SetBounds(96, 64, 258, 21);
  Edit4.hint = "ｵﾌﾟｼｮﾝを入力して下さい";
  GroupBox3.SetBounds(96, 90, 258, 37);
  GroupBox3.caption = "実行状態";
  RadioButton1.SetBounds(8, 14, 57, 17);
  RadioButton1.caption = "通常";
  RadioButton2.SetBounds(80, 14, 65, 17);
  RadioButton2.caption = "最大化";
  RadioButton3.SetBounds(160, 14, 65, 17);
  RadioButton3.caption = "ｱｲｺﾝ化";
  for (Control* c : {static_cast<Control*>(&GroupBox3), static_cast<Control*>(&RadioButton1),
                     static_cast<Control*>(&RadioButton2), static_cast<Control*>(&RadioButton3)}) {
    c->hint = "ﾌﾟﾛｸﾞﾗﾑの実行状態を選択して下さい";
  }
  RadioButton1.checked = true;
  CheckBox11.SetBounds(360, 104, 73, 17);
  CheckBox11.caption = "ﾀｽｸ･ﾄﾚｲ";
  CheckBox11.hint = "ONでﾀｽｸﾄﾚｲにｱｲｺﾝを表示できます";
  Label4.SetBounds(8, 140, 80, 13);
  Label4.caption = "ﾜｰｸ･ﾌｫﾙﾀﾞ";
  Edit2.SetBounds(96, 136, 258, 21);
  Edit2.hint = "ﾜｰｸ･ﾌｫﾙﾀﾞを入力して下さい";
  Label19.SetBounds(8, 168, 80, 13);
  Label19.caption = "ｸﾞﾙｰﾌﾟ";
  Label20.SetBounds(96, 168, 258, 13);

  // "マウスACT".
  const std::array<std::pair<Shape*, Color>, 4> palette = {{{&Shape1, colors::kRed},
                                                            {&Shape2, colors::kLime},
                                                            {&Shape3, colors::kBlue},
                                                            {&Shape4, colors::kYellow}}};
  for (std::size_t i = 0; i < palette.size(); ++i) {
    Shape& square = *palette[i].first;
    square.SetBounds(16 + 20 * static_cast<int>(i % 2), 16 + 20 * static_cast<int>(i / 2), 20, 20);
    square.brush = palette[i].second;
    square.hint = "ﾏｳｽ･ｱｸｼｮﾝを定義します";
  }
  std::array<Shape*, 16> cells = Cells();
  for (int n = 0; n < 16; ++n) {
    Shape& cell = *cells[static_cast<std::size_t>(n)];
    cell.SetBounds(104 + 8 * n, 24, 9, 17);
    cell.hint = "ﾏｳｽ･ｱｸｼｮﾝ定義ﾃｰﾌﾞﾙ 左のﾊﾟﾚｯﾄで設定します";
  }
  Label9.SetBounds(103, 10, 9, 13);
  Label9.caption = "▼";
  Label9.font_color = colors::kRed;
  Label12.SetBounds(104, 48, 60, 13);
  Label12.caption = "操作順序:";
  Label12.hint = "ﾏｳｽをこの順序で移動させるとﾌﾟﾛｸﾞﾗﾑを実行します";
  Label10.SetBounds(168, 48, 270, 13);
  Label11.SetBounds(168, 64, 270, 13);
  Button8.SetBounds(16, 64, 41, 21);
  Button8.caption = "BS";
  Button8.hint = "ﾏｳｽ･ｱｸｼｮﾝを1つ消去します";
  Button6.SetBounds(16, 90, 41, 21);
  Button6.caption = "ｸﾘｱ";
  Button6.hint = "ﾏｳｽ･ｱｸｼｮﾝを全て消去します";
  Button10.SetBounds(16, 124, 81, 25);
  Button10.caption = "ﾏｳｽACT読込";
  BitBtn1.SetBounds(376, 132, 65, 25);
  BitBtn1.caption = "ｱｸｼｮﾝ確認";
  BitBtn1.hint = "ﾏｳｽ･ｱｸｼｮﾝをｱﾆﾒｰｼｮﾝします";
  Shape21.SetBounds(310, 100, 57, 57);
  Shape21.brush = colors::kGreen;
  Shape21.hint = "ﾏｳｽ･ｱｸｼｮﾝを表示します";
  Image3.SetBounds(314, 104, 49, 49);
  Image3.hint = "ﾏｳｽ･ｱｸｼｮﾝが定義されていないか、組合せが不完全です";
  for (Image* frame : {&Image1, &Image4, &Image5, &Image6}) {
    frame->SetBounds(311, 101, 30, 30);
    frame->visible = false;
  }
  Image2.SetBounds(314, 104, 49, 49);
  Image2.visible = false;
  Panel1.SetBounds(104, 92, 160, 64);
  Panel1.hint = "ﾁｪｯｸONで実行可能";
  Label5.SetBounds(8, 8, 80, 13);
  Label5.caption = "画面上での";
  Label13.SetBounds(8, 24, 80, 13);
  Label13.caption = "ﾏｳｽ･ｱｸｼｮﾝの ";
  Label15.SetBounds(8, 40, 80, 13);
  Label15.caption = "実行開始位置";
  for (Label* l : {&Label5, &Label13, &Label15}) {
    l->hint = "右のﾁｪｯｸﾎﾞｯｸｽは、画面の相対位置を表わしています";
  }
  std::array<CheckBox*, 9> boxes = RunPositionBoxes();
  for (int k = 0; k < 9; ++k) {
    boxes[static_cast<std::size_t>(k)]->SetBounds(98 + 16 * (k % 3), 8 + 16 * (k / 3), 17, 17);
  }

  // "ｼｮｰﾄ･ｶｯﾄ".
  Label14.SetBounds(16, 24, 360, 13);
  Label14.caption = "プログラムを実行するショートカット・キーを押してください";
  HotKey1.SetBounds(16, 48, 193, 19);
  HotKey1.hint = "ﾌﾟﾛｸﾞﾗﾑを実行するｼｮｰﾄｶｯﾄｷｰを定義してください";

  // "画面ﾎﾟｼﾞｼｮﾝ": each flat button covers the 17 pixels of its cell nearest
  // the middle of the picture, leaving an 8-pixel band of the cell's colour.
  struct PositionPlace {
    Rect cell;  // left, top, width, height
    Rect button;
    const char* hint;
  };
  static constexpr PositionPlace kPlaces[8] = {
      {{96, 8, 25, 25}, {104, 16, 17, 17}, "画面の左上隅に実行ﾎﾟｼﾞｼｮﾝを設定します"},
      {{120, 8, 161, 25}, {120, 16, 161, 17}, "画面の上辺に実行ﾎﾟｼﾞｼｮﾝを設定します"},
      {{280, 8, 25, 25}, {280, 16, 17, 17}, "画面の右上隅に実行ﾎﾟｼﾞｼｮﾝを設定します"},
      {{96, 32, 25, 113}, {104, 32, 17, 113}, "画面の左辺に実行ﾎﾟｼﾞｼｮﾝを設定します"},
      {{280, 32, 25, 113}, {280, 32, 17, 113}, "画面の右辺に実行ﾎﾟｼﾞｼｮﾝを設定します"},
      {{96, 144, 25, 25}, {104, 144, 17, 17}, "画面の左下隅に実行ﾎﾟｼﾞｼｮﾝを設定します"},
      {{120, 144, 161, 25}, {120, 144, 161, 17}, "画面の下辺に実行ﾎﾟｼﾞｼｮﾝを設定します"},
      {{280, 144, 25, 25}, {280, 144, 17, 17}, "画面の右下隅に実行ﾎﾟｼﾞｼｮﾝを設定します"},
  };
  std::array<Shape*, 8> position_cells = PositionCells();
  std::array<SpeedButton*, 8> position_buttons = PositionButtons();
  for (std::size_t i = 0; i < 8; ++i) {
    const PositionPlace& place = kPlaces[i];
    position_cells[i]->SetBounds(place.cell.left, place.cell.top, place.cell.right,
                                 place.cell.bottom);
    position_cells[i]->brush = colors::kButtonFace;
    position_buttons[i]->SetBounds(place.button.left, place.button.top, place.button.right,
                                   place.button.bottom);
    position_buttons[i]->hint = place.hint;
  }
  Button14.SetBounds(336, 144, 65, 25);
  Button14.caption = "ｷｬﾝｾﾙ";
  Button14.hint = "画面ﾎﾟｼﾞｼｮﾝ設定を取止めます";
  Label21.SetBounds(128, 40, 145, 97);

  // "グループ".
  GroupBox4.SetBounds(16, 0, 409, 30);
  GroupBox4.hint = "モードを選択して下さい";
  RadioButton6.SetBounds(8, 10, 185, 17);
  RadioButton6.caption = "表示ｸﾞﾙｰﾌﾟの選択/登録";
  RadioButton6.checked = true;
  RadioButton7.SetBounds(200, 10, 201, 17);
  RadioButton7.caption = "ﾌﾟﾛｸﾞﾗﾑをｸﾞﾙｰﾌﾟに登録/移動";
  RadioButton7.hint = "プログラムのグループを登録/移動するモード";
  struct GroupButton {
    Button* button;
    const char* caption;
    const char* hint;
    int left, top, width;
  };
  const GroupButton group_buttons[] = {
      {&Button3, "追 加", "選択されているｸﾞﾙｰﾌﾟの下に新規ｸﾞﾙｰﾌﾟを作成します", 16, 40, 57},
      {&Button19, "編 集", "選択されているｸﾞﾙｰﾌﾟ名を編集します", 16, 72, 57},
      {&Button11, "削 除", "選択されているｸﾞﾙｰﾌﾟを削除します", 16, 104, 57},
      {&Button12, "ソート", "ｸﾞﾙｰﾌﾟを昇順にソートします", 328, 40, 57},
      {&Button21, "移動元", "選択されているｸﾞﾙｰﾌﾟを移動元とします", 16, 144, 57},
      {&Button22, "移動先", "移動元ﾟを選択したｸﾞﾙｰﾌﾟの下に移動します", 328, 144, 57},
      {&Button23, "プログラムをグループに登録", "選択しているｸﾞﾙｰﾌﾟにﾌﾟﾛｸﾞﾗﾑを登録/移動します", 96,
       144, 209},
  };
  for (const GroupButton& b : group_buttons) {
    b.button->caption = b.caption;
    b.button->hint = b.hint;
    b.button->SetBounds(b.left, b.top, b.width, 23);
  }
  Button22.enabled = false;
  Button23.visible = false;
  Bevel2.SetBounds(92, 144, 218, 22);
  Label18.SetBounds(96, 148, 210, 13);
  Label18.hint = "現在の移動元";
  Label18.visible = false;
  Image7.SetBounds(70, 141, 32, 32);
  Image8.SetBounds(306, 141, 32, 32);
  Image7.visible = Image8.visible = false;
  Shape22.SetBounds(32, 32, 337, 110);
  Shape22.brush = colors::kAqua;
  Shape22.visible = false;
  TreeView1.SetBounds(80, 36, 241, 102);
  TreeView1.hint = "ｸﾞﾙｰﾌﾟを選択して下さい";
}

void TFFeskINI::BindHandlers() {
  CheckBox10.on_click = [this] { CheckBox10Click(); };
  exit_handlers_[&Edit3] = [this] { Edit3Exit(); };
  exit_handlers_[&Edit1] = [this] { Edit1Exit(); };
  exit_handlers_[&Edit4] = [this] { Edit4Exit(); };
  exit_handlers_[&Edit2] = [this] { Edit2Exit(); };
  exit_handlers_[&RadioButton1] = [this] { RadioButton1Exit(); };
  exit_handlers_[&RadioButton2] = [this] { RadioButton2Exit(); };
  exit_handlers_[&RadioButton3] = [this] { RadioButton3Exit(); };
  enter_handlers_[&RadioButton1] = [this] { RadioButton1Enter(); };
  enter_handlers_[&RadioButton2] = [this] { RadioButton2Enter(); };
  enter_handlers_[&RadioButton3] = [this] { RadioButton3Enter(); };
  exit_handlers_[&CheckBox11] = [this] { CheckBox11Exit(); };
  exit_handlers_[&HotKey1] = [this] { HotKey1Exit(); };
  std::array<CheckBox*, 9> boxes = RunPositionBoxes();
  for (int k = 1; k <= 9; ++k) {
    exit_handlers_[boxes[static_cast<std::size_t>(k - 1)]] = [this, k] { StoreRunPosition(k); };
  }
  // A tree view that gets the focus with nothing selected selects its first
  // node, which counts as a selection change.
  enter_handlers_[&TreeView1] = [this] {
    if (TreeView1.selected == kNoGroupNode && !TreeView1.tree.Empty()) {
      SelectGroupNode(TreeView1.tree.Children(kNoGroupNode).front());
    }
  };
}

// Moving the focus runs the exit handler of the control that loses it; that
// handler may keep the focus (the title field refuses an empty title) or
// send it elsewhere, and wherever it ends up the enter handler runs.
void TFFeskINI::FocusControl(Control& control) {
  if (in_focus_change_) {
    focus_target_ = &control;
    return;
  }
  if (focus_ == &control) return;
  MoveFocusTo(LeaveFocusedControl(&control));
}

void TFFeskINI::StoreFocusedControl() {
  if (in_focus_change_ || focus_ == nullptr) return;
  MoveFocusTo(LeaveFocusedControl(focus_));
}

Control* TFFeskINI::LeaveFocusedControl(Control* wanted) {
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

void TFFeskINI::MoveFocusTo(Control* target) {
  if (target == focus_) return;
  focus_ = target;
  auto enter = enter_handlers_.find(target);
  if (enter != enter_handlers_.end()) enter->second();
}

bool TFFeskINI::TakesTabFocus(const Control& control) {
  for (const CheckBox* box : RunPositionBoxes()) {
    if (box == &control) return false;
  }
  return true;
}

ProgramEntry* TFFeskINI::SelectedEntry() {
  if (ListCount <= 0 || CurrentItem < 0 || CurrentItem >= ListCount) return nullptr;
  int slot = ListSlotMap[static_cast<std::size_t>(CurrentItem)];
  if (slot < 0 || slot >= kProgramSlots) return nullptr;
  return &ProgramTable[static_cast<std::size_t>(slot)];
}

void TFFeskINI::SelectItem(int position) {
  ListBox1.item_index =
      (position >= 0 && position < static_cast<int>(ListBox1.items.size())) ? position : -1;
}

// "n ／ m": the position shown and the number of programs (of the list while
// it is filtered); an empty list shows 0 and 0.
void TFFeskINI::UpdatePositionDisplay(int position) {
  const int count = CheckBox10.checked() ? ListCount : LastSlot + 1;
  Label8.caption = std::to_string(count);
  Label6.caption = std::to_string(count == 0 ? 0 : position + 1);
}

std::array<Shape*, 16> TFFeskINI::Cells() {
  return {&Shape5,  &Shape6,  &Shape7,  &Shape8,  &Shape9,  &Shape10, &Shape11, &Shape12,
          &Shape13, &Shape14, &Shape15, &Shape16, &Shape17, &Shape18, &Shape19, &Shape20};
}

std::array<CheckBox*, 9> TFFeskINI::RunPositionBoxes() {
  return {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4, &CheckBox5,
          &CheckBox6, &CheckBox7, &CheckBox8, &CheckBox9};
}

std::array<Shape*, 8> TFFeskINI::PositionCells() {
  return {&DspPosShape1, &DspPosShape2, &DspPosShape3, &DspPosShape4,
          &DspPosShape5, &DspPosShape6, &DspPosShape7, &DspPosShape8};
}

std::array<SpeedButton*, 8> TFFeskINI::PositionButtons() {
  return {&SpeedButton1, &SpeedButton2, &SpeedButton3, &SpeedButton4,
          &SpeedButton5, &SpeedButton6, &SpeedButton7, &SpeedButton8};
}

TabSheet& TFFeskINI::Sheet(Page page) {
  switch (page) {
    case Page::kProgram: return TabSheet1;
    case Page::kShortCut: return TabSheet2;
    case Page::kGroup: return TabSheet3;
    case Page::kMouseAction: return TabSheet4;
    case Page::kScreenPosition: return TabSheet5;
  }
  return TabSheet1;
}

}  // namespace fesk::editor
