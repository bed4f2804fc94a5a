// The menu suite as the module's start-up uses it: items in the host's groups, the shared About submenu found by
// name, and the item that is enabled only while a document is open.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "headless/suites/MenuQueries.h"
#include "plugin/sdk/AIMenu.h"
#include "tests/headless/suites/HostStrings.h"
#include "tests/support/HostFixture.h"

namespace headless {
namespace {

using testing::HostString;

class MenuSuite : public testing::HostTest {
protected:
    AIErr Add(const char* group, std::u32string text, AIMenuItemHandle* out, const char* key = nullptr) {
        const AIPlatformAddMenuItemDataUS data{group, HostString(app, std::move(text))};
        return menu->AddMenuItem(self, key, &data, kMenuItemNoOptions, out);
    }
    AIMenuItemHandle MustAdd(const char* group, std::u32string text) {
        AIMenuItemHandle item = nullptr;
        EXPECT_EQ(Add(group, std::move(text), &item), kNoErr);
        return item;
    }
    // The index of the group named exactly `name`, looked up the way the module does; -1 when absent.
    int IndexOfGroup(const char* name) {
        ASInt32 count = 0;
        EXPECT_EQ(menu->CountMenuGroups(&count), kNoErr);
        for (ASInt32 i = 0; i < count; ++i) {
            AIMenuGroup group = nullptr;
            const char* groupName = nullptr;
            EXPECT_EQ(menu->GetNthMenuGroup(i, &group), kNoErr);
            EXPECT_EQ(menu->GetMenuGroupName(group, &groupName), kNoErr);
            if (std::strcmp(groupName, name) == 0) return i;
        }
        return -1;
    }
    AIBoolean Enabled(AIMenuItemHandle item) {
        AIBoolean enabled = -1;
        EXPECT_EQ(menu->IsItemEnabled(item, &enabled), kNoErr);
        return enabled;
    }

