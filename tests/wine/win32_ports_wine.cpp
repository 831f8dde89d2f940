// Win32 ports whose documentation asks more of a program than the plain
// call: a request to the shell is made in a single-threaded COM apartment on
// the thread that makes it, and still reports a missing file by the shell's
// code; and the launcher knows that under Wine raw input comes only while a
// usable window is in front.
#include <string>

#include "launcher/win32/win32_input_wake.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_ports.h"
#include "tests/wine/wine_check.h"

namespace {

struct ShellRequest {
  std::string file;
  int result = 0;
  HRESULT apartment_after = S_OK;  // CoInitializeEx(multithreaded) afterwards
  bool ask_shell = true;
};

// Asks the shell to open the file on a thread of its own, then asks that
// thread for a multithreaded apartment: refused (RPC_E_CHANGED_MODE) when
// the thread is in a single-threaded one already.
DWORD WINAPI RequestThread(void* parameter) {
  auto& request = *static_cast<ShellRequest*>(parameter);
  if (request.ask_shell) request.result = fesk::win32::Win32Shell().Open(request.file, "", "", 5);
  request.apartment_after = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  if (SUCCEEDED(request.apartment_after)) CoUninitialize();
  return 0;
}

ShellRequest Run(ShellRequest request) {
  HANDLE thread = CreateThread(nullptr, 0, RequestThread, &request, 0, nullptr);
  WaitForSingleObject(thread, 30000);
  CloseHandle(thread);
  return request;
}

}  // namespace

int main() {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::string missing = fesk::win32::Narrow(std::wstring(temp) + L"fesk-no-such-program.exe");

  const ShellRequest plain = Run(ShellRequest{missing, 0, S_OK, false});
  fesk::winetest::Check(plain.apartment_after == S_OK, "a thread that asked the shell nothing has no apartment");

  const ShellRequest asked = Run(ShellRequest{missing});
  fesk::winetest::Check(asked.apartment_after == RPC_E_CHANGED_MODE,
                        "a thread that asked the shell is in a single-threaded apartment");
  fesk::winetest::CheckEqual(std::to_string(asked.result), "2", "a missing program is reported as not found");

  fesk::win32::Win32RawInputDelivery delivery;
  fesk::winetest::Check(!delivery.ComeWhateverIsInFront(), "under Wine raw input depends on the window in front");
  return fesk::winetest::Finish("win32_ports_wine");
}
