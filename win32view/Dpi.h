// The display scale of a window or a monitor. The per-monitor functions exist
// from Windows 8.1 and 10 on and are looked up when first needed, so that
// t742.exe still starts on Windows 7, where the system DPI stands in.
#pragma once

#include <windows.h>

namespace win32view {

UINT DpiOfWindow(HWND window);
// The DPI of the monitor that holds the point.
UINT DpiAt(POINT point);
// The outer size of a window whose client area is width x height at dpi.
SIZE OuterSize(int width, int height, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace win32view