    const AIMenuSuite* menu = Acquire<AIMenuSuite>(kAIMenuSuite, kAIMenuSuiteVersion);
};

TEST_F(MenuSuite, ItemsGoOnlyToGroupsThatExist) {
    AIMenuItemHandle clip = nullptr;
    ASSERT_EQ(Add(kObjectsMenuGroup, U"Zavik-Trimora2.5...", &clip, "Zavik-Trimora2.5"), kNoErr);
    const AIMenuItemHandle about = MustAdd(kAboutMenuGroup, U"Zavikについて...");

    const MenuItemId found = FindMenuItem(app, "Objects", "Zavik-Trimora2.5...");
    ASSERT_TRUE(found);
    EXPECT_EQ(MenuItemHandle(found), clip);
    EXPECT_EQ(app.menuItems[found].key, "Zavik-Trimora2.5");
    EXPECT_EQ(MenuItemHandle(FindMenuItem(app, "About", "Zavikについて...")), about);
    EXPECT_FALSE(FindMenuItem(app, "About", "Zavik-Trimora2.5..."));

    AIMenuItemHandle refused = nullptr;
    EXPECT_EQ(Add("Nowhere", U"x", &refused), kNoSuchMenuGroupErr);
    EXPECT_EQ(Add("objects", U"x", &refused), kNoSuchMenuGroupErr);  // names compare byte for byte
    EXPECT_EQ(Add(nullptr, U"x", &refused), kBadParameterErr);
    EXPECT_EQ(refused, nullptr);
    EXPECT_EQ(menu->AddMenuItem(self, nullptr, nullptr, 0, &refused), kBadParameterErr);
    const AIPlatformAddMenuItemDataUS noText{kObjectsMenuGroup, nullptr};
    EXPECT_EQ(menu->AddMenuItem(self, nullptr, &noText, 0, &refused), kBadParameterErr);
    const AIPlatformAddMenuItemDataUS fine{kObjectsMenuGroup, testing::HostString(app, U"x")};
    EXPECT_EQ(menu->AddMenuItem(nullptr, nullptr, &fine, 0, &refused), kBadParameterErr);  // no plug-in
    const auto stranger = reinterpret_cast<SPPluginRef>(std::uintptr_t{0x1234});
    EXPECT_EQ(menu->AddMenuItem(stranger, nullptr, &fine, 0, &refused), kDeadHandleErr);
    EXPECT_EQ(app.menuItems.LiveCount(), 2u);
}

TEST_F(MenuSuite, SubmenuGroupIsFoundByExactNameAndSortsItsItems) {
    EXPECT_EQ(IndexOfGroup("AboutZavikName"), -1);
    const AIMenuItemHandle parent = MustAdd(kAboutMenuGroup, U"Zavikについて...");
    AIMenuGroup group = nullptr;
    ASSERT_EQ(menu->AddMenuGroupAsSubMenu("AboutZavikName", kMenuGroupSortedAlphabeticallyOption, parent, &group),
              kNoErr);
    const int index = IndexOfGroup("AboutZavikName");
    EXPECT_EQ(index, static_cast<int>(HostMenuGroups().size()));  // after the host's own groups
    EXPECT_EQ(IndexOfGroup("aboutzavikname"), -1);
    EXPECT_EQ(IndexOfGroup("Objects"), 1);

    AIMenuGroup other = nullptr;
    EXPECT_EQ(menu->AddMenuGroupAsSubMenu("AboutZavikName", 0, MustAdd("About", U"y"), &other), kMenuGroupExistsErr);
    EXPECT_EQ(menu->AddMenuGroupAsSubMenu("Objects", 0, MustAdd("About", U"z"), &other), kMenuGroupExistsErr);
    EXPECT_EQ(menu->AddMenuGroupAsSubMenu("Second", 0, parent, &other), kBadParameterErr);  // one submenu an item
    EXPECT_EQ(menu->AddMenuGroupAsSubMenu("Third", 0, nullptr, &other), kBadParameterErr);
    EXPECT_EQ(other, nullptr);

    MustAdd("AboutZavikName", U"Zeta");
    MustAdd("AboutZavikName", U"Alpha");
    MustAdd("AboutZavikName", U"Mid");
    std::vector<std::string> shown;
    for (const MenuItemId id : MenuItemsOfGroup(app, "AboutZavikName"))
        shown.push_back(app.menuItems[id].text);
    EXPECT_EQ(shown, (std::vector<std::string>{"Alpha", "Mid", "Zeta"}));
    // The host's About group is not sorted: items stay as added.
    shown.clear();
    for (const MenuItemId id : MenuItemsOfGroup(app, "About"))
        shown.push_back(app.menuItems[id].text);
    EXPECT_EQ(shown, (std::vector<std::string>{"Zavikについて...", "y", "z"}));
}

TEST_F(MenuSuite, GroupNamesAndIndexesAreCheckedAndNamesOutliveLaterGroups) {
    AIMenuGroup group = nullptr;
    const char* name = nullptr;
    ASSERT_EQ(menu->GetNthMenuGroup(0, &group), kNoErr);
    ASSERT_EQ(menu->GetMenuGroupName(group, &name), kNoErr);
    EXPECT_STREQ(name, "About");
    // Many groups later the name handed out still reads the same.
    for (int i = 0; i < 64; ++i) {
        AIMenuGroup added = nullptr;
        const std::string groupName = "G" + std::to_string(i);
        ASSERT_EQ(menu->AddMenuGroupAsSubMenu(groupName.c_str(), 0, MustAdd("Objects", U"i"), &added), kNoErr);
    }
    EXPECT_STREQ(name, "About");

    ASInt32 count = 0;
    ASSERT_EQ(menu->CountMenuGroups(&count), kNoErr);
    EXPECT_EQ(menu->GetNthMenuGroup(count, &group), kOutOfRangeErr);
    EXPECT_EQ(menu->GetNthMenuGroup(-1, &group), kOutOfRangeErr);
    EXPECT_EQ(menu->GetMenuGroupName(nullptr, &name), kBadParameterErr);
    EXPECT_EQ(menu->GetMenuGroupName(reinterpret_cast<AIMenuGroup>(MustAdd("Objects", U"i")), &name),
              kDeadHandleErr);  // an item is not a group
    EXPECT_EQ(menu->CountMenuGroups(nullptr), kBadParameterErr);
}

TEST_F(MenuSuite, AutomaticEnableRuleFollowsWhetherADocumentIsOpen) {
    const AIMenuItemHandle clip = MustAdd(kObjectsMenuGroup, U"Zavik-Trimora2.5...");
    const AIMenuItemHandle plain = MustAdd(kObjectsMenuGroup, U"Plain");
    const AIMenuItemHandle inverse = MustAdd(kObjectsMenuGroup, U"Inverse");
    ASSERT_EQ(menu->UpdateMenuItemAutomatically(clip, kAutoEnableMenuItemAction, 0, 0, 0, 0, kIfOpenDocument, 0),
              kNoErr);
    ASSERT_EQ(menu->UpdateMenuItemAutomatically(inverse, kAutoEnableMenuItemAction, 0, 0, 0, 0, 0, kIfOpenDocument),
              kNoErr);
    const MenuItem& recorded = app.menuItems[FindMenuItem(app, "Objects", "Zavik-Trimora2.5...")];
    EXPECT_TRUE(recorded.automatic);
    EXPECT_EQ(recorded.action, kAutoEnableMenuItemAction);
    EXPECT_EQ(recorded.ifIsTrue, 64);

    EXPECT_EQ(Enabled(clip), 1);
    EXPECT_EQ(Enabled(inverse), 0);
    app.CloseDocument();
    EXPECT_EQ(Enabled(clip), 0);
    EXPECT_EQ(Enabled(inverse), 1);
    EXPECT_EQ(Enabled(plain), 1);
    EXPECT_FALSE(MenuItemEnabled(app, FindMenuItem(app, "Objects", "Zavik-Trimora2.5...")));
    app.NewDocument();
    EXPECT_EQ(Enabled(clip), 1);
}

TEST_F(MenuSuite, EnableRulesTheHostCannotJudgeAreRefused) {
    const AIMenuItemHandle item = MustAdd(kObjectsMenuGroup, U"Item");
    EXPECT_EQ(menu->UpdateMenuItemAutomatically(item, kAutoEnableMenuItemAction, 0, 0, kIfPath, 0, 0, 0),
              kUnmodelledCriterionErr);
    EXPECT_EQ(menu->UpdateMenuItemAutomatically(item, kAutoEnableMenuItemAction, 0, 0, 0, 0,
                                                kIfOpenDocument | kIfAnyLockedObjects, 0),
              kUnmodelledCriterionErr);
    EXPECT_EQ(menu->UpdateMenuItemAutomatically(item, 7, 0, 0, 0, 0, kIfOpenDocument, 0), kBadParameterErr);
    EXPECT_FALSE(app.menuItems[FindMenuItem(app, "Objects", "Item")].automatic);
    app.CloseDocument();
    EXPECT_EQ(Enabled(item), 1);

    AIBoolean enabled = -1;
    EXPECT_EQ(menu->IsItemEnabled(nullptr, &enabled), kBadParameterErr);
    EXPECT_EQ(menu->IsItemEnabled(reinterpret_cast<AIMenuItemHandle>(std::uintptr_t{0x77}), &enabled), kDeadHandleErr);
    EXPECT_EQ(menu->IsItemEnabled(item, nullptr), kBadParameterErr);
    EXPECT_EQ(enabled, -1);
}

}  // namespace
}  // namespace headless
