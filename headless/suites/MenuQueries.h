// What a driver or a test asks of the host's menus: the item a text names, whether it is enabled, what a group shows.
#pragma once

#include <string_view>
#include <vector>

#include "headless/model/Application.h"

namespace headless {

// The first item of `group` (platform-encoded bytes, as the module named it) whose text is textUtf8; null when none.
MenuItemId FindMenuItem(const Application& app, std::string_view group, std::string_view textUtf8);

// The automatic enable rule as it stands now; an item without one is enabled, a dead id is not.
bool MenuItemEnabled(const Application& app, MenuItemId item);

// The items of `group` in the order the menu shows them: sorted by text when the group asks for it, else as added.
std::vector<MenuItemId> MenuItemsOfGroup(const Application& app, std::string_view group);

// The handle the module holds for an item, e.g. to send it "AI Menu"/"AI Go".
AIMenuItemHandle MenuItemHandle(MenuItemId item);

}  // namespace headless
