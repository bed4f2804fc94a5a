// Handles the host hands out: a kind, the owning document's serial, a slot and part of a generation packed into
// a pointer-sized value. Decoding checks all four, so a dead, foreign or mistyped handle is refused in O(1).
#pragma once

#include <cstdint>

#include "headless/document/Ids.h"

namespace headless {

enum class HandleKind : std::uint8_t {
    kArt = 1,
    kLayer,
    kArtSet,
    kMenuItem,
    kMenuGroup,
    kNotifier,
    kParamType,
    kParamValue,
    kDocumentView,
    kHit,
    kArtStyle,
    kPluginGroup,
    kUnicodeString,
    kFilePath,
    kGradient,
    kAppContext,
    kPlugin,
    kAccess,
    kDocument,
};

struct DecodedHandle {
    HandleKind kind;
    std::uint8_t owner;  // document serial; 0 for objects of the application
    std::uint32_t slot;
    std::uint32_t generation;  // low 24 bits only
};

constexpr std::uint32_t kHandleGenerationMask = 0xFFFFFF;

inline std::uint64_t EncodeHandle(HandleKind kind, std::uint8_t owner, std::uint32_t slot, std::uint32_t generation) {
    // Slots are limited to 24 bits, so 16.7 million live objects of a kind.
    return (std::uint64_t{static_cast<std::uint8_t>(kind)} << 56) | (std::uint64_t{owner} << 48) |
           (std::uint64_t{generation & kHandleGenerationMask} << 24) | (slot & 0xFFFFFF);
}

inline DecodedHandle DecodeHandle(std::uint64_t v) {
    return {static_cast<HandleKind>(v >> 56), static_cast<std::uint8_t>(v >> 48),
            static_cast<std::uint32_t>(v & 0xFFFFFF), static_cast<std::uint32_t>((v >> 24) & kHandleGenerationMask)};
}

template <typename Handle, typename Tag>
Handle ToHandle(HandleKind kind, std::uint8_t owner, Id<Tag> id) {
    if (!id) return nullptr;
    return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(EncodeHandle(kind, owner, id.slot, id.generation)));
}

// The id a handle names when it is of `kind` and `owner` and its slot holds a live object of that generation;
// `idAt` answers the live id of a slot. Null otherwise.
template <typename Tag, typename Handle, typename IdAt>
Id<Tag> FromHandle(HandleKind kind, std::uint8_t owner, Handle h, IdAt&& idAt) {
    if (!h) return {};
    const DecodedHandle d = DecodeHandle(static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(h)));
    if (d.kind != kind || d.owner != owner) return {};
    const Id<Tag> id = idAt(d.slot);
    if (!id || (id.generation & kHandleGenerationMask) != d.generation) return {};
    return id;
}

}  // namespace headless
