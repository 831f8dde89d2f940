// Writing the model to "Fesk.Ini" and "FESK.TBL", and ending the editor with
// its questions about unsaved changes.
#include "common/group_table.h"
#include "common/settings_file.h"
#include "editor/main_form.h"
#include "platform/ports.h"

namespace fesk::editor {

void MainForm::SaveClick() { Save(); }

bool MainForm::Save() {
  if (!SaveSilently && dialogs_.MessageBox("保存を実行します。", "保存確認", Buttons::kOkCancel) != Answer::kOk) {
    return false;
  }
  // Modified stays set until both files are written, so that a save that
  // fails part-way still makes the editor ask before it ends.
  bool saved = RunGuarded(dialogs_, [this] {
    SettingsFile file(SettingsPath());
    file.DeferWrites();
    file.WriteString(kEditorSection, "HINT", hints_on.checked ? kOn : kOff);
    // Programs are written under consecutive numbers.  A program without a
    // title is not written, and the programs after it close up, so that the
    // file never has a gap at which both programs would stop reading.  A
    // title the file would give back empty (blanks only, or a pair of quotes
    // around nothing, as a file written by hand may hold) counts as none:
    // written as it is, it would make such a gap.
    int section = 0;
    for (const ProgramEntry& entry : ProgramTable) {
      if (WrittenValueReadBack(entry.discription).empty()) continue;
      const std::string name = ProgramSection(section++);
      for (const FieldInfo& field : kProgramFields) {
        file.WriteString(name, field.key, entry.*field.member);
      }
    }
    // Every copy of a section that is no longer a program goes: the file
    // may hold one twice, and a copy left behind would load as a program.
    for (; section < kProgramSlots; ++section) file.EraseEverySection(ProgramSection(section));
    file.Flush();
    WriteGroupTableFile(GroupTablePath(), group_tree.tree);
  });
  if (!saved) return false;
  Modified = false;
  if (hints_on.checked) {
    dialogs_.MessageBox(
        "保存を行いました。\r"
        "\r"
        "設定を有効にするには、FESK及びFESKPALで\r"
        "[最新情報読込み]を実行するか再起動する\r"
        "必要があります。",
        "保存確認", Buttons::kOk);
  }
  return true;
}

void MainForm::EndEditor() {
  StoreFocusedControl();
  if (!Modified) {
    terminated = true;
    return;
  }
  Answer answer = dialogs_.MessageBox(
      "FESK プログラム登録が変更されています。\r"
      "\r"
      "変更を保存しますか？",
      "終了確認", Buttons::kYesNoCancel);
  if (answer == Answer::kYes) {
    SaveSilently = true;
    bool saved = Save();
    SaveSilently = false;
    // A failed save has shown its error; the changes are still here.
    if (saved) terminated = true;
  } else if (answer == Answer::kNo) {
    terminated = true;
  }
}

bool MainForm::FormClose() {
  if (!FormCloseQuery()) return false;
  terminated = true;
  return true;
}

// Closing runs no exit handler of its own: what the focused field holds is
// stored here, so that a text typed but not yet stored counts as a change.
bool MainForm::FormCloseQuery() {
  StoreFocusedControl();
  return !Modified || dialogs_.MessageBox("変更されていますが\r保存せずに終了しますか？", "終了確認",
                                          Buttons::kOkCancel) == Answer::kOk;
}

}  // namespace fesk::editor
