// The control ids of FeskINI.exe's windows, by the names the scenarios use.
// Every control of the main window "TFFeskINI", of the palette command
// dialog "TForm1" and of the about box "TForm3" carries one, so that another
// process can find a control with GetDlgItem(window, id) whatever its class
// or caption.  The editor's layouts number the windows (main_form_layout.cpp,
// palette_dialog.cpp, about_box.cpp); tests/unit/editor/layout_test.cpp
// checks that they still give these numbers.  The ids stay clear of IDOK and
// IDCANCEL, which the dialog keys send.
#pragma once

namespace fesk::e2e::editor::ids {

enum ControlId : int {
  // Main window, upper area.
  kProgramList = 1001,
  kMoveUpButton,
  kMoveDownButton,
  kGroupFilter,
  kIconPreview,
  kListPosition,
  kListPositionStroke,
  kProgramCount,
  kDisplayGroupPanel,
  kDisplayGroupLabel,
  // Right column.
  kHintGroup,
  kHintsOn,
  kHintsOff,
  kAboutButton,
  kNewButton,
  kDeleteButton,
  kDesktopButton,
  kDuplicateCheckButton,
  kSaveButton,
  kEndButton,
  kPages,  // the tab control
  // Page "プログラム".
  kTitleCaption = 1101,
  kTitleField,
  kPaletteButton,
  kCommandCaption,
  kCommandField,
  kBrowseButton,
  kOptionCaption,
  kOptionField,
  kShowStateGroup,
  kShowNormal,
  kShowMaximized,
  kShowMinimized,
  kTrayBox,
  kWorkFolderCaption,
  kWorkFolderField,
  kGroupCaption,
  kEntryGroupLabel,
  // Page "ｼｮｰﾄ･ｶｯﾄ".
  kShortcutCaption = 1201,
  kShortcutField,
  // Page "マウスACT": quadrant_squares[i] is kFirstQuadrantSquare + i,
  // action_cells[n] kFirstActionCell + n, start_positions[k]
  // kFirstStartPosition + k.
  kFirstQuadrantSquare = 1301,
  kFirstActionCell = 1305,
  kNextCellMarker = 1321,
  kOrderCaption,
  kFirstDirectionLine,
  kSecondDirectionLine,
  kBackspaceButton,
  kClearButton,
  kReadActionButton,
  kConfirmButton,
  kAnimationScreen,
  kPointerWaves3,
  kProgramWindowPicture,
  kCrossedMousePicture,
  kPointerWaves2,
  kPointerWaves1,
  kPointerStill,
  kStartPositionPanel,
  kStartPositionCaption1,
  kStartPositionCaption2,
  kStartPositionCaption3,
  kFirstStartPosition = 1351,
  // Page "画面ﾎﾟｼﾞｼｮﾝ": position_cells[i] and position_buttons[i] are their
  // first id + i.
  kFirstPositionCell = 1401,
  kFirstPositionButton = 1411,
  kPositionCancelButton = 1421,
  kPositionText,
  // Page "グループ".
  kModeGroup = 1501,
  kMode1Choice,
  kMode2Choice,
  kAddGroupButton,
  kRenameGroupButton,
  kDeleteGroupButton,
  kSortGroupsButton,
  kMoveSourceButton,
  kMoveTargetButton,
  kRegisterInGroupButton,
  kGroupTree,
  kMoveSourceBevel,
  kMoveSourceLabel,
  kMoveArrowLeft,
  kMoveArrowRight,
  kMode2Frame,
};

// The palette command dialog "TForm1": choices[i] is kFirstPaletteChoice + i.
enum PaletteControlId : int {
  kPaletteFrame = 2001,
  kPaletteHeadingFrame,
  kPaletteHeading,
  kFirstPaletteChoice = 2011,
  kPaletteOk = 2021,  // "ＯＫ"
};

// The about box "TForm3".
enum AboutControlId : int {
  kAboutFrame = 3001,
  kAboutIcon,
  kAboutProductName,
  kAboutComments,
  kAboutVersion,
  kAboutOk,  // "ＯＫ"
};

}  // namespace fesk::e2e::editor::ids
