// The host's menus: groups (the host's own and those plug-ins add) and the items in them.
#pragma once

#include <string>
#include <vector>

#include "headless/document/Ids.h"
#include "plugin/sdk/AITypes.h"

namespace headless {

struct MenuItemTag;
struct MenuGroupTag;
using MenuItemId = Id<MenuItemTag>;
using MenuGroupId = Id<MenuGroupTag>;

struct MenuItem {
    SPPluginRef plugin = nullptr;
    std::string key;    // may be empty
    std::string group;  // the group's name, as the platform encoding gave it
    std::string text;   // UTF-8
    ASInt32 options = 0;
    // The automatic enable rule, as UpdateMenuItemAutomatically gave it.
    bool automatic = false;
    ASInt32 action = 0;
    ASInt32 ifObjectIsInArtwork = 0, ifObjectIsNotInArtwork = 0, ifObjectIsSelected = 0, ifObjectIsNotSelected = 0,
            ifIsTrue = 0, ifIsNotTrue = 0;
};

struct MenuGroup {
    std::string name;
    ASInt32 options = 0;
    MenuItemId parentItem;  // the item a submenu group hangs from
};

// The host's own groups that exist before any plug-in loads.
inline const std::vector<std::string>& HostMenuGroups() {
    static const std::vector<std::string> groups = {"About", "Objects", "Edit", "File", "Window", "Help"};
    return groups;
}

}  // namespace headless
