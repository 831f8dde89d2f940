// The eighteen Window services a straight movement under the Window-service
// trigger can perform.  The dispatcher only picks the operation number; what
// each operation does lives in launcher/services.
#pragma once

#include <array>
#include <string_view>

namespace fesk {

inline constexpr int kWindowServiceCount = 18;

// Names of the operations as a direction's list shows them, the index being
// the operation number.
inline constexpr std::array<std::string_view, kWindowServiceCount> kWindowServiceItems = {
    "<設定しない>",    "ｱﾌﾟﾘ･ﾒﾆｭｰ表示",   "ｱﾌﾟﾘ･終了",       "ｱﾌﾟﾘ･ｳｨﾝﾄﾞｳ大きく", "ｱﾌﾟﾘ･ｳｨﾝﾄﾞｳ小さく",
    "FESK設定表示",    "FESKﾌﾟﾛｸﾞﾗﾑ登録", "Windowsｽﾀｰﾄ表示", "Windows終了",       "ｱｲｺﾝ･ｸﾞﾙｰﾌﾟ選択",
    "ｱｲｺﾝ･ﾊﾟﾚｯﾄ1表示", "ｱｲｺﾝ･ﾊﾟﾚｯﾄ2表示", "ｱｲｺﾝ･ﾊﾟﾚｯﾄ3表示", "ｱｲｺﾝ･ﾊﾟﾚｯﾄ4表示",   "ｱｲｺﾝ･ﾊﾟﾚｯﾄ5表示",
    "ｱｲｺﾝ･ﾊﾟﾚｯﾄ6表示", "ｱｲｺﾝ･ﾊﾟﾚｯﾄ7表示", "ｱｲｺﾝ･ﾊﾟﾚｯﾄ8表示"};

// The operations by number, the index of the item in a direction's list (and
// the number stored as WinService1 to WinService8).  A list without a
// selection, or a stored number above 17, gives a value that names no
// operation.
enum class WindowService : unsigned {
  kNone = 0,
  kWindowMenu = 1,
  kCloseApplication = 2,
  kEnlargeWindow = 3,
  kShrinkWindow = 4,
  kShowSettings = 5,
  kStartEditor = 6,
  kStartMenu = 7,
  kShutDownWindows = 8,
  kPaletteGroups = 9,
  kFirstPalette = 10,  // palettes 1 to 8: 10 to 17
  kLastPalette = 17,
};

// Default operations of the eight directions, in the dispatcher's order of
// direction codes.
inline constexpr std::array<WindowService, 8> kDefaultWindowServices = {
    WindowService::kWindowMenu,   WindowService::kEnlargeWindow,  WindowService::kCloseApplication,
    WindowService::kStartEditor,  WindowService::kShowSettings,   WindowService::kStartMenu,
    WindowService::kShrinkWindow, WindowService::kShutDownWindows};

class WindowServiceRunner {
 public:
  virtual ~WindowServiceRunner() = default;
  // Performs operation 0-17; any other value does nothing.  The caller
  // resets TriggerSource afterwards.
  virtual void RunWindowService(WindowService operation) = 0;
};

}  // namespace fesk
