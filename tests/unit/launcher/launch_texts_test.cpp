#include "launcher/core/launch_texts.h"

#include <gtest/gtest.h>

namespace fesk {
namespace {

const std::string kIndent = "\r      ";

TEST(LaunchTexts, EveryCauseHasItsText) {
  struct Case {
    int code;
    std::string cause;
  };
  const Case cases[] = {
      {0, "原因：システムメモリが足りない，実行可能ファイルが壊れていた，" + kIndent + "または再配置が無効です。"},
      {2, "原因：ファイルが見つかりませんでした。"},
      {3, "原因：パスが見つかりませんでした。"},
      {5, "原因：タスクへのダイナミックリンクを実行しようとしました。" + kIndent +
              "または，共有違反やネットワーク保護エラーが発生しました。"},
      {6, "原因：各タスクに対してライブラリが別々のデータセグメントを要求しました。"},
      {8, "原因：メモリ不足のためアプリケーションを起動できませんでした。"},
      {10, "原因：Windows のバージョンが正しくありません。"},
      {11, "原因：実行可能ファイルが無効でした。Windows のアプリケーションでないか，" + kIndent +
               ".EXE イメージにエラーがありました。"},
      {12, "原因：このアプリケーションは，異なるオペレーティング" + kIndent + "システム用に設計されています。"},
      {13, "原因：MS-DOS 4.0 用に設計されているアプリケーションです。"},
      {14, "原因：実行可能ファイルのタイプが不明です。"},
      {15, "原因：リアルモードのアプリケーション (以前のバージョンのWindows 用に" + kIndent +
               "開発されたもの) をロードしようとしました。"},
      {19, "原因：圧縮された実行可能ファイルをロードしようとしました。" + kIndent +
               "ロードする前にファイルを展開しなければなりません。"},
      {20, "原因：ダイナミックリンクライブラリ (DLL) ファイルが無効です。" + kIndent +
               "このアプリケーションを実行するために必要な DLLが壊れています。"},
      {21, "原因：このアプリケーションには，32 ビット版の Windows が必要です。"},
  };
  for (const Case& c : cases) EXPECT_EQ(LaunchFailureCause(c.code), c.cause) << c.code;
}

TEST(LaunchTexts, OtherCodesAreUnexpected) {
  for (int code : {1, 4, 7, 9, 16, 17, 18, 22, 25, 31}) {
    EXPECT_EQ(LaunchFailureCause(code), "原因：予知しない実行エラーが発生しました。") << code;
  }
}

TEST(LaunchTexts, CommasAreFullWidth) {
  // "，" is 81 43 in code page 932.
  EXPECT_NE(LaunchFailureCause(0).find("\x81\x43"), std::string::npos);
  EXPECT_EQ(LaunchFailureCause(0).find(','), std::string::npos);
}

TEST(LaunchTexts, FailureTextLayout) {
  EXPECT_EQ(LaunchFailureText(2, "メモ帳"),
            "\"メモ帳\" の起動ができません。\r\r原因：ファイルが見つかりませんでした。");
  EXPECT_EQ(WorkFolderErrorText("T", "D:\\w"), "\"T\" の実行用ワーク・フォルダーの指定が違います\r\r\"D:\\w\"");
  EXPECT_EQ(ConfirmLaunchText("T"), "\"T\"\r  を実行します。");
}

TEST(LaunchTexts, ShowCommands) {
  EXPECT_EQ(ShowCommandOf("SW_SHOWMAXIMIZED"), 3);
  EXPECT_EQ(ShowCommandOf("SW_SHOWMINIMIZED"), 2);
  EXPECT_EQ(ShowCommandOf("SW_SHOW"), 5);
  EXPECT_EQ(ShowCommandOf(""), 5);
  EXPECT_EQ(ShowCommandOf("sw_showmaximized"), 5);
}

}  // namespace
}  // namespace fesk
