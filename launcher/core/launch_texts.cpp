#include "launcher/core/launch_texts.h"

#include "common/program_sections.h"

namespace fesk {

namespace {

struct Cause {
  int code;
  std::string_view first, second;
};

constexpr Cause kCauses[] = {
    {0, "原因：システムメモリが足りない，実行可能ファイルが壊れていた，", "または再配置が無効です。"},
    {2, "原因：ファイルが見つかりませんでした。", {}},
    {3, "原因：パスが見つかりませんでした。", {}},
    {5, "原因：タスクへのダイナミックリンクを実行しようとしました。",
     "または，共有違反やネットワーク保護エラーが発生しました。"},
    {6, "原因：各タスクに対してライブラリが別々のデータセグメントを要求しました。", {}},
    {8, "原因：メモリ不足のためアプリケーションを起動できませんでした。", {}},
    {10, "原因：Windows のバージョンが正しくありません。", {}},
    {11, "原因：実行可能ファイルが無効でした。Windows のアプリケーションでないか，",
     ".EXE イメージにエラーがありました。"},
    {12, "原因：このアプリケーションは，異なるオペレーティング", "システム用に設計されています。"},
    {13, "原因：MS-DOS 4.0 用に設計されているアプリケーションです。", {}},
    {14, "原因：実行可能ファイルのタイプが不明です。", {}},
    {15, "原因：リアルモードのアプリケーション (以前のバージョンのWindows 用に",
     "開発されたもの) をロードしようとしました。"},
    {19, "原因：圧縮された実行可能ファイルをロードしようとしました。",
     "ロードする前にファイルを展開しなければなりません。"},
    {20, "原因：ダイナミックリンクライブラリ (DLL) ファイルが無効です。",
     "このアプリケーションを実行するために必要な DLLが壊れています。"},
    {21, "原因：このアプリケーションには，32 ビット版の Windows が必要です。", {}},
};

constexpr std::string_view kUnexpectedCause = "原因：予知しない実行エラーが発生しました。";

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

int ShowCommandOf(std::string_view cmdshow) {
  if (cmdshow == kShowMaximized) return 3;
  if (cmdshow == kShowMinimized) return 2;
  return 5;
}

std::string LaunchFailureCause(int code) {
  for (const Cause& cause : kCauses) {
    if (cause.code != code) continue;
    std::string text(cause.first);
    if (!cause.second.empty()) text += "\r      " + std::string(cause.second);
    return text;
  }
  return std::string(kUnexpectedCause);
}

std::string LaunchFailureText(int code, std::string_view title) {
  return Quoted(title) + " の起動ができません。\r\r" + LaunchFailureCause(code);
}

std::string WorkFolderErrorText(std::string_view title, std::string_view folder) {
  return Quoted(title) + " の実行用ワーク・フォルダーの指定が違います\r\r" + Quoted(folder);
}

std::string ConfirmLaunchText(std::string_view title) { return Quoted(title) + "\r  を実行します。"; }

}  // namespace fesk
