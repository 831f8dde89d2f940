// The eighteen Window services a straight movement under the Window-service
// trigger can perform.  The dispatcher only picks the operation number; what
// each operation does lives in launcher/services.
#pragma once

#include <array>
#include <string_view>

namespace fesk {

inline constexpr int kWindowServiceCount = 18;

// Item texts of ComboBox1 to ComboBox8, the index being the operation number.
inline constexpr std::array<std::string_view, kWindowServiceCount> kWindowServiceItems = {
    "<設定しない>",        "ｱﾌﾟﾘ･ﾒﾆｭｰ表示",     "ｱﾌﾟﾘ･終了",         "ｱﾌﾟﾘ･ｳｨﾝﾄﾞｳ大きく",
    "ｱﾌﾟﾘ･ｳｨﾝﾄﾞｳ小さく", "FESK設定表示",       "FESKﾌﾟﾛｸﾞﾗﾑ登録",   "Windowsｽﾀｰﾄ表示",
    "Windows終了",         "ｱｲｺﾝ･ｸﾞﾙｰﾌﾟ選択",   "ｱｲｺﾝ･ﾊﾟﾚｯﾄ1表示",   "ｱｲｺﾝ･ﾊﾟﾚｯﾄ2表示",
    "ｱｲｺﾝ･ﾊﾟﾚｯﾄ3表示",    "ｱｲｺﾝ･ﾊﾟﾚｯﾄ4表示",   "ｱｲｺﾝ･ﾊﾟﾚｯﾄ5表示",   "ｱｲｺﾝ･ﾊﾟﾚｯﾄ6表示",
    "ｱｲｺﾝ･ﾊﾟﾚｯﾄ7表示",    "ｱｲｺﾝ･ﾊﾟﾚｯﾄ8表示"};

// Default operations of ComboBox1 to ComboBox8.
inline constexpr std::array<int, 8> kDefaultWindowServices = {1, 3, 2, 6, 5, 7, 4, 8};

class WindowServiceRunner {
 public:
  virtual ~WindowServiceRunner() = default;
  // Performs operation 0-17; any other number does nothing.  The caller
  // resets TriggerSource afterwards.
  virtual void RunWindowService(unsigned operation) = 0;
};

}  // namespace fesk
