// Start of the main window: help contexts, hints, loading, and the command
// line through which the launcher hands over a mouse action or a program.
#include "common/cp932.h"
#include "common/storable_path.h"
#include "common/text_encoding.h"
#include "editor/main_form.h"
#include "platform/ports.h"

namespace fesk::editor {

// The command line in the settings file's terms: the mouse action's code as
// it is, a program's path as the file can hold it; a path it cannot hold is
// refused (its box shown) and left out, as if it had not been given.
std::vector<std::string> MainForm::StorableParameters(const std::vector<std::string>& parameters) {
  std::vector<std::string> storable;
  for (const std::string& parameter : parameters) {
    std::optional<std::string> text;
    if (storable.empty() && parameter.starts_with("/A"))
      text = encoding::Utf8ToCp932Exactly(parameter);
    else
      text = StorablePathOrRefuse(FilePath(parameter), paths_, dialogs_);
    if (text) storable.push_back(std::move(*text));
    if (storable.empty()) break;  // a refused path given alone: nothing is handed over
  }
  return storable;
}

void MainForm::FormCreate(const std::vector<std::string>& utf8_parameters) {
  SetHelpContexts();
  accepts_dropped_files = true;
  hint_hide_pause = 10000;
  FreedNumbers.clear();
  SaveSilently = false;
  SetLongHints();
  Modified = false;
  crossed_mouse_picture.visible = false;
  LoadSettings();
  // Without its group table the editor still opens, with the list loaded but
  // nothing selected and the command line left alone.
  if (!RunGuarded(dialogs_, [this] { LoadGroupTable(); })) return;

  const std::vector<std::string> parameters = StorableParameters(utf8_parameters);

  if (parameters.empty()) {
    CurrentItem = 0;
    if (LastSlot >= 0) {
      SelectItem(0);
      ShowEntry(0);
    } else {
      LastSlot = -1;
      visible = true;
      StartNewEntry();
    }
    return;
  }

  visible = true;
  // With all slots in use there is no new entry; what the command line
  // carries must not land in a registered program instead.
  if (!StartNewEntry()) return;
  const std::string& first = parameters[0];
  if (first.starts_with("/A")) {
    // A mouse action handed over by the launcher: "/A" and the code.
    FocusControl(program_list);
    ProgramEntry& entry = *SelectedEntry();
    // The handed-over code is an edit like any other: ending asks about it.
    const std::string code(cp932::CutToBytes(std::string_view(first).substr(2), 16));
    if (code != entry.actcode) Modified = true;
    SetField(entry, &ProgramEntry::actcode, code);
    CellCursor = static_cast<int>(entry.actcode.size());
    ShowEntry(CurrentItem);
    FocusControl(title_field);
    if (parameters.size() > 1) {
      command_field.text = parameters[1];
      StoreCommand();
    }
  } else {
    command_field.text = first;
    StoreCommand();
  }
}

void MainForm::FormActivate() { ShowEntry(CurrentItem); }

void MainForm::SetHelpContexts() {
  help_context = 30;
  pages.help_context = 35;
  new_button.help_context = desktop_button.help_context = 31;
  delete_button.help_context = 33;
  move_up_button.help_context = move_down_button.help_context = group_filter.help_context =
      duplicate_check_button.help_context = 40;
}

void MainForm::SetLongHints() {
  read_action_button.hint =
      "実際に操作したﾏｳｽ･ｱｸｼｮﾝを設定します\r"
      "\r"
      "方法：1:｢FESK｣が起動している事を確認します\r"
      "　　　2:｢FESK｣の[動作]画面の[ﾏｳｽ･ｱｸｼｮﾝ自動転送]をONにします\r"
      "　　　3:登録したいﾏｳｽ･ｱｸｼｮﾝ(ﾄﾘｶﾞｰ･ｷｰ + ﾏｳｽ操作)を行います\r"
      "　　　4:このﾎﾞﾀﾝを押します";
  group_filter.hint =
      "ﾁｪｯｸON :ｸﾞﾙｰﾌﾟで選択されている\r"
      "          対応ﾃﾞｰﾀがﾌﾟﾛｸﾞﾗﾑ･ﾘｽﾄに\r"
      "          表示されます\r"
      "ﾁｪｯｸOFF:全てのﾃﾞｰﾀがﾌﾟﾛｸﾞﾗﾑ･ﾘｽﾄに\r"
      "          表示されます。";
  mode1_choice.hint =
      "グループを編集するモード\r"
      "\r"
      "ｸﾞﾙｰﾌﾟとﾌﾟﾛｸﾞﾗﾑ･ﾘｽﾄが連動して動きます";
  program_list.hint =
      "ﾌﾟﾛｸﾞﾗﾑ･ﾘｽﾄ\r"
      "　(ﾌﾟﾛｸﾞﾗﾑを選択して下さい)";
  display_group_panel.hint =
      "表示対象ｸﾞﾙｰﾌﾟ\r"
      "　(左ﾏｳｽ・ｸﾘｯｸでｸﾞﾙｰﾌﾟ選択ﾍﾟｰｼﾞを表示します)";
  position_text.caption =
      "ここで指定した画面端で\r"
      "右ﾏｳｽ･ｸﾘｯｸすると\r"
      "対応するプログラムを\r"
      "実行できます\r"
      "\r"
      "(１個所に１プログラム)";
  duplicate_check_button.hint =
      "現在選択されているﾌﾟﾛｸﾞﾗﾑについて\r"
      "[ﾏｳｽ･ｱｸｼｮﾝ][ｼｮｰﾄｶｯﾄ･ｷｰ][画面ﾎﾟｼﾞｼｮﾝ]\r"
      "の各機能で重複した定義をﾁｪｯｸします\r"
      "\r"
      "ﾁｪｯｸの結果、重複定義がある場合のみ報告します";
}

}  // namespace fesk::editor
