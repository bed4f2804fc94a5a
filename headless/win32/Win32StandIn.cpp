// The Windows dialog and shell calls of the module, with C linkage. All of them live in this one file with the
// loader's set-up functions, so that linking the set-up from the static library brings every call with it.
#include <algorithm>
#include <cstring>
#include <exception>
#include <utility>

#include "headless/win32/DialogDriver.h"
#include "headless/win32/OpenDialog.h"
#include "headless/win32/ResourceScript.h"
#include "headless/win32/StandIn.h"

namespace headless::win32 {

namespace {

struct LoadedModule {
    std::string path;
    HMODULE handle;
};

struct StandInState {
    std::vector<LoadedModule> modules;
    std::filesystem::path resourceScript;
    std::vector<ShellExecuteCall> shellCalls;
    std::vector<DialogRecord> dialogs;
};

StandInState& State() {
    static StandInState state;
    return state;
}

bool IsLoadedModule(HMODULE handle) {
    const auto& modules = State().modules;
    return handle && std::any_of(modules.begin(), modules.end(), [&](const auto& m) { return m.handle == handle; });
}

std::optional<std::string> Copy(LPCSTR text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}

// Shows one dialog: reads its template, initialises it, hands it to the driver and makes sure it ends. A dialog
// the driver leaves open is cancelled as Escape would; one that ignores cancel too is a failure, since on a real
// screen it would wait for a user who is not there.
INT_PTR RunModalDialog(DialogRecord& record, HINSTANCE module, LPCSTR templateName, HWND owner, DLGPROC procedure,
                       LPARAM initParam) {
    if (!IsLoadedModule(module)) throw DialogError("the module handle is not one of a loaded module");
    if (!IS_INTRESOURCE(templateName)) throw DialogError("dialog templates are looked up by number only");
    if (!procedure) throw DialogError("no dialog procedure");
    record.templateId = static_cast<int>(reinterpret_cast<UINT_PTR>(templateName));

    const ResourceScript script = LoadResourceScript(ResourceScriptPath());
    const DialogTemplate* dialogTemplate = script.FindDialog(record.templateId);
    if (!dialogTemplate) {
        throw DialogError(ResourceScriptPath().string() + " has no dialog " + std::to_string(record.templateId));
    }
    record.caption = dialogTemplate->caption;

    OpenDialog dialog(*dialogTemplate, owner, procedure, initParam);
    dialog.Initialise();
    if (!dialog.Ended()) {
        if (DialogDriver* driver = CurrentDialogDriver()) driver->Run(dialog);
    }
    if (!dialog.Ended()) dialog.PressEscape();
    if (!dialog.Ended()) {
        throw DialogError("dialog " + std::to_string(record.templateId) +
                          " is still open: the driver left it open and it does not close on cancel");
    }
    return dialog.Result();
}

}  // namespace

void SetLoadedModule(std::string path, HMODULE handle) {
    auto& modules = State().modules;
    std::erase_if(modules, [&](const LoadedModule& m) { return m.path == path || m.handle == handle; });
    if (handle) modules.push_back({std::move(path), handle});
}

void ForgetLoadedModule(HMODULE handle) {
    std::erase_if(State().modules, [&](const LoadedModule& m) { return m.handle == handle; });
}

void SetResourceScript(std::filesystem::path path) {
    State().resourceScript = std::move(path);
}

std::filesystem::path ResourceScriptPath() {
    return State().resourceScript.empty() ? std::filesystem::path(TRIMORA_RESOURCE_SCRIPT) : State().resourceScript;
}

const std::vector<ShellExecuteCall>& ShellExecuteLog() {
    return State().shellCalls;
}
const std::vector<DialogRecord>& DialogHistory() {
    return State().dialogs;
}

void ResetStandIn() {
    State() = StandInState{};
    SetDialogDriver(nullptr);
}

}  // namespace headless::win32

using headless::win32::DialogControl;
using headless::win32::OpenDialog;

extern "C" {

INT_PTR DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                        LPARAM dwInitParam) {
    headless::win32::DialogRecord record;
    try {
        record.result =
            headless::win32::RunModalDialog(record, hInstance, lpTemplateName, hWndParent, lpDialogFunc, dwInitParam);
    } catch (const std::exception& error) {
        // Nothing may unwind into the module's frames; the window system reports failure as -1.
        record.failure = error.what();
        record.result = -1;
    } catch (...) {
        record.failure = "unknown failure";
        record.result = -1;
    }
    headless::win32::State().dialogs.push_back(record);
    return record.result;
}

BOOL EndDialog(HWND hDlg, INT_PTR nResult) {
    OpenDialog* dialog = OpenDialog::FromHandle(hDlg);
    if (!dialog) return FALSE;
    dialog->End(nResult);
    return TRUE;
}

BOOL CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    OpenDialog* dialog = OpenDialog::FromHandle(hDlg);
    if (!dialog) return FALSE;
    // Like the window system: BM_SETCHECK to every control whose id lies in the range, whatever its kind.
    for (const DialogControl& control : dialog->Controls()) {
        if (control.Id() < nIDFirstButton || control.Id() > nIDLastButton) continue;
        DialogControl* target = dialog->FindControl(control.Id());
        OpenDialog::SetCheckState(*target, control.Id() == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED);
    }
    return TRUE;
}

UINT IsDlgButtonChecked(HWND hDlg, int nIDButton) {
    OpenDialog* dialog = OpenDialog::FromHandle(hDlg);
    const DialogControl* control = dialog ? dialog->FindControl(nIDButton) : nullptr;
    return control ? control->CheckState() : BST_UNCHECKED;
}

LRESULT SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM /*lParam*/) {
    DialogControl* control = OpenDialog::ControlFromHandle(hWnd);
    if (!control) return 0;
    if (Msg == BM_SETCHECK) {
        // Setting a state does not touch the other radio buttons; only a click does.
        if (wParam <= BST_INDETERMINATE) OpenDialog::SetCheckState(*control, static_cast<UINT>(wParam));
        return 0;
    }
    if (Msg == BM_GETCHECK) return static_cast<LRESULT>(control->CheckState());
    return 0;
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
    OpenDialog* dialog = OpenDialog::FromHandle(hDlg);
    const DialogControl* control = dialog ? dialog->FindControl(nIDDlgItem) : nullptr;
    return control ? dialog->ControlHandle(*control) : nullptr;
}

HMODULE GetModuleHandleA(LPCSTR lpModuleName) {
    // The stand-in knows no executable module, so the null name (the calling process) finds nothing either.
    if (!lpModuleName) return nullptr;
    for (const auto& module : headless::win32::State().modules) {
        if (module.path == lpModuleName) return module.handle;
    }
    return nullptr;
}

HINSTANCE ShellExecuteA(HWND hwnd, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters, LPCSTR lpDirectory,
                        INT nShowCmd) {
    using headless::win32::Copy;
    headless::win32::State().shellCalls.push_back(
        {hwnd, Copy(lpOperation), Copy(lpFile), Copy(lpParameters), Copy(lpDirectory), nShowCmd});
    // Values above 32 mean success; without a file the shell reports "file not found" (2).
    const std::intptr_t result = lpFile ? 42 : 2;
    return reinterpret_cast<HINSTANCE>(result);
}

}  // extern "C"
