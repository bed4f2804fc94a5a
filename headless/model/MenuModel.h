// The host's menus: groups (the host's own and those plug-ins add) and the items in them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "headless/document/Ids.h"
#include "plugin/sdk/AITypes.h"

namespace headless {

struct MenuItemTag;
struct MenuGroupTag;
using MenuItemId = Id<MenuItemTag>;
using MenuGroupId = Id<MenuGroupTag>;

constexpr AIErr kNoSuchMenuGroupErr = FourCharErr("GRP?");      // an item added to a group that does not exist
constexpr AIErr kMenuGroupExistsErr = FourCharErr("GRP!");      // a new group under a name already taken
constexpr AIErr kUnmodelledCriterionErr = FourCharErr("CRI?");  // an enable criterion this host cannot judge

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
    // Held apart from the store, so that the pointer GetMenuGroupName hands out survives groups added later.
    std::shared_ptr<const std::string> name;  // as the platform encoding gave it
    ASInt32 options = 0;
    MenuItemId parentItem;  // the item a submenu group hangs from; null for the host's own groups
};

// The host's own groups that exist before any plug-in loads.
inline const std::vector<std::string>& HostMenuGroups() {
    static const std::vector<std::string> groups = {"About", "Objects", "Edit", "File", "Window", "Help"};
    return groups;
}

}  // namespace headless
