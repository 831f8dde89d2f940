// The desktop import, the palette command dialog and the about box.
#include "common/storable_path.h"
#include "tests/unit/editor/editor_fixture.h"

namespace fesk::editor::testing {
namespace {

class DesktopImportTest : public EditorTest {
 protected:
  const std::string nt_folder = "C:\\WINDOWS\\Profiles\\taro\\ﾃﾞｽｸﾄｯﾌﾟ";

  std::vector<std::string> Titles() {
    std::vector<std::string> titles;
    for (int slot = 0; slot <= form().LastSlot; ++slot) titles.push_back(Entry(slot).discription);
    return titles;
  }
};

TEST_F(DesktopImportTest, FolderOfEachPlatformFamily) {
  struct Case {
    bool windows95;
    std::optional<std::string> user;
    const char* folder;
  };
  const Case cases[] = {
      {false, std::string("taro"), "C:\\WINDOWS\\Profiles\\taro\\ﾃﾞｽｸﾄｯﾌﾟ"},
      {false, std::string("  taro \t"), "C:\\WINDOWS\\Profiles\\taro\\ﾃﾞｽｸﾄｯﾌﾟ"},
      {false, std::nullopt, "C:\\WINDOWS\\ﾃﾞｽｸﾄｯﾌﾟ"},
      {true, std::string("taro"), "C:\\WINDOWS\\ﾃﾞｽｸﾄｯﾌﾟ"},
  };
  for (const Case& c : cases) {
    form_.reset();
    desktop_.searched.clear();
    desktop_.windows95 = c.windows95;
    desktop_.user_name = c.user;
    desktop_.existing_folders = {c.folder};
    MainForm& f = Start();
    dialogs_.answers = {Answer::kOk};
    f.ImportDesktop();
    EXPECT_EQ(desktop_.searched, (std::vector<std::string>{std::string(c.folder) + "\\*.*"}));
  }
}

TEST_F(DesktopImportTest, MissingFolderFallsBackToTheShellDesktop) {
  desktop_.existing_folders.clear();
  MainForm& f = Start();
  EXPECT_EQ(f.DesktopFolder(), FilePath("C:\\Users\\taro\\Desktop"));
  desktop_.entries["C:\\Users\\taro\\Desktop\\*.*"] = {".", "..", "Mail.lnk"};
  dialogs_.answers = {Answer::kOk, Answer::kYes};
  f.ImportDesktop();
  EXPECT_EQ(Entry(0).discription, "Mail.lnk");
  EXPECT_EQ(Entry(0).cmdline, "C:\\Users\\taro\\Desktop\\Mail.lnk");
}

// A desktop the settings file cannot name ("José"): its items are searched
// where they are, stored by their short form, or refused with a box and
// left out; an item's own name outside code page 932 is asked about as it
// is called.
TEST_F(DesktopImportTest, ItemsOfAFolderOfAnyNameAreStoredByTheirShortFormOrRefused) {
  const std::string desktop = fesk::testing::Utf8(u8"C:\\Users\\José\\Desktop");
  const std::string cafe = fesk::testing::Utf8(u8"Café.lnk");
  desktop_.utf8_texts = true;
  desktop_.existing_folders.clear();
  desktop_.shell_desktop = desktop;
  desktop_.entries[desktop + "\\*.*"] = {"Mail.lnk", cafe, "memo.txt"};
  paths_.short_forms[desktop + "\\Mail.lnk"] = "C:\\Users\\JOS~1\\Desktop\\Mail.lnk";
  paths_.short_forms[desktop + "\\" + cafe] = "C:\\Users\\JOS~1\\Desktop\\CAF~1.LNK";
  MainForm& f = Start();
  dialogs_.answers = {Answer::kOk, Answer::kYes, Answer::kYes, Answer::kYes, Answer::kOk};
  f.ImportDesktop();
  EXPECT_EQ(Titles(), (std::vector<std::string>{"Mail.lnk", "CAF~1.LNK"}));
  EXPECT_EQ(Entry(0).cmdline, "C:\\Users\\JOS~1\\Desktop\\Mail.lnk");
  EXPECT_EQ(Entry(1).cmdline, "C:\\Users\\JOS~1\\Desktop\\CAF~1.LNK");
  ASSERT_EQ(dialogs_.boxes.size(), 5u);
  EXPECT_EQ(dialogs_.boxes[2].path, FilePath(cafe));  // "Café.lnk" asked about by its name
  EXPECT_EQ(dialogs_.boxes[4].path, FilePath(desktop + "\\memo.txt"));
  EXPECT_EQ(dialogs_.boxes[4].caption, kUnstorablePathCaption);
}

TEST_F(DesktopImportTest, AnswersDecideWhatIsRegistered) {
  struct Case {
    std::vector<Answer> answers;  // after the first question's OK
    std::vector<std::string> titles;
  };
  const Case cases[] = {
      {{Answer::kYes, Answer::kYes, Answer::kYes}, {"Mail.lnk", "Docs", "memo.txt"}},
      {{Answer::kNo, Answer::kNo, Answer::kNo}, {"<新規登録>"}},
      {{Answer::kYes, Answer::kCancel}, {"Mail.lnk"}},
      {{Answer::kNo, Answer::kYes, Answer::kNo}, {"Docs"}},
  };
  for (const Case& c : cases) {
    form_.reset();
    dialogs_.boxes.clear();
    desktop_.existing_folders = {nt_folder};
    desktop_.entries[nt_folder + "\\*.*"] = {".", "Mail.lnk", "..", "Docs", "memo.txt"};
    MainForm& f = Start();
    dialogs_.answers = {Answer::kOk};
    dialogs_.answers.insert(dialogs_.answers.end(), c.answers.begin(), c.answers.end());
    f.ImportDesktop();
    EXPECT_EQ(Titles(), c.titles);
    ASSERT_GE(dialogs_.boxes.size(), 2u);
    EXPECT_EQ(dialogs_.boxes[0].caption, "ﾃﾞｽｸﾄｯﾌﾟ･ｱｲｺﾝの新規登録");
    EXPECT_EQ(dialogs_.boxes[0].text, "ﾃﾞｽｸﾄｯﾌﾟ上のｱｲｺﾝを新規登録ﾌﾟﾛｸﾞﾗﾑとして\r取り込みます");
    EXPECT_EQ(dialogs_.boxes[1].text, "\"Mail.lnk\"を\rFESKに登録します");
    EXPECT_EQ(dialogs_.boxes[1].buttons, Buttons::kYesNoCancel);
  }
  EXPECT_EQ(Entry(0).cmdline, nt_folder + "\\Docs");
}

TEST_F(DesktopImportTest, ItemsBecomeTitleAndFullPath) {
  desktop_.existing_folders = {nt_folder};
  desktop_.entries[nt_folder + "\\*.*"] = {std::string(45, 'n') + ".lnk"};
  MainForm& f = Start();
  dialogs_.answers = {Answer::kOk, Answer::kYes};
  f.ImportDesktop();
  EXPECT_EQ(Entry(0).discription, std::string(40, 'n'));
  EXPECT_EQ(Entry(0).cmdline, nt_folder + "\\" + std::string(45, 'n') + ".lnk");
  EXPECT_TRUE(f.Modified);
}

TEST_F(DesktopImportTest, CancelAtTheStartSearchesNothing) {
  MainForm& f = Start();
  dialogs_.answers = {Answer::kCancel};
  f.ImportDesktop();
  EXPECT_TRUE(desktop_.searched.empty());
}

TEST_F(DesktopImportTest, FullListGoesOnWithTheNextItem) {
  std::vector<Program> programs;
  for (int n = 0; n < 100; ++n) programs.push_back({"P" + std::to_string(n), "p"});
  WritePrograms(programs);
  desktop_.existing_folders = {nt_folder};
  desktop_.entries[nt_folder + "\\*.*"] = {"a.lnk", "b.lnk"};
  MainForm& f = Start();
  dialogs_.answers = {Answer::kOk, Answer::kYes, Answer::kOk, Answer::kYes, Answer::kOk};
  f.ImportDesktop();
  std::vector<std::string> captions;
  for (const auto& box : dialogs_.boxes) captions.push_back(box.caption);
  EXPECT_EQ(captions,
            (std::vector<std::string>{"ﾃﾞｽｸﾄｯﾌﾟ･ｱｲｺﾝの新規登録", "ﾃﾞｽｸﾄｯﾌﾟ･ｱｲｺﾝの新規登録", "FESKプログラム登録上限",
                                      "ﾃﾞｽｸﾄｯﾌﾟ･ｱｲｺﾝの新規登録", "FESKプログラム登録上限"}));
  EXPECT_EQ(f.ListCount, 100);
  EXPECT_EQ(Entry(0).discription, "P0");
  EXPECT_FALSE(f.Modified);
}

class PaletteDialogTest : public EditorTest {
 protected:
  MainForm& StartWithEntry() {
    WritePrograms({{"Old",
                    "old.exe",
                    {{"CMDSHOW", "SW_SHOWMINIMIZED"},
                     {"TASKTRAY", "ON"},
                     {"WORKDIR", "w"},
                     {"OPTION", "o"},
                     {"ACTCODE", "lr"},
                     {"RUNPOS", "000000000"},
                     {"HOTKEY", "Ctrl+A"},
                     {"GROUP", "X"},
                     {"DISPLAYPOS", "4"}}}},
                  {{"DISPGROUP", "G\\H"}});
    return Start();
  }
};

TEST_F(PaletteDialogTest, DialogLayout) {
  MainForm& f = Start();
  PaletteCommandDialog& d = f.palette_dialog;
  EXPECT_EQ(d.caption, "FESK 特殊機能設定");
  EXPECT_EQ(d.client_width, 364);
  EXPECT_EQ(d.client_height, 232);
  EXPECT_TRUE(d.always_on_top);
  EXPECT_EQ(d.heading.caption, "FESKPAL（ｱｲｺﾝﾊﾟﾚｯﾄ表示）");
  EXPECT_EQ(d.ok_button.caption, "ＯＫ");
  EXPECT_EQ((Rect{d.ok_button.left, d.ok_button.top, d.ok_button.width, d.ok_button.height}), (Rect{136, 200, 89, 25}));
  for (int i = 0; i < 10; ++i) {
    const RadioButton& choice = d.choices[static_cast<std::size_t>(i)];
    EXPECT_FALSE(choice.checked);
    EXPECT_EQ(choice.left, i < 5 ? 16 : 192);
    EXPECT_EQ(choice.top, 48 + 24 * (i % 5));
  }
  EXPECT_EQ(d.choices[0].caption, "ｸﾞﾙｰﾌﾟを選択後ｱｲｺﾝを表示");
  EXPECT_EQ(d.choices[9].caption, "パレット８を表示");
}

TEST_F(PaletteDialogTest, EveryChoiceWritesItsTitleAndOption) {
  const std::pair<const char*, const char*> expected[10] = {
      {"FESKPAL ｸﾞﾙｰﾌﾟを選択後ｱｲｺﾝを表示", "M"}, {"FESKPAL パレット０を表示", ""},  {"FESKPAL パレット１を表示", "1"},
      {"FESKPAL パレット２を表示", "2"},         {"FESKPAL パレット３を表示", "3"}, {"FESKPAL パレット４を表示", "4"},
      {"FESKPAL パレット５を表示", "5"},         {"FESKPAL パレット６を表示", "6"}, {"FESKPAL パレット７を表示", "7"},
      {"FESKPAL パレット８を表示", "8"}};
  for (int i = 0; i < 10; ++i) {
    form_.reset();
    MainForm& f = StartWithEntry();
    f.OpenPaletteDialog();
    f.palette_dialog.choice_set.Check(i);
    f.palette_dialog.ok_button.on_click();
    const ProgramEntry& e = Entry(0);
    EXPECT_EQ(e.discription, expected[i].first) << i;
    EXPECT_EQ(e.option, expected[i].second) << i;
    EXPECT_EQ(e.cmdline, Folder() + "FESKPAL.EXE");
    EXPECT_EQ(e.workdir, Folder());
    EXPECT_EQ(e.cmdshow, "SW_SHOW");
    EXPECT_EQ(e.actcode, "");
    EXPECT_EQ(e.runpos, "111111111");
    EXPECT_EQ(e.hotkey, "");
    EXPECT_EQ(e.group, "G\\H");
    EXPECT_EQ(e.tasktray, "ON");
    EXPECT_EQ(e.displaypos, "4");
    EXPECT_EQ(f.program_list.items[0], std::string("0   ") + expected[i].first);
    EXPECT_EQ(f.title_field.text, expected[i].first);
    EXPECT_EQ(f.CellCursor, 0);
    EXPECT_EQ(f.LastQuadrant, kNoQuadrant);
    EXPECT_EQ(f.shortcut_field.value, 0);
    EXPECT_TRUE(f.Modified);
    EXPECT_FALSE(f.palette_dialog.visible);
    EXPECT_EQ(f.ActiveControl(), &f.title_field);
  }
}

TEST_F(PaletteDialogTest, WithoutChoiceTheFieldsAreStoredAsTheyStand) {
  MainForm& f = StartWithEntry();
  f.title_field.text = "Typed";
  f.palette_dialog.ok_button.on_click();
  const ProgramEntry& e = Entry(0);
  EXPECT_EQ(e.discription, "Typed");
  EXPECT_EQ(e.cmdline, "old.exe");
  EXPECT_EQ(e.option, "o");
  EXPECT_EQ(e.workdir, Folder());
  EXPECT_EQ(e.actcode, "");
  EXPECT_EQ(e.hotkey, "");
  EXPECT_EQ(e.runpos, "111111111");
  EXPECT_EQ(e.cmdshow, "SW_SHOW");
  EXPECT_EQ(e.group, "G\\H");
}

// The control that had the focus before "ＯＫ" is left as the focus moves
// to the title field; what it stores must not undo the command's values,
// neither then nor when the user later passes through it again.
TEST_F(PaletteDialogTest, ValuesStandWhateverControlHadTheFocus) {
  struct Case {
    const char* name;
    Control* (*control)(MainForm&);
    int passes;  // a show-state button that gains the focus is chosen: once
  };
  const Case cases[] = {
      {"shortcut_field", [](MainForm& f) -> Control* { return &f.shortcut_field; }, 2},
      {"start_positions[4]", [](MainForm& f) -> Control* { return &f.start_positions[4]; }, 2},
      {"start_positions[0]", [](MainForm& f) -> Control* { return &f.start_positions[0]; }, 2},
      {"show_minimized", [](MainForm& f) -> Control* { return &f.show_minimized; }, 1},
      {"tray_box", [](MainForm& f) -> Control* { return &f.tray_box; }, 2},
  };
  for (const Case& c : cases) {
    form_.reset();
    MainForm& f = StartWithEntry();
    f.OpenPaletteDialog();
    f.FocusControl(*c.control(f));
    f.palette_dialog.choice_set.Check(4);
    f.palette_dialog.ok_button.on_click();
    for (int pass = 0; pass < c.passes; ++pass) {
      const ProgramEntry& e = Entry(0);
      EXPECT_EQ(e.hotkey, "") << c.name << " pass " << pass;
      EXPECT_EQ(e.runpos, "111111111") << c.name << " pass " << pass;
      EXPECT_EQ(e.cmdshow, "SW_SHOW") << c.name << " pass " << pass;
      EXPECT_EQ(e.tasktray, "ON") << c.name << " pass " << pass;
      EXPECT_EQ(e.option, "3") << c.name << " pass " << pass;
      EXPECT_EQ(f.ActiveControl(), &f.title_field) << c.name;
      EXPECT_EQ(f.pages.active, Page::kProgram) << "the title field is shown: " << c.name;
      // The user goes through the same control again without touching it.
      f.FocusControl(*c.control(f));
      f.FocusControl(f.title_field);
    }
  }
}

TEST_F(PaletteDialogTest, ChoiceStaysBetweenOpenings) {
  MainForm& f = StartWithEntry();
  f.OpenPaletteDialog();
  f.palette_dialog.choice_set.Check(4);
  f.palette_dialog.choice_set.Check(2);
  f.palette_dialog.ok_button.on_click();
  f.OpenPaletteDialog();
  EXPECT_EQ(f.palette_dialog.CheckedCommand(), &kPaletteCommands[2]);
  EXPECT_FALSE(f.palette_dialog.choices[4].checked);
}

TEST_F(PaletteDialogTest, EmptyListOnlyHidesTheDialog) {
  WritePrograms({{"A", "a", {{"GROUP", "G"}}}}, {{"DISPGROUP", "none"}});
  MainForm& f = Start();
  f.group_filter.SetChecked(true);
  f.OpenPaletteDialog();
  f.palette_dialog.choice_set.Check(0);
  f.palette_dialog.ok_button.on_click();
  EXPECT_FALSE(f.palette_dialog.visible);
  EXPECT_EQ(Entry(0).discription, "A");
  EXPECT_FALSE(f.Modified);
  EXPECT_EQ(f.ActiveControl(), &f.title_field);
}

TEST(AboutBox, ShowsNameAndVersion) {
  AboutBox about;
  EXPECT_EQ(about.caption, "FESKINI");
  EXPECT_EQ(about.product_name.caption, "FeskIni");
  EXPECT_EQ(about.comments.caption, "for Win32");
  EXPECT_EQ(about.version.caption, "Version 2.3");
  EXPECT_EQ(about.ok_button.caption, "ＯＫ");
  about.Show();
  EXPECT_TRUE(about.visible);
  about.ok_button.on_click();
  EXPECT_FALSE(about.visible);
}

}  // namespace
}  // namespace fesk::editor::testing
