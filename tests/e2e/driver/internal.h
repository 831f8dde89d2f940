// Shared between the driver's own files.
#pragma once

#include <string>

#include "platform/win32/windows_api.h"

namespace fesk::e2e::internal {

// Start remembers what it started; Finish ends those still running.
void RememberStarted(HANDLE process);
void KillStartedProcesses();

// "/a/b" (a Unix path, as the runner passes them) as "Z:\\a\\b"; anything
// else unchanged.
std::wstring WindowsPath(std::wstring path);
// The value of an environment variable, empty when unset.
std::wstring Environment(const wchar_t* name);

}  // namespace fesk::e2e::internal
