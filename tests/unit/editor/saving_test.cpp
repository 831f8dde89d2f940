// Saving "Fesk.Ini" and "FESK.TBL", and ending the editor.
#include "common/group_table.h"
#include "tests/unit/editor/editor_fixture.h"

#include <functional>

namespace fesk::editor::testing {
namespace {

class SavingTest : public EditorTest {
 protected:
  bool SaveAnswering(Answer answer) {
    dialogs_.answers.push_back(answer);
    return form().Save();
  }
  void MakeReadOnly(const std::string& path) { ::chmod(path.c_str(), 0444); }
};

TEST_F(SavingTest, WritesExactlyTheHintAndTheProgramSections) {
  MainForm& f = Start();
  TypeInto(f.title_field, "メモ帳", f.command_field);
  TypeInto(f.command_field, "C:\\WINDOWS\\NOTEPAD.EXE", f.program_list);
  f.quadrant_squares[0].on_mouse_down(MouseButton::kLeft);
  f.quadrant_squares[1].on_mouse_down(MouseButton::kLeft);
  f.position_buttons[2].on_click();
  Click(f.new_button, &MainForm::NewEntry);
  TypeInto(f.title_field, "Calc", f.work_folder_field);
  TypeInto(f.work_folder_field, "C:\\", f.program_list);
  ASSERT_TRUE(SaveAnswering(Answer::kOk));
  EXPECT_EQ(ReadFile(IniPath()),
            "[FESKIN]\r\nHINT=ON\r\n"
            "[CMD0]\r\nDISCRIPTION=メモ帳\r\nCMDLINE=C:\\WINDOWS\\NOTEPAD.EXE\r\nCMDSHOW=SW_SHOW\r\n"
            "TASKTRAY=\r\nWORKDIR=\r\nOPTION=\r\nACTCODE=lr\r\nRUNPOS=111111111\r\nHOTKEY=\r\n"
            "GROUP=\r\nDISPLAYPOS=3\r\n"
            "[CMD1]\r\nDISCRIPTION=Calc\r\nCMDLINE=\r\nCMDSHOW=SW_SHOW\r\nTASKTRAY=\r\nWORKDIR=C:\\\r\n"
            "OPTION=\r\nACTCODE=\r\nRUNPOS=111111111\r\nHOTKEY=\r\nGROUP=\r\nDISPLAYPOS=\r\n");
  EXPECT_EQ(ReadFile(TablePath()), "");
  EXPECT_FALSE(f.Modified);
  ASSERT_EQ(dialogs_.boxes.size(), 2u);
  EXPECT_EQ(dialogs_.boxes[0].caption, "保存確認");
  EXPECT_EQ(dialogs_.boxes[0].text, "保存を実行します。");
  EXPECT_EQ(dialogs_.boxes[1].caption, "保存確認");
  EXPECT_EQ(dialogs_.boxes[1].text,
            "保存を行いました。\r\r設定を有効にするには、FESK及びFESKPALで\r"
            "[最新情報読込み]を実行するか再起動する\r必要があります。");
  EXPECT_EQ(dialogs_.boxes[1].buttons, Buttons::kOk);
}

TEST_F(SavingTest, CancelWritesNothing) {
  WritePrograms({{"A", "a"}});
  const std::string before = ReadFile(IniPath());
  MainForm& f = Start();
  TypeInto(f.title_field, "B", f.program_list);
  EXPECT_FALSE(SaveAnswering(Answer::kCancel));
  EXPECT_EQ(ReadFile(IniPath()), before);
  EXPECT_TRUE(f.Modified);
}

TEST_F(SavingTest, NoticeFollowsTheHintSwitch) {
  WritePrograms({{"A", "a"}}, {{"HINT", "OFF"}});
  MainForm& f = Start();
  ASSERT_TRUE(SaveAnswering(Answer::kOk));
  EXPECT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_NE(ReadFile(IniPath()).find("HINT=OFF\r\n"), std::string::npos);
  f.HintsOn();
  f.Modified = true;
  dialogs_.boxes.clear();
  dialogs_.answers.push_back(Answer::kYes);
  f.EndEditor();
  ASSERT_EQ(dialogs_.boxes.size(), 2u);
  EXPECT_EQ(dialogs_.boxes[0].caption, "終了確認");
  EXPECT_EQ(dialogs_.boxes[1].text.substr(0, std::string("保存を行いました。").size()), "保存を行いました。");
  EXPECT_TRUE(f.terminated);
  EXPECT_FALSE(f.SaveSilently);
}

TEST_F(SavingTest, DeletingTheLastOfFiveLeavesFourSections) {
  WritePrograms({{"A", "a"}, {"B", "b"}, {"C", "c"}, {"D", "d"}, {"E", "e"}});
  MainForm& f = Start();
  SelectListItem(4);
  dialogs_.answers.push_back(Answer::kOk);
  f.DeleteEntry();
  ASSERT_TRUE(SaveAnswering(Answer::kOk));
  const std::string text = ReadFile(IniPath());
  EXPECT_NE(text.find("[CMD3]"), std::string::npos);
  EXPECT_EQ(text.find("[CMD4]"), std::string::npos);
}

TEST_F(SavingTest, SaveKeepsOtherSectionsAndKeys) {
  WriteFile(IniPath(), IniText({{"SYSTEM", {{"MODE", "2"}}},
                                {"CMD0", {{"DISCRIPTION", "A"}, {"CMDLINE", "a"}, {"EXTRA", "x"}}},
                                {"CMD1", {{"DISCRIPTION", "B"}, {"CMDLINE", "b"}}},
                                {"CMD100", {{"DISCRIPTION", "far"}}}}));
  MainForm& f = Start();
  SelectListItem(1);
  dialogs_.answers.push_back(Answer::kOk);
  f.DeleteEntry();
  ASSERT_TRUE(SaveAnswering(Answer::kOk));
  const std::string text = ReadFile(IniPath());
  EXPECT_NE(text.find("[SYSTEM]\r\nMODE=2\r\n"), std::string::npos);
  EXPECT_NE(text.find("EXTRA=x\r\n"), std::string::npos);
  EXPECT_EQ(text.find("[CMD1]"), std::string::npos);
  EXPECT_NE(text.find("[CMD100]\r\nDISCRIPTION=far\r\n"), std::string::npos);
}

TEST_F(SavingTest, ProgramWithoutTitleIsDroppedWithoutLeavingAGap) {
  WriteFile(IniPath(), IniText({{"CMD0", {{"DISCRIPTION", "A"}, {"CMDLINE", "a"}}},
                                {"CMD1", {{"CMDLINE", "untitled.exe"}}},
                                {"CMD2", {{"DISCRIPTION", "C"}, {"CMDLINE", "c"}}}}));
  MainForm& f = Start();
  ASSERT_EQ(f.ListCount, 3);
  ASSERT_TRUE(SaveAnswering(Answer::kOk));
  form_.reset();
  MainForm& again = Start();
  EXPECT_EQ(again.program_list.items, (std::vector<std::string>{"0   A", "1   C"}));
}

TEST_F(SavingTest, SavedProgramsAndTreeReadBackTheSame) {
  WriteTable("A\r\n\tA1\r\n\t\tX\r\n\tA2\r\nB\r\n");
  WritePrograms({{"P",
                  "p.exe",
                  {{"CMDSHOW", "SW_SHOWMINIMIZED"},
                   {"TASKTRAY", "ON"},
                   {"WORKDIR", "w"},
                   {"OPTION", "o"},
                   {"ACTCODE", "lRl"},
                   {"RUNPOS", "010101010"},
                   {"HOTKEY", "Alt+F1"},
                   {"GROUP", "A\\A1"},
                   {"DISPLAYPOS", "8"}}}});
  Start();
  const ProgramEntry before = Entry(0);
  const std::string table_before = ReadFile(TablePath());
  ASSERT_TRUE(SaveAnswering(Answer::kOk));
  EXPECT_EQ(ReadFile(TablePath()), table_before);
  form_.reset();
  Start();
  EXPECT_EQ(Entry(0), before);
  EXPECT_EQ(FormatGroupTable(form().group_tree.tree), table_before);
}

TEST_F(SavingTest, ExitQuestionAnswers) {
  struct Case {
    bool modified;
    std::vector<Answer> answers;
    bool terminated;
    bool written;
    std::size_t boxes;
  };
  const Case cases[] = {
      {false, {}, true, false, 0},
      {true, {Answer::kYes}, true, true, 2},  // question and notice
      {true, {Answer::kNo}, true, false, 1},
      {true, {Answer::kCancel}, false, false, 1},
  };
  for (const Case& c : cases) {
    form_.reset();
    dialogs_.boxes.clear();
    WritePrograms({{"A", "a"}});
    const std::string before = ReadFile(IniPath());
    MainForm& f = Start();
    if (c.modified) TypeInto(f.title_field, "Changed", f.program_list);
    dialogs_.answers.assign(c.answers.begin(), c.answers.end());
    f.EndEditor();
    EXPECT_EQ(f.terminated, c.terminated);
    EXPECT_EQ(ReadFile(IniPath()) != before, c.written);
    ASSERT_EQ(dialogs_.boxes.size(), c.boxes);
    if (c.modified) {
      EXPECT_EQ(dialogs_.boxes[0].caption, "終了確認");
      EXPECT_EQ(dialogs_.boxes[0].text, "FESK プログラム登録が変更されています。\r\r変更を保存しますか？");
      EXPECT_EQ(dialogs_.boxes[0].buttons, Buttons::kYesNoCancel);
    }
  }
}

// A field still being typed into has not been stored: every way of ending
// stores it first, as leaving it would, and then asks about the change.
TEST_F(SavingTest, TextTypedButNotStoredIsAskedAboutOnEveryEnd) {
  struct Case {
    const char* name;
    std::function<bool(MainForm&)> end;  // true: the editor may end
  };
  const Case ends[] = {
      {"close box", [](MainForm& f) { return f.FormClose(); }},
      {"session end", [](MainForm& f) { return f.FormCloseQuery(); }},
      {"終 了",
       [](MainForm& f) {
         f.EndEditor();
         return f.terminated;
       }},
  };
  for (const Case& end : ends) {
    for (Edit MainForm::*field :
         {&MainForm::title_field, &MainForm::command_field, &MainForm::option_field, &MainForm::work_folder_field}) {
      form_.reset();
      dialogs_.boxes.clear();
      WritePrograms({{"A", "a"}});
      MainForm& f = Start();
      Edit& edit = f.*field;
      f.FocusControl(edit);
      edit.text = "typed";
      ASSERT_FALSE(f.Modified);
      dialogs_.answers = {Answer::kCancel};
      EXPECT_FALSE(end.end(f)) << end.name;
      ASSERT_EQ(dialogs_.boxes.size(), 1u) << end.name;
      EXPECT_EQ(dialogs_.boxes[0].caption, "終了確認");
      EXPECT_TRUE(f.Modified);
      EXPECT_EQ(f.ActiveControl(), &edit) << "the focus stays in the field";
      EXPECT_EQ(edit.text, "typed");
    }
  }
}

TEST_F(SavingTest, SessionEndWithoutChangesAsksNothing) {
  WritePrograms({{"A", "a"}});
  MainForm& f = Start();
  f.FocusControl(f.title_field);
  EXPECT_TRUE(f.FormCloseQuery());
  EXPECT_TRUE(dialogs_.boxes.empty());
  EXPECT_FALSE(f.terminated) << "the session's end ends the process, not the question";
}

TEST_F(SavingTest, NewEntryAloneIsLostOnExitWithoutAQuestion) {
  WritePrograms({{"A", "a"}});
  MainForm& f = Start();
  Click(f.new_button, &MainForm::NewEntry);
  f.EndEditor();
  EXPECT_TRUE(dialogs_.boxes.empty());
  EXPECT_TRUE(f.terminated);
}

TEST_F(SavingTest, ClosingTheWindowAsksOnlyWithChanges) {
  struct Case {
    bool modified;
    Answer answer;
    bool closes;
  };
  const Case cases[] = {{false, Answer::kCancel, true}, {true, Answer::kOk, true}, {true, Answer::kCancel, false}};
  for (const Case& c : cases) {
    form_.reset();
    dialogs_.boxes.clear();
    WritePrograms({{"A", "a"}});
    const std::string before = ReadFile(IniPath());
    MainForm& f = Start();
    f.Modified = c.modified;
    dialogs_.answers = {c.answer};
    EXPECT_EQ(f.FormClose(), c.closes);
    EXPECT_EQ(f.terminated, c.closes);
    EXPECT_EQ(ReadFile(IniPath()), before);
    ASSERT_EQ(dialogs_.boxes.size(), c.modified ? 1u : 0u);
    if (c.modified) {
      EXPECT_EQ(dialogs_.boxes[0].caption, "終了確認");
      EXPECT_EQ(dialogs_.boxes[0].text, "変更されていますが\r保存せずに終了しますか？");
      EXPECT_EQ(dialogs_.boxes[0].buttons, Buttons::kOkCancel);
    }
  }
}

TEST_F(SavingTest, FailedSettingsWriteKeepsModifiedAndTheEditorOpen) {
  WritePrograms({{"A", "a"}});
  MainForm& f = Start();
  TypeInto(f.title_field, "Changed", f.program_list);
  MakeReadOnly(IniPath());
  dialogs_.answers.push_back(Answer::kYes);
  f.EndEditor();
  EXPECT_EQ(dialogs_.errors, (std::vector<std::string>{IniPath() + " に書き込めません"}));
  EXPECT_TRUE(f.Modified);
  EXPECT_FALSE(f.terminated);
  EXPECT_FALSE(f.SaveSilently);
  EXPECT_EQ(dialogs_.boxes.size(), 1u);  // no notice
  // Closing afterwards still asks.
  dialogs_.answers.push_back(Answer::kCancel);
  EXPECT_FALSE(f.FormClose());
}

TEST_F(SavingTest, FailedGroupTableWriteComesAfterTheSettings) {
  WritePrograms({{"A", "a"}});
  MainForm& f = Start();
  TypeInto(f.title_field, "Changed", f.program_list);
  MakeReadOnly(TablePath());
  EXPECT_FALSE(SaveAnswering(Answer::kOk));
  EXPECT_EQ(dialogs_.errors, (std::vector<std::string>{"ﾌｧｲﾙ " + TablePath() + " を作成できません"}));
  EXPECT_NE(ReadFile(IniPath()).find("DISCRIPTION=Changed"), std::string::npos);
  EXPECT_TRUE(f.Modified);
  EXPECT_EQ(dialogs_.boxes.size(), 1u);
}

TEST_F(SavingTest, MissingFolderFailsTheSave) {
  MainForm& f = Start();
  TypeInto(f.title_field, "X", f.program_list);
  std::filesystem::remove_all(dir_);
  EXPECT_FALSE(SaveAnswering(Answer::kOk));
  EXPECT_EQ(dialogs_.errors.size(), 1u);
  EXPECT_TRUE(f.Modified);
}

// A file written by hand may hold a program section twice; the second copy
// must not come to light as a program once the save has erased the first.
TEST_F(SavingTest, EveryCopyOfASectionNoLongerUsedGoes) {
  WriteFile(IniPath(),
            "[CMD0]\r\nDISCRIPTION=a\r\nCMDLINE=a.exe\r\n[CMD1]\r\nDISCRIPTION=b\r\n"
            "[CMD1]\r\nDISCRIPTION=ghost\r\nCMDLINE=ghost.exe\r\n[CMD100]\r\nDISCRIPTION=c\r\n");
  MainForm& f = Start();
  SelectListItem(1);
  dialogs_.answers.push_back(Answer::kOk);
  f.DeleteEntry();
  ASSERT_EQ(f.LastSlot, 0);
  ASSERT_TRUE(SaveAnswering(Answer::kOk));
  const std::string saved = ReadFile(IniPath());
  EXPECT_EQ(saved.find("ghost"), std::string::npos) << saved;
  EXPECT_NE(saved.find("[CMD100]\r\nDISCRIPTION=c\r\n"), std::string::npos) << saved;
}

// A title of blanks only, or a pair of quotes around nothing, would be given
// back empty by the file: such a program is not written, like one without a
// title, and the programs after it close up instead of being lost behind a
// gap.
TEST_F(SavingTest, ATitleTheFileWouldGiveBackEmptyCountsAsNone) {
  WriteFile(IniPath(),
            "[CMD0]\r\nDISCRIPTION=\"  \"\r\n[CMD1]\r\nDISCRIPTION='  '\r\nCMDLINE=x.exe\r\n"
            "[CMD2]\r\nDISCRIPTION=\"\"\"\"\r\n[CMD3]\r\nDISCRIPTION=kept\r\nCMDLINE=kept.exe\r\n");
  MainForm& f = Start();
  ASSERT_EQ(f.LastSlot, 3);
  ASSERT_TRUE(SaveAnswering(Answer::kOk));
  const std::string saved = ReadFile(IniPath());
  EXPECT_NE(saved.find("[CMD0]\r\nDISCRIPTION=kept\r\nCMDLINE=kept.exe\r\n"), std::string::npos) << saved;
  EXPECT_EQ(saved.find("[CMD1]"), std::string::npos) << saved;
}

}  // namespace
}  // namespace fesk::editor::testing
