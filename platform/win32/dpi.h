// Dots per inch of monitors and windows.  The programs are per-monitor
// aware: each window lays itself out from its 96-DPI design units at the DPI
// of the monitor it is on and lays itself out again when it moves to a
// monitor of another DPI.  Cursor positions and window places stay in
// physical screen pixels.
//
// The functions that tell a monitor's or a window's DPI came with later
// versions of Windows; they are looked up at run time, and where they are
// missing the system's DPI stands for every monitor.
#pragma once

#include "platform/ports.h"
#include "platform/win32/windows_api.h"

namespace fesk::win32 {

inline constexpr int kDesignDpi = 96;

// A length of design units at a DPI, rounded as MulDiv rounds.
inline int ScaleToDpi(int design, int dpi) { return MulDiv(design, dpi, kDesignDpi); }

// The DPI of the primary screen the system started with.
int SystemDpi();
int DpiOfMonitor(HMONITOR monitor);
int DpiOfWindow(HWND window);
// The monitor holding a point of the screen, or the nearest one.
Monitor MonitorOfPoint(Point point);
// AdjustWindowRectEx for a window shown at `dpi`.
void AdjustFrameForDpi(RECT& frame, DWORD style, DWORD ex_style, int dpi);

}  // namespace fesk::win32
