// The menu suite: items the module adds to the host's groups and to submenu groups of its own, and the rule that
// enables an item automatically.
#include <string>

#include "headless/model/StoreWalk.h"
#include "headless/suites/HostEntry.h"
#include "headless/suites/MenuQueries.h"
#include "headless/suites/PluginRegistry.h"
#include "headless/suites/SuiteText.h"
#include "plugin/sdk/AIMenu.h"

namespace headless {
namespace {

// The host's own groups come first, in their fixed order; they are made on first use because the application
// publishes its suites before it is current.
void EnsureHostGroups(Application& app) {
    if (app.menuGroups.LiveCount() > 0) return;
    for (const std::string& name : HostMenuGroups())
        app.menuGroups.Add(std::make_shared<const std::string>(name), kMenuGroupNoOptions, MenuItemId{});
}

MenuGroupId GroupNamed(Application& app, std::string_view name) {
    EnsureHostGroups(app);
    MenuGroupId found;
    ForEachLive(app.menuGroups, [&](MenuGroupId id) {
        if (*app.menuGroups[id].name != name) return true;
        found = id;
        return false;
    });
    return found;
}

MenuItemId ItemIdOf(AIMenuItemHandle h) {
    if (!h) Throw(kBadParameterErr);
    return AppIdOf<MenuItemTag>(HandleKind::kMenuItem, h, App().menuItems);
}

MenuGroupId GroupIdOf(AIMenuGroup h) {
    if (!h) Throw(kBadParameterErr);
    return AppIdOf<MenuGroupTag>(HandleKind::kMenuGroup, h, App().menuGroups);
}

AIErr AddMenuItem(SPPluginRef plugin, const char* key, const AIPlatformAddMenuItemDataUS* data, ASInt32 options,
                  AIMenuItemHandle* menuItem) {
    Application& app = App();
    PluginIdOf(plugin);  // items belong to a plug-in the host loaded
    AIMenuItemHandle& out = Out(menuItem);
    const AIPlatformAddMenuItemDataUS& d = In(data);
    const std::string group = suitetext::RequiredBytes(d.groupName);
    std::string text = suitetext::UnicodeStringUtf8(d.itemText);
    if (!GroupNamed(app, group)) Throw(kNoSuchMenuGroupErr);
    MenuItem item;
    item.plugin = plugin;
    item.key = key ? key : "";
    item.group = group;
    item.text = std::move(text);
    item.options = options;
    out = MenuItemHandle(app.menuItems.Add(std::move(item)));
    return kNoErr;
}

// Only the document-is-open criterion is modelled; any other would be judged wrongly, so it is refused.
AIErr UpdateMenuItemAutomatically(AIMenuItemHandle menuItem, ASInt16 action, ASUInt32 ifObjectIsInArtwork,
                                  ASUInt32 ifObjectIsNotInArtwork, ASUInt32 ifObjectIsSelected,
                                  ASUInt32 ifObjectIsNotSelected, ASUInt32 ifIsTrue, ASUInt32 ifIsNotTrue) {
    MenuItem& item = App().menuItems[ItemIdOf(menuItem)];
    if (action != kAutoEnableMenuItemAction && action != kAutoCheckMenuItemAction) Throw(kBadParameterErr);
    if (ifObjectIsInArtwork || ifObjectIsNotInArtwork || ifObjectIsSelected || ifObjectIsNotSelected ||
        (ifIsTrue & ~kIfOpenDocument) || (ifIsNotTrue & ~kIfOpenDocument))
        Throw(kUnmodelledCriterionErr);
    item.automatic = true;
    item.action = action;
    item.ifObjectIsInArtwork = static_cast<ASInt32>(ifObjectIsInArtwork);
    item.ifObjectIsNotInArtwork = static_cast<ASInt32>(ifObjectIsNotInArtwork);
    item.ifObjectIsSelected = static_cast<ASInt32>(ifObjectIsSelected);
    item.ifObjectIsNotSelected = static_cast<ASInt32>(ifObjectIsNotSelected);
    item.ifIsTrue = static_cast<ASInt32>(ifIsTrue);
    item.ifIsNotTrue = static_cast<ASInt32>(ifIsNotTrue);
    return kNoErr;
}

AIErr IsItemEnabled(AIMenuItemHandle menuItem, AIBoolean* enabled) {
    AIBoolean& out = Out(enabled);
    out = MenuItemEnabled(App(), ItemIdOf(menuItem)) ? 1 : 0;
    return kNoErr;
}

AIErr CountMenuGroups(ASInt32* count) {
    ASInt32& out = Out(count);
    Application& app = App();
    EnsureHostGroups(app);
    out = static_cast<ASInt32>(app.menuGroups.LiveCount());
    return kNoErr;
}

AIErr GetNthMenuGroup(ASInt32 n, AIMenuGroup* group) {
    AIMenuGroup& out = Out(group);
    Application& app = App();
    EnsureHostGroups(app);
    if (n < 0) Throw(kOutOfRangeErr);
    const MenuGroupId id = NthLive(app.menuGroups, static_cast<std::size_t>(n));
    if (!id) Throw(kOutOfRangeErr);
    out = AppHandleOf<AIMenuGroup>(HandleKind::kMenuGroup, id);
    return kNoErr;
}

AIErr GetMenuGroupName(AIMenuGroup group, const char** name) {
    const char*& out = Out(name);
    out = App().menuGroups[GroupIdOf(group)].name->c_str();
    return kNoErr;
}

AIErr AddMenuGroupAsSubMenu(const char* name, ASInt32 options, AIMenuItemHandle menuItem, AIMenuGroup* group) {
    Application& app = App();
    AIMenuGroup& out = Out(group);
    const std::string groupName = suitetext::RequiredBytes(name);
    const MenuItemId parent = ItemIdOf(menuItem);
    if (GroupNamed(app, groupName)) Throw(kMenuGroupExistsErr);
    // An item opens one submenu.
    ForEachLive(app.menuGroups, [&](MenuGroupId id) {
        if (app.menuGroups[id].parentItem == parent) Throw(kBadParameterErr);
        return true;
    });
    const MenuGroupId id = app.menuGroups.Add(std::make_shared<const std::string>(groupName), options, parent);
    out = AppHandleOf<AIMenuGroup>(HandleKind::kMenuGroup, id);
    return kNoErr;
}

constexpr AIMenuSuite kMenuSuite = {
    TRIMORA_HOST_FN(AIMenuSuite, AddMenuItem, AddMenuItem),
    TRIMORA_HOST_FN(AIMenuSuite, UpdateMenuItemAutomatically, UpdateMenuItemAutomatically),
    TRIMORA_HOST_FN(AIMenuSuite, IsItemEnabled, IsItemEnabled),
    TRIMORA_HOST_FN(AIMenuSuite, CountMenuGroups, CountMenuGroups),
    TRIMORA_HOST_FN(AIMenuSuite, GetNthMenuGroup, GetNthMenuGroup),
    TRIMORA_HOST_FN(AIMenuSuite, GetMenuGroupName, GetMenuGroupName),
    TRIMORA_HOST_FN(AIMenuSuite, AddMenuGroupAsSubMenu, AddMenuGroupAsSubMenu),
};

}  // namespace

void RegisterMenuSuite(SuiteRegistry& registry) {
    registry.Add(kAIMenuSuite, kAIMenuSuiteVersion, &kMenuSuite);
}

}  // namespace headless
