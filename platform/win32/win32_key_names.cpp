#include "platform/win32/win32_key_names.h"

#include "platform/win32/text.h"
#include "platform/win32/windows_api.h"

namespace fesk::win32 {

std::string Win32KeyNames::KeyName(int virtual_key) const {
  UINT scan = MapVirtualKeyW(static_cast<UINT>(virtual_key), MAPVK_VK_TO_VSC);
  wchar_t name[64] = {};
  int length = GetKeyNameTextW(static_cast<LONG>(scan << 16), name, 64);
  return Narrow(std::wstring_view(name, static_cast<std::size_t>(length > 0 ? length : 0)));
}

}  // namespace fesk::win32
