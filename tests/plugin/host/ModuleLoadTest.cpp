// The built libtrimora.so: it exports PluginMain alone, the loader really lets it go, and the host loads it,
// unloads its code and reloads it around a living plug-in object.
#include <elf.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "headless/loader/ModuleHost.h"
#include "plugin/sdk/AICallers.h"
#include "plugin/sdk/AINotifier.h"
#include "tests/support/HostFixture.h"

namespace {

const std::string kModule = TRIMORA_MODULE_FILE;

struct DynamicSection {
    std::vector<std::string> definedSymbols;
    std::uint64_t flags1 = 0;
};

// Reads the dynamic symbol table and DT_FLAGS_1 of a 64-bit ELF file.
DynamicSection ReadDynamicSection(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> file{std::istreambuf_iterator<char>(in), {}};
    DynamicSection result;
    if (file.size() < sizeof(Elf64_Ehdr)) return result;
    const auto* header = reinterpret_cast<const Elf64_Ehdr*>(file.data());
    const auto* sections = reinterpret_cast<const Elf64_Shdr*>(file.data() + header->e_shoff);
    for (int i = 0; i < header->e_shnum; ++i) {
        const Elf64_Shdr& section = sections[i];
        const char* strings = file.data() + sections[section.sh_link].sh_offset;
        if (section.sh_type == SHT_DYNSYM) {
            const auto* symbols = reinterpret_cast<const Elf64_Sym*>(file.data() + section.sh_offset);
            for (std::size_t s = 1; s < section.sh_size / sizeof(Elf64_Sym); ++s) {
                if (symbols[s].st_shndx != SHN_UNDEF) result.definedSymbols.push_back(strings + symbols[s].st_name);
            }
        } else if (section.sh_type == SHT_DYNAMIC) {
            const auto* entries = reinterpret_cast<const Elf64_Dyn*>(file.data() + section.sh_offset);
            for (std::size_t e = 0; e < section.sh_size / sizeof(Elf64_Dyn); ++e) {
                if (entries[e].d_tag == DT_FLAGS_1) result.flags1 = entries[e].d_un.d_val;
            }
        }
    }
    return result;
}

TEST(ModuleFile, ExportsPluginMainAloneAndCanBeUnloaded) {
    const DynamicSection dynamic = ReadDynamicSection(kModule);
    EXPECT_EQ(dynamic.definedSymbols, std::vector<std::string>{"PluginMain"});
    EXPECT_EQ(dynamic.flags1 & DF_1_NODELETE, 0u);
}

class ModuleHostTest : public headless::testing::HostTest {
protected:
    headless::ModuleHost host{app};
};

TEST_F(ModuleHostTest, AFileThatIsNoModuleIsRefusedWithTheLoadersReason) {
    EXPECT_FALSE(host.Load("/nonexistent/libnothing.so"));
    EXPECT_NE(host.LoadError().find("/nonexistent/libnothing.so"), std::string::npos);
    EXPECT_NE(host.LoadError().find("No such file"), std::string::npos) << host.LoadError();

    const std::string notElf = ::testing::TempDir() + "not-a-module.so";
    std::ofstream(notElf) << "just text";
    EXPECT_FALSE(host.Load(notElf));
    EXPECT_FALSE(host.LoadError().empty());

    EXPECT_FALSE(host.Load("libc.so.6"));
    EXPECT_NE(host.LoadError().find("has no PluginMain"), std::string::npos) << host.LoadError();

    EXPECT_FALSE(host.IsLoaded());
    EXPECT_EQ(host.Startup(), headless::kNoModuleErr);
}

TEST_F(ModuleHostTest, TheModuleIsUnloadedAndReloadedAroundItsLivingObject) {
    ASSERT_TRUE(host.Load(kModule)) << host.LoadError();
    ASSERT_EQ(host.Startup(), kNoErr);
    void* object = host.Globals();
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(app.suites.TotalHeld(), 33);
    EXPECT_EQ(app.calls.Count("AINotifierSuite::AddNotifier"), 2u);

    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(host.Unload(), kNoErr);
        EXPECT_FALSE(headless::ModuleHost::IsMapped(kModule)) << "the loader kept the module";
        EXPECT_EQ(app.suites.TotalHeld(), 0);
        EXPECT_EQ(host.MenuGo(nullptr), headless::kNoModuleErr);

        app.calls.Clear();
        EXPECT_EQ(host.Reload(), kNoErr);
        EXPECT_TRUE(headless::ModuleHost::IsMapped(kModule));
        EXPECT_EQ(host.Globals(), object);
        EXPECT_EQ(app.suites.TotalHeld(), 33);
        // The reloaded code acquired afresh: it asked the host for every suite, as a first load does.
        EXPECT_EQ(app.calls.Count("SPBasicSuite::AcquireSuite"), 33u);
        EXPECT_EQ(app.calls.Count("SPPluginsSuite::SetPluginName"), 0u);
    }

    // The object answers through the reloaded code; its notifier handles are gone, so the old handle is just
    // another notifier.
    app.calls.Clear();
    EXPECT_EQ(host.MenuGo(nullptr), kNoErr);
    EXPECT_EQ(host.Notify(nullptr, kAIApplicationStartedNotifier), kNoErr);
    EXPECT_EQ(app.calls.Count("AIAppContextSuite::PushAppContext"), 1u);
    EXPECT_EQ(host.Send(kSPCacheCaller, kSPPluginPurgeSelector), kNoErr);

    EXPECT_EQ(host.Shutdown(), kNoErr);
    EXPECT_EQ(host.Globals(), nullptr);
    EXPECT_EQ(app.suites.TotalHeld(), 0);
}

}  // namespace
