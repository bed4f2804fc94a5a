// The recording plug-in and the factory of the test programs.
#include "tests/plugin/host/RecordingPlugin.h"

#include <new>

#include "plugin/host/AIError.h"
#include "plugin/host/PluginFactory.h"

namespace trimora::testing {

Recording& Record() {
    static Recording record;
    return record;
}

RecordingPlugin::~RecordingPlugin() {
    // The temporary that carries the fields across a reload is not the plug-in going away.
    if (live_) ++Record().destroyed;
}

ASErr RecordingPlugin::Note(const std::string& name, ASErr base) {
    Record().calls.push_back(name);
    return Answer(name, base);
}

ASErr RecordingPlugin::Answer(const std::string& name, ASErr base) {
    if (auto thrown = Record().throws.find(name); thrown != Record().throws.end()) throw ai::Error(thrown->second);
    auto planned = Record().answers.find(name);
    return planned == Record().answers.end() ? base : planned->second;
}

void RecordingPlugin::OnError(ASErr code, const char* caller, const char* selector, void* message) {
    Record().calls.push_back("OnError " + std::string(caller) + "/" + selector);
    lastMessage = message;
    Plugin::OnError(code, caller, selector, message);
}

ASErr RecordingPlugin::OnStartup(void* message) {
    Record().calls.push_back("OnStartup");
    return Answer("OnStartup", Plugin::OnStartup(message));
}

ASErr RecordingPlugin::OnShutdown(void* message) {
    Record().calls.push_back("OnShutdown");
    return Answer("OnShutdown", Plugin::OnShutdown(message));
}

ASErr RecordingPlugin::OnUnload(void* message) {
    Record().calls.push_back("OnUnload");
    return Answer("OnUnload", Plugin::OnUnload(message));
}

ASErr RecordingPlugin::OnReload(void* message) {
    Record().calls.push_back("OnReload");
    return Answer("OnReload", Plugin::OnReload(message));
}

ASErr RecordingPlugin::OnMessage(const char* caller, const char* selector, void* message) {
    Record().calls.push_back("OnMessage " + std::string(caller) + "/" + selector);
    lastMessage = message;
    return Plugin::OnMessage(caller, selector, message);
}

bool RecordingPlugin::OnPurge() {
    Note("OnPurge");
    return Record().purge;
}

ASErr RecordingPlugin::BindInstance(Plugin* instance) {
    return Note(instance ? "BindInstance this" : "BindInstance null");
}

}  // namespace trimora::testing

Plugin* CreatePlugin(SPPluginRef self) {
    trimora::testing::Record().calls.push_back("CreatePlugin");
    if (trimora::testing::Record().failCreate) return nullptr;
    return new (std::nothrow) trimora::testing::RecordingPlugin(self);
}

void FixupAfterReload(Plugin* plugin) {
    trimora::testing::Record().calls.push_back("FixupAfterReload");
    if (plugin) Plugin::ReinstallDispatch<trimora::testing::RecordingPlugin>(plugin);
}
