// Start of the main window: help contexts, hints, loading, and the command
// line through which the launcher hands over a mouse action or a program.
#include "common/cp932.h"
#include "editor/main_form.h"
#include "platform/ports.h"

namespace fesk::editor {

void TFFeskINI::FormCreate(const std::vector<std::string>& parameters) {
  SetHelpContexts();
  AcceptsDroppedFiles = true;
  HintHidePause = 10000;
  FreedNumbers.clear();
  SaveSilently = false;
  SetLongHints();
  Modified = false;
  Image3.visible = false;
  LoadSettings();
  // Without its group table the editor still opens, with the list loaded but
  // nothing selected and the command line left alone.
  if (!RunGuarded(dialogs_, [this] { LoadGroupTable(); })) return;

  if (parameters.empty()) {
    CurrentItem = 0;
    if (LastSlot >= 0) {
      SelectItem(0);
      ShowEntry(0);
    } else {
      LastSlot = -1;
      Visible = true;
      StartNewEntry();
    }
    return;
  }

  Visible = true;
  // With all slots in use there is no new entry; what the command line
  // carries must not land in a registered program instead.
  if (!StartNewEntry()) return;
  const std::string& first = parameters[0];
  if (first.starts_with("/A")) {
    // A mouse action handed over by the launcher: "/A" and the code.
    FocusControl(ListBox1);
    ProgramEntry& entry = *SelectedEntry();
    // The handed-over code is an edit like any other: ending asks about it.
    const std::string code(cp932::CutToBytes(std::string_view(first).substr(2), 16));
    if (code != entry.actcode) Modified = true;
    SetField(entry, &ProgramEntry::actcode, code);
    CellCursor = static_cast<int>(entry.actcode.size());
    ShowEntry(CurrentItem);
    FocusControl(Edit3);
    if (parameters.size() > 1) {
      Edit1.text = parameters[1];
      Edit1Exit();
    }
  } else {
    Edit1.text = first;
    Edit1Exit();
  }
}

void TFFeskINI::FormActivate() { ShowEntry(CurrentItem); }

void TFFeskINI::SetHelpContexts() {
  HelpContext = 30;
  PageControl1.help_context = 35;
  Button1.help_context = Button16.help_context = 31;
  Button2.help_context = 33;
  BitBtn2.help_context = BitBtn3.help_context = CheckBox10.help_context =
      Button15.help_context = 40;
}

void TFFeskINI::SetLongHints() {
  Button10.hint =
      "実際に操作したﾏｳｽ･ｱｸｼｮﾝを設定します\r"
      "\r"
      "方法：1:｢FESK｣が起動している事を確認します\r"
      "　　　2:｢FESK｣の[動作]画面の[ﾏｳｽ･ｱｸｼｮﾝ自動転送]をONにします\r"
      "　　　3:登録したいﾏｳｽ･ｱｸｼｮﾝ(ﾄﾘｶﾞｰ･ｷｰ + ﾏｳｽ操作)を行います\r"
      "　　　4:このﾎﾞﾀﾝを押します";
  CheckBox10.hint =
      "ﾁｪｯｸON :ｸﾞﾙｰﾌﾟで選択されている\r"
      "          対応ﾃﾞｰﾀがﾌﾟﾛｸﾞﾗﾑ･ﾘｽﾄに\r"
      "          表示されます\r"
      "ﾁｪｯｸOFF:全てのﾃﾞｰﾀがﾌﾟﾛｸﾞﾗﾑ･ﾘｽﾄに\r"
      "          表示されます。";
  RadioButton6.hint =
      "グループを編集するモード\r"
      "\r"
      "ｸﾞﾙｰﾌﾟとﾌﾟﾛｸﾞﾗﾑ･ﾘｽﾄが連動して動きます";
  ListBox1.hint =
      "ﾌﾟﾛｸﾞﾗﾑ･ﾘｽﾄ\r"
      "　(ﾌﾟﾛｸﾞﾗﾑを選択して下さい)";
  Panel2.hint =
      "表示対象ｸﾞﾙｰﾌﾟ\r"
      "　(左ﾏｳｽ・ｸﾘｯｸでｸﾞﾙｰﾌﾟ選択ﾍﾟｰｼﾞを表示します)";
  Label21.caption =
      "ここで指定した画面端で\r"
      "右ﾏｳｽ･ｸﾘｯｸすると\r"
      "対応するプログラムを\r"
      "実行できます\r"
      "\r"
      "(１個所に１プログラム)";
  Button15.hint =
      "現在選択されているﾌﾟﾛｸﾞﾗﾑについて\r"
      "[ﾏｳｽ･ｱｸｼｮﾝ][ｼｮｰﾄｶｯﾄ･ｷｰ][画面ﾎﾟｼﾞｼｮﾝ]\r"
      "の各機能で重複した定義をﾁｪｯｸします\r"
      "\r"
      "ﾁｪｯｸの結果、重複定義がある場合のみ報告します";
}

}  // namespace fesk::editor
