// A real window for a headless form.
//
// The form's control models are bound one by one; each binding creates the
// matching Win32 control.  User input is written into the model and the
// model's action runs; after every event SyncAll() makes the windows show the
// models' state again (only what changed is touched).  Controls that lie on a
// tab page are shown only while their page is the selected one.
//
// The models' places and sizes are design units of 96 DPI; the window lays
// them out at the DPI of the monitor it is on (its font too) and lays itself
// out again when it moves to a monitor of another DPI (WM_DPICHANGED).
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/controls.h"
#include "platform/form_layout.h"
#include "platform/win32/windows_api.h"

namespace fesk::win32 {

inline constexpr int kNoPage = -1;  // a control outside the page control

struct FormStyle {
  const wchar_t* class_name = L"FeskForm";
  std::string caption;
  int client_width = 300, client_height = 200;
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  DWORD ex_style = 0;
  bool centred = true;
  std::wstring font_name = L"ＭＳ ゴシック";
  int font_height = 12;
  int icon_resource = 1;
};

struct Picture;

class FormWindow {
 public:
  struct Binding;
  explicit FormWindow(HINSTANCE instance);
  virtual ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  HWND Create(const FormStyle& style, HWND owner = nullptr);
  HWND hwnd() const { return hwnd_; }
  HINSTANCE instance() const { return instance_; }
  HFONT font() const { return font_; }
  // The DPI the window is laid out at, and a length of design units at it.
  int dpi() const { return dpi_; }
  int Scale(int design) const;

  // ---- Bindings -----------------------------------------------------------
  // Each binding creates the control's window; what the user does there runs
  // the model's own action (on_click, on_change ...), through RunAction.
  void BindPageControl(struct PageControlModel& pages);
  HWND BindLabel(Label& model, int page = kNoPage);
  HWND BindButton(Button& model, int page = kNoPage);
  HWND BindCheckBox(CheckBox& model, int page = kNoPage);
  // One radio button per member of the set, in its order; the first starts
  // the group.  A click checks the button in its set, then runs on_click.
  std::vector<HWND> BindRadioSet(RadioSet& set, int page = kNoPage);
  // A group box with one radio button per item, stacked in the group.
  void BindRadioGroup(RadioGroup& model, int page = kNoPage);
  HWND BindScrollBar(ScrollBar& model, int page = kNoPage);
  HWND BindSpinEdit(SpinEdit& model, int page = kNoPage);
  HWND BindComboBox(ComboBox& model, int page = kNoPage, int dropped_height = 300);
  HWND BindEdit(Edit& model, int page = kNoPage);
  HWND BindListBox(ListBox& model, int page = kNoPage);
  HWND BindGroupBox(GroupBox& model, int page = kNoPage);
  HWND BindPanel(Panel& model, int page = kNoPage);
  // A coloured rectangle (Shape), a picture (Image) or a flat button
  // (SpeedButton), drawn by `paint` (a shape without painter is filled with
  // its colour); mouse presses run the model's on_mouse_down (a flat
  // button's left one its on_click).
  using Painter = std::function<void(HDC dc, const RECT& area)>;
  HWND BindShape(Shape& model, int page = kNoPage, Painter paint = nullptr);
  HWND BindImage(Image& model, Painter paint, int page = kNoPage);
  HWND BindSpeedButton(SpeedButton& model, Painter paint, int page = kNoPage);
  // Any other control drawn by `paint` (markers, bevels); it takes no input.
  HWND BindPicture(Control& model, Painter paint, int page = kNoPage);
  // A control the program creates itself (MakeChild) and fills itself: the
  // form places, shows, enables and hints it like its own controls and calls
  // `sync` in every SyncAll (Syncing() is true meanwhile, so notifications
  // the control sends while it is being changed can be told from input).
  HWND BindCustom(Control& model, HWND window, std::function<void()> sync, int page = kNoPage);
  // The model's place is relative to `container` (a group box or panel the
  // control lies in); the window is kept inside the container's frame, as a
  // child window would be.  Containers may lie in containers.
  void SetContainer(const Control& model, const Control& container);

  // One binding per control of `layout`, in its order, each on its page and
  // in its container, its window numbered as the layout numbers it.  Shapes,
  // images, flat buttons and drawn controls take their painter from
  // `painters` (a shape without one is filled with its colour; every other
  // needs one); the program's own controls are made by their maker in
  // `makers`, which makes the window on the page it is given and binds it
  // (BindCustom).  Throws std::logic_error on a control without the painter
  // or maker it needs, or a painter or maker for a control the layout does
  // not hold.
  using Painters = std::unordered_map<const Control*, Painter>;
  using Maker = std::function<HWND(int page)>;
  using Makers = std::unordered_map<const Control*, Maker>;
  void BindLayout(const FormLayout& layout, const Painters& painters, const Makers& makers = {});

  // Stacks the controls once all are bound, which also gives the Tab order:
  // the controls in the order bound on top, the shapes under them (pictures
  // lie on them), then the frames, group boxes and panels, each above the
  // container it lies in, and the page control at the bottom, so that
  // frames never cover what lies in them.  The first control that takes
  // the focus after a set of radio buttons starts a group of its own, so
  // that the arrow keys stay with the set.
  void FinishLayout();

