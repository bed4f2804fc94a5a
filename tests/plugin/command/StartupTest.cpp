// Start-up of the plug-in object through the host's message: menu items, the About submenu, the recordable action,
// the module lock, and what survives an unload and reload.
#include <gtest/gtest.h>

#include "headless/suites/MenuQueries.h"
#include "headless/suites/PluginRegistry.h"
#include "headless/suites/UnicodeStrings.h"
#include "plugin/host/Suites.h"
#include "tests/plugin/command/CommandFixture.h"

namespace trimora::testing {
namespace {

using headless::MenuItemHandle;
using headless::MenuItemsOfGroup;

class Startup : public CommandTest {
protected:
    headless::MenuItemId FindItem(std::string_view group, std::string_view text) {
        return headless::FindMenuItem(app, group, text);
    }
};

TEST_F(Startup, AFreshStartAddsTheClipItemTheSharedSubmenuAndTheAboutItem) {
    StartUp();
    EXPECT_EQ(app.menuItems.LiveCount(), 3u);

    const auto clip = FindItem("Objects", "Zavik-Trimora2.5...");
    ASSERT_TRUE(clip);
    EXPECT_EQ(MenuItemHandle(clip), Object()->ClipMenuItem());
    EXPECT_EQ(app.menuItems[clip].key, "Zavik-Trimora2.5");

    const auto submenu = FindItem("About", "Zavikについて...");
    ASSERT_TRUE(submenu);
    EXPECT_TRUE(app.menuItems[submenu].key.empty());

    const auto about = FindItem("AboutZavikName", "Zavik-Trimora2.5...");
    ASSERT_TRUE(about);
    EXPECT_EQ(MenuItemHandle(about), Object()->AboutMenuItem());

    // The helper gave back its own acquisition of the menu suite; the plug-in's suite set holds the other.
    EXPECT_EQ(app.suites.Held(kAIMenuSuite), 1);
    EXPECT_EQ(Object()->LockCount(), 2);
    EXPECT_EQ(gZvTrimoraPlugin, Object());
}

TEST_F(Startup, AnExistingSubmenuOfTheMakerIsSharedByName) {
    // Another plug-in of the maker made the submenu first.
    const auto* menus = Acquire<AIMenuSuite>(kAIMenuSuite, kAIMenuSuiteVersion);
    const auto text = headless::NewString(U"Zavikについて...");
    const AIPlatformAddMenuItemDataUS data = {"About", text};
    AIMenuItemHandle submenu = nullptr;
    AIMenuGroup group = nullptr;
    ASSERT_EQ(menus->AddMenuItem(host.Self(), nullptr, &data, 0, &submenu), kNoErr);
    ASSERT_EQ(menus->AddMenuGroupAsSubMenu("AboutZavikName", 1, submenu, &group), kNoErr);

    StartUp();
    EXPECT_EQ(app.menuItems.LiveCount(), 1u + 2u);
    EXPECT_EQ(MenuItemsOfGroup(app, "About").size(), 1u);
    const auto about = MenuItemsOfGroup(app, "AboutZavikName");
    ASSERT_EQ(about.size(), 1u);
    EXPECT_EQ(MenuItemHandle(about[0]), Object()->AboutMenuItem());
}

TEST_F(Startup, AFailingClipItemSkipsEverythingElseButStartUpSucceedsWithBothLocks) {
    app.faults.FailCall("AIMenuSuite::AddMenuItem", kBad, 1);
    EXPECT_EQ(host.Startup(), kNoErr);
    ASSERT_NE(Object(), nullptr);
    EXPECT_EQ(Object()->ClipMenuItem(), nullptr);
    EXPECT_EQ(Object()->AboutMenuItem(), nullptr);
    EXPECT_EQ(app.menuItems.LiveCount(), 0u);
    EXPECT_EQ(HostCalls("AIMenuSuite::UpdateMenuItemAutomatically"), 0u);
    EXPECT_EQ(HostCalls("AIActionManagerSuite::AINewActionParamType"), 0u);
    EXPECT_TRUE(app.actions.registered.empty());
    EXPECT_EQ(Object()->LockCount(), 2);
}

TEST_F(Startup, AFailingAboutItemKeepsTheClipItemButRegistersNoAction) {
    app.faults.FailCall("AIMenuSuite::AddMenuItem", kBad, 3);
    EXPECT_EQ(host.Startup(), kNoErr);
    EXPECT_NE(Object()->ClipMenuItem(), nullptr);
    EXPECT_EQ(Object()->AboutMenuItem(), nullptr);
    EXPECT_TRUE(app.actions.registered.empty());
    EXPECT_EQ(app.suites.Held(kAIMenuSuite), 1);
    // The missing About item's null handle answers no message, not even one for a null item.
    EXPECT_EQ(host.MenuGo(nullptr), kNoErr);
    EXPECT_TRUE(headless::win32::DialogHistory().empty());
}

TEST_F(Startup, TheActionIsRegisteredWithItsFiveKeysAndItsTypeIsDeleted) {
    StartUp();
    ASSERT_EQ(app.actions.registered.size(), 1u);
    const headless::RegisteredActionEvent& event = app.actions.registered[0];
    EXPECT_EQ(event.name, "Zavik-Trimora2.5");
    EXPECT_EQ(event.localizedName, "Zavik-Trimora2.5");
    EXPECT_EQ(event.version, 1);
    EXPECT_EQ(event.flag, 0);
    EXPECT_EQ(event.callback, nullptr);
    EXPECT_EQ(event.plugin, host.Self());
    EXPECT_EQ(event.userData, nullptr);

    const std::vector<headless::ActionParamKey>& keys = event.parameters.keys;
    ASSERT_EQ(keys.size(), 5u);
    const struct {
        ASUInt32 key;
        const char* label;
        ASUInt32 type;
    } expected[] = {
        {0x74797065, "切り抜きタイプ: ", 0x656E756D},
        {0x64656C4C, "空のレイヤーを削除: ", 0x626F6F6C},
        {0x64656C54, "ラインにかかるテキストを削除: ", 0x626F6F6C},
        {0x73777072, "進行状況を表示: ", 0x626F6F6C},
        {0x704D736B, "切り抜き範囲指定パスを残す", 0x626F6F6C},
    };
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(keys[i].key, expected[i].key) << i;
        EXPECT_EQ(keys[i].name, expected[i].label) << i;
        EXPECT_EQ(keys[i].typeCode, expected[i].type) << i;
        EXPECT_TRUE(keys[i].show) << i;
    }
    EXPECT_EQ(app.paramTypes.LiveCount(), 0u);
}

TEST_F(Startup, AFailingKeySkipsTheRegistrationButStillDeletesTheType) {
    app.faults.FailCall("AIActionManagerSuite::AIActionSetTypeKey", kBad, 4);  // 'swpr'
    EXPECT_EQ(host.Startup(), kNoErr);
    EXPECT_EQ(HostCalls("AIActionManagerSuite::AIActionSetTypeKey"), 4u);
    EXPECT_EQ(HostCalls("AIActionManagerSuite::RegisterActionEvent"), 0u);
    EXPECT_EQ(HostCalls("AIActionManagerSuite::AIDeleteActionParamType"), 1u);
    EXPECT_EQ(app.paramTypes.LiveCount(), 0u);
    EXPECT_NE(Object()->AboutMenuItem(), nullptr);
    EXPECT_EQ(Object()->LockCount(), 2);
}

TEST_F(Startup, AFailingParameterTypeDeletesNothing) {
    app.faults.FailCall("AIActionManagerSuite::AINewActionParamType", kBad);
    EXPECT_EQ(host.Startup(), kNoErr);
    EXPECT_EQ(HostCalls("AIActionManagerSuite::AIActionSetTypeKey"), 0u);
    EXPECT_EQ(HostCalls("AIActionManagerSuite::AIDeleteActionParamType"), 0u);
}

TEST_F(Startup, AFailingFrameworkStartUpAddsNoMenus) {
    app.faults.LackSuite("AI Layer Suite");
    EXPECT_NE(host.Startup(), kNoErr);
    EXPECT_EQ(host.Globals(), nullptr);
    EXPECT_EQ(app.menuItems.LiveCount(), 0u);
    EXPECT_EQ(gZvTrimoraPlugin, nullptr);
}

// A text the host will not convert makes the derived start-up throw: the object goes, and with it the module-wide
// pointer to it and the lock that kept the module loaded.
TEST_F(Startup, AThrowingMenuTextLeavesNoInstanceAndNoLock) {
    app.faults.FailCall("AIUnicodeStringSuite::Initialize", kBad);
    EXPECT_EQ(host.Startup(), kBad);
    EXPECT_EQ(host.Globals(), nullptr);
    EXPECT_EQ(gZvTrimoraPlugin, nullptr);
    EXPECT_EQ(headless::PluginOf(host.Self()).accessLocks, 0);
    EXPECT_EQ(app.strings.LiveCount(), 0u);
}

TEST_F(Startup, TheClipItemIsEnabledExactlyWhileADocumentIsOpen) {
    StartUp();
    const auto clip = FindItem("Objects", "Zavik-Trimora2.5...");
    EXPECT_TRUE(headless::MenuItemEnabled(app, clip));
    app.CloseDocument();
    EXPECT_FALSE(headless::MenuItemEnabled(app, clip));
    app.NewDocument();
    EXPECT_TRUE(headless::MenuItemEnabled(app, clip));
    // The About item has no rule of its own.
    app.CloseDocument();
    EXPECT_TRUE(headless::MenuItemEnabled(app, FindItem("AboutZavikName", "Zavik-Trimora2.5...")));
}

TEST_F(Startup, AReloadKeepsTheMenuHandlesAndAddsNothingAgain) {
    StartUp();
    const AIMenuItemHandle clip = Object()->ClipMenuItem();
    const AIMenuItemHandle about = Object()->AboutMenuItem();
    const std::size_t items = app.menuItems.LiveCount();

    ASSERT_EQ(host.Unload(), kNoErr);
    EXPECT_EQ(gZvTrimoraPlugin, nullptr);
    ASSERT_EQ(host.Reload(), kNoErr);

    EXPECT_EQ(Object()->ClipMenuItem(), clip);
    EXPECT_EQ(Object()->AboutMenuItem(), about);
    EXPECT_EQ(Object()->AppStartedNotifier(), nullptr);
    EXPECT_EQ(Object()->AppShutdownNotifier(), nullptr);
    EXPECT_EQ(std::string(Object()->Name()), "Zavik-Trimora2.5");
    EXPECT_EQ(gZvTrimoraPlugin, Object());
    EXPECT_EQ(app.menuItems.LiveCount(), items);
    EXPECT_EQ(app.actions.registered.size(), 1u);
}

}  // namespace
}  // namespace trimora::testing
