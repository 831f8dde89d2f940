// The page "マウスACT" and ShowEntry, which redraws every page from the
// selected entry and ends every editing operation.
//
// The code is built by clicking the four quadrant squares; the table of 16
// cells shows it in colour, two lines name its moves, Image3 marks codes that
// make no useful gesture, and "ｱｸｼｮﾝ確認" plays the movement back.
#include <algorithm>
#include <cstdlib>

#include "common/cp932.h"
#include "common/settings_file.h"
#include "editor/action_display.h"
#include "editor/main_form.h"

namespace fesk::editor {

namespace {

constexpr int kCellCount = 16;
constexpr int kFirstMarkerLeft = 103;  // one pixel left of cell 0
constexpr int kPictureGrowthSteps = 12;

Color QuadrantColour(Quadrant quadrant) {
  switch (quadrant) {
    case kUpperLeft: return colors::kRed;
    case kUpperRight: return colors::kLime;
    case kLowerLeft: return colors::kBlue;
    case kLowerRight: return colors::kYellow;
    default: return colors::kWhite;
  }
}

int Sign(int value) { return value < 0 ? -1 : (value > 0 ? 1 : 0); }

}  // namespace

void TFFeskINI::ShowEntry(int position) {
  for (Image* picture : {&Image1, &Image4, &Image5, &Image6, &Image2}) picture->visible = false;

  UpdatePositionDisplay(position);

  const ProgramEntry* entry = nullptr;
  if (ListBox1.item_index >= 0 && position >= 0 && position < ListCount) {
    int slot = ListSlotMap[static_cast<std::size_t>(position)];
    if (slot >= 0 && slot < kProgramSlots) entry = &ProgramTable[static_cast<std::size_t>(slot)];
  }
  if (entry == nullptr) {
    Edit3.text.clear();
    Edit1.text.clear();
    Edit2.text.clear();
    RadioButton1.checked = true;
    RadioButton2.checked = RadioButton3.checked = false;
    CheckBox11.SetChecked(false);
    HotKey1.value = 0;
    Label20.caption.clear();
    DrawProgramIcon();
    return;
  }

  // Program page.
  Edit3.text = entry->discription;
  Edit1.text = entry->cmdline;
  Edit2.text = entry->workdir;
  Edit4.text = entry->option;
  const std::pair<RadioButton*, const char*> states[] = {
      {&RadioButton1, kShowNormal}, {&RadioButton2, kShowMaximized}, {&RadioButton3, kShowMinimized}};
  for (const auto& [button, value] : states) {
    if (entry->cmdshow == value) {
      for (const auto& other : states) other.first->checked = other.first == button;
    }
  }
  CheckBox11.SetChecked(entry->tasktray == kOn);
  DrawProgramIcon();

  PaintPositionCells(entry->displaypos);

  ShowDirectionText(entry->actcode);
  Image3.visible = IncompleteCode(entry->actcode);
  ClearCells();
  for (std::size_t j = 0; j < entry->actcode.size() && j < kCellCount; ++j) {
    Quadrant quadrant = QuadrantOfLetter(entry->actcode[j]);
    if (quadrant == kNoQuadrant) continue;
    PaintNextCell(quadrant);
    LastQuadrant = quadrant;
  }

  std::array<CheckBox*, 9> boxes = RunPositionBoxes();
  for (std::size_t k = 0; k < boxes.size(); ++k) {
    boxes[k]->SetChecked(k < entry->runpos.size() && entry->runpos[k] == '1');
  }

  HotKey1.value = TextToShortCut(entry->hotkey, key_names_);
  Label20.caption = entry->group;
}

void TFFeskINI::ShowDirectionText(const std::string& code) {
  DirectionLines lines = DirectionText(code);
  Label10.caption = lines.first;
  Label11.caption = lines.second;
}

void TFFeskINI::ClearCells() {
  for (Shape* cell : Cells()) cell->brush = colors::kWhite;
  LastQuadrant = kNoQuadrant;
  CellCursor = -1;
  PaintNextCell(kNoQuadrant);
}

// Paints the next free cell and moves the marker above the one after it;
// after the 16th cell the marker stays above the last.
void TFFeskINI::PaintNextCell(Quadrant quadrant) {
  if (CellCursor > kCellCount - 1) return;
  Cells()[static_cast<std::size_t>(std::max(CellCursor, 0))]->brush = QuadrantColour(quadrant);
  if (CellCursor < kCellCount - 1) Label9.left = 111 + 8 * CellCursor;
  ++CellCursor;
}

void TFFeskINI::AddQuadrantLetter(Quadrant quadrant) {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  // A code never holds the same letter twice in a row.
  if (LastQuadrant == quadrant || CellCursor >= kCellCount) return;
  Modified = true;
  FocusControl(ListBox1);
  const auto position = static_cast<std::size_t>(std::max(CellCursor + 1, 1));
  std::string code = entry->actcode;
  const char letter = QuadrantLetter(quadrant);
  if (code.size() < position) {
    code += letter;
  } else {
    code[position - 1] = letter;
  }
  SetField(*entry, &ProgramEntry::actcode, code);
  ShowEntry(CurrentItem);
  LastQuadrant = quadrant;
}

void TFFeskINI::Button8Click() {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr || CellCursor <= 0) return;
  Modified = true;
  const auto position = static_cast<std::size_t>(CellCursor);
  if (position <= entry->actcode.size()) entry->actcode.erase(position - 1, 1);
  --CellCursor;
  ShowEntry(CurrentItem);
}

