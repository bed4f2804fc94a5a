// The session's host: an application of its own, the module linked in and attached as if loaded from a file.
#include "tests/e2e/ClipSession.h"

#include "headless/svg/SvgFile.h"
#include "headless/win32/DialogDriver.h"
#include "headless/win32/StandIn.h"
#include "plugin/command/ZvTrimoraPlugin.h"
#include "plugin/host/PluginMain.h"
#include "plugin/host/Suites.h"

namespace trimora::e2e {

namespace {

constexpr const char* kModuleFile = "/plug-ins/Zavik-Trimora.aip";

HMODULE ModuleToken() {
    static int token;
    return reinterpret_cast<HMODULE>(&token);
}

}  // namespace

ClipSession::ClipSession(const std::string& svgFile, const std::string& regionId) : doc(app.NewDocument()) {
    headless::svg::ReadSvgFile(svgFile, doc, {{regionId}});
    headless::win32::ResetStandIn();
    headless::win32::SetLoadedModule(kModuleFile, ModuleToken());
    host.Attach(&PluginMain, kModuleFile);
    startupResult = host.Startup();
}

ClipSession::~ClipSession() {
    if (host.Globals()) host.Shutdown();
    headless::win32::ResetStandIn();
}

AIErr ClipSession::Clip(const ClipOptions& options, Start start, const std::function<void()>& beforeSending) {
    auto* plugin = static_cast<ZvTrimoraPlugin*>(static_cast<Plugin*>(host.Globals()));
    if (!plugin) return startupResult;
    if (start == Start::kMenu) {
        SaveClipOptionsToPreferences(options);
        headless::win32::CallbackDriver driver([](headless::win32::OpenDialog& dialog) { dialog.PressEnter(); });
        headless::win32::ScopedDialogDriver scope(driver);
        if (beforeSending) beforeSending();
        return host.MenuGo(plugin->ClipMenuItem());
    }
    AIActionParamValueRef value = nullptr;
    if (AIErr err = sAIActionManager->AINewActionParamValue(&value)) return err;
    AIErr result = WriteClipOptionsToAction(options, value);
    if (result == kNoErr) {
        if (beforeSending) beforeSending();
        result = host.DoAction(kDialogNone, value);
    }
    sAIActionManager->AIDeleteActionParamValue(value);
    return result;
}

void ClipSession::Write(const std::string& svgFile) const {
    headless::svg::WriteSvgFile(doc, svgFile);
}

}  // namespace trimora::e2e
