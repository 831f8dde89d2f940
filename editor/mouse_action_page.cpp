// The page "マウスACT" and ShowEntry, which redraws every page from the
// selected entry and ends every editing operation.
//
// The code is built by clicking the four quadrant squares; the table of 16
// cells shows it in colour, two lines name its moves, crossed_mouse_picture marks codes that
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

void MainForm::ShowEntry(int position) {
  for (Image* picture : {&pointer_waves3, &pointer_waves2, &pointer_waves1, &pointer_still, &program_window_picture})
    picture->visible = false;

  UpdatePositionDisplay(position);

  const ProgramEntry* entry = nullptr;
  if (program_list.item_index >= 0 && position >= 0 && position < ListCount) {
    int slot = ListSlotMap[static_cast<std::size_t>(position)];
    if (slot >= 0 && slot < kProgramSlots) entry = &ProgramTable[static_cast<std::size_t>(slot)];
  }
  if (entry == nullptr) {
    title_field.text.clear();
    command_field.text.clear();
    work_folder_field.text.clear();
    show_state.Check(show_normal);
    tray_box.SetChecked(false);
    shortcut_field.value = 0;
    entry_group_label.caption.clear();
    DrawProgramIcon();
    return;
  }

  // Program page.
  title_field.text = entry->discription;
  command_field.text = entry->cmdline;
  work_folder_field.text = entry->workdir;
  option_field.text = entry->option;
  for (std::size_t i = 0; i < kShowStates.size(); ++i) {
    if (entry->cmdshow == kShowStates[i]) show_state.Check(i);
  }
  tray_box.SetChecked(entry->tasktray == kOn);
  DrawProgramIcon();

  PaintPositionCells(entry->displaypos);

  ShowDirectionText(entry->actcode);
  crossed_mouse_picture.visible = IncompleteCode(entry->actcode);
  ClearCells();
  for (std::size_t j = 0; j < entry->actcode.size() && j < kCellCount; ++j) {
    Quadrant quadrant = QuadrantOfLetter(entry->actcode[j]);
    if (quadrant == kNoQuadrant) continue;
    PaintNextCell(quadrant);
    LastQuadrant = quadrant;
  }

  for (std::size_t k = 0; k < start_positions.size(); ++k) {
    start_positions[k].SetChecked(k < entry->runpos.size() && entry->runpos[k] == '1');
  }

  shortcut_field.value = TextToShortCut(entry->hotkey, key_names_);
  entry_group_label.caption = entry->group;
}

void MainForm::ShowDirectionText(const std::string& code) {
  DirectionLines lines = DirectionText(code);
  first_direction_line.caption = lines.first;
  second_direction_line.caption = lines.second;
}

void MainForm::ClearCells() {
  for (Shape& cell : action_cells) cell.brush = colors::kWhite;
  LastQuadrant = kNoQuadrant;
  CellCursor = -1;
  PaintNextCell(kNoQuadrant);
}

// Paints the next free cell and moves the marker above the one after it;
// after the 16th cell the marker stays above the last.
void MainForm::PaintNextCell(Quadrant quadrant) {
  if (CellCursor > kCellCount - 1) return;
  action_cells[static_cast<std::size_t>(std::max(CellCursor, 0))].brush = QuadrantColour(quadrant);
  if (CellCursor < kCellCount - 1) next_cell_marker.left = 111 + 8 * CellCursor;
  ++CellCursor;
}

void MainForm::AddQuadrantLetter(Quadrant quadrant) {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  // A code never holds the same letter twice in a row.
  if (LastQuadrant == quadrant || CellCursor >= kCellCount) return;
  Modified = true;
  FocusControl(program_list);
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

void MainForm::BackSpaceCell() {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr || CellCursor <= 0) return;
  Modified = true;
  const auto position = static_cast<std::size_t>(CellCursor);
  if (position <= entry->actcode.size()) entry->actcode.erase(position - 1, 1);
  --CellCursor;
  ShowEntry(CurrentItem);
}

