// The editor's pictures, drawn with GDI into whatever rectangle their
// control has, so that program_window_picture can grow from one pixel to its full size.
#pragma once

#include "platform/controls.h"
#include "platform/win32/windows_api.h"

namespace fesk::win32 {

// A shape: the brush inside a black one-pixel frame.  The model's
// button-face colour stands for the system's.
void PaintShape(HDC dc, const RECT& area, Color brush);
// crossed_mouse_picture: a computer mouse crossed out by a red X, on green.
void PaintCrossedMouse(HDC dc, const RECT& area);
// pointer_waves3, pointer_waves2, pointer_waves1, pointer_still: the mouse seen from above on green with
// `waves` yellow arcs (0 to 3) radiating above it.
void PaintPointerFrame(HDC dc, const RECT& area, int waves);
// program_window_picture: a program window (blue title bar with its buttons, white client
// area) on green, stretched to the area.
void PaintProgramWindow(HDC dc, const RECT& area);
// move_arrow_left and move_arrow_right: a small red triangle pointing right.
void PaintRightTriangle(HDC dc, const RECT& area, int background_colour);
// A flat button without caption.
void PaintFlatButton(HDC dc, const RECT& area);
// A sunken frame.
void PaintBevel(HDC dc, const RECT& area, int background_colour);
// A marker glyph ("▼") in the label's colour, in a font small enough that
// the whole glyph fits the label's width, standing at its bottom.
void PaintMarker(HDC dc, const RECT& area, const wchar_t* glyph, Color colour, int background_colour);
// Square glyph of the move buttons (16 pixels at 96 DPI): a triangle pointing
// up or down.
HBITMAP MakeArrowGlyph(bool up, int size = 16);

}  // namespace fesk::win32
