// The steps both dialogs take before Windows shows them: owner window, the module's file, its module handle.
#include "plugin/command/ModuleDialog.h"

#include <string>

#include "plugin/host/HostPath.h"
#include "plugin/host/Suites.h"

ASInt32 ShowModuleDialog(SPPluginRef plugin, WORD templateId, DLGPROC procedure, LPARAM initParam) {
    AIWindowRef owner = nullptr;
    if (ASErr error = sAIAppContext->GetPlatformAppWindow(&owner)) return error;

    SPPlatformFileSpecification file = {};
    if (ASErr error = sSPPlugins->GetPluginFileSpecification(plugin, &file)) return error;

    // Windows names a loaded module by its path in the platform encoding.
    const std::string path = ai::HostPath(file).FullPath(false).ToBytes(kAIPlatformCharacterEncoding);
    const HMODULE module = GetModuleHandleA(path.c_str());
    // Without the module there is no dialog to show, but nothing is wrong with the command itself: answering
    // success lets the clip command go on with the options it already holds (the last ones used, or the recorded
    // ones) instead of refusing to work over a missing window, and the About item simply shows nothing.
    if (!module) return kNoErr;

    const INT_PTR result =
        DialogBoxParamA(module, MAKEINTRESOURCEA(templateId), static_cast<HWND>(owner), procedure, initParam);
    return static_cast<ASInt32>(result);
}