void MainForm::ClearAction() {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr || entry->actcode.empty()) return;
  Answer answer = dialogs_.MessageBox("\"" + entry->discription + "\"の\rマウス・アクションをクリアします。",
                                      "マウス・アクションのクリア", Buttons::kOkCancel);
  if (answer != Answer::kOk) {
    FocusControl(program_list);
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
void MainForm::ReadMouseAction() {
  FocusControl(program_list);
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  SettingsFile file(SettingsPath());
  const std::string before = entry->actcode;
  SetField(*entry, &ProgramEntry::actcode, file.ReadString(kSystemSection, kLinkKey, ""));
  if (entry->actcode != before) Modified = true;
  CellCursor = static_cast<int>(entry->actcode.size());
  ShowEntry(CurrentItem);
}

// Start-position box k edits character k of the mask.  A mask shorter than k - 1
// characters is first filled with "0", the state its boxes show, so that the
// box's value lands at its own position.
void MainForm::StoreRunPosition(int k) {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  Modified = true;
  std::string mask = entry->runpos;
  const auto before = static_cast<std::size_t>(k - 1);
  if (mask.size() < before) mask.append(before - mask.size(), '0');
  std::string changed = mask.substr(0, before);
  changed += start_positions[before].checked() ? '1' : '0';
  if (mask.size() > before + 1) changed += mask.substr(before + 1);
  SetField(*entry, &ProgramEntry::runpos, changed);
}

void MainForm::RequestRepaint(AnimationRepaint what) {
  if (on_animation_repaint) on_animation_repaint(what);
}

// Plays the code back: a pointer travels from corner to corner of the
// screen square, one pixel per clock tick, then a program window grows from
// the middle.  The pace follows the clock, not a delay.
void MainForm::ConfirmAction() {
  const ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr || crossed_mouse_picture.visible) return;
  confirm_button.enabled = false;
  program_window_picture.visible = false;
  animation_steps = 0;

  const int x0 = animation_screen.left + 1, y0 = animation_screen.top + 1;
  const int x1 = animation_screen.left + animation_screen.width - 31,
            y1 = animation_screen.top + animation_screen.height - 31;
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
    next_cell_marker.left =
        (a != '\0' && i != kCellCount) ? kFirstMarkerLeft + 8 * static_cast<int>(i) : kFirstMarkerLeft;
    RequestRepaint(AnimationRepaint::kMarker);
    if (DirectionName(a, b).empty()) continue;
    const Point from = corner(a), to = corner(b);
    const int dx = Sign(to.x - from.x), dy = Sign(to.y - from.y);
    const int steps = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)) + 1;
    for (int s = 0; s < steps; ++s) AnimateStep(from.x + dx * s, from.y + dy * s);
  }

  if (animation_steps > 0) {
    for (Image* frame : {&pointer_waves3, &pointer_waves2, &pointer_waves1, &pointer_still}) frame->visible = false;
    program_window_picture.SetBounds(animation_screen.left + animation_screen.width / 2,
                                     animation_screen.top + animation_screen.height / 2, 1, 1);
    program_window_picture.visible = true;
    for (int n = 0; n < kPictureGrowthSteps; ++n) {
      program_window_picture.SetBounds(program_window_picture.left - 2, program_window_picture.top - 2,
                                       program_window_picture.width + 4, program_window_picture.height + 4);
      RequestRepaint(AnimationRepaint::kPicture);
      WaitClockTick();
    }
  }
  confirm_button.enabled = true;
}

// One position of the pointer: the frames turn through one, two and three
// waves, then none.
void MainForm::AnimateStep(int x, int y) {
  ++animation_steps;
  Image* const frames[4] = {&pointer_still, &pointer_waves1, &pointer_waves2, &pointer_waves3};  // by step mod 4
  Image* shown = frames[animation_steps % 4];
  for (Image* frame : frames) {
    frame->top = y;
    frame->visible = frame == shown;
  }
  shown->left = x;
  WaitClockTick();
  if (animation_steps == 1) RequestRepaint(AnimationRepaint::kScreen);
  RequestRepaint(AnimationRepaint::kFrames);
}

void MainForm::WaitClockTick() {
  const LocalTime first = clock_.Now();
  while (clock_.Now() == first) {
  }
}

}  // namespace fesk::editor
