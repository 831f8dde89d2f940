#include "editor/win32/main_window.h"

#include <shellapi.h>

#include "editor/win32/control_ids.h"
#include "editor/win32/pictures.h"
#include "editor/win32/resource_ids.h"
#include "platform/win32/dropped_files.h"
#include "platform/win32/help.h"
#include "platform/win32/text.h"

namespace fesk::win32 {

using editor::AnimationRepaint;
using editor::Page;
namespace ids = feskini;

namespace {

constexpr UINT kDeferredSync = WM_APP + 1;   // show the models again, later
constexpr UINT kFormActivate = WM_APP + 2;   // the main form became the active form
constexpr UINT_PTR kFocusSubclass = 0x46e5;
constexpr UINT_PTR kPreviewSubclass = 0x46e6;

// The hot-key field speaks HOTKEYF_* modifiers in the high byte of a word;
// the form keeps ShortCut bits (0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt).
bool IsExtendedKey(int vk) {
  return (vk >= VK_PRIOR && vk <= VK_HELP) || vk == VK_LWIN || vk == VK_RWIN || vk == VK_APPS ||
         vk == VK_DIVIDE || vk == VK_NUMLOCK;
}

BYTE HotKeyModifiers(ShortCut value) {
  BYTE modifiers = 0;
  if (value & kShortCutShift) modifiers |= HOTKEYF_SHIFT;
  if (value & kShortCutCtrl) modifiers |= HOTKEYF_CONTROL;
  if (value & kShortCutAlt) modifiers |= HOTKEYF_ALT;
  return modifiers;
}

WORD ToHotKeyWord(ShortCut value) {
  if (value == 0) return 0;
  const int vk = value & 0xFF;
  BYTE modifiers = HotKeyModifiers(value);
  if (IsExtendedKey(vk)) modifiers |= HOTKEYF_EXT;
  return MAKEWORD(vk, modifiers);
}

ShortCut FromHotKeyWord(WORD word) {
  const int vk = LOBYTE(word);
  if (vk == 0) return 0;
  const BYTE modifiers = HIBYTE(word);
  ShortCut value = static_cast<ShortCut>(vk);
  if (modifiers & HOTKEYF_SHIFT) value |= kShortCutShift;
  if (modifiers & HOTKEYF_CONTROL) value |= kShortCutCtrl;
  if (modifiers & HOTKEYF_ALT) value |= kShortCutAlt;
  return value;
}

void AddStyle(HWND window, LONG_PTR add, LONG_PTR remove = 0) {
  LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  SetWindowLongPtrW(window, GWL_STYLE, (style | add) & ~remove);
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, editor::TFFeskINI& form, std::wstring help_file)
    : FormWindow(instance), form_(form), help_file_(std::move(help_file)) {
  FormStyle style;
  style.class_name = L"TFFeskINI";
  style.caption = form.Caption;
  style.client_width = form.ClientWidth;
  style.client_height = form.ClientHeight;
  style.style = WS_OVERLAPPED | WS_CAPTION | (form.HasSystemMenu ? WS_SYSMENU : 0) |
                (form.HasMinimizeBox ? WS_MINIMIZEBOX : 0) | (form.HasMaximizeBox ? WS_MAXIMIZEBOX : 0);
  style.centred = form.CenteredOnScreen;
  style.font_name = Wide(form.FontName);
  style.font_height = form.FontHeight;
  style.icon_resource = IDI_FESKINI;
  Create(style);

  // The tabs in the order of the Page values.
  for (Page page : {Page::kProgram, Page::kShortCut, Page::kMouseAction, Page::kScreenPosition, Page::kGroup}) {
    page_names_.push_back(form_.Sheet(page).caption);
  }
  active_page_ = static_cast<int>(form_.PageControl1.active);
  pages_ = PageControlModel{&form_.PageControl1, &page_names_, &active_page_, [this] {
                              Run([this] { form_.PageControl1Change(static_cast<Page>(active_page_)); });
                            }};
  BindPageControl(pages_);
  tab_ = FindWindowExW(hwnd(), nullptr, WC_TABCONTROLW, nullptr);
  Remember(tab_, ids::kPageControl1, true);

  BindUpperArea();
  BindRightColumn();
  BindProgramPage();
  BindShortCutPage();
  BindMouseActionPage();
  BindScreenPositionPage();
  BindGroupPage();
  StackControls();
  // Captions take the room their text needs in the font the window really
  // has, which may be wider than the one the places were chosen for.
  for (const Label* label : {&form_.Label1, &form_.Label2, &form_.Label3, &form_.Label4, &form_.Label19,
                             &form_.Label6, &form_.Label7, &form_.Label8, &form_.Label14, &form_.Label12,
                             &form_.Label10, &form_.Label11, &form_.Label5, &form_.Label13, &form_.Label15,
                             &form_.Label21}) {
    SetAutoSize(*label);
  }

  palette_ = std::make_unique<PaletteWindow>(instance, *this, form_.Form1, hwnd());
  about_ = std::make_unique<AboutWindow>(instance, *this, form_.Form3, hwnd());
  form_.on_animation_repaint = [this](AnimationRepaint what) { RepaintNow(what); };
}

MainWindow::~MainWindow() {
  form_.on_animation_repaint = nullptr;
  if (icon_) DestroyIcon(icon_);
  if (arrow_up_) DeleteObject(arrow_up_);
  if (arrow_down_) DeleteObject(arrow_down_);
}

void MainWindow::Run(const std::function<void()>& handler) {
  ++busy_;
  handler();
  --busy_;
}

HWND MainWindow::Remember(HWND window, int id, bool focusable) {
  if (window == nullptr) return window;
  SetWindowLongPtrW(window, GWLP_ID, id);
  if (focusable) {
    focusable_[window] = true;
    SetWindowSubclass(window, &MainWindow::FocusProc, kFocusSubclass, reinterpret_cast<DWORD_PTR>(this));
  }
  return window;
}

// ---- Building the window ----------------------------------------------------

void MainWindow::BindUpperArea() {
  auto& f = form_;
  Remember(BindListBox(f.ListBox1, [this] { Run([this] { form_.ListBox1Click(); }); }), ids::kListBox1, true);
  Remember(BindPanel(f.Panel2, kNoPage, true), ids::kPanel2);
  Remember(BindLabel(f.Label17, kNoPage, SS_NOTIFY | SS_ENDELLIPSIS), ids::kLabel17);
  SetContainer(f.Label17, f.Panel2);
  // "n ／ m": the position stands right-aligned against the stroke.
  Remember(BindLabel(f.Label6, kNoPage, SS_RIGHT), ids::kLabel6);
  Remember(BindLabel(f.Label7, kNoPage, SS_CENTER), ids::kLabel7);
  Remember(BindLabel(f.Label8), ids::kLabel8);
  MakeIconPreview();
  Remember(BindCheckBox(f.CheckBox10), ids::kCheckBox10, true);
  arrow_up_ = MakeArrowGlyph(true);
  arrow_down_ = MakeArrowGlyph(false);
  HWND up = Remember(BindButton(f.BitBtn2, [this] { Run([this] { form_.BitBtn2Click(); }); }), ids::kBitBtn2, true);
  HWND down = Remember(BindButton(f.BitBtn3, [this] { Run([this] { form_.BitBtn3Click(); }); }), ids::kBitBtn3, true);
  AddStyle(up, BS_BITMAP);
  AddStyle(down, BS_BITMAP);
  SendMessageW(up, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(arrow_up_));
  SendMessageW(down, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(arrow_down_));
}

void MainWindow::BindRightColumn() {
  auto& f = form_;
  Remember(BindGroupBox(f.GroupBox1), ids::kGroupBox1);
  Remember(BindRadioButton(f.RadioButton4, [this] { Run([this] { form_.RadioButton4Click(); }); }, kNoPage, true),
           ids::kRadioButton4, true);
  Remember(BindRadioButton(f.RadioButton5, [this] { Run([this] { form_.RadioButton5Click(); }); }),
           ids::kRadioButton5, true);
  SetContainer(f.RadioButton4, f.GroupBox1);
  SetContainer(f.RadioButton5, f.GroupBox1);
  struct Column {
    Button* button;
    void (editor::TFFeskINI::*click)();
    int id;
  };
  const Column column[] = {
      {&f.Button9, &editor::TFFeskINI::Button9Click, ids::kButton9},
      {&f.Button1, &editor::TFFeskINI::Button1Click, ids::kButton1},
      {&f.Button2, &editor::TFFeskINI::Button2Click, ids::kButton2},
      {&f.Button16, &editor::TFFeskINI::Button16Click, ids::kButton16},
      {&f.Button15, &editor::TFFeskINI::Button15Click, ids::kButton15},
      {&f.Button7, &editor::TFFeskINI::Button7Click, ids::kButton7},
      {&f.Button4, &editor::TFFeskINI::Button4Click, ids::kButton4},
  };
  for (const Column& c : column) {
    auto click = c.click;
    Remember(BindButton(*c.button, [this, click] { Run([this, click] { (form_.*click)(); }); }), c.id, true);
  }
}

void MainWindow::BindProgramPage() {
  auto& f = form_;
  const int page = static_cast<int>(Page::kProgram);
  // Enter moves on to the next field; the form says which.
  auto enter = [this](bool (editor::TFFeskINI::*key_press)(char)) {
    return [this, key_press] {
      Run([this, key_press] { (form_.*key_press)('\r'); });
      AfterEvent();
    };
  };
  Remember(BindLabel(f.Label1, page), ids::kLabel1);
  Remember(BindEdit(f.Edit3, nullptr, nullptr, enter(&editor::TFFeskINI::Edit3KeyPress), page), ids::kEdit3, true);
  Remember(BindButton(f.Button13, [this] { Run([this] { form_.Button13Click(); }); }, page), ids::kButton13, true);
  Remember(BindLabel(f.Label2, page), ids::kLabel2);
  Remember(BindEdit(f.Edit1, [this] { Run([this] { form_.Edit1Change(); }); }, nullptr,
                    enter(&editor::TFFeskINI::Edit1KeyPress), page),
           ids::kEdit1, true);
  Remember(BindButton(f.Button5, [this] { Run([this] { form_.Button5Click(); }); }, page), ids::kButton5, true);
  Remember(BindLabel(f.Label3, page), ids::kLabel3);
  Remember(BindEdit(f.Edit4, nullptr, nullptr, enter(&editor::TFFeskINI::Edit4KeyPress), page), ids::kEdit4, true);
  Remember(BindGroupBox(f.GroupBox3, page), ids::kGroupBox3);
  // The show state is stored when a button gains or loses the focus; a
  // click only moves the check mark.
  RadioButton* states[] = {&f.RadioButton1, &f.RadioButton2, &f.RadioButton3};
  const int state_ids[] = {ids::kRadioButton1, ids::kRadioButton2, ids::kRadioButton3};
  for (int i = 0; i < 3; ++i) {
    RadioButton* chosen = states[i];
    Remember(BindRadioButton(*chosen, [this, chosen] {
               for (RadioButton* b : {&form_.RadioButton1, &form_.RadioButton2, &form_.RadioButton3}) {
                 b->checked = b == chosen;
               }
             }, page, i == 0),
             state_ids[i], true);
    SetContainer(*chosen, f.GroupBox3);
  }
  Remember(BindCheckBox(f.CheckBox11, page), ids::kCheckBox11, true);
  Remember(BindLabel(f.Label4, page), ids::kLabel4);
  Remember(BindEdit(f.Edit2, nullptr, nullptr, enter(&editor::TFFeskINI::Edit2KeyPress), page), ids::kEdit2, true);
  Remember(BindLabel(f.Label19, page), ids::kLabel19);
  Remember(BindLabel(f.Label20, page, SS_NOTIFY | SS_ENDELLIPSIS), ids::kLabel20);
}

void MainWindow::BindShortCutPage() {
  const int page = static_cast<int>(Page::kShortCut);
  Remember(BindLabel(form_.Label14, page), ids::kLabel14);
  MakeHotKeyField();
}

void MainWindow::BindMouseActionPage() {
  auto& f = form_;
  const int page = static_cast<int>(Page::kMouseAction);
  auto shape_painter = [](Shape& shape) {
    return [&shape](HDC dc, const RECT& area) { PaintShape(dc, area, shape.brush); };
  };
  void (editor::TFFeskINI::*const squares[])() = {
      &editor::TFFeskINI::Shape1MouseDown, &editor::TFFeskINI::Shape2MouseDown,
      &editor::TFFeskINI::Shape3MouseDown, &editor::TFFeskINI::Shape4MouseDown};
  Shape* palette[] = {&f.Shape1, &f.Shape2, &f.Shape3, &f.Shape4};
  for (int i = 0; i < 4; ++i) {
    auto press = squares[i];
    // Any mouse button adds the square's letter.
    Remember(BindShape(*palette[i], [this, press](MouseButtonKind) { Run([this, press] { (form_.*press)(); }); },
                       page, shape_painter(*palette[i])),
             ids::kShape1 + i);
  }
  std::array<Shape*, 16> cells = f.Cells();
  for (int n = 0; n < 16; ++n) {
    Shape& cell = *cells[static_cast<std::size_t>(n)];
    Remember(BindShape(cell, nullptr, page, shape_painter(cell)), ids::kShape1 + 4 + n);
  }
  // The marker is a whole "▼" even though its label is narrower than the
  // window font's glyph.
  const int background = COLOR_WINDOW;
  Remember(BindPicture(f.Label9, [this, background](HDC dc, const RECT& area) {
             PaintMarker(dc, area, Wide(form_.Label9.caption).c_str(), form_.Label9.font_color, background);
           }, nullptr, page),
           ids::kLabel9);
  Remember(BindLabel(f.Label12, page), ids::kLabel12);
  Remember(BindLabel(f.Label10, page), ids::kLabel10);
  Remember(BindLabel(f.Label11, page), ids::kLabel11);
  Remember(BindButton(f.Button8, [this] { Run([this] { form_.Button8Click(); }); }, page), ids::kButton8, true);
  Remember(BindButton(f.Button6, [this] { Run([this] { form_.Button6Click(); }); }, page), ids::kButton6, true);
  Remember(BindButton(f.Button10, [this] { Run([this] { form_.Button10Click(); }); }, page), ids::kButton10, true);
  Remember(BindButton(f.BitBtn1, [this] { Run([this] { form_.BitBtn1Click(); }); }, page), ids::kBitBtn1, true);
  Remember(BindShape(f.Shape21, nullptr, page, shape_painter(f.Shape21)), ids::kShape21);
  Remember(BindImage(f.Image3, [](HDC dc, const RECT& area) { PaintCrossedMouse(dc, area); }, nullptr, page),
           ids::kImage3);
  // The pointer's frames: three, two, one and no waves.
  const std::pair<Image*, int> frames[] = {{&f.Image1, 3}, {&f.Image4, 2}, {&f.Image5, 1}, {&f.Image6, 0}};
  const int frame_ids[] = {ids::kImage1, ids::kImage4, ids::kImage5, ids::kImage6};
  for (int i = 0; i < 4; ++i) {
    const int waves = frames[i].second;
    Remember(BindImage(*frames[i].first, [waves](HDC dc, const RECT& area) { PaintPointerFrame(dc, area, waves); },
                       nullptr, page),
             frame_ids[i]);
  }
  Remember(BindImage(f.Image2, [](HDC dc, const RECT& area) { PaintProgramWindow(dc, area); }, nullptr, page),
           ids::kImage2);
  Remember(BindPanel(f.Panel1, page, false), ids::kPanel1);
  const std::pair<Label*, int> captions[] = {{&f.Label5, ids::kLabel5}, {&f.Label13, ids::kLabel13}, {&f.Label15, ids::kLabel15}};
  for (const auto& [label, id] : captions) {
    Remember(BindLabel(*label, page), id);
    SetContainer(*label, f.Panel1);
  }
  std::array<CheckBox*, 9> boxes = f.RunPositionBoxes();
  for (int k = 0; k < 9; ++k) {
    CheckBox& box = *boxes[static_cast<std::size_t>(k)];
    Remember(BindCheckBox(box, page), ids::kCheckBox1 + k, true);
    SetContainer(box, f.Panel1);
  }
}

void MainWindow::BindScreenPositionPage() {
  auto& f = form_;
  const int page = static_cast<int>(Page::kScreenPosition);
  std::array<Shape*, 8> cells = f.PositionCells();
  std::array<editor::SpeedButton*, 8> buttons = f.PositionButtons();
  void (editor::TFFeskINI::*const clicks[])() = {
      &editor::TFFeskINI::SpeedButton1Click, &editor::TFFeskINI::SpeedButton2Click,
      &editor::TFFeskINI::SpeedButton3Click, &editor::TFFeskINI::SpeedButton4Click,
      &editor::TFFeskINI::SpeedButton5Click, &editor::TFFeskINI::SpeedButton6Click,
      &editor::TFFeskINI::SpeedButton7Click, &editor::TFFeskINI::SpeedButton8Click};
  for (int i = 0; i < 8; ++i) {
    Shape& cell = *cells[static_cast<std::size_t>(i)];
    Remember(BindShape(cell, nullptr, page, [&cell](HDC dc, const RECT& area) { PaintShape(dc, area, cell.brush); }),
             ids::kDspPosShape1 + i);
    auto click = clicks[i];
    // A flat button: it takes no focus and answers the left button.
    Remember(BindPicture(*buttons[static_cast<std::size_t>(i)], [](HDC dc, const RECT& area) { PaintFlatButton(dc, area); },
                         [this, click](MouseButtonKind button) {
                           if (button == MouseButtonKind::kLeft) Run([this, click] { (form_.*click)(); });
                         },
                         page),
             ids::kSpeedButton1 + i);
  }
  Remember(BindButton(f.Button14, [this] { Run([this] { form_.Button14Click(); }); }, page), ids::kButton14, true);
  Remember(BindLabel(f.Label21, page, SS_CENTER), ids::kLabel21);
}

void MainWindow::BindGroupPage() {
  auto& f = form_;
  const int page = static_cast<int>(Page::kGroup);
  Remember(BindGroupBox(f.GroupBox4, page), ids::kGroupBox4);
  Remember(BindRadioButton(f.RadioButton6, [this] { Run([this] { form_.RadioButton6Click(); }); }, page, true),
           ids::kRadioButton6, true);
  Remember(BindRadioButton(f.RadioButton7, [this] { Run([this] { form_.RadioButton7Click(); }); }, page),
           ids::kRadioButton7, true);
  SetContainer(f.RadioButton6, f.GroupBox4);
  SetContainer(f.RadioButton7, f.GroupBox4);
  struct GroupButton {
    Button* button;
    void (editor::TFFeskINI::*click)();
    int id;
  };
  const GroupButton group_buttons[] = {
      {&f.Button3, &editor::TFFeskINI::Button3Click, ids::kButton3},
      {&f.Button19, &editor::TFFeskINI::Button19Click, ids::kButton19},
      {&f.Button11, &editor::TFFeskINI::Button11Click, ids::kButton11},
      {&f.Button12, &editor::TFFeskINI::Button12Click, ids::kButton12},
      {&f.Button21, &editor::TFFeskINI::Button21Click, ids::kButton21},
      {&f.Button22, &editor::TFFeskINI::Button22Click, ids::kButton22},
      {&f.Button23, &editor::TFFeskINI::Button23Click, ids::kButton23},
  };
  for (const GroupButton& b : group_buttons) {
    auto click = b.click;
    Remember(BindButton(*b.button, [this, click] { Run([this, click] { (form_.*click)(); }); }, page), b.id, true);
  }
  MakeTreeView();
  const int background = BackgroundOf(f.Button3);
  Remember(BindPicture(f.Bevel2, [background](HDC dc, const RECT& area) { PaintBevel(dc, area, background); }, nullptr, page),
           ids::kBevel2);
  Remember(BindLabel(f.Label18, page, SS_ENDELLIPSIS), ids::kLabel18);
  Remember(BindImage(f.Image7, [background](HDC dc, const RECT& area) { PaintRightTriangle(dc, area, background); },
                     nullptr, page),
           ids::kImage7);
  Remember(BindImage(f.Image8, [background](HDC dc, const RECT& area) { PaintRightTriangle(dc, area, background); },
                     nullptr, page),
           ids::kImage8);
  Remember(BindShape(f.Shape22, nullptr, page, [this](HDC dc, const RECT& area) { PaintShape(dc, area, form_.Shape22.brush); }),
           ids::kShape22);
}

void MainWindow::MakeTreeView() {
  const int page = static_cast<int>(Page::kGroup);
  tree_ = MakeChild(WC_TREEVIEWW, L"",
                    WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS | TVS_EDITLABELS,
                    WS_EX_CLIENTEDGE, form_.TreeView1, page);
  SendMessageW(tree_, TVM_SETINDENT, static_cast<WPARAM>(form_.TreeView1.indent), 0);
  BindCustom(form_.TreeView1, tree_, [this] { SyncTree(); }, page);
  Remember(tree_, ids::kTreeView1, true);
}

void MainWindow::MakeHotKeyField() {
  const int page = static_cast<int>(Page::kShortCut);
  const editor::HotKeyField& model = form_.HotKey1;
  hotkey_ = MakeChild(HOTKEY_CLASSW, L"", WS_TABSTOP, WS_EX_CLIENTEDGE, model, page);
  WPARAM refused = (model.refuses_plain_key ? HKCOMB_NONE : 0) | (model.refuses_shift_only ? HKCOMB_S : 0);
  SendMessageW(hotkey_, HKM_SETRULES, refused, MAKELPARAM(HotKeyModifiers(model.default_modifiers), 0));
  BindCustom(form_.HotKey1, hotkey_, [this] { SyncHotKey(); }, page);
  Remember(hotkey_, ids::kHotKey1, true);
}

void MainWindow::MakeIconPreview() {
  preview_ = MakeChild(WC_LISTVIEWW, L"", WS_TABSTOP | LVS_ICON | LVS_SINGLESEL | LVS_NOSCROLL, WS_EX_CLIENTEDGE,
                       form_.ListView1, kNoPage);
  SetWindowSubclass(preview_, &MainWindow::PreviewProc, kPreviewSubclass, reinterpret_cast<DWORD_PTR>(this));
  BindCustom(form_.ListView1, preview_, [this] { SyncIconPreview(); });
  Remember(preview_, ids::kListView1, true);
}

// The stack from top to bottom: the controls the user works with in the
// order of the Tab key, radio groups together and each followed by a control
// that starts a new group; then captions and pictures; then the shapes,
// frames and panels they lie on; the page control at the very bottom.
void MainWindow::StackControls() {
  auto& f = form_;
  std::vector<const Control*> order = {
      &f.ListBox1, &f.BitBtn2, &f.BitBtn3, &f.CheckBox10, &f.ListView1,
      // "プログラム"
      &f.Edit3, &f.Button13, &f.Edit1, &f.Button5, &f.Edit4, &f.RadioButton1, &f.RadioButton2, &f.RadioButton3,
      &f.CheckBox11, &f.Edit2,
      // "ｼｮｰﾄ･ｶｯﾄ"
      &f.HotKey1,
      // "マウスACT"
      &f.Button8, &f.Button6, &f.Button10};
  for (CheckBox* box : f.RunPositionBoxes()) order.push_back(box);
  order.insert(order.end(), {&f.BitBtn1,
                             // "画面ﾎﾟｼﾞｼｮﾝ"
                             &f.Button14,
                             // "グループ"
                             &f.RadioButton6, &f.RadioButton7, &f.Button3, &f.Button19, &f.Button11, &f.Button21,
                             &f.TreeView1, &f.Button12, &f.Button22, &f.Button23,
                             // right column
                             &f.RadioButton4, &f.RadioButton5, &f.Button9, &f.Button1, &f.Button2, &f.Button16,
                             &f.Button15, &f.Button7, &f.Button4,
                             // captions and pictures
                             &f.Label9, &f.Label12, &f.Label10, &f.Label11, &f.Label5, &f.Label13, &f.Label15,
                             &f.Image1, &f.Image4, &f.Image5, &f.Image6, &f.Image2, &f.Image3, &f.Label6, &f.Label7,
                             &f.Label8, &f.Label17, &f.Label1, &f.Label2, &f.Label3, &f.Label4, &f.Label19,
                             &f.Label20, &f.Label14, &f.Label21, &f.Label18, &f.Image7, &f.Image8});
  for (editor::SpeedButton* button : f.PositionButtons()) order.push_back(button);
  for (Shape* shape : {&f.Shape1, &f.Shape2, &f.Shape3, &f.Shape4}) order.push_back(shape);
  for (Shape* cell : f.Cells()) order.push_back(cell);
  order.push_back(&f.Shape21);
  for (Shape* cell : f.PositionCells()) order.push_back(cell);
  order.insert(order.end(), {&f.Shape22, &f.Bevel2, &f.Panel1, &f.Panel2, &f.GroupBox1, &f.GroupBox3, &f.GroupBox4});

  stacking_.clear();
  for (const Control* model : order) {
    HWND window = WindowOf(*model);
    if (window == nullptr) continue;
    stacking_.push_back(window);
    // The start-position boxes are left out of the Tab key's round.
    if (!form_.TakesTabFocus(*model)) AddStyle(window, 0, WS_TABSTOP);
  }
  for (const Control* after_group : {static_cast<const Control*>(&f.CheckBox11), static_cast<const Control*>(&f.Button3),
                                     static_cast<const Control*>(&f.Button9)}) {
    AddStyle(WindowOf(*after_group), WS_GROUP);
  }
  stacking_.push_back(tab_);
  constexpr UINT kFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it) SetWindowPos(*it, HWND_TOP, 0, 0, 0, 0, kFlags);
}

// ---- Start --------------------------------------------------------------------

void MainWindow::Start(const std::vector<std::string>& parameters) {
  Run([this, &parameters] { form_.FormCreate(parameters); });
  SyncModels();
  started_ = true;
  visible_ = true;
  ShowWindow(hwnd(), SW_SHOW);
  UpdateWindow(hwnd());
  // The main form becomes the active form when it is first shown.
  last_active_form_ = hwnd();
  Run([this] { form_.FormActivate(); });
  AfterEvent();
}

HWND MainWindow::DialogFor(HWND window) const {
  HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
  if (root == hwnd() || (palette_ && root == palette_->hwnd()) || (about_ && root == about_->hwnd())) return root;
  return nullptr;
}

// ---- Model to window ------------------------------------------------------------

void MainWindow::SyncModels() {
  active_page_ = static_cast<int>(form_.PageControl1.active);
  SyncAll();
}

void MainWindow::ShowModels() {
  if (in_after_event_) return;
  SyncModels();
  palette_->SyncShown();
  about_->SyncShown();
}

void MainWindow::AfterEvent() {
  if (in_after_event_) return;
  in_after_event_ = true;
  SyncModels();
  palette_->SyncShown();
  about_->SyncShown();
  SyncApplication();
  in_after_event_ = false;
  if (form_.Terminated) ExitProcess(0);
  ApplyFocus();
  StartLabelEdit();
}

void MainWindow::SyncApplication() {
  if (hints_shown_ != static_cast<int>(form_.ShowHints)) {
    SetHintsActive(form_.ShowHints);
    hints_shown_ = form_.ShowHints;
  }
  if (hint_pause_shown_ != form_.HintHidePause) {
    SetHintPause(form_.HintHidePause);
    hint_pause_shown_ = form_.HintHidePause;
  }
  if (form_.AcceptsDroppedFiles != drops_accepted_) {
    DragAcceptFiles(hwnd(), form_.AcceptsDroppedFiles);
    drops_accepted_ = form_.AcceptsDroppedFiles;
  }
  if (started_ && form_.Visible && !visible_) {
    ShowWindow(hwnd(), SW_SHOW);
    visible_ = true;
  }
}

void MainWindow::SyncTree() {
  const editor::TreeViewModel& model = form_.TreeView1;
  const GroupTree& tree = model.tree;
  custom_syncing_ = true;
  std::vector<std::pair<GroupNodeId, GroupNodeId>> shape;
  for (GroupNodeId node : tree.PreOrder()) shape.emplace_back(node, tree.Parent(node));
  if (shape != tree_shape_) {
    tree_shape_ = shape;
    RebuildTree();
  } else {
    for (const auto& [node, parent] : shape) {
      if (tree_names_[node] == tree.Name(node)) continue;
      std::wstring name = Wide(tree.Name(node));
      TVITEMW item{};
      item.mask = TVIF_TEXT;
      item.hItem = tree_items_[node];
      item.pszText = name.data();
      SendMessageW(tree_, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
      tree_names_[node] = tree.Name(node);
    }
  }
  for (const auto& [node, parent] : shape) {
    const bool wanted = model.expanded.count(node) != 0;
    auto shown = tree_expanded_.find(node);
    if (shown != tree_expanded_.end() && shown->second == wanted) continue;
    if (!tree.Children(node).empty()) {
      SendMessageW(tree_, TVM_EXPAND, wanted ? TVE_EXPAND : TVE_COLLAPSE,
                   reinterpret_cast<LPARAM>(tree_items_[node]));
    }
    tree_expanded_[node] = wanted;
  }
  if (model.selected != tree_selected_) {
    auto item = tree_items_.find(model.selected);
    SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(item == tree_items_.end() ? nullptr : item->second));
    tree_selected_ = model.selected;
  }
  if (model.read_only != tree_read_only_) {
    AddStyle(tree_, model.read_only ? 0 : TVS_EDITLABELS, model.read_only ? TVS_EDITLABELS : 0);
    tree_read_only_ = model.read_only;
  }
  custom_syncing_ = false;
}

void MainWindow::RebuildTree() {
  const GroupTree& tree = form_.TreeView1.tree;
  SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  tree_items_.clear();
  tree_names_.clear();
  tree_expanded_.clear();
  for (GroupNodeId node : tree.PreOrder()) {
    std::wstring name = Wide(tree.Name(node));
    TVINSERTSTRUCTW insert{};
    const GroupNodeId parent = tree.Parent(node);
    insert.hParent = parent == kNoGroupNode ? TVI_ROOT : tree_items_[parent];
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = name.data();
    insert.item.lParam = node;
    tree_items_[node] = reinterpret_cast<HTREEITEM>(
        SendMessageW(tree_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    tree_names_[node] = tree.Name(node);
  }
  tree_selected_ = kNoGroupNode - 1;  // select again whatever the model has
  SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(tree_, nullptr, TRUE);
}

void MainWindow::SyncHotKey() {
  const WORD wanted = ToHotKeyWord(form_.HotKey1.value);
  if (wanted == hotkey_shown_) return;
  custom_syncing_ = true;
  SendMessageW(hotkey_, HKM_SETHOTKEY, wanted, 0);
  hotkey_shown_ = wanted;
  custom_syncing_ = false;
}

// What the field shows may be no combination at all (modifiers without a
// key): the form then holds none, and the field is cleared with the next
// sync.
void MainWindow::ReadHotKey() {
  const auto shown = static_cast<WORD>(SendMessageW(hotkey_, HKM_GETHOTKEY, 0, 0));
  form_.HotKey1.value = FromHotKeyWord(shown);
  hotkey_shown_ = shown;
}

// The icon the shell associates with the command, asked for a second time
// with the index it gave when that is not the first icon of its file.
void MainWindow::SyncIconPreview() {
  const std::string& source = form_.ListView1.icon_source;
  if (source == icon_shown_) return;
  icon_shown_ = source;
  if (icon_) DestroyIcon(icon_);
  icon_ = nullptr;
  if (!source.empty()) {
    wchar_t path[MAX_PATH * 2] = {};
    lstrcpynW(path, Wide(source).c_str(), MAX_PATH);
    WORD index = 0;
    icon_ = ExtractAssociatedIconW(instance(), path, &index);
    if (icon_ && index != 0) {
      DestroyIcon(icon_);
      icon_ = ExtractAssociatedIconW(instance(), path, &index);
    }
  }
  InvalidateRect(preview_, nullptr, TRUE);
}

void MainWindow::PaintIconPreview(HDC dc) {
  if (icon_ == nullptr) return;
  const Point at = form_.ListView1.icon_at;
  DrawIconEx(dc, at.x, at.y, icon_, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
}

// The real focus follows the form's.  While another of the program's
// windows is active, only a move that a handler asked for brings the main
// window forward; another program's window is never robbed of the focus.
void MainWindow::ApplyFocus() {
  if (!started_ || !visible_ || IsIconic(hwnd())) return;
  HWND active = GetActiveWindow();
  const bool main_active = active == hwnd();
  const bool ours = DialogFor(active) != nullptr;
  Control* control = form_.ActiveControl();
  if (control == nullptr) {
    if (!main_active || busy_) return;
    // Nothing has had the focus yet: the first control of the Tab key's
    // round takes it, as in a dialog.
    for (HWND window : stacking_) {
      if (focusable_.count(window) && IsWindowVisible(window) && IsWindowEnabled(window) &&
          (GetWindowLongPtrW(window, GWL_STYLE) & WS_TABSTOP)) {
        Control* first = window == tab_ ? &form_.PageControl1 : ModelOf(window);
        if (first == nullptr) continue;
        Run([this, first] { form_.FocusControl(*first); });
        SyncModels();
        control = form_.ActiveControl();
        break;
      }
    }
    if (control == nullptr) return;
  }
  if (!main_active && !(ours && control != focus_applied_)) return;
  HWND target = control == &form_.PageControl1 ? tab_ : WindowOf(*control);
  if (target == nullptr || !IsWindowVisible(target) || !IsWindowEnabled(target)) return;
  HWND focus = GetFocus();
  focus_applied_ = control;
  if (focus == target || IsChild(target, focus)) return;
  moving_focus_ = true;
  SetFocus(target);
  moving_focus_ = false;
}

// Button19 asks for the selected group's name to be edited in place.
void MainWindow::StartLabelEdit() {
  const GroupNodeId node = form_.TreeView1.editing;
  if (node == kNoGroupNode || label_editing_ || !IsWindowVisible(tree_)) return;
  auto item = tree_items_.find(node);
  label_editing_ = true;
  HWND edit = nullptr;
  if (item != tree_items_.end()) {
    moving_focus_ = true;
    SetFocus(tree_);
    moving_focus_ = false;
    edit = reinterpret_cast<HWND>(SendMessageW(tree_, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(item->second)));
  }
  if (edit == nullptr) {
    // The tree refused (the node is gone): the edit ends without a name.
    label_editing_ = false;
    Run([this] { form_.TreeView1Edited(std::nullopt); });
    PostMessageW(hwnd(), kDeferredSync, 0, 0);
  }
}

// The animation repaints its controls at once, from inside its handler.
void MainWindow::RepaintNow(AnimationRepaint what) {
  SyncModels();
  auto invalidate = [this](const Control& model) {
    if (HWND window = WindowOf(model)) InvalidateRect(window, nullptr, FALSE);
  };
  switch (what) {
    case AnimationRepaint::kMarker: invalidate(form_.Label9); break;
    case AnimationRepaint::kScreen: invalidate(form_.Shape21); break;
    case AnimationRepaint::kFrames:
      for (const Image* frame : {&form_.Image1, &form_.Image4, &form_.Image5, &form_.Image6}) invalidate(*frame);
      break;
    case AnimationRepaint::kPicture: invalidate(form_.Image2); break;
  }
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void MainWindow::ControlFocused(HWND window) {
  if (!started_ || busy_ || moving_focus_) return;
  Control* model = window == tab_ ? &form_.PageControl1 : ModelOf(window);
  if (model == nullptr) return;
  focus_applied_ = model;
  if (model == form_.ActiveControl()) return;
  // The hot-key field's value is the one it shows as the focus leaves it.
  if (form_.ActiveControl() == &form_.HotKey1) ReadHotKey();
  Run([this, model] { form_.FocusControl(*model); });
  AfterEvent();
}

LRESULT CALLBACK MainWindow::FocusProc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  if (message == WM_SETFOCUS) {
    LRESULT result = DefSubclassProc(window, message, w, l);
    reinterpret_cast<MainWindow*>(data)->ControlFocused(window);
    return result;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, &MainWindow::FocusProc, kFocusSubclass);
  return DefSubclassProc(window, message, w, l);
}

// The icon preview: an empty list view with the program's icon drawn on it;
// a double click starts the program for a test.
LRESULT CALLBACK MainWindow::PreviewProc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<MainWindow*>(data);
  switch (message) {
    case WM_PAINT: {
      LRESULT result = DefSubclassProc(window, message, w, l);
      HDC dc = GetDC(window);
      self->PaintIconPreview(dc);
      ReleaseDC(window, dc);
      return result;
    }
    case WM_LBUTTONDBLCLK:
      self->Run([self] { self->form_.ListView1DblClick(); });
      self->AfterEvent();
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, &MainWindow::PreviewProc, kPreviewSubclass);
      break;
  }
  return DefSubclassProc(window, message, w, l);
}

bool MainWindow::OnTreeNotify(NMHDR* header, LRESULT& result) {
  result = 0;
  switch (header->code) {
    case TVN_SELCHANGEDW: {
      if (custom_syncing_ || Syncing()) return true;
      auto* change = reinterpret_cast<NMTREEVIEWW*>(header);
      const GroupNodeId node = change->itemNew.hItem ? static_cast<GroupNodeId>(change->itemNew.lParam) : kNoGroupNode;
      tree_selected_ = node;
      Run([this, node] { form_.TreeView1Change(node); });
      AfterEvent();
      return true;
    }
    case TVN_ITEMEXPANDEDW: {
      if (custom_syncing_ || Syncing()) return true;
      auto* change = reinterpret_cast<NMTREEVIEWW*>(header);
      const auto node = static_cast<GroupNodeId>(change->itemNew.lParam);
      // The form keeps which groups are open; the user opened or closed one.
      const bool open = (change->itemNew.state & TVIS_EXPANDED) != 0;
      if (open) {
        form_.TreeView1.expanded.insert(node);
      } else {
        form_.TreeView1.expanded.erase(node);
      }
      tree_expanded_[node] = open;
      return true;
    }
    case TVN_BEGINLABELEDITW: {
      auto* edit = reinterpret_cast<NMTVDISPINFOW*>(header);
      const auto node = static_cast<GroupNodeId>(edit->item.lParam);
      bool allowed = false;
      if (label_editing_) {
        allowed = !form_.TreeView1.read_only;  // asked for by the form (Button19)
      } else {
        Run([this, node, &allowed] { allowed = form_.TreeView1Editing(node); });
      }
      label_editing_ = allowed;
      result = allowed ? FALSE : TRUE;
      return true;
    }
    case TVN_ENDLABELEDITW: {
      auto* edit = reinterpret_cast<NMTVDISPINFOW*>(header);
      label_editing_ = false;
      std::optional<std::string> name;
      if (edit->item.pszText) name = Narrow(edit->item.pszText);
      Run([this, &name] { form_.TreeView1Edited(name); });
      // The tree is still ending the edit: the model is shown once it has.
      PostMessageW(hwnd(), kDeferredSync, 0, 0);
      result = FALSE;  // the item takes its new name from the form
      return true;
    }
  }
  return false;
}

void MainWindow::OnDropFiles(HDROP drop) {
  std::vector<std::string> paths = TakeDroppedPaths(drop);
  Run([this, &paths] { form_.FilesDropped(paths); });
  AfterEvent();
}

void MainWindow::NoteFormActivated(HWND window) { last_active_form_ = window; }

// A control's own help context; where it has none, that of the page control
// for a control on one of its pages (it follows the page shown) and the
// window's for any other.  A window that is part of a control (the edit of a
// drop-down list) counts as that control.
int MainWindow::HelpContextOf(HWND window) const {
  Control* model = nullptr;
  for (HWND part = window; part != nullptr && part != hwnd() && model == nullptr; part = GetParent(part)) {
    model = part == tab_ ? &form_.PageControl1 : ModelOf(part);
    window = part;
  }
  if (model == nullptr) return form_.HelpContext;
  if (model->help_context != 0) return model->help_context;
  if (model == &form_.PageControl1 || PageOfWindow(window) != kNoPage) return form_.PageControl1.help_context;
  return form_.HelpContext;
}

// Activation gives the focus back to the form's control.  The form's
// FormActivate runs when the main window takes over from the program's
// other windows (the palette dialog, the about box), not when the user
// comes back from another program or a message box closes.
void MainWindow::OnActivate(WPARAM w, LPARAM) {
  if (LOWORD(w) == WA_INACTIVE) return;
  const bool from_other_form = last_active_form_ != nullptr && last_active_form_ != hwnd();
  last_active_form_ = hwnd();
  if (Control* control = form_.ActiveControl()) {
    HWND target = control == &form_.PageControl1 ? tab_ : WindowOf(*control);
    if (target && IsWindowVisible(target) && IsWindowEnabled(target)) {
      moving_focus_ = true;
      SetFocus(target);
      moving_focus_ = false;
      focus_applied_ = control;
    }
  } else {
    SetFocus(hwnd());
  }
  if (from_other_form && started_) PostMessageW(hwnd(), kFormActivate, 0, 0);
}

bool MainWindow::OnMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_ACTIVATE:
      if (HIWORD(w) != 0) return false;  // minimised
      OnActivate(w, l);
      return true;
    case WM_CLOSE: {
      Run([this] { form_.FormClose(); });
      AfterEvent();
      return true;
    }
    case WM_QUERYENDSESSION: {
      // Windows is ending: the same question as the close box.
      bool may_end = true;
      Run([this, &may_end] { may_end = form_.FormCloseQuery(); });
      AfterEvent();
      result = may_end ? TRUE : FALSE;
      return true;
    }
    case WM_ENDSESSION:
      if (w) ExitProcess(0);
      return true;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(w));
      return true;
    case WM_ERASEBKGND: {
      // Group boxes draw no inside of their own; what shows through on a
      // page must be the page's colour, which the captions use too.
      HDC dc = reinterpret_cast<HDC>(w);
      RECT client;
      GetClientRect(hwnd(), &client);
      FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
      if (IsWindowVisible(tab_)) {
        RECT page = PageArea();
        FillRect(dc, &page, GetSysColorBrush(BackgroundOf(form_.Edit3)));
      }
      result = 1;
      return true;
    }
    case WM_PAINT:
      // Every repaint of the window redraws the icon preview.
      form_.FormPaint();
      if (form_.ListView1.icon_source != icon_shown_) SyncIconPreview();
      return false;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(l);
      if (header->hwndFrom == tree_) return OnTreeNotify(header, result);
      return false;
    }
    case WM_COMMAND: {
      HWND control = reinterpret_cast<HWND>(l);
      const int code = HIWORD(w);
      if (control == nullptr) return false;
      if (control == hotkey_) {
        if (code == EN_CHANGE && !custom_syncing_ && !Syncing()) ReadHotKey();
        return true;
      }
      if (code == STN_CLICKED || code == STN_DBLCLK) {
        void (editor::TFFeskINI::*click)() = nullptr;
        if (control == WindowOf(form_.Panel2)) click = &editor::TFFeskINI::Panel2Click;
        if (control == WindowOf(form_.Label17)) click = &editor::TFFeskINI::Label17Click;
        if (control == WindowOf(form_.Label20)) click = &editor::TFFeskINI::Label20Click;
        if (click) {
          Run([this, click] { (form_.*click)(); });
          AfterEvent();
          return true;
        }
      }
      return false;
    }
    case WM_HELP: {
      // F1: the topic of the control with the focus.
      HWND focus = HelpRequestWindow(l);
      ShowHelp(hwnd(), Narrow(help_file_), HelpContextOf(focus));
      result = TRUE;
      return true;
    }
    case kDeferredSync:
      AfterEvent();
      return true;
    case kFormActivate:
      Run([this] { form_.FormActivate(); });
      AfterEvent();
      return true;
  }
  return false;
}

}  // namespace fesk::win32
