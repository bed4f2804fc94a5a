// The glosses cover every text the module shows the user; codes are those the host and the module make.
#include "headless/cli/HostTexts.h"

#include <array>
#include <utility>

#include "headless/document/Errors.h"
#include "headless/loader/ModuleHost.h"
#include "headless/model/ActionModel.h"
#include "headless/suites/HostEntry.h"

namespace headless::app {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kGlosses{{
    {"切り抜き処理が終了しました", "clipping finished"},
    {"切り抜き領域オブジェクトが選択されていません", "no clip region is selected"},
    {"閉じたパスを１つだけ選択して下さい", "select exactly one closed path"},
    {"単独パスを１つだけ選択して下さい（複合パス等は不可）",
     "select one simple path; compound paths and other objects will not do"},
    {"閉じたパスを選択して下さい", "the region must be a closed path"},
    {"プレビュー表示で実行して下さい", "the region's layer is shown as outlines; it must be in preview"},
    {"ドキュメントが開かれていません", "no document is open"},
    {"Error CZvKiruru InsertLayer", "the host refused the module's work layer"},
    {"Error CZvKiruru SetWorkLayer", "the module could not use its work layer"},
}};

struct CodeMeaning {
    AIErr code;
    std::string_view meaning;
};

constexpr std::array<CodeMeaning, 20> kCodes{{
    {kOutOfMemoryErr, "out of memory"},
    {kCanceledErr, "cancelled"},
    {kBadParameterErr, "bad parameter"},
    {kUnhandledMsgErr, "message not handled"},
    {kSPSuiteNotFoundError, "the host lacks a suite"},
    {kDeadHandleErr, "an object that no longer exists"},
    {kWrongKindErr, "an object of the wrong kind"},
    {kOutOfRangeErr, "an index or count out of range"},
    {kCycleErr, "an object moved into itself"},
    {kLayerGroupErr, "not allowed on a layer's own group"},
    {kNoDocumentErr, "no open document"},
    {kInternalErr, "internal host error"},
    {kNoApplicationErr, "no host application"},
    {kNoModuleErr, "no module loaded"},
    {kNoSuchParamKeyErr, "an action parameter is missing"},
    {kNoSuchEventErr, "an action event the module never registered"},
    {FourCharErr("PFND"), "the Pathfinder operation failed"},
    {-10010, "a raster that cannot be trimmed"},
    {-1, "an object's position against the region could not be settled"},
    {-2, "a group holds more than paths, groups and compound paths"},
}};

}  // namespace

std::string_view AlertGloss(std::string_view text) {
    for (const auto& [japanese, english] : kGlosses)
        if (japanese == text) return english;
    return {};
}

std::string AlertLine(std::string_view text) {
    std::string line(text);
    const std::string_view gloss = AlertGloss(text);
    if (!gloss.empty()) line += " (" + std::string(gloss) + ")";
    return line;
}

std::string CodeName(AIErr code) {
    std::string chars;
    const auto bits = static_cast<std::uint32_t>(code);
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((bits >> shift) & 0xFF);
        if (c < 0x20 || c > 0x7E) {
            chars.clear();
            break;
        }
        chars += c;
    }
    std::string name = chars.empty() ? std::to_string(code) : "'" + chars + "'";
    for (const CodeMeaning& known : kCodes)
        if (known.code == code) return name + " (" + std::string(known.meaning) + ")";
    return name;
}

}  // namespace headless::app
