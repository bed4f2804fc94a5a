// Set-up and records of the stand-in for the Windows dialog and shell calls (defined in Win32StandIn.cpp with
// C linkage, exported by the host process so that the module's undefined references resolve against them).
//
// DialogBoxParamA(module, MAKEINTRESOURCEA(id), owner, procedure, param) reads dialog `id` from the resource
// script, sends WM_INITDIALOG with `param`, hands the dialog to the installed driver (DialogDriver.h) and returns
// the value the procedure passed to EndDialog. A dialog the driver leaves open gets Escape (WM_COMMAND IDCANCEL);
// if it is open even then (the About box ignores IDCANCEL), the call fails with -1 rather than wait for a user
// who is not there. Every failure (unknown module handle, template, script error, a driver's impossible click)
// gives -1 and leaves its reason in DialogHistory().
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "plugin/platform/Win32Ui.h"

namespace headless::win32 {

// The host's loader reports the module it has loaded: GetModuleHandleA answers `handle` (not null) for exactly
// this path, given as the module will pass it (in the platform's multi-byte encoding), and DialogBoxParamA
// accepts the handle as the module holding the resource script's dialogs.
void SetLoadedModule(std::string path, HMODULE handle);
// After unloading: the path is no longer known and the handle no longer accepted.
void ForgetLoadedModule(HMODULE handle);

// The resource script DialogBoxParamA reads the dialogs from; by default the module's own script in the source tree.
void SetResourceScript(std::filesystem::path path);
std::filesystem::path ResourceScriptPath();

struct ShellExecuteCall {
    HWND owner = nullptr;
    std::optional<std::string> verb;  // nullopt where the caller passed a null pointer
    std::optional<std::string> file;
    std::optional<std::string> parameters;
    std::optional<std::string> directory;
    int show = 0;
};
// Every ShellExecuteA call in order; nothing is opened.
const std::vector<ShellExecuteCall>& ShellExecuteLog();

struct DialogRecord {
    int templateId = 0;
    std::string caption;
    INT_PTR result = 0;
    std::string failure;  // why DialogBoxParamA answered -1; empty otherwise
};
// Every DialogBoxParamA call in order, with its result.
const std::vector<DialogRecord>& DialogHistory();

// Forgets the loaded modules, both logs, the script override and the driver.
void ResetStandIn();

}  // namespace headless::win32
