// Texts and values of a program launch: the show command of a CMDSHOW text
// and the messages of a failed start.
#pragma once

#include <string>
#include <string_view>

namespace fesk {

inline constexpr char kLaunchErrorCaption[] = "FESK プログラム起動エラー";
inline constexpr char kConfirmCaption[] = "FESK プログラムの実行確認";
inline constexpr char kRunOptionPrompt[] = "起動時ｵﾌﾟｼｮﾝを入力して下さい";
inline constexpr char kUnregisteredActionText[] = "マウス・アクションが登録されていません";
inline constexpr char kUntitled[] = "<ﾀｲﾄﾙ未登録>";

// 3 for "SW_SHOWMAXIMIZED", 2 for "SW_SHOWMINIMIZED", 5 for anything else.
int ShowCommandOf(std::string_view cmdshow);

// The cause of a shell error code below 32, its second line (if any) after a
// CR and six spaces.
std::string LaunchFailureCause(int code);

// The whole text of the box reporting a failed start.
std::string LaunchFailureText(int code, std::string_view title);

// The box reporting a work folder that cannot be made current.
std::string WorkFolderErrorText(std::string_view title, std::string_view folder);

// The question of the confirmation mode.
std::string ConfirmLaunchText(std::string_view title);

}  // namespace fesk
