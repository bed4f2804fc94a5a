// The About box's procedure and how it is opened.
#include "plugin/command/AboutBox.h"

#include "plugin/command/ModuleDialog.h"
#include "plugin/resources/MakerInfo.h"
#include "plugin/resources/ResourceIds.h"

ASInt32 ShowAboutBox(SPPluginRef plugin) {
    return ShowModuleDialog(plugin, IDD_ABOUT, &AboutBoxProc, 0);
}

// Cancel is not handled, so Escape leaves the box open; only "OK" (or Enter) closes it.
INT_PTR AboutBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (message == WM_INITDIALOG) return TRUE;  // Windows focuses "OK"
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
        case IDOK:
            EndDialog(dialog, 0);
            return TRUE;
        case IDC_OPEN_WEB_SITE:
            // A browser that does not open is not the box's concern; it stays open either way.
            ShellExecuteA(nullptr, "open", trimora::kMakerWebAddress, nullptr, nullptr, SW_SHOWNORMAL);
            return TRUE;
        default:
            return FALSE;
    }
}
