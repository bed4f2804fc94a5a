// ZvTrimoraPlugin: this module's plug-in object. It adds the clip command and the About item to the host's menus,
// declares the recordable action, and answers their messages.
#pragma once

#include "plugin/host/Plugin.h"
#include "plugin/sdk/AIMenu.h"

class ZvTrimoraPlugin : public Plugin {
public:
    explicit ZvTrimoraPlugin(SPPluginRef pluginRef);
    // Plugin::ReinstallDispatch moves the object into the code loaded after a reload.
    ZvTrimoraPlugin(ZvTrimoraPlugin&& other) noexcept = default;

    ASErr OnStartup(void* message) override;
    ASErr BindInstance(Plugin* instance) override;
    ASErr OnMenuGo(void* message) override;
    ASErr OnDoAction(void* message) override;

    // Null until start-up has added the item.
    AIMenuItemHandle ClipMenuItem() const { return clipMenuItem; }
    AIMenuItemHandle AboutMenuItem() const { return aboutMenuItem; }

private:
    ASErr AddMenus(SPMessageData* message);
    ASErr AddAction(SPMessageData* message);
    ASErr RunClipCommand();

    AIMenuItemHandle clipMenuItem = nullptr;
    AIMenuItemHandle aboutMenuItem = nullptr;
};

// The object while it holds the host's suites (bound at start-up and reload), null otherwise.
extern ZvTrimoraPlugin* gZvTrimoraPlugin;
