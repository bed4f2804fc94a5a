// The host's menu questions, shared by AIMenuSuite::IsItemEnabled and the drivers.
#include "headless/suites/MenuQueries.h"

#include <algorithm>

#include "headless/model/StoreWalk.h"
#include "headless/suites/HostEntry.h"
#include "plugin/sdk/AIMenu.h"

namespace headless {
namespace {

// A criterion set on "is true" must hold, one on "is not true" must not; 0 asks nothing.
bool DocumentCriteriaHold(const Application& app, const MenuItem& item) {
    const bool documentOpen = app.DocumentCount() > 0;
    if ((item.ifIsTrue & kIfOpenDocument) && !documentOpen) return false;
    if ((item.ifIsNotTrue & kIfOpenDocument) && documentOpen) return false;
    return true;
}

const MenuGroup* FindGroup(const Application& app, std::string_view name) {
    const MenuGroup* found = nullptr;
    ForEachLive(app.menuGroups, [&](MenuGroupId id) {
        if (*app.menuGroups[id].name != name) return true;
        found = &app.menuGroups[id];
        return false;
    });
    return found;
}

}  // namespace

MenuItemId FindMenuItem(const Application& app, std::string_view group, std::string_view textUtf8) {
    MenuItemId found;
    ForEachLive(app.menuItems, [&](MenuItemId id) {
        const MenuItem& item = app.menuItems[id];
        if (item.group != group || item.text != textUtf8) return true;
        found = id;
        return false;
    });
    return found;
}

bool MenuItemEnabled(const Application& app, MenuItemId id) {
    const MenuItem* item = app.menuItems.Find(id);
    if (!item) return false;
    if (!item->automatic || item->action != kAutoEnableMenuItemAction) return true;
    return DocumentCriteriaHold(app, *item);
}

std::vector<MenuItemId> MenuItemsOfGroup(const Application& app, std::string_view group) {
    std::vector<MenuItemId> items;
    ForEachLive(app.menuItems, [&](MenuItemId id) {
        if (app.menuItems[id].group == group) items.push_back(id);
        return true;
    });
    const MenuGroup* g = FindGroup(app, group);
    if (g && (g->options & kMenuGroupSortedAlphabeticallyOption)) {
        std::stable_sort(items.begin(), items.end(),
                         [&](MenuItemId a, MenuItemId b) { return app.menuItems[a].text < app.menuItems[b].text; });
    }
    return items;
}

AIMenuItemHandle MenuItemHandle(MenuItemId item) {
    return AppHandleOf<AIMenuItemHandle>(HandleKind::kMenuItem, item);
}

}  // namespace headless
