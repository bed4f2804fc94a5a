// The options dialog: shows a ClipOptions record and writes the user's choice back into it on "実行".
#pragma once

#include "plugin/command/ClipOptions.h"
#include "plugin/platform/Win32Ui.h"

// 0 when confirmed (the record holds the choice) or when the module's resources cannot be found (the record is as
// it was); 'STOP' when cancelled; otherwise a host code or the window system's failure value.
ASInt32 ShowOptionsDialog(SPPluginRef plugin, ClipOptions* options);

INT_PTR OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
