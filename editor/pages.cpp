// Switching the pages of PageControl1.  The shortcut, mouse-action and
// screen-position pages show the selected program and cannot be shown while
// the program list is empty; the program page takes their place.
#include "editor/main_form.h"

namespace fesk::editor {

void TFFeskINI::PageControl1Change(Page page) { ShowPage(page); }

void TFFeskINI::ShowPage(Page page) {
  PageControl1.active = page;
  switch (page) {
    case Page::kProgram:
      PageControl1.help_context = 35;
      DrawProgramIcon();
      break;
    case Page::kShortCut:
      PageControl1.help_context = 36;
      if (RefusePageWithoutPrograms("ショートカット")) return;
      Button15.enabled = true;
      FocusControl(HotKey1);
      break;
    case Page::kMouseAction:
      PageControl1.help_context = 37;
      if (RefusePageWithoutPrograms("マウスＡＣＴ")) return;
      Button15.enabled = true;
      break;
    case Page::kScreenPosition:
      PageControl1.help_context = 38;
      if (RefusePageWithoutPrograms("画面ポイント")) return;
      Button15.enabled = true;
      break;
    case Page::kGroup:
      PageControl1.help_context = 39;
      Button15.enabled = false;
      FocusControl(TreeView1);
      break;
  }
}

// Label6 reads "0" exactly when the list shows no program.
bool TFFeskINI::RefusePageWithoutPrograms(const char* page_name) {
  if (Label6.caption != "0") return false;
  ShowPage(Page::kProgram);
  if (RadioButton4.checked) {
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
