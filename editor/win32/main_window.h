// FeskINI.exe's windows: the main window "FESK プログラム登録" (MainForm), the
// palette command dialog (PaletteCommandDialog) and the about box
// (AboutBox), as Win32 windows that mirror the headless forms.
//
// The form decides everything.  These windows make one real control per
// model, turn what the user does into model changes and handler calls, and
// after every event show the models again, the focus included:
//
// - Focus: whenever the user puts the focus on another control of the main
//   window, the form hears of it (FocusControl), which runs the exit and
//   enter handlers; after every event the real focus goes to the form's
//   ActiveControl.  Focus moves made by this layer itself, and those inside
//   a handler (a message box giving the focus back), are not reported.
// - Notifications that a control sends while this layer changes it (the
//   tree view's selection, the hot-key field's value) are not input and run
//   no handler.
// - The controls are made from the form's layout, in its order, which is
//   the order of the Tab key (the upper area, each page's fields, then the
//   right column); frames lie under what they hold (FormWindow::FinishLayout).
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editor/main_form.h"
#include "platform/win32/windows_api.h"
// After windows_api.h: the common controls' header needs <windows.h>.
#include <commctrl.h>
#include "platform/win32/form_window.h"
#include "platform/win32/win32_ports.h"

namespace fesk::win32 {

// Sets the style bits `add` and clears `remove`.
inline void AddStyle(HWND window, LONG_PTR add, LONG_PTR remove = 0) {
  LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  SetWindowLongPtrW(window, GWL_STYLE, (style | add) & ~remove);
}

class MainWindow;

// A modeless dialog of the main window: what it changes is the main
// window's, so its events end with the main window showing its models again
// and its handlers run as the main window's.
class SmallDialogWindow : public FormWindow {
 public:
  SmallDialogWindow(HINSTANCE instance, MainWindow& main) : FormWindow(instance), main_(main) {}
  // Shows the model, and the window itself when the form shows or hides it.
  void SyncShown();

 protected:
  virtual bool FormVisible() const = 0;
  // The control that takes the focus when the dialog opens.
  virtual HWND FocusOnOpening() = 0;
  // The close box.
  virtual void Close() = 0;
  bool OnMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;
  void AfterEvent() override;
  void RunAction(const Action& action) override;

  MainWindow& main_;

 private:
  bool shown_ = false;
};

// "FESK 特殊機能設定": always on top, hidden until the palette button shows it;
// the close box hides it and the choice stays.
class PaletteWindow : public SmallDialogWindow {
 public:
  PaletteWindow(HINSTANCE instance, MainWindow& main, editor::PaletteCommandDialog& form, HWND owner);

 protected:
  bool FormVisible() const override { return form_.visible; }
  HWND FocusOnOpening() override;
  void Close() override { form_.visible = false; }
  void OnDpiChanged() override;

 private:
  editor::PaletteCommandDialog& form_;
  HFONT heading_font_ = nullptr;
};

// The about box; the close box is its OK.
class AboutWindow : public SmallDialogWindow {
 public:
  AboutWindow(HINSTANCE instance, MainWindow& main, editor::AboutBox& form, HWND owner);

 protected:
  bool FormVisible() const override { return form_.visible; }
  HWND FocusOnOpening() override { return WindowOf(form_.ok_button); }
  void Close() override { form_.Ok(); }
  void OnDpiChanged() override;

 private:
  editor::AboutBox& form_;
  HFONT name_font_ = nullptr;
};

class MainWindow : public FormWindow {
 public:
  MainWindow(HINSTANCE instance, editor::MainForm& form, std::wstring help_file);
  ~MainWindow() override;

  // FormCreate with the command line's parameters, then the window is shown.
  void Start(const std::vector<std::string>& parameters);
  // The window whose dialog keys (Tab, Enter, Esc) a message belongs to.
  HWND DialogFor(HWND window) const;
  // Shows all three windows' models again and puts the focus where the form
  // has it; ends the process once the form is terminated.
  void AfterEvent() override;
  // Shows the models as they are now, in the middle of a handler (before a
  // modal box opens); the focus is left alone.
  void ShowModels();
  // One of the three windows became the active one.
  void NoteFormActivated(HWND window);
  // Runs a handler of the form (focus moves inside it are not reported).
  void RunAction(const Action& action) override;

 protected:
  void OnDpiChanged() override;
  bool OnMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;

 private:
  // ---- Building the window ----
  Painters MakePainters();
  // The controls the window makes itself: the group tree, the hot-key field
  // and the icon preview, each on the page it is given.
  Makers MakeOwnControls();
  HWND MakeTreeView(int page);
  HWND MakeHotKeyField(int page);
  HWND MakeIconPreview(int page);
  void MakeArrowGlyphs();
  // The form hears when the window gets the focus.
  void ReportFocus(HWND window);
  void StartLabelEdit();

  // ---- Model to window ----
  void SyncModels();
  void SyncTree();
  void RebuildTree();
  void SyncHotKey();
  void SyncIconPreview();
  void SyncApplication();
  void ApplyFocus();
  void RepaintNow(editor::AnimationRepaint what);

  // ---- Window to model ----
  void ControlFocused(HWND window);
  void ReadHotKey();
  bool OnTreeNotify(NMHDR* header, LRESULT& result);
  void OnDropFiles(HDROP drop);
  void OnActivate(WPARAM w, LPARAM l);
  void PaintIconPreview(HDC dc);
  int HelpContextOf(HWND window) const;

  static constexpr UINT kDeferredSync = WM_APP + 1;  // show the models again, later
  static constexpr UINT kFormActivate = WM_APP + 2;  // the main form became the active form
  static constexpr UINT_PTR kFocusSubclass = 0x46e5;
  static constexpr UINT_PTR kPreviewSubclass = 0x46e6;

  static LRESULT CALLBACK FocusProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  static LRESULT CALLBACK PreviewProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

  editor::MainForm& form_;
  std::wstring help_file_;  // "Fesk.hlp", for F1
  PageControlModel pages_;
  std::vector<std::string> page_names_;
  int active_page_ = 0;
  std::unique_ptr<PaletteWindow> palette_;
  std::unique_ptr<AboutWindow> about_;
  HWND last_active_form_ = nullptr;  // the one of the three windows active last
  Control* focus_applied_ = nullptr;

  HWND tab_ = nullptr;
  HWND tree_ = nullptr;
  HWND hotkey_ = nullptr;
  HWND preview_ = nullptr;
  HBITMAP arrow_up_ = nullptr, arrow_down_ = nullptr;

  // What the custom controls show now.
  std::vector<std::pair<GroupNodeId, GroupNodeId>> tree_shape_;  // (node, parent), pre-order
  std::map<GroupNodeId, HTREEITEM> tree_items_;
  std::map<GroupNodeId, std::string> tree_names_;
  std::map<GroupNodeId, bool> tree_expanded_;
  std::optional<GroupNodeId> tree_selected_;
  bool tree_read_only_ = false;
  bool label_editing_ = false;
  std::optional<WORD> hotkey_shown_;  // the field's own word (key and HOTKEYF_*)
  std::optional<std::string> icon_shown_;
  HICON icon_ = nullptr;

  // Application state shown.
  bool drops_accepted_ = false;
  bool visible_ = false;

  int busy_ = 0;  // a handler or a sync is running
  bool moving_focus_ = false;
  bool custom_syncing_ = false;
  bool in_after_event_ = false;
  bool started_ = false;
};

}  // namespace fesk::win32
