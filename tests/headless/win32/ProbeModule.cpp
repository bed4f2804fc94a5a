// A stand-in for the module in the link test: it calls the Windows functions without linking anything that
// defines them, so they can only come from the process that loads it.
#include "plugin/platform/Win32Ui.h"

namespace {

INT_PTR ProbeProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        CheckRadioButton(dialog, 1005, 1006, 1005);
        SendMessageA(GetDlgItem(dialog, 1007), BM_SETCHECK, BST_CHECKED, 0);
        return FALSE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        EndDialog(dialog, (IsDlgButtonChecked(dialog, 1006) == BST_CHECKED ? 10 : 0) +
                              (IsDlgButtonChecked(dialog, 1007) == BST_CHECKED ? 1 : 0));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

// Shows the options dialog from the module at `path`; -2 when no module handle is found for it.
extern "C" __attribute__((visibility("default"))) int ProbeShowOptions(const char* path) {
    HMODULE module = GetModuleHandleA(path);
    if (!module) return -2;
    ShellExecuteA(nullptr, "open", path, nullptr, nullptr, SW_SHOWNORMAL);
    return static_cast<int>(DialogBoxParamA(module, MAKEINTRESOURCEA(102), nullptr, ProbeProcedure, 0));
}
