// Control ids of FeskINI.exe's windows.  Every control of the main window
// "TFFeskINI", of the palette command dialog "TForm1" and of the about box
// "TForm3" carries one, so that another process (the end-to-end driver) can
// find a control with GetDlgItem(window, id) whatever its class or caption.
// The ids stay clear of IDOK and IDCANCEL, which the dialog keys send.
#pragma once

namespace fesk::win32::feskini {

enum ControlId : int {
  // Main window, upper area.
  kListBox1 = 1001,
  kBitBtn2,
  kBitBtn3,
  kCheckBox10,
  kListView1,
  kLabel6,
  kLabel7,
  kLabel8,
  kPanel2,
  kLabel17,
  // Right column.
  kGroupBox1,
  kRadioButton4,
  kRadioButton5,
  kButton9,
  kButton1,
  kButton2,
  kButton16,
  kButton15,
  kButton7,
  kButton4,
  kPageControl1,  // the tab control
  // Page "プログラム".
  kLabel1 = 1101,
  kEdit3,
  kButton13,
  kLabel2,
  kEdit1,
  kButton5,
  kLabel3,
  kEdit4,
  kGroupBox3,
  kRadioButton1,
  kRadioButton2,
  kRadioButton3,
  kCheckBox11,
  kLabel4,
  kEdit2,
  kLabel19,
  kLabel20,
  // Page "ｼｮｰﾄ･ｶｯﾄ".
  kLabel14 = 1201,
  kHotKey1,
  // Page "マウスACT": Shape1 to Shape20 are kShape1 + 0 to 19, CheckBox1 to
  // CheckBox9 kCheckBox1 + 0 to 8.
  kShape1 = 1301,
  kLabel9 = 1321,
  kLabel12,
  kLabel10,
  kLabel11,
  kButton8,
  kButton6,
  kButton10,
  kBitBtn1,
  kShape21,
  kImage1,
  kImage2,
  kImage3,
  kImage4,
  kImage5,
  kImage6,
  kPanel1,
  kLabel5,
  kLabel13,
  kLabel15,
  kCheckBox1 = 1351,
  // Page "画面ﾎﾟｼﾞｼｮﾝ": DspPosShape1 to 8 and SpeedButton1 to 8 are the
  // first id + 0 to 7.
  kDspPosShape1 = 1401,
  kSpeedButton1 = 1411,
  kButton14 = 1421,
  kLabel21,
  // Page "グループ".
  kGroupBox4 = 1501,
  kRadioButton6,
  kRadioButton7,
  kButton3,
  kButton19,
  kButton11,
  kButton12,
  kButton21,
  kButton22,
  kButton23,
  kTreeView1,
  kBevel2,
  kLabel18,
  kImage7,
  kImage8,
  kShape22,
};

// The palette command dialog "TForm1": RadioButton1 to RadioButton10 are
// kPaletteChoice1 + 0 to 9.
enum PaletteControlId : int {
  kPalettePanel1 = 2001,
  kPalettePanel2,
  kPaletteLabel1,
  kPaletteChoice1 = 2011,
  kPaletteOk = 2021,  // "ＯＫ"
};

// The about box "TForm3".
enum AboutControlId : int {
  kAboutPanel1 = 3001,
  kAboutIcon,
  kAboutProductName,
  kAboutComments,
  kAboutVersion,
  kAboutOk,  // "ＯＫ"
};

}  // namespace fesk::win32::feskini
