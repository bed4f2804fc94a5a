// Walking the resource compiler's dialog templates and version records over bounds-checked reads.
#include "tests/windows/ResourceDecoders.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace trimora::pe {

namespace {

constexpr std::uint32_t kDsSetFont = 0x40;
constexpr std::uint32_t kFixedFileInfoSignature = 0xFEEF04BD;
constexpr std::uint16_t kTextValue = 1;  // a version block whose value is UTF-16 text

// The names Windows gives the predefined control classes, by their ordinals.
std::string PredefinedClassName(int ordinal) {
    switch (ordinal) {
        case 0x80:
            return "BUTTON";
        case 0x81:
            return "EDIT";
        case 0x82:
            return "STATIC";
        case 0x83:
            return "LISTBOX";
        case 0x84:
            return "SCROLLBAR";
        case 0x85:
            return "COMBOBOX";
        default:
            throw PeError("unknown predefined control class " + std::to_string(ordinal));
    }
}

class Cursor {
public:
    Cursor(const Bytes& bytes, std::size_t at) : bytes_(bytes), at_(at) {}

    std::size_t At() const { return at_; }
    std::uint16_t U16() { return Read16(bytes_, Advance(2)); }
    std::uint32_t U32() { return Read32(bytes_, Advance(4)); }
    std::uint8_t U8() {
        if (at_ >= bytes_.size()) throw PeError("a byte field past the end");
        return bytes_[at_++];
    }
    int I16() { return static_cast<std::int16_t>(U16()); }
    void Skip(std::size_t count) {
        if (count > bytes_.size() - std::min(at_, bytes_.size())) throw PeError("a field runs past the end");
        at_ += count;
    }
    void Align4() { at_ = (at_ + 3) & ~std::size_t{3}; }

    // UTF-16 text up to its terminating zero.
    std::string Text() {
        std::u16string text;
        for (std::uint16_t unit = U16(); unit != 0; unit = U16())
            text += static_cast<char16_t>(unit);
        return Utf16ToUtf8(text);
    }

    NameOrOrdinal Name() {
        const std::uint16_t first = Read16(bytes_, at_);
        if (first == 0xFFFF) {
            at_ += 2;
            return {{}, U16()};
        }
        return {Text(), std::nullopt};
    }

private:
    std::size_t Advance(std::size_t width) {
        const std::size_t at = at_;
        at_ += width;
        return at;
    }

    const Bytes& bytes_;
    std::size_t at_;
};

headless::win32::ControlTemplate DecodeControl(Cursor& in) {
    headless::win32::ControlTemplate control;
    in.Align4();
    in.U32();  // help id
    control.exStyle = in.U32();
    control.style = in.U32();
    control.x = in.I16();
    control.y = in.I16();
    control.width = in.I16();
    control.height = in.I16();
    control.id = static_cast<std::int32_t>(in.U32());
    const NameOrOrdinal windowClass = in.Name();
    control.className = windowClass.ordinal ? PredefinedClassName(*windowClass.ordinal) : windowClass.text;
    NameOrOrdinal title = in.Name();
    control.text = std::move(title.text);
    control.textOrdinal = title.ordinal;
    in.Skip(in.U16());  // creation data
    return control;
}

struct VersionBlock {
    std::string key;
    std::uint16_t type = 0;
    Bytes value;
    std::vector<VersionBlock> children;
};

// A block: length, value length (in characters for text), type, key, then the value and the child blocks, each
// starting on a 32-bit boundary.
VersionBlock ReadVersionBlock(const Bytes& bytes, std::size_t at, std::size_t end) {
    Cursor in(bytes, at);
    const std::size_t length = in.U16();
    if (length < 6 || length > end - at) throw PeError("a version block overruns its parent");
    const Bytes inside(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(at + length));
    Cursor block(inside, in.At());
    VersionBlock result;
    const std::size_t valueLength = block.U16();
    result.type = block.U16();
    result.key = block.Text();
    block.Align4();
    const std::size_t valueBytes = result.type == kTextValue ? 2 * valueLength : valueLength;
    const std::size_t valueAt = block.At();
    block.Skip(valueBytes);
    result.value.assign(inside.begin() + static_cast<std::ptrdiff_t>(valueAt),
                        inside.begin() + static_cast<std::ptrdiff_t>(valueAt + valueBytes));
    for (block.Align4(); block.At() < at + length; block.Align4()) {
        result.children.push_back(ReadVersionBlock(inside, block.At(), at + length));
        block.Skip(Read16(inside, block.At()));
    }
    return result;
}

std::string TextValue(const VersionBlock& block) {
    if (block.type != kTextValue) throw PeError("version value " + block.key + " is not text");
    Bytes terminated = block.value;
    terminated.insert(terminated.end(), {0, 0});
    return Cursor(terminated, 0).Text();
}

std::array<int, 4> VersionNumbers(const Bytes& fixed, std::size_t at) {
    const std::uint32_t high = Read32(fixed, at);
    const std::uint32_t low = Read32(fixed, at + 4);
    return {int(high >> 16), int(high & 0xFFFF), int(low >> 16), int(low & 0xFFFF)};
}

}  // namespace

DecodedDialog DecodeDialog(const Bytes& bytes) {
    Cursor in(bytes, 0);
    if (in.U16() != 1 || in.U16() != 0xFFFF) throw PeError("not an extended dialog template");
    DecodedDialog decoded;
    auto& dialog = decoded.dialog;
    in.U32();  // help id
    dialog.exStyle = in.U32();
    dialog.style = in.U32();
    const int count = in.U16();
    dialog.x = in.I16();
    dialog.y = in.I16();
    dialog.width = in.I16();
    dialog.height = in.I16();
    decoded.menu = in.Name();
    decoded.windowClass = in.Name();
    dialog.caption = in.Text();
    if (dialog.style & kDsSetFont) {
        dialog.font.pointSize = in.U16();
        dialog.font.weight = in.U16();
        dialog.font.italic = in.U8();
        dialog.font.charset = in.U8();
        dialog.font.typeface = in.Text();
    }
    for (int i = 0; i < count; ++i)
        dialog.controls.push_back(DecodeControl(in));
    return decoded;
}

DecodedVersion DecodeVersion(const Bytes& bytes) {
    const VersionBlock root = ReadVersionBlock(bytes, 0, bytes.size());
    if (root.key != "VS_VERSION_INFO") throw PeError("version record named " + root.key);
    if (root.value.size() < 52 || Read32(root.value, 0) != kFixedFileInfoSignature)
        throw PeError("version record without its fixed part");
    DecodedVersion decoded;
    decoded.version.fileVersion = VersionNumbers(root.value, 8);
    decoded.version.productVersion = VersionNumbers(root.value, 16);
    for (const VersionBlock& child : root.children) {
        if (child.key == "StringFileInfo") {
            for (const VersionBlock& table : child.children) {
                decoded.stringTables.push_back(table.key);
                for (const VersionBlock& entry : table.children)
                    decoded.version.strings[entry.key] = TextValue(entry);
            }
        } else if (child.key == "VarFileInfo") {
            for (const VersionBlock& var : child.children) {
                for (std::size_t at = 0; at + 4 <= var.value.size(); at += 4)
                    decoded.translations.emplace_back(Read16(var.value, at), Read16(var.value, at + 2));
            }
        } else {
            throw PeError("unknown version block " + child.key);
        }
    }
    return decoded;
}

}  // namespace trimora::pe
