// ai::HostString: a Unicode string owned by the host's Unicode String suite, as a value. Every failing host call
// throws ai::Error with the host's code; destruction never throws.
#pragma once

#include <string>

#include "plugin/sdk/AIUnicodeString.h"

namespace ai {

class HostString {
public:
    HostString() noexcept = default;
    // Bytes up to the NUL in `encoding`; null text is the empty string and calls nothing.
    explicit HostString(const char* text, AICharacterEncoding encoding = kAIPlatformCharacterEncoding);
    static HostString FromUtf8(const char* text) { return HostString(text, kAIUTF8CharacterEncoding); }
    // Takes over a string the host handed out.
    static HostString Adopt(AIUnicodeStringRef string) noexcept;

    HostString(const HostString& other);
    HostString& operator=(const HostString& other);
    HostString(HostString&& other) noexcept;
    HostString& operator=(HostString&& other) noexcept;
    ~HostString();

    HostString& Append(const HostString& other);

    std::string ToBytes(AICharacterEncoding encoding = kAIPlatformCharacterEncoding) const;
    // Writes as much of the text as fits before two zero bytes, cut at a character boundary, and answers the size
    // the whole text needs with its two zero bytes.
    ASInt32 ToBuffer(char* buffer, ASInt32 bufferSize,
                     AICharacterEncoding encoding = kAIPlatformCharacterEncoding) const;

    // The host's handle, still owned by this object; null for the empty string.
    AIUnicodeStringRef Ref() const noexcept { return string_; }

private:
    void Destroy() noexcept;

    AIUnicodeStringRef string_ = nullptr;
};

}  // namespace ai