  // Which models belong to which window, for the program's own messages.
  HWND WindowOf(const Control& model) const;
  // The same for a control that must have been made: throws
  // std::logic_error when it has no window.
  HWND BoundWindowOf(const Control& model) const;
  // The windows of the controls that take the focus (buttons, boxes,
  // fields, lists and the program's own controls), in the order bound.
  std::vector<HWND> FocusTakingWindows() const;
  // The model a window was made for; null for other windows.
  Control* ModelOf(HWND window) const;
  // Page of the control a window belongs to (kNoPage when none or outside
  // the page control).
  int PageOfWindow(HWND window) const;
  // System colour of the background a control stands on.
  int BackgroundOf(const Control& model) const;

  // ---- State --------------------------------------------------------------
  void SyncAll();
  void SetHintsActive(bool active);
  // A hint of its own for a part of a window, such as a marker painted into
  // a shape: where the area lies it is shown instead of the window's hint.
  // The area starts empty; MoveAreaHint places it (an empty area hides it).
  // Such tools are never deleted, since deleting one would also unhook the
  // tooltip from the window it lies on.
  void AddAreaHint(HWND window, UINT_PTR id, const std::string& hint);
  void MoveAreaHint(HWND window, UINT_PTR id, const RECT& area);
  void SetHintPause(int milliseconds);
  // Redraws every shape and image (their pictures may depend on state that
  // SyncAll cannot see).
  void RepaintPictures();

 protected:
  // Messages the program handles itself; return true when handled.
  virtual bool OnMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result);
  // Runs after every event that reached a model.
  virtual void AfterEvent() { SyncAll(); }
  // Runs when the window has been laid out anew at another DPI: a program
  // remakes here the fonts and pictures it made for the old one.
  virtual void OnDpiChanged() {}
  // Runs a model's action for user input (nothing when it has none); a
  // program may wrap its handlers here.
  virtual void RunAction(const Action& action) {
    if (action) action();
  }

  Binding& Add(std::unique_ptr<Binding> binding);
  HWND BindPictureWindow(Control& model, Picture picture, int page);
  HWND MakeChild(const wchar_t* window_class, const std::wstring& text, DWORD style, DWORD ex_style,
                 const Control& model, int page);
  RECT PageArea() const;
  // The form's background: the dialog's colour, and the page's colour over
  // the page the page control shows.  Group boxes draw no inside of their
  // own, so what shows through them on a page is the page's colour, which
  // the controls there take too.
  void EraseBackground(HDC dc) const;
  bool Syncing() const { return syncing_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK PictureProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK EnterKeyProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  bool RunEnterKey(HWND field);
  bool RunClick(const Action& on_click, int code);
  bool RunMouseDown(Binding& binding, MouseButton button);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);
  Binding* Find(HWND window) const;
  int PageBackground(const Binding* binding) const;
  void OnCommand(HWND control, int code);
  bool OnInput(Binding& binding, int code);
  void ReadEditText(Binding& binding, Edit& model);
  void ReadSpinEdit(Binding& binding, SpinEdit& model, int code);
  void OnScroll(HWND control, int code);
  void OnNotify(NMHDR* header);
  void AddHint(HWND window, const std::string& hint);
  void SyncBinding(Binding& binding);
  void SyncContent(Binding& binding);
  void SyncBounds(Binding& binding, const Control& model);
  RECT WantedBounds(const Binding& binding, const Control& model);
  // A model's place {left, top, right, bottom} at the window's DPI.
  RECT ScaledPlace(const Control& model) const;
  void KeepTabsOnOneRow();
  // True for a control the user can give the focus to.
  static bool TakesFocus(const Binding& binding);
  // How many containers the control lies in.
  int ContainerDepth(const Control& model) const;
  void EndRadioGroups(const std::vector<const Binding*>& stacked);
  // Height of a line of the font (measured once per font).
  int LineHeight(HFONT font);
  void MakeFormFont();
  void ChangeDpi(int dpi, const RECT* suggested);

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  std::optional<bool> hints_active_;  // what the tooltip was last told
  std::optional<int> hint_pause_;
  HFONT font_ = nullptr;
  int dpi_ = 96;
  FormStyle style_;
  struct PageControlModel* pages_ = nullptr;
  HWND tab_ = nullptr;
  std::optional<int> shown_page_;     // the tab the tab control shows
  std::optional<int> controls_page_;  // the page whose controls were shown last
  bool syncing_ = false;
  RECT sync_page_area_{};
  std::vector<std::unique_ptr<Binding>> bindings_;
  std::unordered_map<const Control*, const Control*> containers_;
  std::unordered_map<HFONT, int> line_heights_;
};

// The page control's model as FormWindow needs it: names, the selected page
// and the action that runs when the user picks another one.
struct PageControlModel {
  Control* control = nullptr;
  std::vector<std::string>* pages = nullptr;
  int* active_page = nullptr;
  Action change;
};

// Colour of a model as a Win32 colour.
inline COLORREF ToColorRef(Color color) { return RGB(color.r, color.g, color.b); }

// Runs the message loop until WM_QUIT; dialog keys (Tab, Esc, Enter) of the
// given window are handled by IsDialogMessage.
int RunMessageLoop(const std::function<HWND()>& dialog_window);

}  // namespace fesk::win32
