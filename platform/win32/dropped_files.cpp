#include "platform/win32/dropped_files.h"

#include <shellapi.h>

#include "platform/win32/text.h"

namespace fesk::win32 {

std::vector<FilePath> TakeDroppedPaths(HDROP drop) {
  UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  std::vector<FilePath> paths;
  for (UINT i = 0; i < count; ++i) {
    UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    DragQueryFileW(drop, i, path.data(), length + 1);
    path.resize(length);
    paths.push_back(PathOf(path));
  }
  DragFinish(drop);
  return paths;
}

}  // namespace fesk::win32
