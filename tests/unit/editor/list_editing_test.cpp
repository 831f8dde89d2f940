// The program list and the page "プログラム".
#include "tests/unit/editor/editor_fixture.h"

namespace fesk::editor::testing {
namespace {

class ListEditingTest : public EditorTest {
 protected:
  // Programs "P0" ... with commands "p0.exe" ...
  TFFeskINI& StartWith(int count, const std::vector<std::string>& groups = {}) {
    std::vector<Program> programs;
    for (int n = 0; n < count; ++n) {
      Program p{"P" + std::to_string(n), "p" + std::to_string(n) + ".exe", {}};
      if (static_cast<std::size_t>(n) < groups.size()) p.keys["GROUP"] = groups[static_cast<std::size_t>(n)];
      programs.push_back(p);
    }
    WritePrograms(programs);
    return Start();
  }
  void Delete(int position, Answer answer = Answer::kOk) {
    SelectListItem(position);
    dialogs_.answers.push_back(answer);
    Click(form().Button2, &TFFeskINI::Button2Click);
  }
  // Every list item shows the program its slot holds.
  void ExpectItemsMatchSlots() {
    TFFeskINI& f = form();
    ASSERT_EQ(static_cast<int>(f.ListBox1.items.size()), f.ListCount);
    for (int p = 0; p < f.ListCount; ++p) {
      const std::string& item = f.ListBox1.items[static_cast<std::size_t>(p)];
      EXPECT_EQ(item.substr(4), Entry(f.ListSlotMap[static_cast<std::size_t>(p)]).discription) << item;
    }
  }
};

TEST_F(ListEditingTest, NewTwiceWithoutEditingMakesOneEntry) {
  TFFeskINI& f = StartWith(2);
  Click(f.Button1, &TFFeskINI::Button1Click);
  Click(f.Button1, &TFFeskINI::Button1Click);
  EXPECT_EQ(f.ListBox1.items, (std::vector<std::string>{"0   P0", "1   P1", "2   <新規登録>"}));
  EXPECT_EQ(f.ListBox1.item_index, 2);
  EXPECT_EQ(f.ActiveControl(), &f.Edit3);
  EXPECT_EQ(Entry(2).cmdshow, "SW_SHOW");
  EXPECT_EQ(Entry(2).runpos, "111111111");
  EXPECT_FALSE(f.Modified);
  EXPECT_EQ(f.Label6.caption, "3");
  EXPECT_EQ(f.Label8.caption, "3");
}

TEST_F(ListEditingTest, NewEntryTakesTheDisplayGroupAndShowsTheProgramPage) {
  WritePrograms({{"A", "a"}}, {{"DISPGROUP", "G\\H"}});
  TFFeskINI& f = Start();
  f.PageControl1.active = Page::kGroup;
  Click(f.Button1, &TFFeskINI::Button1Click);
  EXPECT_EQ(Entry(1).group, "G\\H");
  EXPECT_EQ(f.PageControl1.active, Page::kProgram);
  EXPECT_EQ(f.Label20.caption, "G\\H");
}

TEST_F(ListEditingTest, HundredProgramsAreTheLimit) {
  TFFeskINI& f = StartWith(100);
  Click(f.Button1, &TFFeskINI::Button1Click);
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_EQ(dialogs_.boxes[0].caption, "FESKプログラム登録上限");
  EXPECT_EQ(dialogs_.boxes[0].text, "現在のＦＥＳＫでは、\rこれ以上プログラムを登録できません");
  EXPECT_EQ(dialogs_.boxes[0].buttons, Buttons::kOkCancel);
  EXPECT_EQ(f.ListCount, 100);
  EXPECT_EQ(f.LastSlot, 99);
}

TEST_F(ListEditingTest, DeletedNumberIsGivenToTheNextNewProgram) {
  TFFeskINI& f = StartWith(6);
  Delete(3);
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_EQ(dialogs_.boxes[0].caption, "登録プログラムの削除");
  EXPECT_EQ(dialogs_.boxes[0].text, "\"P3\"\r  を削除します。");
  EXPECT_EQ(f.ListBox1.items,
            (std::vector<std::string>{"0   P0", "1   P1", "2   P2", "4   P4", "5   P5"}));
  EXPECT_EQ(f.CurrentItem, 2);
  EXPECT_EQ(f.Edit3.text, "P2");
  EXPECT_EQ(f.LastSlot, 4);
  EXPECT_EQ(Entry(3).discription, "P4");
  EXPECT_EQ(Entry(5).runpos, "000000000");
  EXPECT_TRUE(Entry(5).IsFree());
  EXPECT_TRUE(f.Modified);
  ExpectItemsMatchSlots();

  Click(f.Button1, &TFFeskINI::Button1Click);
  EXPECT_EQ(f.ListBox1.items.back(), "3   <新規登録>");
  EXPECT_EQ(f.ListSlotMap[5], 5);  // saved as the last section
  EXPECT_TRUE(f.FreedNumbers.empty());
}

TEST_F(ListEditingTest, DeletingTheFirstAndTheOnlyProgram) {
  TFFeskINI& f = StartWith(2);
  Delete(0);
  EXPECT_EQ(f.ListBox1.items, (std::vector<std::string>{"1   P1"}));
  EXPECT_EQ(f.ListBox1.item_index, 0);
  EXPECT_EQ(f.Edit3.text, "P1");
  Delete(0);
  EXPECT_TRUE(f.ListBox1.items.empty());
  EXPECT_EQ(f.LastSlot, -1);
  EXPECT_EQ(f.Label6.caption, "0");
  EXPECT_EQ(f.Label8.caption, "0");
  EXPECT_EQ(f.Edit3.text, "");
  // With the list empty the next new entry is slot 0 again.
  Click(f.Button1, &TFFeskINI::Button1Click);
  EXPECT_EQ(f.ListSlotMap[0], 0);
}

TEST_F(ListEditingTest, CancelledDeleteChangesNothing) {
  TFFeskINI& f = StartWith(3);
  Delete(1, Answer::kCancel);
  EXPECT_EQ(f.ListCount, 3);
  EXPECT_FALSE(f.Modified);
  EXPECT_EQ(f.ActiveControl(), &f.ListBox1);
}

TEST_F(ListEditingTest, DeleteUnderTheGroupFilterKeepsItemsOnTheirPrograms) {
  TFFeskINI& f = StartWith(6, {"G", "H", "G", "H", "G", "G"});
  f.DisplayGroup = "G";
  f.CheckBox10.SetChecked(true);
  ASSERT_EQ(f.ListBox1.items, (std::vector<std::string>{"0   P0", "2   P2", "4   P4", "5   P5"}));
  Delete(1);
  EXPECT_EQ(f.ListBox1.items, (std::vector<std::string>{"0   P0", "4   P4", "5   P5"}));
  EXPECT_EQ((std::vector<int>{f.ListSlotMap[0], f.ListSlotMap[1], f.ListSlotMap[2]}),
            (std::vector<int>{0, 3, 4}));
  ExpectItemsMatchSlots();
  EXPECT_EQ(Entry(2).discription, "P3");
  EXPECT_EQ(f.Label8.caption, "3");
}

TEST_F(ListEditingTest, MovingExchangesTheTwoSlots) {
  TFFeskINI& f = StartWith(3);
  SelectListItem(1);
  Click(f.BitBtn2, &TFFeskINI::BitBtn2Click);
  EXPECT_EQ(f.ListBox1.items, (std::vector<std::string>{"1   P1", "0   P0", "2   P2"}));
  EXPECT_EQ(f.CurrentItem, 0);
  EXPECT_EQ(Entry(0).discription, "P1");
  EXPECT_EQ(f.ActiveControl(), &f.ListBox1);
  EXPECT_TRUE(f.Modified);
  ExpectItemsMatchSlots();
  Click(f.BitBtn3, &TFFeskINI::BitBtn3Click);
  Click(f.BitBtn3, &TFFeskINI::BitBtn3Click);
  EXPECT_EQ(f.ListBox1.items, (std::vector<std::string>{"0   P0", "2   P2", "1   P1"}));
  EXPECT_EQ(f.CurrentItem, 2);
  ExpectItemsMatchSlots();
}

TEST_F(ListEditingTest, MovingPastEitherEndChangesOnlyTheFocus) {
  TFFeskINI& f = StartWith(2);
  const std::vector<std::string> before = f.ListBox1.items;
  SelectListItem(0);
  Click(f.BitBtn2, &TFFeskINI::BitBtn2Click);
  SelectListItem(1);
  Click(f.BitBtn3, &TFFeskINI::BitBtn3Click);
  EXPECT_EQ(f.ListBox1.items, before);
  EXPECT_FALSE(f.Modified);
  EXPECT_EQ(f.ActiveControl(), &f.ListBox1);
}

TEST_F(ListEditingTest, MovingInTheFilteredListExchangesSlotsOfTheFullList) {
  TFFeskINI& f = StartWith(4, {"G", "H", "H", "G"});
  f.DisplayGroup = "G";
  f.CheckBox10.SetChecked(true);
  SelectListItem(1);
  Click(f.BitBtn2, &TFFeskINI::BitBtn2Click);
  EXPECT_EQ(Entry(0).discription, "P3");
  EXPECT_EQ(Entry(3).discription, "P0");
  EXPECT_EQ(Entry(1).discription, "P1");
  ExpectItemsMatchSlots();
}

TEST_F(ListEditingTest, TitleKeepsWhatWasTypedAndStoresFortyBytes) {
  TFFeskINI& f = StartWith(1);
  const std::string typed(50, 'x');
  TypeInto(f.Edit3, typed, f.Edit1);
  EXPECT_EQ(f.Edit3.text, typed);
  EXPECT_EQ(f.ListBox1.items[0], "0   " + typed);
  EXPECT_EQ(Entry(0).discription, std::string(40, 'x'));
  EXPECT_TRUE(f.Modified);
}

TEST_F(ListEditingTest, EmptyTitleIsRefusedByKeepingTheFocus) {
  TFFeskINI& f = StartWith(1);
  TypeInto(f.Edit3, "", f.Edit1);
  EXPECT_EQ(f.ActiveControl(), &f.Edit3);
  EXPECT_EQ(Entry(0).discription, "P0");
  EXPECT_FALSE(f.Modified);
}

TEST_F(ListEditingTest, TextFieldsStoreTheirCutValue) {
  struct Case {
    Edit TFFeskINI::*edit;
    EntryField field;
  };
  const Case cases[] = {{&TFFeskINI::Edit1, &ProgramEntry::cmdline},
                        {&TFFeskINI::Edit4, &ProgramEntry::option},
                        {&TFFeskINI::Edit2, &ProgramEntry::workdir}};
  for (const Case& c : cases) {
    form_.reset();
    TFFeskINI& f = StartWith(1);
    Edit& edit = f.*c.edit;
    const std::string stored = Entry(0).*c.field;
    TypeInto(edit, stored, f.ListBox1);
    EXPECT_FALSE(f.Modified);
    TypeInto(edit, std::string(127, 'a') + "表", f.ListBox1);
    EXPECT_EQ(Entry(0).*c.field, std::string(127, 'a'));
    EXPECT_EQ(edit.text, std::string(127, 'a'));
    EXPECT_TRUE(f.Modified);
  }
}

TEST_F(ListEditingTest, EnterStoresAndMovesThroughTheFieldsInACycle) {
  TFFeskINI& f = StartWith(1);
  struct Step {
    Edit TFFeskINI::*edit;
    bool (TFFeskINI::*key_press)(char);
    Edit TFFeskINI::*next;
    EntryField field;
  };
  const Step steps[] = {
      {&TFFeskINI::Edit3, &TFFeskINI::Edit3KeyPress, &TFFeskINI::Edit1, &ProgramEntry::discription},
      {&TFFeskINI::Edit1, &TFFeskINI::Edit1KeyPress, &TFFeskINI::Edit4, &ProgramEntry::cmdline},
      {&TFFeskINI::Edit4, &TFFeskINI::Edit4KeyPress, &TFFeskINI::Edit2, &ProgramEntry::option},
      {&TFFeskINI::Edit2, &TFFeskINI::Edit2KeyPress, &TFFeskINI::Edit3, &ProgramEntry::workdir},
  };
  for (const Step& step : steps) {
    f.FocusControl(f.*step.edit);
    (f.*step.edit).text = "value";
    EXPECT_FALSE((f.*step.key_press)('a'));
    EXPECT_EQ(f.ActiveControl(), &(f.*step.edit));
    EXPECT_TRUE((f.*step.key_press)('\r'));
    EXPECT_EQ(f.ActiveControl(), &(f.*step.next));
    EXPECT_EQ(Entry(0).*step.field, "value");
  }
}

TEST_F(ListEditingTest, ShowStateIsThatOfTheRadioButtonFocusedLast) {
  TFFeskINI& f = StartWith(1);
  EXPECT_EQ(Entry(0).cmdshow, "");
  f.FocusControl(f.RadioButton2);
  EXPECT_EQ(Entry(0).cmdshow, "SW_SHOWMAXIMIZED");
  EXPECT_TRUE(f.Modified);
  f.FocusControl(f.RadioButton3);
  EXPECT_EQ(Entry(0).cmdshow, "SW_SHOWMINIMIZED");
  f.Modified = false;
  f.FocusControl(f.ListBox1);
  EXPECT_EQ(Entry(0).cmdshow, "SW_SHOWMINIMIZED");
  EXPECT_FALSE(f.Modified);
  f.FocusControl(f.RadioButton1);
  EXPECT_EQ(Entry(0).cmdshow, "SW_SHOW");
}

TEST_F(ListEditingTest, TaskTrayIsStoredWhenTheBoxIsLeft) {
  TFFeskINI& f = StartWith(1);
  f.FocusControl(f.CheckBox11);
  f.CheckBox11.SetChecked(true);
  EXPECT_EQ(Entry(0).tasktray, "");
  f.FocusControl(f.ListBox1);
  EXPECT_EQ(Entry(0).tasktray, "ON");
  EXPECT_TRUE(f.Modified);
  f.Modified = false;
  f.FocusControl(f.CheckBox11);
  f.FocusControl(f.ListBox1);
  EXPECT_FALSE(f.Modified);
  f.FocusControl(f.CheckBox11);
  f.CheckBox11.SetChecked(false);
  f.FocusControl(f.ListBox1);
  EXPECT_EQ(Entry(0).tasktray, "");
  EXPECT_TRUE(f.Modified);
}

TEST_F(ListEditingTest, BrowsingSetsTheFieldsOfANewEntry) {
  TFFeskINI& f = Start();
  f.Edit1.text = "C:\\old.exe";
  open_dialog_.answers.push_back("C:\\Tools\\表\\calc.exe");
  Click(f.Button5, &TFFeskINI::Button5Click);
  ASSERT_EQ(open_dialog_.requests.size(), 1u);
  const FileOpenRequest& request = open_dialog_.requests[0];
  EXPECT_EQ(request.title, "実行ﾌﾟﾛｸﾞﾗﾑ･PATHの参照");
  EXPECT_EQ(request.filter,
            "Exe Files (*.EXE)|*.EXE|Bath Files (*.BAT)|*.BAT|PIF Files (*.PIF)|*.PIF|全てのﾌｧｲﾙ (*.*)|*.*");
  EXPECT_EQ(request.filter_index, 1);
  EXPECT_EQ(request.file_name, "C:\\old.exe");
  EXPECT_TRUE(request.hide_read_only);
  EXPECT_EQ(Entry(0).discription, "calc.exe");
  EXPECT_EQ(Entry(0).workdir, "C:\\Tools\\表\\");
  EXPECT_EQ(f.Edit1.text, "C:\\Tools\\表\\calc.exe");
  EXPECT_EQ(Entry(0).cmdline, "");  // stored when the user leaves the field
  EXPECT_EQ(f.ActiveControl(), &f.Edit1);
  f.FocusControl(f.ListBox1);
  EXPECT_EQ(Entry(0).cmdline, "C:\\Tools\\表\\calc.exe");
}

TEST_F(ListEditingTest, BrowsingKeepsAChangedTitleAndAWorkFolder) {
  TFFeskINI& f = StartWith(1);
  TypeInto(f.Edit2, "D:\\Work\\", f.ListBox1);
  open_dialog_.answers.push_back("C:\\Tools\\calc.exe");
  Click(f.Button5, &TFFeskINI::Button5Click);
  EXPECT_EQ(Entry(0).discription, "P0");
  EXPECT_EQ(Entry(0).workdir, "D:\\Work\\");
}

TEST_F(ListEditingTest, CancelledBrowsingChangesOnlyTheFocus) {
  TFFeskINI& f = StartWith(1);
  Click(f.Button5, &TFFeskINI::Button5Click);
  EXPECT_EQ(f.Edit1.text, "p0.exe");
  EXPECT_FALSE(f.Modified);
  EXPECT_EQ(f.ActiveControl(), &f.Edit1);
}

TEST_F(ListEditingTest, DroppedFilesGoToTheSelectedEntryTheLastOneRemaining) {
  TFFeskINI& f = Start();
  f.FilesDropped({"C:\\A\\one.exe", "C:\\B\\two.txt", "C:\\C\\three.lnk"});
  EXPECT_EQ(f.ListCount, 1);
  EXPECT_EQ(Entry(0).discription, "three.lnk");
  EXPECT_EQ(Entry(0).cmdline, "C:\\C\\three.lnk");
  EXPECT_EQ(Entry(0).workdir, "C:\\A\\");  // set from the first file only
  EXPECT_EQ(f.ListBox1.items[0], "0   three.lnk");
}

TEST_F(ListEditingTest, IconPreviewAndTestStartUseTheFieldsAsShown) {
  TFFeskINI& f = StartWith(1);
  EXPECT_EQ(f.ListView1.icon_source, "p0.exe");
  f.Edit1.text = "C:\\x.exe";
  f.Edit1Change();
  EXPECT_EQ(f.ListView1.icon_source, "C:\\x.exe");
  f.Edit4.text = "-opt";
  f.Edit2.text = "C:\\";
  f.ListView1DblClick();
  ASSERT_EQ(shell_.opens.size(), 1u);
  EXPECT_EQ(shell_.opens[0].file, "C:\\x.exe");
  EXPECT_EQ(shell_.opens[0].parameters, "-opt");
  EXPECT_EQ(shell_.opens[0].directory, "C:\\");
  EXPECT_EQ(shell_.opens[0].show, show::kNormal);
  f.Edit1.text.clear();
  f.FormPaint();
  EXPECT_EQ(f.ListView1.icon_source, "");
}

TEST_F(ListEditingTest, HintSwitchDoesNotSetModified) {
  TFFeskINI& f = StartWith(1);
  f.RadioButton5Click();
  EXPECT_FALSE(f.ShowHints);
  EXPECT_TRUE(f.RadioButton5.checked);
  EXPECT_FALSE(f.RadioButton4.checked);
  f.RadioButton4Click();
  EXPECT_TRUE(f.ShowHints);
  EXPECT_FALSE(f.Modified);
}

TEST_F(ListEditingTest, SmallButtonsOpenTheOtherWindows) {
  TFFeskINI& f = StartWith(1);
  f.Button13Click();
  EXPECT_TRUE(f.Form1.Visible);
  f.Button9Click();
  EXPECT_TRUE(f.Form3.Visible);
  f.Form3.OKButtonClick();
  EXPECT_FALSE(f.Form3.Visible);
}

}  // namespace
}  // namespace fesk::editor::testing
