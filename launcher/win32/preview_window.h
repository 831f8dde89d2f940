// The small window beside the cursor that tells, while the trigger is held,
// what a release would start.  It never takes the focus or the mouse: the
// user is in the middle of a movement over another program's window.  Its
// window text is the text it shows, so a screen reader can read it.
#pragma once

#include <string>
#include <string_view>

#include "launcher/core/preview_port.h"
#include "platform/win32/windows_api.h"

namespace fesk::win32 {

// The window class, which the end-to-end tests look for.
inline constexpr wchar_t kPreviewWindowClass[] = L"FeskReleasePreview";

class PreviewWindow : public PreviewPort {
 public:
  explicit PreviewWindow(HINSTANCE instance);
  ~PreviewWindow() override;
  PreviewWindow(const PreviewWindow&) = delete;
  PreviewWindow& operator=(const PreviewWindow&) = delete;

  void Show(std::string_view text, Point cursor) override;
  void Follow(Point cursor) override;
  void Hide() override;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM w, LPARAM l);
  void UseDpi(int dpi);
  SIZE Measure() const;
  void PlaceBeside(Point cursor);
  void Paint();

  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  int dpi_ = 0;
  SIZE size_{0, 0};
  std::wstring text_;
};

}  // namespace fesk::win32