void TFFeskINI::Button6Click() {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr || entry->actcode.empty()) return;
  Answer answer = dialogs_.MessageBox(
      "\"" + entry->discription + "\"の\rマウス・アクションをクリアします。",
      "マウス・アクションのクリア", Buttons::kOkCancel);
  if (answer != Answer::kOk) {
    FocusControl(ListBox1);
    return;
  }
  Modified = true;
  entry->actcode.clear();
  LastQuadrant = kNoQuadrant;
  CellCursor = -1;
  ShowEntry(CurrentItem);
}

// Copies the code of the launcher's last mouse action.  An empty transfer
// empties the code, and the page is redrawn in that case too so that it
// shows what the entry now holds.  A code that changes is a change to save.
void TFFeskINI::Button10Click() {
  FocusControl(ListBox1);
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  SettingsFile file(SettingsPath());
  const std::string before = entry->actcode;
  SetField(*entry, &ProgramEntry::actcode, file.ReadString(kSystemSection, kLinkKey, ""));
  if (entry->actcode != before) Modified = true;
  CellCursor = static_cast<int>(entry->actcode.size());
  ShowEntry(CurrentItem);
}

// CheckBox k edits character k of the mask.  A mask shorter than k - 1
// characters is first filled with "0", the state its boxes show, so that the
// box's value lands at its own position.
void TFFeskINI::StoreRunPosition(int k) {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  Modified = true;
  std::string mask = entry->runpos;
  const auto before = static_cast<std::size_t>(k - 1);
  if (mask.size() < before) mask.append(before - mask.size(), '0');
  std::string changed = mask.substr(0, before);
  changed += RunPositionBoxes()[before]->checked() ? '1' : '0';
  if (mask.size() > before + 1) changed += mask.substr(before + 1);
  SetField(*entry, &ProgramEntry::runpos, changed);
}

void TFFeskINI::RequestRepaint(AnimationRepaint what) {
  if (on_animation_repaint) on_animation_repaint(what);
}

// Plays the code back: a pointer travels from corner to corner of the
// screen square, one pixel per clock tick, then a program window grows from
// the middle.  The pace follows the clock, not a delay.
void TFFeskINI::BitBtn1Click() {
  const ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr || Image3.visible) return;
  BitBtn1.enabled = false;
  Image2.visible = false;
  AnimationSteps = 0;

  const int x0 = Shape21.left + 1, y0 = Shape21.top + 1;
  const int x1 = Shape21.left + Shape21.width - 31, y1 = Shape21.top + Shape21.height - 31;
  auto corner = [&](char letter) {
    switch (QuadrantOfLetter(letter)) {
      case kUpperRight: return Point{x1, y0};
      case kLowerLeft: return Point{x0, y1};
      case kLowerRight: return Point{x1, y1};
      default: return Point{x0, y0};
    }
  };

  const std::string code = entry->actcode;
  auto at = [&](std::size_t i) { return i <= code.size() ? code[i - 1] : '\0'; };
  for (std::size_t i = 1; i <= kCellCount; ++i) {
    const char a = at(i), b = at(i + 1);
    Label9.left = (a != '\0' && i != kCellCount) ? kFirstMarkerLeft + 8 * static_cast<int>(i)
                                                  : kFirstMarkerLeft;
    RequestRepaint(AnimationRepaint::kMarker);
    if (DirectionName(a, b).empty()) continue;
    const Point from = corner(a), to = corner(b);
    const int dx = Sign(to.x - from.x), dy = Sign(to.y - from.y);
    const int steps = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)) + 1;
    for (int s = 0; s < steps; ++s) AnimateStep(from.x + dx * s, from.y + dy * s);
  }

  if (AnimationSteps > 0) {
    for (Image* frame : {&Image1, &Image4, &Image5, &Image6}) frame->visible = false;
    Image2.SetBounds(Shape21.left + Shape21.width / 2, Shape21.top + Shape21.height / 2, 1, 1);
    Image2.visible = true;
    for (int n = 0; n < kPictureGrowthSteps; ++n) {
      Image2.SetBounds(Image2.left - 2, Image2.top - 2, Image2.width + 4, Image2.height + 4);
      RequestRepaint(AnimationRepaint::kPicture);
      WaitClockTick();
    }
  }
  BitBtn1.enabled = true;
}

// One position of the pointer: the frames turn through one, two and three
// waves, then none.
void TFFeskINI::AnimateStep(int x, int y) {
  ++AnimationSteps;
  Image* const frames[4] = {&Image6, &Image5, &Image4, &Image1};  // by step mod 4
  Image* shown = frames[AnimationSteps % 4];
  for (Image* frame : frames) {
    frame->top = y;
    frame->visible = frame == shown;
  }
  shown->left = x;
  WaitClockTick();
  if (AnimationSteps == 1) RequestRepaint(AnimationRepaint::kScreen);
  RequestRepaint(AnimationRepaint::kFrames);
}

void TFFeskINI::WaitClockTick() {
  const LocalTime first = clock_.Now();
  while (clock_.Now() == first) {
  }
}

}  // namespace fesk::editor
