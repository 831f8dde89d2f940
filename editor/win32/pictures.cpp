#include "editor/win32/pictures.h"

#include <algorithm>

#include "platform/win32/form_window.h"

namespace fesk::win32 {

namespace {

constexpr COLORREF kGround = RGB(0, 128, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);

void Fill(HDC dc, const RECT& area, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &area, brush);
  DeleteObject(brush);
}

// Selects a pen and a brush for the life of the object.
class Tools {
 public:
  Tools(HDC dc, COLORREF pen_colour, int pen_width, COLORREF brush_colour, bool hollow = false)
      : dc_(dc),
        pen_(CreatePen(PS_SOLID, pen_width, pen_colour)),
        brush_(hollow ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)) : CreateSolidBrush(brush_colour)),
        own_brush_(!hollow) {
    old_pen_ = SelectObject(dc, pen_);
    old_brush_ = SelectObject(dc, brush_);
  }
  ~Tools() {
    SelectObject(dc_, old_pen_);
    SelectObject(dc_, old_brush_);
    DeleteObject(pen_);
    if (own_brush_) DeleteObject(brush_);
  }
  Tools(const Tools&) = delete;
  Tools& operator=(const Tools&) = delete;

 private:
  HDC dc_;
  HPEN pen_;
  HBRUSH brush_;
  bool own_brush_;
  HGDIOBJ old_pen_, old_brush_;
};

// A mouse seen from above in the box (x, y, w, h): body, the split between
// its two buttons, and the cable leaving at the top.
void DrawMouse(HDC dc, int x, int y, int w, int h) {
  const int pen = w >= 16 ? 2 : 1;
  {
    Tools cable(dc, RGB(40, 40, 40), pen, 0, true);
    MoveToEx(dc, x + w / 2, y + 1, nullptr);
    LineTo(dc, x + w / 2, y - h / 6);
    LineTo(dc, x + w / 2 + w / 4, y - h / 4);
  }
  {
    Tools body(dc, RGB(40, 40, 40), 1, RGB(235, 235, 235));
    Ellipse(dc, x, y, x + w, y + h);
  }
  Tools lines(dc, RGB(90, 90, 90), 1, 0, true);
  const int split = y + h * 2 / 5;
  MoveToEx(dc, x + w / 2, y + 1, nullptr);
  LineTo(dc, x + w / 2, split);
  MoveToEx(dc, x + 1 + w / 12, split, nullptr);
  LineTo(dc, x + w - 1 - w / 12, split);
}

}  // namespace

void PaintShape(HDC dc, const RECT& area, Color brush) {
  COLORREF inside = brush == colors::kButtonFace ? GetSysColor(COLOR_BTNFACE) : ToColorRef(brush);
  Tools tools(dc, RGB(0, 0, 0), 1, inside);
  Rectangle(dc, area.left, area.top, area.right, area.bottom);
}

void PaintCrossedMouse(HDC dc, const RECT& area) {
  Fill(dc, area, kGround);
  const int w = area.right - area.left, h = area.bottom - area.top;
  DrawMouse(dc, area.left + w * 3 / 10, area.top + h * 3 / 10, w * 2 / 5, h * 3 / 5);
  Tools cross(dc, RGB(255, 0, 0), std::max(2, w / 12), 0, true);
  const int m = w / 8;
  MoveToEx(dc, area.left + m, area.top + m, nullptr);
  LineTo(dc, area.right - m, area.bottom - m);
  MoveToEx(dc, area.right - m, area.top + m, nullptr);
  LineTo(dc, area.left + m, area.bottom - m);
}

void PaintPointerFrame(HDC dc, const RECT& area, int waves) {
  Fill(dc, area, kGround);
  const int w = area.right - area.left, h = area.bottom - area.top;
  const int mouse_w = w / 3, mouse_h = h / 2;
  const int mx = area.left + (w - mouse_w) / 2, my = area.bottom - mouse_h - 1;
  DrawMouse(dc, mx, my, mouse_w, mouse_h);
  // The waves spread from a point just above the mouse.
  const int cx = area.left + w / 2, cy = my + 2;
  Tools pen(dc, kYellow, 1, 0, true);
  for (int n = 1; n <= waves; ++n) {
    const int r = 3 + 3 * n;
    Arc(dc, cx - r, cy - r, cx + r, cy + r, cx + r, cy - r / 2, cx - r, cy - r / 2);
  }
}

void PaintProgramWindow(HDC dc, const RECT& area) {
  Fill(dc, area, kGround);
  const int w = area.right - area.left, h = area.bottom - area.top;
  if (w < 4 || h < 4) return;
  const int m = std::max(1, w / 10);
  RECT frame{area.left + m, area.top + m, area.right - m, area.bottom - m};
  Fill(dc, frame, RGB(192, 192, 192));
  FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  const int border = std::max(1, w / 40);
  const int title = std::max(1, h / 6);
  RECT caption{frame.left + border, frame.top + border, frame.right - border, frame.top + border + title};
  Fill(dc, caption, RGB(0, 0, 128));
  // Three window buttons at the right end of the title bar.
  const int button = std::max(0, title - 2);
  for (int i = 1; i <= 3 && button > 0; ++i) {
    RECT b{caption.right - 1 - i * (button + 1), caption.top + 1, caption.right - 1 - i * (button + 1) + button,
           caption.top + 1 + button};
    Fill(dc, b, RGB(192, 192, 192));
  }
  RECT client{frame.left + border, caption.bottom + border, frame.right - border, frame.bottom - border};
  if (client.bottom > client.top) Fill(dc, client, RGB(255, 255, 255));
}

void PaintRightTriangle(HDC dc, const RECT& area, int background_colour) {
  FillRect(dc, &area, GetSysColorBrush(background_colour));
  const int w = area.right - area.left, h = area.bottom - area.top;
  POINT points[3] = {{area.left + w * 5 / 16, area.top + h / 4},
                     {area.left + w * 11 / 16, area.top + h / 2},
                     {area.left + w * 5 / 16, area.top + h * 3 / 4}};
  Tools tools(dc, RGB(128, 0, 0), 1, RGB(255, 0, 0));
  Polygon(dc, points, 3);
}

void PaintFlatButton(HDC dc, const RECT& area) {
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  RECT edge = area;
  DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
}

void PaintBevel(HDC dc, const RECT& area, int background_colour) {
  FillRect(dc, &area, GetSysColorBrush(background_colour));
  RECT edge = area;
  DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
}

void PaintMarker(HDC dc, const RECT& area, const wchar_t* glyph, Color colour, int background_colour) {
  FillRect(dc, &area, GetSysColorBrush(background_colour));
  const int w = area.right - area.left;
  HFONT font = CreateFontW(-w, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック");
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(colour));
  RECT box = area;
  DrawTextW(dc, glyph, -1, &box, DT_CENTER | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  DeleteObject(font);
}

HBITMAP MakeArrowGlyph(bool up, int size) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, size, size};
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  // Drawn on a grid of 16 and scaled to the glyph's size.
  auto at = [size](int x, int y) { return POINT{MulDiv(x, size, 16), MulDiv(y, size, 16)}; };
  POINT points[3];
  if (up) {
    points[0] = at(8, 2);
    points[1] = at(14, 12);
    points[2] = at(2, 12);
  } else {
    points[0] = at(2, 4);
    points[1] = at(14, 4);
    points[2] = at(8, 14);
  }
  {
    Tools tools(dc, RGB(0, 0, 128), 1, RGB(0, 0, 255));
    Polygon(dc, points, 3);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

}  // namespace fesk::win32
