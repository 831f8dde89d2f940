// The program list and the page "プログラム": selecting, adding, deleting
// and moving programs, storing the fields, browsing, dropped files, the icon
// preview, the test start and the hint switch.  Everything changes the
// in-memory model only; a save writes it.
#include <algorithm>
#include <utility>

#include "common/cp932.h"
#include "common/storable_path.h"
#include "editor/main_form.h"

namespace fesk::editor {

namespace {
constexpr int kListNumberStackDepth = 100;
constexpr std::size_t kDroppedPathBytes = 255;
}  // namespace

void MainForm::ProgramListClick() {
  if (program_list.item_index < 0) return;
  CurrentItem = program_list.item_index;
  ShowEntry(CurrentItem);
}

void MainForm::NewEntry() { StartNewEntry(); }

bool MainForm::StartNewEntry() {
  ShowPage(Page::kProgram);
  bool ready = false;
  if (LastSlot >= kProgramSlots - 1) {
    dialogs_.MessageBox("現在のＦＥＳＫでは、\rこれ以上プログラムを登録できません", "FESKプログラム登録上限",
                        Buttons::kOkCancel);
  } else if (ListCount > 0 &&
             ProgramTable[static_cast<std::size_t>(ListSlotMap[static_cast<std::size_t>(ListCount - 1)])].discription ==
                 kNewEntryTitle) {
    // The untouched new entry at the end is reused rather than doubled.
    CurrentItem = ListCount - 1;
    SelectItem(CurrentItem);
    UpdatePositionDisplay(CurrentItem);
    ShowEntry(CurrentItem);
    ready = true;
  } else {
    const int slot = LastSlot + 1;
    const int position = ListCount;
    ListSlotMap[static_cast<std::size_t>(position)] = slot;
    ++ListCount;
    CurrentItem = position;
    LastSlot = slot;
    program_count.caption = std::to_string(LastSlot + 1);
    list_position.caption = std::to_string(CurrentItem + 1);

    ProgramEntry entry;
    entry.discription = kNewEntryTitle;
    entry.cmdshow = kShowNormal;
    entry.runpos = kEditorRunPosDefault;
    SetField(entry, &ProgramEntry::group, DisplayGroup);
    ProgramTable[static_cast<std::size_t>(slot)] = entry;

    int number = slot;
    if (!FreedNumbers.empty()) {
      number = FreedNumbers.back();
      FreedNumbers.pop_back();
    }
    program_list.items.push_back(ListItemText(number, entry.discription));
    SelectItem(CurrentItem);
    command_field.text.clear();
    work_folder_field.text.clear();
    title_field.text.clear();
    CellCursor = -1;
    LastQuadrant = kNoQuadrant;
    ShowEntry(CurrentItem);
    ready = true;
  }
  FocusControl(title_field);
  return ready;
}

void MainForm::DeleteEntry() {
  if (program_list.item_index < 0) return;
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  Answer answer = dialogs_.MessageBox("\"" + entry->discription + "\"\r  を削除します。", "登録プログラムの削除",
                                      Buttons::kOkCancel);
  if (answer != Answer::kOk) {
    FocusControl(program_list);
    return;
  }
  Modified = true;
  const auto position = static_cast<std::size_t>(CurrentItem);
  int number = ListItemNumber(program_list.items[position]);
  if (number >= 0 && static_cast<int>(FreedNumbers.size()) < kListNumberStackDepth) {
    FreedNumbers.push_back(number);
  }
  program_list.items.erase(program_list.items.begin() + CurrentItem);

  // Later programs move down one slot so that the slots stay without gaps.
  const int deleted = ListSlotMap[position];
  for (int slot = deleted; slot < LastSlot; ++slot) {
    ProgramTable[static_cast<std::size_t>(slot)] = ProgramTable[static_cast<std::size_t>(slot + 1)];
  }
  ProgramEntry emptied;
  emptied.runpos = "000000000";
  ProgramTable[static_cast<std::size_t>(LastSlot)] = emptied;

  // Every remaining item keeps pointing at its own program.
  for (int p = CurrentItem; p < ListCount - 1; ++p) {
    ListSlotMap[static_cast<std::size_t>(p)] = ListSlotMap[static_cast<std::size_t>(p + 1)];
  }
  ListSlotMap[static_cast<std::size_t>(ListCount - 1)] = kNoListSlot;
  for (int p = 0; p < ListCount - 1; ++p) {
    int& slot = ListSlotMap[static_cast<std::size_t>(p)];
    if (slot > deleted) --slot;
  }
  --ListCount;
  --LastSlot;
  CurrentItem = std::max(CurrentItem - 1, 0);
  SelectItem(CurrentItem);
  ShowEntry(CurrentItem);
}

// Moving exchanges the two programs' slots, wherever they lie in the full
// list; the list items change places with them.
void MainForm::MoveEntryUp() {
  if (CurrentItem > 0 && CurrentItem < ListCount) {
    Modified = true;
    const auto here = static_cast<std::size_t>(CurrentItem), above = here - 1;
    std::swap(program_list.items[here], program_list.items[above]);
    std::swap(ProgramTable[static_cast<std::size_t>(ListSlotMap[here])],
              ProgramTable[static_cast<std::size_t>(ListSlotMap[above])]);
    --CurrentItem;
    SelectItem(CurrentItem);
    ShowEntry(CurrentItem);
  }
  FocusControl(program_list);
}

void MainForm::MoveEntryDown() {
  if (CurrentItem >= 0 && CurrentItem < ListCount - 1) {
    Modified = true;
    const auto here = static_cast<std::size_t>(CurrentItem), below = here + 1;
    std::swap(program_list.items[here], program_list.items[below]);
    std::swap(ProgramTable[static_cast<std::size_t>(ListSlotMap[here])],
              ProgramTable[static_cast<std::size_t>(ListSlotMap[below])]);
    ++CurrentItem;
    SelectItem(CurrentItem);
    ShowEntry(CurrentItem);
  }
  FocusControl(program_list);
}

// The title field keeps what was typed; the entry keeps its first 40 bytes.
void MainForm::StoreTitle() {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr || title_field.text == entry->discription) return;
  if (title_field.text.empty()) {
    FocusControl(title_field);
    return;
  }
  Modified = true;
  SetField(*entry, &ProgramEntry::discription, title_field.text);
  std::string& item = program_list.items[static_cast<std::size_t>(CurrentItem)];
  item = ListItemNumberField(item) + title_field.text;
  SelectItem(CurrentItem);
}

