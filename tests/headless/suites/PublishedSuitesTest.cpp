// The host publishes every suite the module asks for, at the version it asks for, and a test can take any one away.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "plugin/sdk/AIActionManager.h"
#include "plugin/sdk/AIArt.h"
#include "plugin/sdk/AIArtSet.h"
#include "plugin/sdk/AIArtStyle.h"
#include "plugin/sdk/AIContext.h"
#include "plugin/sdk/AIDocument.h"
#include "plugin/sdk/AIDocumentView.h"
#include "plugin/sdk/AIFilePath.h"
#include "plugin/sdk/AIFilter.h"
#include "plugin/sdk/AIFolders.h"
#include "plugin/sdk/AIGroup.h"
#include "plugin/sdk/AIHitTest.h"
#include "plugin/sdk/AILayer.h"
#include "plugin/sdk/AIMdMemory.h"
#include "plugin/sdk/AIMenu.h"
#include "plugin/sdk/AIModalParent.h"
#include "plugin/sdk/AINotifier.h"
#include "plugin/sdk/AIPath.h"
#include "plugin/sdk/AIPathStyle.h"
#include "plugin/sdk/AIPathfinder.h"
#include "plugin/sdk/AIPlugin.h"
#include "plugin/sdk/AIPluginGroup.h"
#include "plugin/sdk/AIPreference.h"
#include "plugin/sdk/AIRaster.h"
#include "plugin/sdk/AIRealBezier.h"
#include "plugin/sdk/AIRealMath.h"
#include "plugin/sdk/AIShapeConstruction.h"
#include "plugin/sdk/AIURL.h"
#include "plugin/sdk/AIUnicodeString.h"
#include "plugin/sdk/AIUser.h"
#include "plugin/sdk/SPAccess.h"
#include "plugin/sdk/SPBlocks.h"
#include "plugin/sdk/SPPlugins.h"
#include "tests/support/HostFixture.h"
#include "tests/support/Paths.h"

