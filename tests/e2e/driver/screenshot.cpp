// Whole-screen captures into 24-bit BMP files in the artifacts folder.
#include "tests/e2e/driver/driver.h"
#include "tests/e2e/driver/internal.h"

namespace fesk::e2e {

namespace {

struct Capture {
  BITMAPINFOHEADER header{};
  std::string pixels;  // bottom-up rows, each padded to 4 bytes
};

std::optional<Capture> CaptureScreen() {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  if (width <= 0 || height <= 0) return std::nullopt;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  info.bmiHeader.biSizeImage = stride * static_cast<DWORD>(height);

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::optional<Capture> capture;
  if (bitmap && bits) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY | CAPTUREBLT)) {
      GdiFlush();
      capture = Capture{info.bmiHeader, std::string(static_cast<const char*>(bits), info.bmiHeader.biSizeImage)};
    }
    SelectObject(memory, old);
  }
  if (bitmap) DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return capture;
}

}  // namespace

std::wstring ArtifactsFolder() {
  std::wstring folder = internal::WindowsPath(internal::Environment(L"FESK_ARTIFACTS"));
  if (folder.empty()) folder = OwnFolder() + L"\\artifacts";
  while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
  MakeFolders(folder);
  return folder;
}

std::wstring Screenshot(std::wstring_view name, int settle_ms) {
  std::optional<Capture> capture = CaptureScreen();
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(settle_ms > 0 ? settle_ms : 0);
  while (capture && GetTickCount64() < deadline) {
    Sleep(100);
    std::optional<Capture> next = CaptureScreen();
    if (!next) break;
    bool still = next->pixels == capture->pixels;
    capture = std::move(next);
    if (still) break;
  }
  if (!capture) {
    Log(L"screenshot " + std::wstring(name) + L" failed");
    return {};
  }

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(capture->pixels.size());
  std::string bytes;
  bytes.reserve(file.bfSize);
  bytes.append(reinterpret_cast<const char*>(&file), sizeof file);
  bytes.append(reinterpret_cast<const char*>(&capture->header), sizeof capture->header);
  bytes += capture->pixels;
  std::wstring path = ArtifactsFolder() + L"\\" + std::wstring(name) + L".bmp";
  if (!WriteFileBytes(path, bytes)) return {};
  return path;
}

}  // namespace fesk::e2e
