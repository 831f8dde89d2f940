// The program list and the page "プログラム": selecting, adding, deleting
// and moving programs, storing the fields, browsing, dropped files, the icon
// preview, the test start and the hint switch.  Everything changes the
// in-memory model only; a save writes it.
#include <algorithm>
#include <utility>

#include "common/cp932.h"
#include "editor/main_form.h"

namespace fesk::editor {

namespace {
constexpr int kListNumberStackDepth = 100;
constexpr std::size_t kDroppedPathBytes = 255;
}  // namespace

void TFFeskINI::ListBox1Click() {
  if (ListBox1.item_index < 0) return;
  CurrentItem = ListBox1.item_index;
  ShowEntry(CurrentItem);
}

void TFFeskINI::Button1Click() { StartNewEntry(); }

bool TFFeskINI::StartNewEntry() {
  ShowPage(Page::kProgram);
  bool ready = false;
  if (LastSlot >= kProgramSlots - 1) {
    dialogs_.MessageBox("現在のＦＥＳＫでは、\rこれ以上プログラムを登録できません",
                        "FESKプログラム登録上限", Buttons::kOkCancel);
  } else if (ListCount > 0 &&
             ProgramTable[static_cast<std::size_t>(ListSlotMap[static_cast<std::size_t>(ListCount - 1)])]
                     .discription == kNewEntryTitle) {
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
    Label8.caption = std::to_string(LastSlot + 1);
    Label6.caption = std::to_string(CurrentItem + 1);

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
    ListBox1.items.push_back(ListItemText(number, entry.discription));
    SelectItem(CurrentItem);
    Edit1.text.clear();
    Edit2.text.clear();
    Edit3.text.clear();
    CellCursor = -1;
    LastQuadrant = kNoQuadrant;
    ShowEntry(CurrentItem);
    ready = true;
  }
  FocusControl(Edit3);
  return ready;
}

void TFFeskINI::Button2Click() {
  if (ListBox1.item_index < 0) return;
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  Answer answer = dialogs_.MessageBox("\"" + entry->discription + "\"\r  を削除します。",
                                      "登録プログラムの削除", Buttons::kOkCancel);
  if (answer != Answer::kOk) {
    FocusControl(ListBox1);
    return;
  }
  Modified = true;
  const auto position = static_cast<std::size_t>(CurrentItem);
  int number = ListItemNumber(ListBox1.items[position]);
  if (number >= 0 && static_cast<int>(FreedNumbers.size()) < kListNumberStackDepth) {
    FreedNumbers.push_back(number);
  }
  ListBox1.items.erase(ListBox1.items.begin() + CurrentItem);

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
void TFFeskINI::BitBtn2Click() {
  if (CurrentItem > 0 && CurrentItem < ListCount) {
    Modified = true;
    const auto here = static_cast<std::size_t>(CurrentItem), above = here - 1;
    std::swap(ListBox1.items[here], ListBox1.items[above]);
    std::swap(ProgramTable[static_cast<std::size_t>(ListSlotMap[here])],
              ProgramTable[static_cast<std::size_t>(ListSlotMap[above])]);
    --CurrentItem;
    SelectItem(CurrentItem);
    ShowEntry(CurrentItem);
  }
  FocusControl(ListBox1);
}

void TFFeskINI::BitBtn3Click() {
  if (CurrentItem >= 0 && CurrentItem < ListCount - 1) {
    Modified = true;
    const auto here = static_cast<std::size_t>(CurrentItem), below = here + 1;
    std::swap(ListBox1.items[here], ListBox1.items[below]);
    std::swap(ProgramTable[static_cast<std::size_t>(ListSlotMap[here])],
              ProgramTable[static_cast<std::size_t>(ListSlotMap[below])]);
    ++CurrentItem;
    SelectItem(CurrentItem);
    ShowEntry(CurrentItem);
  }
  FocusControl(ListBox1);
}

// The title field keeps what was typed; the entry keeps its first 40 bytes.
void TFFeskINI::Edit3Exit() {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr || Edit3.text == entry->discription) return;
  if (Edit3.text.empty()) {
    FocusControl(Edit3);
    return;
  }
  Modified = true;
  SetField(*entry, &ProgramEntry::discription, Edit3.text);
  std::string& item = ListBox1.items[static_cast<std::size_t>(CurrentItem)];
  item = ListItemNumberField(item) + Edit3.text;
  SelectItem(CurrentItem);
}

void TFFeskINI::StoreTextField(Edit& edit, EntryField field) {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  if (edit.text != entry->*field) Modified = true;
  SetField(*entry, field, edit.text);
  edit.text = entry->*field;
}

void TFFeskINI::Edit1Exit() { StoreTextField(Edit1, &ProgramEntry::cmdline); }
void TFFeskINI::Edit4Exit() { StoreTextField(Edit4, &ProgramEntry::option); }
void TFFeskINI::Edit2Exit() { StoreTextField(Edit2, &ProgramEntry::workdir); }

// Leaving the field is what stores it, so Enter simply moves the focus on.
bool TFFeskINI::FocusNextOnEnter(Edit& from, Edit& to, char key) {
  if (key != '\r') return false;
  if (focus_ != &from) FocusControl(from);
  FocusControl(to);
  return true;
}

bool TFFeskINI::Edit3KeyPress(char key) { return FocusNextOnEnter(Edit3, Edit1, key); }
bool TFFeskINI::Edit1KeyPress(char key) { return FocusNextOnEnter(Edit1, Edit4, key); }
bool TFFeskINI::Edit4KeyPress(char key) { return FocusNextOnEnter(Edit4, Edit2, key); }
bool TFFeskINI::Edit2KeyPress(char key) { return FocusNextOnEnter(Edit2, Edit3, key); }

// The show state stored is that of the radio button that had the focus last.
void TFFeskINI::StoreShowState(const char* value) {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  if (entry->cmdshow != value) Modified = true;
  SetField(*entry, &ProgramEntry::cmdshow, value);
}

void TFFeskINI::RadioButton1Enter() { StoreShowState(kShowNormal); }
void TFFeskINI::RadioButton2Enter() { StoreShowState(kShowMaximized); }
void TFFeskINI::RadioButton3Enter() { StoreShowState(kShowMinimized); }
void TFFeskINI::RadioButton1Exit() { StoreShowState(kShowNormal); }
void TFFeskINI::RadioButton2Exit() { StoreShowState(kShowMaximized); }
void TFFeskINI::RadioButton3Exit() { StoreShowState(kShowMinimized); }

void TFFeskINI::CheckBox11Exit() {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  if (CheckBox11.checked() && entry->tasktray != kOn) {
    entry->tasktray = kOn;
    Modified = true;
  } else if (!CheckBox11.checked() && !entry->tasktray.empty()) {
    entry->tasktray.clear();
    Modified = true;
  }
}

void TFFeskINI::Button5Click() {
  FileOpenRequest request;
  request.title = "実行ﾌﾟﾛｸﾞﾗﾑ･PATHの参照";
  request.filter =
      "Exe Files (*.EXE)|*.EXE|Bath Files (*.BAT)|*.BAT|PIF Files (*.PIF)|*.PIF|"
      "全てのﾌｧｲﾙ (*.*)|*.*";
  request.filter_index = 1;
  request.file_name = Edit1.text;
  request.hide_read_only = true;
  if (std::optional<std::string> chosen = open_dialog_.Execute(request)) {
    Edit1.text = *chosen;
    if (Edit3.text == kNewEntryTitle) Edit3.text = cp932::FileNameOf(*chosen);
    Edit3Exit();
    if (Edit2.text.empty()) {
      Edit2.text = cp932::FolderOf(*chosen);
      Edit2Exit();
    }
  }
  // The command is stored when the user leaves the field.
  FocusControl(Edit1);
}

void TFFeskINI::FilesDropped(const std::vector<std::string>& paths) {
  for (const std::string& dropped : paths) {
    const std::string path(cp932::CutToBytes(dropped, kDroppedPathBytes));
    Edit3.text = cp932::FileNameOf(path);
    Edit3Exit();
    if (Edit2.text.empty()) {
      Edit2.text = cp932::FolderOf(path);
      Edit2Exit();
    }
    Edit1.text = path;
    Edit1Exit();
  }
}

void TFFeskINI::DrawProgramIcon() { ListView1.icon_source = Edit1.text; }

// A test start takes the fields as shown, stored or not, in a normal window.
void TFFeskINI::ListView1DblClick() {
  shell_.Open(Edit1.text, Edit4.text, Edit2.text, show::kNormal);
}

void TFFeskINI::RadioButton4Click() {
  RadioButton4.checked = true;
  RadioButton5.checked = false;
  ShowHints = true;
}

void TFFeskINI::RadioButton5Click() {
  RadioButton4.checked = false;
  RadioButton5.checked = true;
  ShowHints = false;
}

void TFFeskINI::Button13Click() { Form1.Show(); }

void TFFeskINI::Button9Click() { Form3.Show(); }

}  // namespace fesk::editor
