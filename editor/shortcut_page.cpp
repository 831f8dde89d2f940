// The page "ｼｮｰﾄ･ｶｯﾄ" and the duplicate check of duplicate_check_button "重複ﾁｪｯｸ".
#include "common/cp932.h"
#include "editor/main_form.h"

namespace fesk::editor {

// Storing needs a selected program only; the group tree plays no part.  The
// field is set again from the stored text, so that it shows what the
// launcher will read (a keypad digit comes back as the main keyboard's).
void MainForm::StoreShortCut() {
  ProgramEntry* entry = SelectedEntry();
  if (entry == nullptr) return;
  const std::string text = shortcut_field.value == 0 ? std::string() : ShortCutToText(shortcut_field.value, key_names_);
  if (text != entry->hotkey) Modified = true;
  SetField(*entry, &ProgramEntry::hotkey, text);
  shortcut_field.value = TextToShortCut(entry->hotkey, key_names_);
}

// Compares the selected program with every other registered one, in slot
// order and whatever the group filter shows, and reports each clash in its
// own box.  Nothing is changed.
void MainForm::CheckDuplicateShortCuts() {
  const ProgramEntry* selected = SelectedEntry();
  if (selected == nullptr) return;
  const int own_slot = ListSlotMap[static_cast<std::size_t>(CurrentItem)];
  struct Check {
    EntryField field;
    const char* what;
  };
  static constexpr Check kChecks[] = {
      {&ProgramEntry::hotkey, "指定されたショートカット・キーは"},
      {&ProgramEntry::actcode, "指定されたマウス・アクションは"},
      {&ProgramEntry::displaypos, "指定された画面ポジションは"},
  };
  for (int slot = 0; slot <= LastSlot; ++slot) {
    if (slot == own_slot) continue;
    const ProgramEntry& other = ProgramTable[static_cast<std::size_t>(slot)];
    for (const Check& check : kChecks) {
      const std::string& value = other.*check.field;
      if (value.empty() || value != selected->*check.field) continue;
      dialogs_.MessageBox(
          "\"" + selected->discription + "\"で\r" + check.what + "\r\"" + other.discription + "\"で定義済みです",
          "重複定義", Buttons::kOk);
      if (check.field == &ProgramEntry::hotkey) {
        ShowPage(Page::kShortCut);
        FocusControl(shortcut_field);
      }
    }
  }
}

}  // namespace fesk::editor
