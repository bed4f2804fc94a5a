// The host string operations over the Unicode String and SP Blocks suites.
#include "plugin/host/HostString.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

#include "plugin/host/AIError.h"
#include "plugin/host/Suites.h"

namespace ai {
namespace {

void Check(ASErr code) {
    if (code != kNoErr) throw Error(code);
}

struct BlockFree {
    void operator()(char* block) const {
        if (sSPBlocks) sSPBlocks->FreeBlock(block);
    }
};
using HostBlock = std::unique_ptr<char, BlockFree>;

}  // namespace

HostString::HostString(const char* text, AICharacterEncoding encoding) {
    if (!text) return;
    Check(sAIUnicodeString->Initialize(&string_, text, static_cast<ASInt32>(std::strlen(text)), encoding));
}

HostString HostString::Adopt(AIUnicodeStringRef string) noexcept {
    HostString adopted;
    adopted.string_ = string;
    return adopted;
}

HostString::HostString(const HostString& other) {
    if (other.string_) Check(sAIUnicodeString->Copy(&string_, other.string_));
}

HostString& HostString::operator=(const HostString& other) {
    if (this == &other) return *this;
    if (!other.string_) {
        Destroy();
    } else if (!string_) {
        Check(sAIUnicodeString->Copy(&string_, other.string_));
    } else {
        Check(sAIUnicodeString->Assign(string_, other.string_));
    }
    return *this;
}

HostString::HostString(HostString&& other) noexcept : string_(std::exchange(other.string_, nullptr)) {}

HostString& HostString::operator=(HostString&& other) noexcept {
    if (this != &other) {
        Destroy();
        string_ = std::exchange(other.string_, nullptr);
    }
    return *this;
}

HostString::~HostString() {
    Destroy();
}

void HostString::Destroy() noexcept {
    if (string_ && sAIUnicodeString) sAIUnicodeString->Destroy(string_);
    string_ = nullptr;
}

HostString& HostString::Append(const HostString& other) {
    if (!other.string_) return *this;
    if (!string_) return *this = other;
    Check(sAIUnicodeString->Append(string_, other.string_));
    return *this;
}

std::string HostString::ToBytes(AICharacterEncoding encoding) const {
    if (!string_) return {};
    char* bytes = nullptr;
    ASInt32 count = 0;
    const ASErr code = sAIUnicodeString->GetAs(string_, encoding, &bytes, &count);
    HostBlock block(bytes);  // freed on every way out, the failing ones included
    Check(code);
    return std::string(bytes, static_cast<std::size_t>(std::max(count, 0)));
}

ASInt32 HostString::ToBuffer(char* buffer, ASInt32 bufferSize, AICharacterEncoding encoding) const {
    std::string bytes = ToBytes(encoding);
    const auto needed = static_cast<ASInt32>(bytes.size()) + 2;
    if (!buffer || bufferSize <= 0) return needed;
    const auto room = static_cast<std::size_t>(std::max(bufferSize - 2, 0));
    if (bytes.size() > room) {
        // Cut whole characters off a copy until the rest fits. Each character takes at least one byte, so no
        // prefix longer than `room` characters can fit: start the search there.
        HostString copy(*this);
        ASInt32 length = 0;
        Check(sAIUnicodeString->Length(copy.string_, &length));
        for (auto k = std::min(length - 1, static_cast<ASInt32>(room)); bytes.size() > room; --k) {
            Check(sAIUnicodeString->Erase(copy.string_, k, length));
            bytes = copy.ToBytes(encoding);
        }
    }
    std::memcpy(buffer, bytes.data(), bytes.size());
    std::memset(buffer + bytes.size(), 0, std::min<std::size_t>(2, static_cast<std::size_t>(bufferSize)));
    return needed;
}

}  // namespace ai
