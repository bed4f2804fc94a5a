// Adds a plug-in's About item under a submenu of the host's About group that plug-ins of one maker share by name.
#pragma once

#include "plugin/host/HostString.h"
#include "plugin/sdk/AIMenu.h"

class SDKAboutPluginsHelper {
public:
    SDKAboutPluginsHelper() = default;
    // Gives back the menu suite if an exception left AddAboutMenuItem while it was held.
    ~SDKAboutPluginsHelper();
    SDKAboutPluginsHelper(const SDKAboutPluginsHelper&) = delete;
    SDKAboutPluginsHelper& operator=(const SDKAboutPluginsHelper&) = delete;

    // Makes the submenu `groupName` (shown as `submenuText`) unless a group of that name exists, then adds
    // `itemText` (platform-encoded) to it. The menu suite is acquired through the message's basic suite for this
    // call alone. The handle is written only on success.
    ASErr AddAboutMenuItem(SPMessageData* message, const char* groupName, const ai::HostString& submenuText,
                           const char* itemText, AIMenuItemHandle* menuItem);

private:
    ASErr FindOrAddGroup(SPMessageData* message, const char* groupName, const ai::HostString& submenuText);
    void ReleaseMenuSuite();

    const SPBasicSuite* basic_ = nullptr;
    const AIMenuSuite* menuSuite_ = nullptr;
};
