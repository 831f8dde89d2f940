#include "platform/win32/dropped_files.h"

#include <shellapi.h>

#include "platform/win32/text.h"

namespace fesk::win32 {

std::vector<std::string> TakeDroppedPaths(HDROP drop) {
  UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  std::vector<std::string> paths;
  for (UINT i = 0; i < count; ++i) {
    UINT length = DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    DragQueryFileW(drop, i, path.data(), length + 1);
    path.resize(length);
    paths.push_back(Narrow(path));
  }
  DragFinish(drop);
  return paths;
}

}  // namespace fesk::win32
