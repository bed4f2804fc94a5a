// The dialogs of the resource script as the stand-in reads them, against the dialogs' agreed tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless/win32/ResourceScript.h"
#include "plugin/resources/MakerInfo.h"
#include "plugin/resources/ResourceIds.h"

namespace {

using headless::win32::ControlTemplate;
using headless::win32::DialogTemplate;
using headless::win32::LoadResourceScript;
using headless::win32::ResourceScript;

constexpr int kJapanese = 1041;
constexpr std::uint32_t kDialogStyle = 0x80C008C8;

struct ExpectedControl {
    int id;
    const char* className;
    std::uint32_t style;
    int x, y, width, height;
    std::string text;  // "#n" for a resource ordinal
};

const ResourceScript& Script() {
    static const ResourceScript script = LoadResourceScript(TRIMORA_RESOURCES_DIR "/trimora.rc");
    return script;
}

void ExpectDialog(const DialogTemplate& dialog, const std::vector<ExpectedControl>& expected) {
    ASSERT_EQ(dialog.controls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ControlTemplate& actual = dialog.controls[i];
        const ExpectedControl& want = expected[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + " of dialog " + std::to_string(dialog.id));
        EXPECT_EQ(actual.id, want.id);
        EXPECT_EQ(actual.className, want.className);
        EXPECT_EQ(actual.style, want.style) << std::hex << actual.style;
        EXPECT_EQ(actual.exStyle, 0u);
        EXPECT_EQ(actual.x, want.x);
        EXPECT_EQ(actual.y, want.y);
        EXPECT_EQ(actual.width, want.width);
        EXPECT_EQ(actual.height, want.height);
        const std::string text = actual.textOrdinal ? "#" + std::to_string(*actual.textOrdinal) : actual.text;
        EXPECT_EQ(text, want.text);
    }
}

void ExpectFrame(const DialogTemplate& dialog, int width, int height, std::uint32_t exStyle, const char* caption) {
    EXPECT_EQ(dialog.language, kJapanese);
    EXPECT_EQ(dialog.style, kDialogStyle) << std::hex << dialog.style;
    EXPECT_EQ(dialog.exStyle, exStyle);
    EXPECT_EQ(dialog.width, width);
    EXPECT_EQ(dialog.height, height);
    EXPECT_EQ(dialog.caption, caption);
    EXPECT_EQ(dialog.font.pointSize, 9);
    EXPECT_EQ(dialog.font.typeface, "MS Shell Dlg");
    EXPECT_EQ(dialog.font.weight, 400);
    EXPECT_EQ(dialog.font.italic, 0);
    EXPECT_EQ(dialog.font.charset, 128);
}

TEST(DialogTemplates, OptionsDialogMatchesItsTable) {
    const DialogTemplate* dialog = Script().FindDialog(102);
    ASSERT_NE(dialog, nullptr);
    ExpectFrame(*dialog, 235, 183, 0, "Zavik-Trimora2.5");
    ExpectDialog(*dialog, {
                              {1, "BUTTON", 0x50010001, 178, 145, 50, 14, "実行"},
                              {2, "BUTTON", 0x50010000, 178, 162, 50, 14, "キャンセル"},
                              {1005, "BUTTON", 0x50000009, 25, 32, 48, 10, "外側削除"},
                              {1006, "BUTTON", 0x50000009, 25, 72, 48, 10, "内側削除"},
                              {1007, "BUTTON", 0x50010003, 22, 120, 78, 10, "空のレイヤーを削除"},
                              {1008, "BUTTON", 0x50010003, 22, 133, 116, 10, "ラインにかかるテキスト・シンボルを削除"},
                              {1009, "BUTTON", 0x50010003, 22, 146, 70, 10, "進行状況を表示"},
                              {1010, "STATIC", 0x5080000E, 94, 20, 115, 33, "#104"},
                              {1011, "STATIC", 0x5080000E, 94, 59, 115, 33, "#103"},
                              {-1, "BUTTON", 0x50000007, 7, 7, 217, 97, "切り抜き種別"},
                              {-1, "BUTTON", 0x50000007, 7, 108, 143, 68, "オプション"},
                              {1070, "BUTTON", 0x50010003, 22, 159, 95, 10, "切り抜き範囲指定パスを残す"},
                          });
}

TEST(DialogTemplates, AboutBoxMatchesItsTable) {
    const DialogTemplate* dialog = Script().FindDialog(107);
    ASSERT_NE(dialog, nullptr);
    ExpectFrame(*dialog, 243, 134, 4, "Zavik-Trimora2.5について");
    ASSERT_EQ(dialog->controls.size(), 4u);
    const std::string makerText = dialog->controls[2].text;
    ExpectDialog(*dialog, {
                              {-1, "STATIC", 0x50020000, 7, 7, 56, 8, "Version 2.5.7"},
                              {1, "BUTTON", 0x50010001, 186, 112, 50, 14, "OK"},
                              {-1, "STATIC", 0x50020000, 7, 81, 229, 26, makerText},
                              {1063, "BUTTON", 0x50010000, 7, 112, 74, 14, "Webサイトを開く"},
                          });
}

// The maker's text is three lines: the maker, the address the button opens, the rights notice.
TEST(DialogTemplates, AboutTextNamesTheMakerAndTheAddressTheButtonOpens) {
    const std::string text = Script().FindDialog(107)->controls[2].text;
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start <= text.size(); start = end + 1) {
        end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
    }
    ASSERT_EQ(lines.size(), 3u) << text;
    EXPECT_NE(lines[0].find(trimora::kMakerName), std::string::npos);
    EXPECT_EQ(lines[1], trimora::kMakerWebAddress);
    EXPECT_NE(lines[2].find("Copyright"), std::string::npos);
}

TEST(DialogTemplates, IdsHeaderAgreesWithTheTemplates) {
    EXPECT_EQ(IDD_OPTIONS, 102);
    EXPECT_EQ(IDD_ABOUT, 107);
    const DialogTemplate& options = *Script().FindDialog(IDD_OPTIONS);
    // Each radio button has its picture beside it: "外側削除" with 104, "内側削除" with 103.
    EXPECT_EQ(options.controls[2].id, IDC_OUTSIDE);
    EXPECT_EQ(options.controls[7].textOrdinal, IDB_OUTSIDE);
    EXPECT_EQ(options.controls[3].id, IDC_INSIDE);
    EXPECT_EQ(options.controls[8].textOrdinal, IDB_INSIDE);
    EXPECT_EQ(IDC_DELETE_EMPTY_LAYER + 1, IDC_DELETE_TEXT_ON_LINE);
    EXPECT_EQ(IDC_DELETE_EMPTY_LAYER + 2, IDC_SHOW_PROGRESS);
    EXPECT_EQ(IDC_PRESERVE_MASK_PATH, 1070);
    EXPECT_EQ(IDC_OPEN_WEB_SITE, 1063);
}

TEST(VersionRecord, MatchesTheAboutBoxAndTheProject) {
    ASSERT_EQ(Script().versions.size(), 1u);
    const auto& version = Script().versions[0];
    const std::array<int, 4> expected = {2, 5, 7, 0};
    EXPECT_EQ(version.fileVersion, expected);
    EXPECT_EQ(version.productVersion, expected);
    EXPECT_EQ(version.strings.at("FileVersion"), "2.5.7.0");
    EXPECT_EQ(version.strings.at("ProductVersion"), "2.5.7.0");
    EXPECT_EQ(Script().FindDialog(107)->controls[0].text, "Version " TRIMORA_PROJECT_VERSION);
}

}  // namespace
