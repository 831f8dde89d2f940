// Control ids of Fesk.exe's settings dialog "TFFesk1" for the controls that
// another process (the end-to-end driver) cannot find by class and caption:
// GetDlgItem(dialog, id).  The ids stay clear of IDOK and IDCANCEL, which
// the dialog keys send.
#pragma once

namespace fesk::win32::fesk_dialog {

// The sixteen cells of the page "ﾏｳｽACTﾄﾘｶﾞｰ": the first id plus the trigger
// number 0 to 15.
inline constexpr int kFirstTriggerCell = 1100;

// Button12 "キャンセル".
inline constexpr int kCancelButton = 1012;

}  // namespace fesk::win32::fesk_dialog
