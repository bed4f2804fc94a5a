// The one application object of the headless host: its documents, preferences, menus, actions, notifiers, what
// it shows the user, the suites it publishes, the call log and the fault plan. Suite functions are plain C
// functions, so they reach it through the current-instance pointer; a test makes its own and throws it away.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "headless/document/Document.h"
#include "headless/model/ActionModel.h"
#include "headless/model/CallLog.h"
#include "headless/model/FaultPlan.h"
#include "headless/model/MenuModel.h"
#include "headless/model/PluginGroupNames.h"
#include "headless/model/PluginModel.h"
#include "headless/model/PreferenceStore.h"
#include "headless/model/SuiteRegistry.h"
#include "headless/model/UserModel.h"

namespace headless {

struct ArtSetTag;
struct HitTag;
struct UnicodeStringTag;
struct FilePathTag;
struct AppContextTag;

// A fixed list of art of one document, as NewArtSet and the listings fill it.
struct ArtSetData {
    std::uint8_t document = 0;
    std::vector<ArtId> items;
};

struct HitData {
    ArtId art;
    bool hit = false;
};

class Application {
public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The live application, or null. An application made while another lives is current until it goes, and
    // then the other is current again.
    static Application* Current();

    // Documents: a new one becomes the current one. Each carries a serial that its handles repeat.
    Document& NewDocument();
    void CloseDocument();  // the current one
    Document* CurrentDocument() { return current_ < 0 ? nullptr : documents_[Index()].doc.get(); }
    std::uint8_t CurrentDocumentSerial() const { return current_ < 0 ? 0 : documents_[Index()].serial; }
    std::size_t DocumentCount() const { return documents_.size(); }

    SuiteRegistry suites;
    CallLog calls;
    FaultPlan faults;

    UserModel user;
    PreferenceStore preferences;

    SlotStore<MenuItem, MenuItemTag> menuItems;
    SlotStore<MenuGroup, MenuGroupTag> menuGroups;

    SlotStore<ActionParamType, ParamTypeTag> paramTypes;
    SlotStore<ActionParamValue, ParamValueTag> paramValues;
    ActionModel actions;

    SlotStore<PluginRecord, PluginTag> plugins;
    SlotStore<Notifier, NotifierTag> notifiers;
    SlotStore<int, AppContextTag> appContexts;
    ContextModel context;

    SlotStore<ArtSetData, ArtSetTag> artSets;
    SlotStore<HitData, HitTag> hits;
    SlotStore<std::u32string, UnicodeStringTag> strings;
    SlotStore<std::string, FilePathTag> filePaths;
    PluginGroupNames pluginGroups;

    // Blocks the host allocated and not yet freed, with their sizes: for leak checks, reallocation, and checking
    // that a buffer handed back to the host is as large as its caller claims.
    std::map<void*, std::size_t> liveBlocks;

    // The platform's multi-byte encoding, as iconv names it.
    std::string platformEncoding = "CP932";

private:
    struct OpenDocument {
        std::unique_ptr<Document> doc;
        std::uint8_t serial;
    };
    std::size_t Index() const { return static_cast<std::size_t>(current_); }
    void MakeCurrent();

    std::vector<OpenDocument> documents_;
    std::ptrdiff_t current_ = -1;
    Application* previous_;
    std::uint8_t nextSerial_ = 1;
};

}  // namespace headless
