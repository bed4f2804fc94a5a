// The shared About submenu and the plug-in's item in it.
#include "plugin/command/SDKAboutPluginsHelper.h"

#include <cstring>

namespace {

// The helper works on its own acquisition, apart from the plug-in's suite set.
constexpr int kHelperMenuSuiteVersion = 11;

}  // namespace

SDKAboutPluginsHelper::~SDKAboutPluginsHelper() {
    ReleaseMenuSuite();
}

void SDKAboutPluginsHelper::ReleaseMenuSuite() {
    if (menuSuite_) basic_->ReleaseSuite(kAIMenuSuite, kHelperMenuSuiteVersion);
    menuSuite_ = nullptr;
}

ASErr SDKAboutPluginsHelper::AddAboutMenuItem(SPMessageData* message, const char* groupName,
                                              const ai::HostString& submenuText, const char* itemText,
                                              AIMenuItemHandle* menuItem) {
    ASErr error = kNoErr;
    if (!menuSuite_) {
        const void* suite = nullptr;
        error = message->basic->AcquireSuite(kAIMenuSuite, kHelperMenuSuiteVersion, &suite);
        if (!error) {
            basic_ = message->basic;
            menuSuite_ = static_cast<const AIMenuSuite*>(suite);
        }
    }
    if (!error) error = FindOrAddGroup(message, groupName, submenuText);
    if (!error) {
        const ai::HostString text(itemText, kAIPlatformCharacterEncoding);
        const AIPlatformAddMenuItemDataUS data = {groupName, text.Ref()};
        AIMenuItemHandle added = nullptr;
        error = menuSuite_->AddMenuItem(message->self, nullptr, &data, kMenuItemNoOptions, &added);
        if (!error) *menuItem = added;
    }
    ReleaseMenuSuite();
    return error;
}

// Another plug-in of the maker may have made the submenu already; then this one only adds its item to it.
ASErr SDKAboutPluginsHelper::FindOrAddGroup(SPMessageData* message, const char* groupName,
                                            const ai::HostString& submenuText) {
    ASInt32 count = 0;
    if (ASErr error = menuSuite_->CountMenuGroups(&count)) return error;
    for (ASInt32 i = 0; i < count; ++i) {
        AIMenuGroup group = nullptr;
        const char* name = nullptr;
        if (ASErr error = menuSuite_->GetNthMenuGroup(i, &group)) return error;
        if (ASErr error = menuSuite_->GetMenuGroupName(group, &name)) return error;
        if (name && std::strcmp(name, groupName) == 0) return kNoErr;
    }

    const AIPlatformAddMenuItemDataUS data = {kAboutMenuGroup, submenuText.Ref()};
    AIMenuItemHandle submenuItem = nullptr;
    if (ASErr error = menuSuite_->AddMenuItem(message->self, nullptr, &data, kMenuItemNoOptions, &submenuItem)) {
        return error;
    }
    AIMenuGroup group = nullptr;
    return menuSuite_->AddMenuGroupAsSubMenu(groupName, kMenuGroupSortedAlphabeticallyOption, submenuItem, &group);
}
