// How the framework gets the plug-in object, and the messages the object answers.
#include "plugin/command/ZvTrimoraPlugin.h"

#include <memory>
#include <new>

#include "plugin/command/AboutBox.h"
#include "plugin/command/OptionsDialog.h"
#include "plugin/engine/CZvKiruru.h"
#include "plugin/host/PluginFactory.h"

ZvTrimoraPlugin* gZvTrimoraPlugin = nullptr;

namespace {

constexpr const char* kPluginName = "Zavik-Trimora2.5";

}  // namespace

ZvTrimoraPlugin::ZvTrimoraPlugin(SPPluginRef pluginRef) : Plugin(pluginRef) {
    SetName(kPluginName);
}

Plugin* CreatePlugin(SPPluginRef pluginRef) {
    return new (std::nothrow) ZvTrimoraPlugin(pluginRef);
}

// The menu item handles survive: the host keeps the items installed across an unload.
void FixupAfterReload(Plugin* plugin) {
    // The object still points at the dispatch of the code that was unloaded: no cast that reads it.
    if (plugin) Plugin::ReinstallDispatch<ZvTrimoraPlugin>(plugin);
}

ASErr ZvTrimoraPlugin::BindInstance(Plugin* instance) {
    gZvTrimoraPlugin = static_cast<ZvTrimoraPlugin*>(instance);
    return kNoErr;
}

// A handle start-up failed to obtain is null and matches no item, not even a message that carries null.
ASErr ZvTrimoraPlugin::OnMenuGo(void* message) {
    const AIMenuItemHandle item = static_cast<AIMenuMessage*>(message)->menuItem;
    if (!item) return kNoErr;
    if (item == clipMenuItem) return RunClipCommand();
    if (item == aboutMenuItem) return ShowAboutBox(PluginRef());
    return kNoErr;
}

// The options are stored once confirmed, before the run, so that they stay whatever the run does. A run that
// fails answers its code: the document may be half clipped, and the host's error report is the user's only word
// of it ('STOP' is not reported). A refused selection answers 0 after its own alert.
ASErr ZvTrimoraPlugin::RunClipCommand() {
    ClipOptions options;
    LoadClipOptionsFromPreferences(options);
    if (ASInt32 result = ShowOptionsDialog(PluginRef(), &options)) return result;
    SaveClipOptionsToPreferences(options);
    // Owned here so that the work layer leaves the document also when a host-string helper throws.
    const auto engine = std::make_unique<CZvKiruru>(PluginRef());
    return engine->Run(options, 0);
}

// Playback leaves the preferences alone, also when it shows the dialog.
ASErr ZvTrimoraPlugin::OnDoAction(void* message) {
    const auto* action = static_cast<DoActionMessage*>(message);
    ClipOptions options;
    if (ASErr error = ReadClipOptionsFromAction(action->param, options)) return error;
    if (action->showDialog != kDialogNone && ShowOptionsDialog(PluginRef(), &options) != kNoErr) return kCanceledErr;
    const auto engine = std::make_unique<CZvKiruru>(PluginRef());
    return engine->Run(options, 1);
}
