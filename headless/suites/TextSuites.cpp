// Unicode string and file path suites.
#include <climits>
#include <cstring>

#include "headless/suites/FilePaths.h"
#include "headless/suites/UnicodeStrings.h"
#include "plugin/sdk/AIUnicodeString.h"

namespace headless {
namespace {

ASInt32 CountOf(std::size_t n) {
    if (n > static_cast<std::size_t>(INT32_MAX)) Throw(kOutOfRangeErr);
    return static_cast<ASInt32>(n);
}

AIErr Initialize(AIUnicodeStringRef* string, const char* text, ASInt32 byteLength, ASInt32 encoding) {
    AIUnicodeStringRef& out = Out(string);
    out = nullptr;
    if (byteLength < 0 || (!text && byteLength > 0)) Throw(kBadParameterErr);
    const std::string_view bytes = text ? std::string_view(text, static_cast<std::size_t>(byteLength)) : "";
    out = NewString(DecodeText(bytes, encoding));
    return kNoErr;
}

AIErr Copy(AIUnicodeStringRef* string, AIUnicodeStringRef source) {
    AIUnicodeStringRef& out = Out(string);
    out = nullptr;
    out = NewString(StringOf(source));
    return kNoErr;
}

AIErr Assign(AIUnicodeStringRef destination, AIUnicodeStringRef source) {
    std::u32string text = StringOf(source);
    StringOf(destination) = std::move(text);
    return kNoErr;
}

AIErr Append(AIUnicodeStringRef destination, AIUnicodeStringRef source) {
    // Copied first: the source may be the destination.
    const std::u32string text = StringOf(source);
    StringOf(destination) += text;
    return kNoErr;
}

AIErr Length(AIUnicodeStringRef string, ASInt32* length) {
    ASInt32& out = Out(length);
    out = CountOf(StringOf(string).size());
    return kNoErr;
}

AIErr Erase(AIUnicodeStringRef string, ASInt32 position, ASInt32 count) {
    std::u32string& text = StringOf(string);
    if (count < 0) Throw(kBadParameterErr);
    if (position < 0 || static_cast<std::size_t>(position) > text.size()) Throw(kOutOfRangeErr);
    text.erase(static_cast<std::size_t>(position), static_cast<std::size_t>(count));
    return kNoErr;
}

AIErr GetAs(AIUnicodeStringRef string, ASInt32 encoding, char** bytes, ASInt32* byteCount) {
    char*& outBytes = Out(bytes);
    ASInt32& outCount = Out(byteCount);
    const std::string converted = EncodeText(StringOf(string), encoding);
    const ASInt32 count = CountOf(converted.size());
    auto* block = static_cast<char*>(AllocateHostBlock(converted.size() + 1));
    std::memcpy(block, converted.data(), converted.size());
    block[converted.size()] = '\0';
    outBytes = block;
    outCount = count;
    return kNoErr;
}

void Destroy(AIUnicodeStringRef string) {
    if (!string) return;
    Application& app = App();
    app.strings.Remove(AppIdOf<UnicodeStringTag>(HandleKind::kUnicodeString, string, app.strings));
}

const AIUnicodeStringSuite kUnicodeStringSuite = {
    TRIMORA_HOST_FN(AIUnicodeStringSuite, Initialize, Initialize),
    TRIMORA_HOST_FN(AIUnicodeStringSuite, Copy, Copy),
    TRIMORA_HOST_FN(AIUnicodeStringSuite, Assign, Assign),
    TRIMORA_HOST_FN(AIUnicodeStringSuite, Append, Append),
    TRIMORA_HOST_FN(AIUnicodeStringSuite, Length, Length),
    TRIMORA_HOST_FN(AIUnicodeStringSuite, Erase, Erase),
    TRIMORA_HOST_FN(AIUnicodeStringSuite, GetAs, GetAs),
    TRIMORA_HOST_VALUE_FN(AIUnicodeStringSuite, Destroy, Destroy),
};

}  // namespace

void RegisterTextSuites(SuiteRegistry& registry) {
    registry.Add(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, &kUnicodeStringSuite);
    registry.Add(kAIFilePathSuite, kAIFilePathSuiteVersion, FilePathSuiteTable());
}

}  // namespace headless
