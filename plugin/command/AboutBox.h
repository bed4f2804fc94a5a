// The About box: the version, the maker, and a button that opens the maker's web site.
#pragma once

#include "plugin/platform/Win32Ui.h"
#include "plugin/sdk/AITypes.h"

// 0 after "OK" or when the module's resources cannot be found; otherwise a host code or the window system's
// failure value.
ASInt32 ShowAboutBox(SPPluginRef plugin);

INT_PTR AboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
