// AI Menu suite: menu items and groups a plug-in adds to the host's menus, and the message a chosen item sends.
#pragma once

#include "plugin/sdk/SPMessageData.h"

constexpr const char* kAIMenuSuite = "AI Menu Suite";
constexpr int kAIMenuSuiteVersion = 11;

// Menu groups of the host.
constexpr const char* kObjectsMenuGroup = "Objects";
constexpr const char* kAboutMenuGroup = "About";

// Options of AddMenuItem.
constexpr ASInt32 kMenuItemNoOptions = 0;

// Options of AddMenuGroupAsSubMenu.
constexpr ASInt32 kMenuGroupNoOptions = 0;
constexpr ASInt32 kMenuGroupSortedAlphabeticallyOption = 1u << 0;

// Actions of UpdateMenuItemAutomatically: what the host does to the item while the criteria hold.
enum AIAutoMenuUpdateAction : ASInt16 {
    kAutoEnableMenuItemAction = 1,
    kAutoCheckMenuItemAction = 2,
};

// Art criteria of UpdateMenuItemAutomatically (which kinds of art are in the artwork, or selected).
constexpr ASUInt32 kIfGroup = 1u << 0;
constexpr ASUInt32 kIfPath = 1u << 1;
constexpr ASUInt32 kIfPlaced = 1u << 3;
constexpr ASUInt32 kIfText = 1u << 4;
constexpr ASUInt32 kIfGuide = 1u << 8;
constexpr ASUInt32 kIfClipGroup = 1u << 15;
constexpr ASUInt32 kIfRaster = 1u << 20;
constexpr ASUInt32 kIfPluginArt = 1u << 21;
constexpr ASUInt32 kIfMesh = 1u << 22;
constexpr ASUInt32 kIfSymbol = 1u << 24;

// Document criteria of UpdateMenuItemAutomatically.
constexpr ASUInt32 kIfCurrentLayerIsEditable = 1u << 0;
constexpr ASUInt32 kIfOpenTextEdit = 1u << 1;
constexpr ASUInt32 kIfAnyPrintingChars = 1u << 2;
constexpr ASUInt32 kIfAnyHiddenObjects = 1u << 3;
constexpr ASUInt32 kIfAnyLockedObjects = 1u << 4;
constexpr ASUInt32 kIfAnyClipPaths = 1u << 5;
constexpr ASUInt32 kIfOpenDocument = 1u << 6;

// Where a new item goes and what it says. The group name is a byte string; the host copies both.
struct AIPlatformAddMenuItemDataUS {
    const char* groupName;
    AIUnicodeStringRef itemText;
};

struct AIMenuSuite {
    // key names the item for the host (may be null).
    AIErr (*AddMenuItem)(SPPluginRef plugin, const char* key, const AIPlatformAddMenuItemDataUS* data, ASInt32 options,
                         AIMenuItemHandle* menuItem);
    // The action applies while every criterion holds: each is a set of kIf... bits, 0 for "no condition". The host's
    // order: art in the artwork, art not in it, art selected, art not selected, document properties true, false.
    AIErr (*UpdateMenuItemAutomatically)(AIMenuItemHandle menuItem, ASInt16 action, ASUInt32 ifObjectIsInArtwork,
                                         ASUInt32 ifObjectIsNotInArtwork, ASUInt32 ifObjectIsSelected,
                                         ASUInt32 ifObjectIsNotSelected, ASUInt32 ifIsTrue, ASUInt32 ifIsNotTrue);
    AIErr (*IsItemEnabled)(AIMenuItemHandle menuItem, AIBoolean* enabled);
    AIErr (*CountMenuGroups)(ASInt32* count);
    AIErr (*GetNthMenuGroup)(ASInt32 n, AIMenuGroup* group);
    // *name stays owned by the host.
    AIErr (*GetMenuGroupName)(AIMenuGroup group, const char** name);
    // Makes a new group named name that opens as the submenu of menuItem.
    AIErr (*AddMenuGroupAsSubMenu)(const char* name, ASInt32 options, AIMenuItemHandle menuItem, AIMenuGroup* group);
};

// Callers "AI Menu", selectors "AI Go" and "AI Update".
struct AIMenuMessage {
    SPMessageData d;
    AIMenuItemHandle menuItem;
};
