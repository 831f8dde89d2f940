// <windows.h> for the Win32 layer, without the macros that would rename
// methods of the platform ports (MessageBox, SetCurrentDirectory ...) in
// this file but not in the portable code that calls them.  Win32 files
// include this header, never <windows.h> directly, and call the wide
// functions by their explicit names (MessageBoxW, SetCurrentDirectoryW).
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#undef MessageBox
#undef SetCurrentDirectory
#undef ReplaceFile
#undef GetCurrentDirectory
#undef CreateWindow
#undef DrawText
#undef GetUserName
#undef GetWindowsDirectory