void MainForm::StoreTextField(Edit& edit, EntryField field) {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  if (edit.text != entry->*field) Modified = true;
  SetField(*entry, field, edit.text);
  edit.text = entry->*field;
}

void MainForm::StoreCommand() { StoreTextField(command_field, &ProgramEntry::cmdline); }
void MainForm::StoreOption() { StoreTextField(option_field, &ProgramEntry::option); }
void MainForm::StoreWorkFolder() { StoreTextField(work_folder_field, &ProgramEntry::workdir); }

// Leaving the field is what stores it, so Enter simply moves the focus on.
bool MainForm::FocusNextOnEnter(Edit& from, Edit& to, char key) {
  if (key != '\r') return false;
  if (focus_ != &from) FocusControl(from);
  FocusControl(to);
  return true;
}

bool MainForm::TitleKeyPress(char key) { return FocusNextOnEnter(title_field, command_field, key); }
bool MainForm::CommandKeyPress(char key) { return FocusNextOnEnter(command_field, option_field, key); }
bool MainForm::OptionKeyPress(char key) { return FocusNextOnEnter(option_field, work_folder_field, key); }
bool MainForm::WorkFolderKeyPress(char key) { return FocusNextOnEnter(work_folder_field, title_field, key); }

// The show state stored is that of the radio button that had the focus last.
void MainForm::StoreShowState(const char* value) {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  if (entry->cmdshow != value) Modified = true;
  SetField(*entry, &ProgramEntry::cmdshow, value);
}

void MainForm::StoreTrayOption() {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  if (tray_box.checked() && entry->tasktray != kOn) {
    entry->tasktray = kOn;
    Modified = true;
  } else if (!tray_box.checked() && !entry->tasktray.empty()) {
    entry->tasktray.clear();
    Modified = true;
  }
}

void MainForm::BrowseProgram() {
  FileOpenRequest request;
  request.title = "実行ﾌﾟﾛｸﾞﾗﾑ･PATHの参照";
  request.filter =
      "Exe Files (*.EXE)|*.EXE|Bath Files (*.BAT)|*.BAT|PIF Files (*.PIF)|*.PIF|"
      "全てのﾌｧｲﾙ (*.*)|*.*";
  request.filter_index = 1;
  request.file_name = command_field.text;
  request.hide_read_only = true;
  std::optional<std::string> chosen;
  if (std::optional<FilePath> file = open_dialog_.Execute(request))
    chosen = StorablePathOrRefuse(*file, paths_, dialogs_);
  if (chosen) {
    command_field.text = *chosen;
    if (title_field.text == kNewEntryTitle) title_field.text = cp932::FileNameOf(*chosen);
    StoreTitle();
    if (work_folder_field.text.empty()) {
      work_folder_field.text = cp932::FolderOf(*chosen);
      StoreWorkFolder();
    }
  }
  // The command is stored when the user leaves the field.
  FocusControl(command_field);
}

void MainForm::FilesDropped(const std::vector<FilePath>& paths) {
  for (const FilePath& dropped : paths) {
    const std::optional<std::string> storable = StorablePathOrRefuse(dropped, paths_, dialogs_);
    if (!storable) continue;
    const std::string path(cp932::CutToBytes(*storable, kDroppedPathBytes));
    title_field.text = cp932::FileNameOf(path);
    StoreTitle();
    if (work_folder_field.text.empty()) {
      work_folder_field.text = cp932::FolderOf(path);
      StoreWorkFolder();
    }
    command_field.text = path;
    StoreCommand();
  }
}

void MainForm::DrawProgramIcon() { icon_preview.icon_source = command_field.text; }

// A test start takes the fields as shown, stored or not, in a normal window.
void MainForm::RunPreviewedProgram() {
  shell_.Open(command_field.text, option_field.text, work_folder_field.text, show::kNormal);
}

void MainForm::HintsOn() {
  hint_choice.Check(hints_on);
  show_hints = true;
}

void MainForm::HintsOff() {
  hint_choice.Check(hints_off);
  show_hints = false;
}

void MainForm::OpenPaletteDialog() { palette_dialog.Show(); }

void MainForm::OpenAboutBox() { about_box.Show(); }

}  // namespace fesk::editor
