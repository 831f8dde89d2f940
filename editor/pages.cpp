// Switching the pages of pages.  The shortcut, mouse-action and
// screen-position pages show the selected program and cannot be shown while
// the program list is empty; the program page takes their place.
#include "editor/main_form.h"

namespace fesk::editor {

void MainForm::PageChange(Page page) { ShowPage(page); }

void MainForm::ShowPage(Page page) {
  pages.active = page;
  switch (page) {
    case Page::kProgram:
      pages.help_context = 35;
      DrawProgramIcon();
      break;
    case Page::kShortCut:
      pages.help_context = 36;
      if (RefusePageWithoutPrograms("ショートカット")) return;
      duplicate_check_button.enabled = true;
      FocusControl(shortcut_field);
      break;
    case Page::kMouseAction:
      pages.help_context = 37;
      if (RefusePageWithoutPrograms("マウスＡＣＴ")) return;
      duplicate_check_button.enabled = true;
      break;
    case Page::kScreenPosition:
      pages.help_context = 38;
      if (RefusePageWithoutPrograms("画面ポイント")) return;
      duplicate_check_button.enabled = true;
      break;
    case Page::kGroup:
      pages.help_context = 39;
      duplicate_check_button.enabled = false;
      FocusControl(group_tree);
      break;
  }
}

// list_position reads "0" exactly when the list shows no program.
bool MainForm::RefusePageWithoutPrograms(const char* page_name) {
  if (list_position.caption != "0") return false;
  ShowPage(Page::kProgram);
  if (hints_on.checked) {
    dialogs_.MessageBox(std::string("\"") + page_name +
                            "\"ページは表示できません\r"
                            "\r"
                            "プログラムが登録されていないか選択されたグループにプログラムが\r"
                            "登録されていないのが原因です\r"
                            "\r"
                            "プログラムを登録するか､表示グループを変更してください\r"
                            "または、左上のｸﾞﾙｰﾌﾟﾁｪｯｸがONになった可能性があります",
                        "FESKINI 確認", Buttons::kOk);
  }
  return true;
}

}  // namespace fesk::editor
