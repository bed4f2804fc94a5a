// Reading resource scripts: the compiler's defaults for styles, headers and conditionals, and errors that say
// where a script went wrong.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "headless/win32/ResourceScript.h"
#include "headless/win32/WindowStyles.h"

namespace {

using headless::win32::ParseResourceScript;
using headless::win32::ResourceScript;
using headless::win32::ResourceScriptError;

ResourceScript Parse(const std::string& text) {
    return ParseResourceScript(text, ".", "test.rc");
}

std::string ErrorOf(const std::string& text) {
    try {
        Parse(text);
    } catch (const ResourceScriptError& error) {
        return error.what();
    }
    return "no error";
}

TEST(ResourceScript, AppliesTheCompilersStyleDefaults) {
    const auto script = Parse(R"(
        5 DIALOGEX 1, 2, 30, 40
        CAPTION "c"
        FONT 8, "X"
        {
            CONTROL "t", 7, button, BS_PUSHBUTTON | NOT WS_VISIBLE, 1, 2, 3, 4, WS_EX_NOPARENTNOTIFY
        }
        6 DIALOGEX 0, 0, 1, 1 STYLE WS_POPUP BEGIN END
    )");
    ASSERT_EQ(script.dialogs.size(), 2u);
    using namespace headless::win32;
    // No STYLE: a bordered pop-up with a system menu; the caption and the font add their flags.
    EXPECT_EQ(script.dialogs[0].style, kWsPopup | kWsBorder | kWsSysMenu | kWsCaption | kDsSetFont);
    EXPECT_EQ(script.dialogs[1].style, kWsPopup);
    const auto& control = script.dialogs[0].controls.at(0);
    EXPECT_EQ(control.style, kWsChild);
    EXPECT_EQ(control.exStyle, kWsExNoParentNotify);
    EXPECT_EQ(control.className, "BUTTON");
    EXPECT_EQ(script.dialogs[0].font.typeface, "X");
    EXPECT_EQ(script.dialogs[0].font.weight, 0);
}

TEST(ResourceScript, ReadsStringEscapesAndRawDataWidths) {
    const auto script = Parse(R"(
        LANGUAGE 0x09, 0x01
        1 DIALOGEX 0, 0, 1, 1 CAPTION "say ""hi""\tnow\n\\" BEGIN END
        2 DATA BEGIN 1, 2L, -1, "ab\0", 0x10L END
    )");
    EXPECT_EQ(script.dialogs.at(0).caption, "say \"hi\"\tnow\n\\");
    const auto* raw = script.FindRaw("DATA", 2);
    ASSERT_NE(raw, nullptr);
    EXPECT_EQ(raw->language, 0x409);
    const std::vector<std::uint8_t> expected = {1, 0, 2, 0, 0, 0, 0xFF, 0xFF, 'a', 'b', 0, 0x10, 0, 0, 0};
    EXPECT_EQ(raw->bytes, expected);
}

TEST(ResourceScript, TakesDefinesFromLocalHeadersOnly) {
    const auto folder = std::filesystem::path(::testing::TempDir()) / "rc-headers";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "ids.h") << "#pragma once\n#define IDD_ONE 41 // one\n#ifndef IDD_ONE\n#define IDD_ONE 1\n"
                                       "#endif\nint ignored_by_the_compiler;\n#define IDD_TWO (IDD_ONE + 1)\n";
    const auto script = ParseResourceScript(
        "#include <winres.h>\n#include \"ids.h\"\n"
        "IDD_TWO DIALOGEX 0,0,1,1 BEGIN END\n/* IDD_ONE\n */",
        folder, "test.rc");
    std::filesystem::remove_all(folder);
    ASSERT_EQ(script.dialogs.size(), 1u);
    EXPECT_EQ(script.dialogs[0].id, 42);
}

TEST(ResourceScript, ErrorsNameTheLineAndWhatIsWrong) {
    EXPECT_NE(ErrorOf("\n\n1 DIALOGEX 0, 0, 1, 1 STYLE WS_MISSPELT BEGIN END").find("test.rc:3"), std::string::npos);
    EXPECT_NE(ErrorOf("1 DIALOGEX 0, 0, 1, 1 STYLE WS_MISSPELT BEGIN END").find("WS_MISSPELT"), std::string::npos);
    EXPECT_NE(ErrorOf("1 DIALOGEX 0,0,1,1 CAPTION \"open").find("unterminated string"), std::string::npos);
    EXPECT_NE(ErrorOf("1 DIALOGEX 0,0,1,1 BEGIN LTEXT \"x\", 1, 0, 0, 1, 1 END").find("CONTROL"), std::string::npos);
    EXPECT_NE(ErrorOf("1 DIALOG 0,0,1,1 BEGIN END").find("DIALOG"), std::string::npos);
    EXPECT_NE(ErrorOf("1 DIALOGEX 0,0,1,1 BEGIN").find("end of the file"), std::string::npos);
    EXPECT_NE(ErrorOf("#if 1\n").find("#if"), std::string::npos);
    EXPECT_NE(ErrorOf("#include \"absent.h\"").find("absent.h"), std::string::npos);
    EXPECT_NE(ErrorOf("#define A A\n1 DATA { A }").find("without end"), std::string::npos);
    EXPECT_NE(ErrorOf("1 DATA { 0x1FFFFFFFF }").find("too large"), std::string::npos);
}

}  // namespace
