// The options dialog's procedure and how it is opened.
#include "plugin/command/OptionsDialog.h"

#include <array>

#include "plugin/command/ModuleDialog.h"
#include "plugin/resources/ResourceIds.h"

namespace {

struct CheckBox {
    int id;
    AIBoolean ClipOptions::*field;
};

constexpr std::array<CheckBox, 4> kCheckBoxes = {{
    {IDC_DELETE_EMPTY_LAYER, &ClipOptions::DeleteEmptyLayer},
    {IDC_DELETE_TEXT_ON_LINE, &ClipOptions::DeleteTextOnTheLine},
    {IDC_SHOW_PROGRESS, &ClipOptions::ShowProgress},
    {IDC_PRESERVE_MASK_PATH, &ClipOptions::PreserveMaskPath},
}};

// The record of the dialog that is open; the dialog is modal, so there is one at a time.
ClipOptions* editedOptions = nullptr;

void ShowOptions(HWND dialog, const ClipOptions& options) {
    CheckRadioButton(dialog, IDC_OUTSIDE, IDC_INSIDE, options.ClipType == 0 ? IDC_OUTSIDE : IDC_INSIDE);
    for (const CheckBox& box : kCheckBoxes) {
        const WPARAM state = options.*box.field ? BST_CHECKED : BST_UNCHECKED;
        SendMessageA(GetDlgItem(dialog, box.id), BM_SETCHECK, state, 0);
    }
}

bool IsChecked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

// Every field is written, so a record that came in with other values leaves with exactly 0 or 1 in each.
void ReadOptions(HWND dialog, ClipOptions& options) {
    options.ClipType = IsChecked(dialog, IDC_OUTSIDE) ? 0 : 1;
    for (const CheckBox& box : kCheckBoxes)
        options.*box.field = IsChecked(dialog, box.id) ? 1 : 0;
}

}  // namespace

ASInt32 ShowOptionsDialog(SPPluginRef plugin, ClipOptions* options) {
    return ShowModuleDialog(plugin, IDD_OPTIONS, &OptionsDialogProc, reinterpret_cast<LPARAM>(options));
}

INT_PTR OptionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        editedOptions = reinterpret_cast<ClipOptions*>(lParam);
        ShowOptions(dialog, *editedOptions);
        return FALSE;  // the focus stays where Windows puts it
    }
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
        case IDOK:
            if (editedOptions) ReadOptions(dialog, *editedOptions);
            EndDialog(dialog, 0);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, kCanceledErr);
            return TRUE;
        default:
            return FALSE;
    }
}
