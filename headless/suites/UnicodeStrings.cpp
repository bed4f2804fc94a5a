// Unicode string lookups, and the encodings: UTF-8 by hand, the platform's through iconv by way of UTF-8.
#include "headless/suites/UnicodeStrings.h"

#include <optional>
#include <utility>

#include "headless/suites/SuiteText.h"
#include "headless/suites/Utf.h"
#include "plugin/sdk/AIUnicodeString.h"

namespace headless {

std::u32string& StringOf(AIUnicodeStringRef string) {
    if (!string) Throw(kBadParameterErr);
    Application& app = App();
    return app.strings[AppIdOf<UnicodeStringTag>(HandleKind::kUnicodeString, string, app.strings)];
}

AIUnicodeStringRef NewString(std::u32string text) {
    return AppHandleOf<AIUnicodeStringRef>(HandleKind::kUnicodeString, App().strings.Add(std::move(text)));
}

std::u32string DecodeText(std::string_view bytes, ASInt32 encoding) {
    std::optional<std::u32string> text;
    if (encoding == kAIUTF8CharacterEncoding)
        text = Utf8ToUtf32(bytes);
    else if (encoding == kAIPlatformCharacterEncoding)
        text = Utf8ToUtf32(suitetext::PlatformToUtf8(bytes));
    if (!text) Throw(kBadParameterErr);
    return *std::move(text);
}

std::string EncodeText(std::u32string_view text, ASInt32 encoding) {
    if (encoding != kAIUTF8CharacterEncoding && encoding != kAIPlatformCharacterEncoding) Throw(kBadParameterErr);
    std::optional<std::string> utf8 = Utf32ToUtf8(text);
    if (!utf8) Throw(kBadParameterErr);
    return encoding == kAIUTF8CharacterEncoding ? *std::move(utf8) : suitetext::Utf8ToPlatform(*utf8);
}

}  // namespace headless
