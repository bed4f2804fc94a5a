// The cross-built Windows plug-in as the host and Windows see it: one named export, system DLLs only, and resources
// that say what the script says, read back from the file the resource compiler and the linker made.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include "headless/win32/ResourceScript.h"
#include "tests/support/ExpectedPipl.h"
#include "tests/windows/BuiltPlugin.h"
#include "tests/windows/PeImage.h"
#include "tests/windows/ResourceDecoders.h"

namespace {

using trimora::pe::Bytes;
using trimora::pe::PeImage;
using trimora::pe::ResourceKey;
using trimora::pe::ResourceNumber;

// Resource types by their Windows numbers.
constexpr int kBitmapType = 2;
constexpr int kDialogType = 5;
constexpr int kVersionType = 16;

class PluginFile : public ::testing::Test {
protected:
    void SetUp() override { TRIMORA_REQUIRE_WINDOWS_PLUGIN(); }

    static const PeImage& Image() {
        static const PeImage image = PeImage::Load(TRIMORA_WINDOWS_PLUGIN);
        return image;
    }
    static const headless::win32::ResourceScript& Script() {
        static const auto script = headless::win32::LoadResourceScript(TRIMORA_RESOURCES_DIR "/trimora.rc");
        return script;
    }
};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

TEST_F(PluginFile, IsA64BitDll) {
    EXPECT_EQ(Image().Machine(), 0x8664);  // x86-64
    EXPECT_EQ(Image().OptionalHeaderMagic(), 0x20B);
    EXPECT_NE(Image().Characteristics() & 0x2000, 0) << "not marked as a DLL";
}

TEST_F(PluginFile, ExportsTheEntryPointAlone) {
    EXPECT_EQ(Image().ExportedNames(), std::vector<std::string>{"PluginMain"});
    EXPECT_EQ(Image().ExportedFunctionCount(), 1u) << "something is exported by ordinal only";
}

// The compiler's runtime is linked in: a user's machine has nothing but what Windows itself ships.
TEST_F(PluginFile, ImportsSystemDllsOnly) {
    const std::set<std::string> system = {"kernel32.dll", "user32.dll", "shell32.dll", "gdi32.dll",
                                          "advapi32.dll", "msvcrt.dll", "ntdll.dll"};
    ASSERT_FALSE(Image().Imports().empty());
    for (const auto& dll : Image().Imports())
        EXPECT_TRUE(system.contains(Lower(dll.name))) << dll.name << " is not part of Windows";
}

// The dialog and shell calls are bound to the system's own DLLs, not resolved to anything of the plug-in's.
TEST_F(PluginFile, DialogAndShellCallsComeFromTheSystem) {
    std::map<std::string, std::set<std::string>> imported;
    for (const auto& dll : Image().Imports())
        imported[Lower(dll.name)].insert(dll.functions.begin(), dll.functions.end());
    for (const char* call :
         {"DialogBoxParamA", "EndDialog", "CheckRadioButton", "IsDlgButtonChecked", "SendMessageA", "GetDlgItem"})
        EXPECT_TRUE(imported["user32.dll"].contains(call)) << call;
    EXPECT_TRUE(imported["shell32.dll"].contains("ShellExecuteA"));
    EXPECT_TRUE(imported["kernel32.dll"].contains("GetModuleHandleA"));
}

// Every resource the script declares is in the file under its language, and nothing else is.
TEST_F(PluginFile, HoldsExactlyTheScriptsResources) {
    std::set<ResourceKey> expected;
    for (const auto& dialog : Script().dialogs)
        expected.insert({ResourceNumber(kDialogType), ResourceNumber(dialog.id), dialog.language});
    for (const auto& bitmap : Script().bitmaps)
        expected.insert({ResourceNumber(kBitmapType), ResourceNumber(bitmap.id), bitmap.language});
    for (const auto& raw : Script().rawResources)
        expected.insert({raw.type, ResourceNumber(raw.id), raw.language});
    for (const auto& version : Script().versions)
        expected.insert({ResourceNumber(kVersionType), ResourceNumber(version.id), version.language});
    std::set<ResourceKey> found;
    for (const auto& [key, bytes] : Image().Resources())
        found.insert(key);
    EXPECT_EQ(found, expected);
}

TEST_F(PluginFile, PropertyListIsTheAgreedBytes) {
    const Bytes& pipl = Image().Resource({"PIPL", ResourceNumber(16000), 1033});
    EXPECT_EQ(pipl, trimora::testing::ExpectedPipl());
}

void ExpectSameControl(const headless::win32::ControlTemplate& built, const headless::win32::ControlTemplate& script) {
    EXPECT_EQ(built.id, script.id);
    EXPECT_EQ(built.className, script.className);
    EXPECT_EQ(built.style, script.style);
    EXPECT_EQ(built.exStyle, script.exStyle);
    EXPECT_EQ(built.x, script.x);
    EXPECT_EQ(built.y, script.y);
    EXPECT_EQ(built.width, script.width);
    EXPECT_EQ(built.height, script.height);
    EXPECT_EQ(built.text, script.text);
    EXPECT_EQ(built.textOrdinal, script.textOrdinal);
}

// What the resource compiler made of each dialog is what the stand-in shows: same frame, font and controls.
TEST_F(PluginFile, DialogsMatchWhatTheStandInReads) {
    for (int id : {102, 107}) {
        SCOPED_TRACE("dialog " + std::to_string(id));
        const auto* script = Script().FindDialog(id);
        ASSERT_NE(script, nullptr);
        const auto decoded =
            trimora::pe::DecodeDialog(Image().Resource({ResourceNumber(kDialogType), ResourceNumber(id), 1041}));
        EXPECT_TRUE(decoded.menu.Empty());
        EXPECT_TRUE(decoded.windowClass.Empty()) << "not the standard dialog class";
        const auto& built = decoded.dialog;
        EXPECT_EQ(built.style, script->style);
        EXPECT_EQ(built.exStyle, script->exStyle);
        EXPECT_EQ(built.x, script->x);
        EXPECT_EQ(built.y, script->y);
        EXPECT_EQ(built.width, script->width);
        EXPECT_EQ(built.height, script->height);
        EXPECT_EQ(built.caption, script->caption);
        EXPECT_EQ(built.font.pointSize, script->font.pointSize);
        EXPECT_EQ(built.font.typeface, script->font.typeface);
        EXPECT_EQ(built.font.weight, script->font.weight);
        EXPECT_EQ(built.font.italic, script->font.italic);
        EXPECT_EQ(built.font.charset, script->font.charset);
        ASSERT_EQ(built.controls.size(), script->controls.size());
        for (std::size_t i = 0; i < built.controls.size(); ++i) {
            SCOPED_TRACE("control " + std::to_string(i + 1));
            ExpectSameControl(built.controls[i], script->controls[i]);
        }
    }
}

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// A bitmap resource is its file without the 14-byte file header: the header, palette and pixels unchanged.
TEST_F(PluginFile, BitmapsAreTheCommittedPictures) {
    for (int id : {103, 104}) {
        SCOPED_TRACE("bitmap " + std::to_string(id));
        const auto* script = Script().FindBitmap(id);
        ASSERT_NE(script, nullptr);
        const Bytes file = ReadFile(script->file);
        ASSERT_GT(file.size(), 14u);
        const Bytes& built = Image().Resource({ResourceNumber(kBitmapType), ResourceNumber(id), script->language});
        EXPECT_TRUE(std::equal(built.begin(), built.end(), file.begin() + 14, file.end()))
            << "resource of " << built.size() << " bytes differs from " << script->file;
        // The pixels start where the file header said, less that header.
        EXPECT_EQ(trimora::pe::Read32(file, 10) - 14, trimora::pe::Read32(built, 0) + 16 * 4);
    }
}

TEST_F(PluginFile, VersionRecordIsTheProjectsVersion) {
    ASSERT_EQ(Script().versions.size(), 1u);
    const auto& script = Script().versions.front();
    const auto decoded =
        trimora::pe::DecodeVersion(Image().Resource({ResourceNumber(kVersionType), ResourceNumber(script.id), 1041}));
    const auto& built = decoded.version;
    int major = 0, minor = 0, patch = 0;
    ASSERT_EQ(std::sscanf(TRIMORA_PROJECT_VERSION, "%d.%d.%d", &major, &minor, &patch), 3);
    const std::array<int, 4> project = {major, minor, patch, 0};
    EXPECT_EQ(built.fileVersion, project);
    EXPECT_EQ(built.productVersion, project);
    EXPECT_EQ(built.strings, script.strings);
    const std::string dotted = TRIMORA_PROJECT_VERSION ".0";
    EXPECT_EQ(built.strings.at("FileVersion"), dotted);
    EXPECT_EQ(built.strings.at("ProductVersion"), dotted);
    // The one string table is named after the one translation: language and code page in hex.
    ASSERT_EQ(decoded.translations.size(), 1u);
    ASSERT_EQ(decoded.stringTables.size(), 1u);
    char key[9];
    std::snprintf(key, sizeof key, "%04x%04x", decoded.translations[0].first, decoded.translations[0].second);
    EXPECT_EQ(Lower(decoded.stringTables[0]), key);
    EXPECT_EQ(decoded.translations[0].first, 1041) << "the texts are Japanese";
}

TEST_F(PluginFile, AboutBoxShowsTheVersionOfTheRecord) {
    const auto about =
        trimora::pe::DecodeDialog(Image().Resource({ResourceNumber(kDialogType), ResourceNumber(107), 1041}));
    const auto& controls = about.dialog.controls;
    EXPECT_TRUE(std::any_of(controls.begin(), controls.end(),
                            [](const auto& control) { return control.text == "Version " TRIMORA_PROJECT_VERSION; }));
}

}  // namespace
