// The real settings dialog (SettingsDialog) and the popup (TrailPopup) of Fesk.exe:
// Win32 windows that mirror the headless forms and feed them the events of
// the desktop (timers, tray clicks, dropped files, the close box).
#pragma once

#include <array>
#include <optional>

#include "launcher/ui/settings_dialog.h"
#include "launcher/win32/desktop_notices_window.h"
#include "launcher/win32/win32_foreground_rights.h"
#include "platform/timer_sync.h"
#include "launcher/win32/win32_input_wake.h"
#include "platform/win32/form_window.h"
#include "platform/win32/win32_ports.h"

namespace fesk::win32 {

class PopupWindow {
 public:
  PopupWindow(HINSTANCE instance, TrailPopup& form, std::function<void()> after_event);
  ~PopupWindow();
  HWND hwnd() const { return hwnd_; }
  void Sync();

 private:
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
  void Paint(HDC dc);
  void MakeFont();

  TrailPopup& form_;
  std::function<void()> after_event_;
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  int font_height_ = 0;  // of font_, in pixels
  int show_requests_ = 0;
  std::size_t painted_commands_ = 0;
};

class SettingsDialogWindow : public FormWindow {
 public:
  // The dialog is owned by the window that hears the desktop's notices for
  // it.
  SettingsDialogWindow(HINSTANCE instance, SettingsDialog& form, Win32Tray& tray, DesktopNoticesWindow& notices);
  void Start();  // runs FormCreate and shows the state it leaves

 protected:
  bool OnMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;
  void AfterEvent() override;
  void OnDpiChanged() override;

 private:
  void MakeProductFont();
  void BindWindow();
  FormWindow::Painters MakePainters();
  void PaintServicePicture(HDC dc, const RECT& area);
  void SyncTimers();
  void SyncWindowState();
  void PaintTriggerCell(int number, HDC dc, const RECT& area);
  std::optional<RECT> MarkerArea(const Label& marker, int number) const;
  void SyncMarkers();
  void OnTimer(UINT_PTR id);
  void OnDropFiles(HDROP drop);
  // What the desktop told every program, heard by the notices window.
  bool OnDesktopNotice(UINT message, WPARAM w, LPARAM l, LRESULT& result);
  void AcceptDrops(bool accept);

  SettingsDialog& form_;
  Win32Tray& tray_;
  PopupWindow popup_;
  PageControlModel pages_;
  Win32ForegroundRights foreground_rights_;
  DesktopNoticesWindow& notices_;
  // The sensing timer (1) and the trail timer (2) as last set.
  std::array<RealTimer, 2> real_timers_{};
  int foreground_requests_ = 0;
  bool shown_ = false;
  bool drops_accepted_ = false;
  std::array<int, 4> marker_places_{-1, -1, -1, -1};  // left and top of both markers, as shown
  HFONT product_font_ = nullptr;
  // Made once the window exists.
  std::optional<Win32InputWake> wake_;
};

}  // namespace fesk::win32