namespace headless {
namespace {

struct Row {
    const char* name;
    int version;
};

// A published table: its type, the name its struct is declared with, and the name and version it is acquired by.
template <typename Table>
struct Published {
    using Suite = Table;
    const char* declaredAs;
    Row row;
};

#define TRIMORA_PUBLISHED(Suite)        \
    Published<Suite> {                  \
#Suite, {                       \
            k##Suite, k##Suite##Version \
        }                               \
    }

// The module's tables, framework first, in the order it acquires them.
const auto kModuleTables = std::make_tuple(
    TRIMORA_PUBLISHED(SPAccessSuite), TRIMORA_PUBLISHED(SPPluginsSuite), TRIMORA_PUBLISHED(AINotifierSuite),
    TRIMORA_PUBLISHED(AIAppContextSuite), TRIMORA_PUBLISHED(AIUserSuite), TRIMORA_PUBLISHED(AIFilePathSuite),
    TRIMORA_PUBLISHED(AIFoldersSuite), TRIMORA_PUBLISHED(SPBlocksSuite), TRIMORA_PUBLISHED(AIUnicodeStringSuite),
    TRIMORA_PUBLISHED(AIActionManagerSuite), TRIMORA_PUBLISHED(AIArtSuite), TRIMORA_PUBLISHED(AIArtSetSuite),
    TRIMORA_PUBLISHED(AIArtStyleSuite), TRIMORA_PUBLISHED(AIDocumentSuite), TRIMORA_PUBLISHED(AIDocumentViewSuite),
    TRIMORA_PUBLISHED(AIFilterSuite), TRIMORA_PUBLISHED(AIGroupSuite), TRIMORA_PUBLISHED(AIHitTestSuite),
    TRIMORA_PUBLISHED(AILayerSuite), TRIMORA_PUBLISHED(AIMdMemorySuite), TRIMORA_PUBLISHED(AIMenuSuite),
    TRIMORA_PUBLISHED(AIModalParentSuite), TRIMORA_PUBLISHED(AIPathSuite), TRIMORA_PUBLISHED(AIPathfinderSuite),
    TRIMORA_PUBLISHED(AIPathStyleSuite), TRIMORA_PUBLISHED(AIPluginSuite), TRIMORA_PUBLISHED(AIPluginGroupSuite),
    TRIMORA_PUBLISHED(AIPreferenceSuite), TRIMORA_PUBLISHED(AIRasterSuite), TRIMORA_PUBLISHED(AIRealBezierSuite),
    TRIMORA_PUBLISHED(AIRealMathSuite), TRIMORA_PUBLISHED(AIShapeConstructionSuite), TRIMORA_PUBLISHED(AIURLSuite));

#undef TRIMORA_PUBLISHED

const std::vector<Row> kModuleSuites =
    std::apply([](const auto&... published) { return std::vector<Row>{published.row...}; }, kModuleTables);

// Converts to any slot's type, so that brace-initialising a table with n of these compiles while n fits.
struct AnySlot {
    template <typename T>
    operator T() const;
};

template <typename Table, typename... Slots>
constexpr std::size_t SlotCount() {
    if constexpr (requires { Table{Slots{}..., AnySlot{}}; })
        return SlotCount<Table, Slots..., AnySlot>();
    else
        return sizeof...(Slots);
}

// A table's slots as a tuple of references, in declaration order.
template <typename Table>
auto Slots(const Table& t) {
    constexpr std::size_t n = SlotCount<Table>();
    static_assert(n >= 1 && n <= 20, "Slots takes tables of 1 to 20 slots; add a line below");
    // clang-format off
    if constexpr (n == 1) { const auto& [a] = t; return std::tie(a); }
    else if constexpr (n == 2) { const auto& [a, b] = t; return std::tie(a, b); }
    else if constexpr (n == 3) { const auto& [a, b, c] = t; return std::tie(a, b, c); }
    else if constexpr (n == 4) { const auto& [a, b, c, d] = t; return std::tie(a, b, c, d); }
    else if constexpr (n == 5) { const auto& [a, b, c, d, e] = t; return std::tie(a, b, c, d, e); }
    else if constexpr (n == 6) { const auto& [a, b, c, d, e, f] = t; return std::tie(a, b, c, d, e, f); }
    else if constexpr (n == 7) { const auto& [a, b, c, d, e, f, g] = t; return std::tie(a, b, c, d, e, f, g); }
    else if constexpr (n == 8) { const auto& [a, b, c, d, e, f, g, h] = t; return std::tie(a, b, c, d, e, f, g, h); }
    else if constexpr (n == 9) { const auto& [a, b, c, d, e, f, g, h, i] = t; return std::tie(a, b, c, d, e, f, g, h, i); }
    else if constexpr (n == 10) { const auto& [a, b, c, d, e, f, g, h, i, j] = t; return std::tie(a, b, c, d, e, f, g, h, i, j); }
    else if constexpr (n == 11) { const auto& [a, b, c, d, e, f, g, h, i, j, k] = t; return std::tie(a, b, c, d, e, f, g, h, i, j, k); }
    else if constexpr (n == 12) { const auto& [a, b, c, d, e, f, g, h, i, j, k, l] = t; return std::tie(a, b, c, d, e, f, g, h, i, j, k, l); }
    else if constexpr (n == 13) { const auto& [a, b, c, d, e, f, g, h, i, j, k, l, m] = t; return std::tie(a, b, c, d, e, f, g, h, i, j, k, l, m); }
    else if constexpr (n == 14) { const auto& [a, b, c, d, e, f, g, h, i, j, k, l, m, n] = t; return std::tie(a, b, c, d, e, f, g, h, i, j, k, l, m, n); }
    else if constexpr (n == 15) { const auto& [a, b, c, d, e, f, g, h, i, j, k, l, m, n, o] = t; return std::tie(a, b, c, d, e, f, g, h, i, j, k, l, m, n, o); }
    else if constexpr (n == 16) { const auto& [a, b, c, d, e, f, g, h, i, j, k, l, m, n, o, p] = t; return std::tie(a, b, c, d, e, f, g, h, i, j, k, l, m, n, o, p); }
    else if constexpr (n == 17) { const auto& [a, b, c, d, e, f, g, h, i, j, k, l, m, n, o, p, q] = t; return std::tie(a, b, c, d, e, f, g, h, i, j, k, l, m, n, o, p, q); }
    else if constexpr (n == 18) { const auto& [a, b, c, d, e, f, g, h, i, j, k, l, m, n, o, p, q, r] = t; return std::tie(a, b, c, d, e, f, g, h, i, j, k, l, m, n, o, p, q, r); }
    else if constexpr (n == 19) { const auto& [a, b, c, d, e, f, g, h, i, j, k, l, m, n, o, p, q, r, s] = t; return std::tie(a, b, c, d, e, f, g, h, i, j, k, l, m, n, o, p, q, r, s); }
    else if constexpr (n == 20) { const auto& [a, b, c, d, e, f, g, h, i, j, k, l, m, n, o, p, q, r, s, t] = t; return std::tie(a, b, c, d, e, f, g, h, i, j, k, l, m, n, o, p, q, r, s, t); }
    // clang-format on
}

// Calls a slot with every argument zero or null: the host refuses such calls, but logs them first.
template <typename R, typename... A>
void CallWithZeroes(R (*slot)(A...)) {
    (void)slot(A{}...);
}

// The slots each suite struct of the interface declares, in order, read from the headers themselves.
std::map<std::string, std::vector<std::string>> DeclaredSlots() {
    const std::regex structOpen(R"(^struct (\w+Suite) \{)");
    const std::regex slot(R"(\(\*(\w+)\)\()");
    std::map<std::string, std::vector<std::string>> declared;
    for (const auto& entry : std::filesystem::directory_iterator(trimora::test::SourcePath("plugin/sdk"))) {
        if (entry.path().extension() != ".h") continue;
        std::ifstream in(entry.path());
        std::string line;
        std::vector<std::string>* open = nullptr;
        while (std::getline(in, line)) {
            std::smatch m;
            if (std::regex_search(line, m, structOpen))
                open = &declared[m[1]];
            else if (line.starts_with("};"))
                open = nullptr;
            else if (open && std::regex_search(line, m, slot))
                open->push_back(m[1]);
        }
    }
    return declared;
}

// Plays the module: acquires every suite in order, stopping at the first refusal, then releases what it holds.
AIErr AcquireAllThenRelease(const SPBasicSuite* basic, std::vector<const void*>& tables) {
    AIErr result = kNoErr;
    for (const Row& row : kModuleSuites) {
        const void* table = nullptr;
        result = basic->AcquireSuite(row.name, row.version, &table);
        if (result) break;
        tables.push_back(table);
    }
    for (std::size_t i = 0; i < tables.size(); ++i) {
        EXPECT_EQ(basic->ReleaseSuite(kModuleSuites[i].name, kModuleSuites[i].version), kNoErr);
    }
    return result;
}

class PublishedSuites : public testing::HostTest {};

TEST_F(PublishedSuites, EveryModuleSuiteIsGrantedAndTakenBack) {
    ASSERT_EQ(kModuleSuites.size(), 33u);
    std::vector<const void*> tables;
    EXPECT_EQ(AcquireAllThenRelease(HostBasicSuite(), tables), kNoErr);
    ASSERT_EQ(tables.size(), 33u);
    for (const void* t : tables)
        EXPECT_NE(t, nullptr);
    EXPECT_EQ(app.suites.TotalHeld(), 0);
    // Each grant went through the basic suite's entry, so the log shows the module's order.
    const auto acquisitions = app.calls.Matching("SPBasicSuite::AcquireSuite");
    EXPECT_EQ(acquisitions.size(), 33u);
}

TEST_F(PublishedSuites, AnyOneSuiteCanBeRefusedWithACodeOfTheTestsChoice) {
    for (std::size_t missing = 0; missing < kModuleSuites.size(); ++missing) {
        Application fresh;  // each round starts from a clean host
        fresh.faults.LackSuite(kModuleSuites[missing].name, FourCharErr("GONE"));
        std::vector<const void*> tables;
        EXPECT_EQ(AcquireAllThenRelease(HostBasicSuite(), tables), FourCharErr("GONE")) << kModuleSuites[missing].name;
        EXPECT_EQ(tables.size(), missing);
        EXPECT_EQ(fresh.suites.TotalHeld(), 0);
    }
}

// Each slot of each table logs the name its struct declares at that position: a table filled with two functions of
// the same type in each other's places is caught here.
TEST_F(PublishedSuites, EverySlotIsTheFunctionOfItsName) {
    const auto declared = DeclaredSlots();
    std::set<std::string> visited;
    auto checkTable = [&](const char* declaredAs, const auto* table) {
        ASSERT_NE(table, nullptr) << declaredAs;
        const auto found = declared.find(declaredAs);
        ASSERT_NE(found, declared.end()) << declaredAs << " is not declared in plugin/sdk";
        visited.insert(declaredAs);
        std::vector<std::string> logged;
        std::apply(
            [&](const auto&... slot) {
                auto call = [&](auto fn) {
                    const std::size_t mark = app.calls.Calls().size();
                    if (fn) CallWithZeroes(fn);
                    const auto since = app.calls.Since(mark);
                    logged.push_back(since.empty() ? "(nothing logged)" : std::string(since.front()));
                };
                (call(slot), ...);
            },
            Slots(*table));
        std::vector<std::string> expected;
        for (const std::string& name : found->second)
            expected.push_back(std::string(declaredAs) + "::" + name);
        EXPECT_EQ(logged, expected);
    };
    checkTable("SPBasicSuite", HostBasicSuite());
    std::apply(
        [&](const auto&... published) {
            (checkTable(published.declaredAs, Acquire<typename std::decay_t<decltype(published)>::Suite>(
                                                  published.row.name, published.row.version)),
             ...);
        },
        kModuleTables);
    std::set<std::string> declaredNames;
    for (const auto& [name, slots] : declared)
        declaredNames.insert(name);
    EXPECT_EQ(visited, declaredNames) << "a suite declared in plugin/sdk is missing from kModuleTables";
}

TEST_F(PublishedSuites, AnotherVersionIsNotGranted) {
    const void* table = reinterpret_cast<const void*>(1);
    EXPECT_EQ(HostBasicSuite()->AcquireSuite(kAIArtSuite, kAIArtSuiteVersion + 1, &table), kSPSuiteNotFoundError);
    EXPECT_EQ(table, nullptr);
    EXPECT_EQ(HostBasicSuite()->AcquireSuite("AI Art Suite ", kAIArtSuiteVersion, &table), kSPSuiteNotFoundError);
}

}  // namespace
}  // namespace headless
