// The program list and the page "プログラム".
#include "tests/unit/editor/editor_fixture.h"

namespace fesk::editor::testing {
namespace {

class ListEditingTest : public EditorTest {
 protected:
  // Programs "P0" ... with commands "p0.exe" ...
  MainForm& StartWith(int count, const std::vector<std::string>& groups = {}) {
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
    Click(form().delete_button, &MainForm::DeleteEntry);
  }
  // Every list item shows the program its slot holds.
  void ExpectItemsMatchSlots() {
    MainForm& f = form();
    ASSERT_EQ(static_cast<int>(f.program_list.items.size()), f.ListCount);
    for (int p = 0; p < f.ListCount; ++p) {
      const std::string& item = f.program_list.items[static_cast<std::size_t>(p)];
      EXPECT_EQ(item.substr(4), Entry(f.ListSlotMap[static_cast<std::size_t>(p)]).discription) << item;
    }
  }
};

TEST_F(ListEditingTest, NewTwiceWithoutEditingMakesOneEntry) {
  MainForm& f = StartWith(2);
  Click(f.new_button, &MainForm::NewEntry);
  Click(f.new_button, &MainForm::NewEntry);
  EXPECT_EQ(f.program_list.items, (std::vector<std::string>{"0   P0", "1   P1", "2   <新規登録>"}));
  EXPECT_EQ(f.program_list.item_index, 2);
  EXPECT_EQ(f.ActiveControl(), &f.title_field);
  EXPECT_EQ(Entry(2).cmdshow, "SW_SHOW");
  EXPECT_EQ(Entry(2).runpos, "111111111");
  EXPECT_FALSE(f.Modified);
  EXPECT_EQ(f.list_position.caption, "3");
  EXPECT_EQ(f.program_count.caption, "3");
}

TEST_F(ListEditingTest, NewEntryTakesTheDisplayGroupAndShowsTheProgramPage) {
  WritePrograms({{"A", "a"}}, {{"DISPGROUP", "G\\H"}});
  MainForm& f = Start();
  f.pages.active = Page::kGroup;
  Click(f.new_button, &MainForm::NewEntry);
  EXPECT_EQ(Entry(1).group, "G\\H");
  EXPECT_EQ(f.pages.active, Page::kProgram);
  EXPECT_EQ(f.entry_group_label.caption, "G\\H");
}

TEST_F(ListEditingTest, HundredProgramsAreTheLimit) {
  MainForm& f = StartWith(100);
  Click(f.new_button, &MainForm::NewEntry);
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_EQ(dialogs_.boxes[0].caption, "FESKプログラム登録上限");
  EXPECT_EQ(dialogs_.boxes[0].text, "現在のＦＥＳＫでは、\rこれ以上プログラムを登録できません");
  EXPECT_EQ(dialogs_.boxes[0].buttons, Buttons::kOkCancel);
  EXPECT_EQ(f.ListCount, 100);
  EXPECT_EQ(f.LastSlot, 99);
}

TEST_F(ListEditingTest, DeletedNumberIsGivenToTheNextNewProgram) {
  MainForm& f = StartWith(6);
  Delete(3);
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_EQ(dialogs_.boxes[0].caption, "登録プログラムの削除");
  EXPECT_EQ(dialogs_.boxes[0].text, "\"P3\"\r  を削除します。");
  EXPECT_EQ(f.program_list.items, (std::vector<std::string>{"0   P0", "1   P1", "2   P2", "4   P4", "5   P5"}));
  EXPECT_EQ(f.CurrentItem, 2);
  EXPECT_EQ(f.title_field.text, "P2");
  EXPECT_EQ(f.LastSlot, 4);
  EXPECT_EQ(Entry(3).discription, "P4");
  EXPECT_EQ(Entry(5).runpos, "000000000");
  EXPECT_TRUE(Entry(5).IsFree());
  EXPECT_TRUE(f.Modified);
  ExpectItemsMatchSlots();

  Click(f.new_button, &MainForm::NewEntry);
  EXPECT_EQ(f.program_list.items.back(), "3   <新規登録>");
  EXPECT_EQ(f.ListSlotMap[5], 5);  // saved as the last section
  EXPECT_TRUE(f.FreedNumbers.empty());
}

TEST_F(ListEditingTest, DeletingTheFirstAndTheOnlyProgram) {
  MainForm& f = StartWith(2);
  Delete(0);
  EXPECT_EQ(f.program_list.items, (std::vector<std::string>{"1   P1"}));
  EXPECT_EQ(f.program_list.item_index, 0);
  EXPECT_EQ(f.title_field.text, "P1");
  Delete(0);
  EXPECT_TRUE(f.program_list.items.empty());
  EXPECT_EQ(f.LastSlot, -1);
  EXPECT_EQ(f.list_position.caption, "0");
  EXPECT_EQ(f.program_count.caption, "0");
  EXPECT_EQ(f.title_field.text, "");
  // With the list empty the next new entry is slot 0 again.
  Click(f.new_button, &MainForm::NewEntry);
  EXPECT_EQ(f.ListSlotMap[0], 0);
}

TEST_F(ListEditingTest, CancelledDeleteChangesNothing) {
  MainForm& f = StartWith(3);
  Delete(1, Answer::kCancel);
  EXPECT_EQ(f.ListCount, 3);
  EXPECT_FALSE(f.Modified);
  EXPECT_EQ(f.ActiveControl(), &f.program_list);
}

TEST_F(ListEditingTest, DeleteUnderTheGroupFilterKeepsItemsOnTheirPrograms) {
  MainForm& f = StartWith(6, {"G", "H", "G", "H", "G", "G"});
  f.DisplayGroup = "G";
  f.group_filter.SetChecked(true);
  ASSERT_EQ(f.program_list.items, (std::vector<std::string>{"0   P0", "2   P2", "4   P4", "5   P5"}));
  Delete(1);
  EXPECT_EQ(f.program_list.items, (std::vector<std::string>{"0   P0", "4   P4", "5   P5"}));
  EXPECT_EQ((std::vector<int>{f.ListSlotMap[0], f.ListSlotMap[1], f.ListSlotMap[2]}), (std::vector<int>{0, 3, 4}));
  ExpectItemsMatchSlots();
  EXPECT_EQ(Entry(2).discription, "P3");
  EXPECT_EQ(f.program_count.caption, "3");
}

TEST_F(ListEditingTest, MovingExchangesTheTwoSlots) {
  MainForm& f = StartWith(3);
  SelectListItem(1);
  Click(f.move_up_button, &MainForm::MoveEntryUp);
  EXPECT_EQ(f.program_list.items, (std::vector<std::string>{"1   P1", "0   P0", "2   P2"}));
  EXPECT_EQ(f.CurrentItem, 0);
  EXPECT_EQ(Entry(0).discription, "P1");
  EXPECT_EQ(f.ActiveControl(), &f.program_list);
  EXPECT_TRUE(f.Modified);
  ExpectItemsMatchSlots();
  Click(f.move_down_button, &MainForm::MoveEntryDown);
  Click(f.move_down_button, &MainForm::MoveEntryDown);
  EXPECT_EQ(f.program_list.items, (std::vector<std::string>{"0   P0", "2   P2", "1   P1"}));
  EXPECT_EQ(f.CurrentItem, 2);
  ExpectItemsMatchSlots();
}

TEST_F(ListEditingTest, MovingPastEitherEndChangesOnlyTheFocus) {
  MainForm& f = StartWith(2);
  const std::vector<std::string> before = f.program_list.items;
  SelectListItem(0);
  Click(f.move_up_button, &MainForm::MoveEntryUp);
  SelectListItem(1);
  Click(f.move_down_button, &MainForm::MoveEntryDown);
  EXPECT_EQ(f.program_list.items, before);
  EXPECT_FALSE(f.Modified);
  EXPECT_EQ(f.ActiveControl(), &f.program_list);
}

TEST_F(ListEditingTest, MovingInTheFilteredListExchangesSlotsOfTheFullList) {
  MainForm& f = StartWith(4, {"G", "H", "H", "G"});
  f.DisplayGroup = "G";
  f.group_filter.SetChecked(true);
  SelectListItem(1);
  Click(f.move_up_button, &MainForm::MoveEntryUp);
  EXPECT_EQ(Entry(0).discription, "P3");
  EXPECT_EQ(Entry(3).discription, "P0");
  EXPECT_EQ(Entry(1).discription, "P1");
  ExpectItemsMatchSlots();
}

TEST_F(ListEditingTest, TitleKeepsWhatWasTypedAndStoresFortyBytes) {
  MainForm& f = StartWith(1);
  const std::string typed(50, 'x');
  TypeInto(f.title_field, typed, f.command_field);
  EXPECT_EQ(f.title_field.text, typed);
  EXPECT_EQ(f.program_list.items[0], "0   " + typed);
  EXPECT_EQ(Entry(0).discription, std::string(40, 'x'));
  EXPECT_TRUE(f.Modified);
}

TEST_F(ListEditingTest, EmptyTitleIsRefusedByKeepingTheFocus) {
  MainForm& f = StartWith(1);
  TypeInto(f.title_field, "", f.command_field);
  EXPECT_EQ(f.ActiveControl(), &f.title_field);
  EXPECT_EQ(Entry(0).discription, "P0");
  EXPECT_FALSE(f.Modified);
}

TEST_F(ListEditingTest, TextFieldsStoreTheirCutValue) {
  struct Case {
    Edit MainForm::*edit;
    EntryField field;
  };
  const Case cases[] = {{&MainForm::command_field, &ProgramEntry::cmdline},
                        {&MainForm::option_field, &ProgramEntry::option},
                        {&MainForm::work_folder_field, &ProgramEntry::workdir}};
  for (const Case& c : cases) {
    form_.reset();
    MainForm& f = StartWith(1);
    Edit& edit = f.*c.edit;
    const std::string stored = Entry(0).*c.field;
    TypeInto(edit, stored, f.program_list);
    EXPECT_FALSE(f.Modified);
    TypeInto(edit, std::string(127, 'a') + "表", f.program_list);
    EXPECT_EQ(Entry(0).*c.field, std::string(127, 'a'));
    EXPECT_EQ(edit.text, std::string(127, 'a'));
    EXPECT_TRUE(f.Modified);
  }
}

TEST_F(ListEditingTest, EnterStoresAndMovesThroughTheFieldsInACycle) {
  MainForm& f = StartWith(1);
  struct Step {
    Edit MainForm::*edit;
    bool (MainForm::*key_press)(char);
    Edit MainForm::*next;
    EntryField field;
  };
  const Step steps[] = {
      {&MainForm::title_field, &MainForm::TitleKeyPress, &MainForm::command_field, &ProgramEntry::discription},
      {&MainForm::command_field, &MainForm::CommandKeyPress, &MainForm::option_field, &ProgramEntry::cmdline},
      {&MainForm::option_field, &MainForm::OptionKeyPress, &MainForm::work_folder_field, &ProgramEntry::option},
      {&MainForm::work_folder_field, &MainForm::WorkFolderKeyPress, &MainForm::title_field, &ProgramEntry::workdir},
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
  MainForm& f = StartWith(1);
  EXPECT_EQ(Entry(0).cmdshow, "");
  f.FocusControl(f.show_maximized);
  EXPECT_EQ(Entry(0).cmdshow, "SW_SHOWMAXIMIZED");
  EXPECT_TRUE(f.Modified);
  f.FocusControl(f.show_minimized);
  EXPECT_EQ(Entry(0).cmdshow, "SW_SHOWMINIMIZED");
  f.Modified = false;
  f.FocusControl(f.program_list);
  EXPECT_EQ(Entry(0).cmdshow, "SW_SHOWMINIMIZED");
  EXPECT_FALSE(f.Modified);
  f.FocusControl(f.show_normal);
  EXPECT_EQ(Entry(0).cmdshow, "SW_SHOW");
}

TEST_F(ListEditingTest, TaskTrayIsStoredWhenTheBoxIsLeft) {
  MainForm& f = StartWith(1);
  f.FocusControl(f.tray_box);
  f.tray_box.SetChecked(true);
  EXPECT_EQ(Entry(0).tasktray, "");
  f.FocusControl(f.program_list);
  EXPECT_EQ(Entry(0).tasktray, "ON");
  EXPECT_TRUE(f.Modified);
  f.Modified = false;
  f.FocusControl(f.tray_box);
  f.FocusControl(f.program_list);
  EXPECT_FALSE(f.Modified);
  f.FocusControl(f.tray_box);
  f.tray_box.SetChecked(false);
  f.FocusControl(f.program_list);
  EXPECT_EQ(Entry(0).tasktray, "");
  EXPECT_TRUE(f.Modified);
}

TEST_F(ListEditingTest, BrowsingSetsTheFieldsOfANewEntry) {
  MainForm& f = Start();
  f.command_field.text = "C:\\old.exe";
  open_dialog_.answers.push_back(fesk::testing::Utf8Path(u8"C:\\Tools\\表\\calc.exe"));
  Click(f.browse_button, &MainForm::BrowseProgram);
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
  EXPECT_EQ(f.command_field.text, "C:\\Tools\\表\\calc.exe");
  EXPECT_EQ(Entry(0).cmdline, "");  // stored when the user leaves the field
  EXPECT_EQ(f.ActiveControl(), &f.command_field);
  f.FocusControl(f.program_list);
  EXPECT_EQ(Entry(0).cmdline, "C:\\Tools\\表\\calc.exe");
}

TEST_F(ListEditingTest, BrowsingKeepsAChangedTitleAndAWorkFolder) {
  MainForm& f = StartWith(1);
  TypeInto(f.work_folder_field, "D:\\Work\\", f.program_list);
  open_dialog_.answers.push_back(FilePath("C:\\Tools\\calc.exe"));
  Click(f.browse_button, &MainForm::BrowseProgram);
  EXPECT_EQ(Entry(0).discription, "P0");
  EXPECT_EQ(Entry(0).workdir, "D:\\Work\\");
}

TEST_F(ListEditingTest, CancelledBrowsingChangesOnlyTheFocus) {
  MainForm& f = StartWith(1);
  Click(f.browse_button, &MainForm::BrowseProgram);
  EXPECT_EQ(f.command_field.text, "p0.exe");
  EXPECT_FALSE(f.Modified);
  EXPECT_EQ(f.ActiveControl(), &f.command_field);
}

TEST_F(ListEditingTest, DroppedFilesGoToTheSelectedEntryTheLastOneRemaining) {
  MainForm& f = Start();
  f.FilesDropped({FilePath("C:\\A\\one.exe"), FilePath("C:\\B\\two.txt"), FilePath("C:\\C\\three.lnk")});
  EXPECT_EQ(f.ListCount, 1);
  EXPECT_EQ(Entry(0).discription, "three.lnk");
  EXPECT_EQ(Entry(0).cmdline, "C:\\C\\three.lnk");
  EXPECT_EQ(Entry(0).workdir, "C:\\A\\");  // set from the first file only
  EXPECT_EQ(f.program_list.items[0], "0   three.lnk");
}

TEST_F(ListEditingTest, IconPreviewAndTestStartUseTheFieldsAsShown) {
  MainForm& f = StartWith(1);
  EXPECT_EQ(f.icon_preview.icon_source, "p0.exe");
  f.command_field.text = "C:\\x.exe";
  f.CommandChange();
  EXPECT_EQ(f.icon_preview.icon_source, "C:\\x.exe");
  f.option_field.text = "-opt";
  f.work_folder_field.text = "C:\\";
  f.RunPreviewedProgram();
  ASSERT_EQ(shell_.opens.size(), 1u);
  EXPECT_EQ(shell_.opens[0].file, "C:\\x.exe");
  EXPECT_EQ(shell_.opens[0].parameters, "-opt");
  EXPECT_EQ(shell_.opens[0].directory, "C:\\");
  EXPECT_EQ(shell_.opens[0].show, show::kNormal);
  f.command_field.text.clear();
  f.FormPaint();
  EXPECT_EQ(f.icon_preview.icon_source, "");
}

TEST_F(ListEditingTest, HintSwitchDoesNotSetModified) {
  MainForm& f = StartWith(1);
  f.HintsOff();
  EXPECT_FALSE(f.show_hints);
  EXPECT_TRUE(f.hints_off.checked);
  EXPECT_FALSE(f.hints_on.checked);
  f.HintsOn();
  EXPECT_TRUE(f.show_hints);
  EXPECT_FALSE(f.Modified);
}

TEST_F(ListEditingTest, SmallButtonsOpenTheOtherWindows) {
  MainForm& f = StartWith(1);
  f.OpenPaletteDialog();
  EXPECT_TRUE(f.palette_dialog.visible);
  f.OpenAboutBox();
  EXPECT_TRUE(f.about_box.visible);
  f.about_box.ok_button.on_click();
  EXPECT_FALSE(f.about_box.visible);
}

}  // namespace
}  // namespace fesk::editor::testing
