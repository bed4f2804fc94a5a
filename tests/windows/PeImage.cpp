// Reading a PE32+ image: headers and sections, then the export, import and resource directories by their RVAs.
#include "tests/windows/PeImage.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "headless/suites/Utf.h"

namespace trimora::pe {

namespace {

constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::size_t kCoffHeaderSize = 20;
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::uint32_t kHighBit = 1u << 31;

enum DataDirectory : std::size_t { kExportDirectory = 0, kImportDirectory = 1, kResourceDirectory = 2 };

struct Section {
    std::uint32_t virtualAddress;
    std::uint32_t virtualSize;
    std::uint32_t rawOffset;
    std::uint32_t rawSize;
};

}  // namespace

std::uint16_t Read16(const Bytes& bytes, std::size_t at) {
    if (at > bytes.size() || bytes.size() - at < 2) throw PeError("16-bit field past the end at " + std::to_string(at));
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t Read32(const Bytes& bytes, std::size_t at) {
    if (at > bytes.size() || bytes.size() - at < 4) throw PeError("32-bit field past the end at " + std::to_string(at));
    return std::uint32_t(bytes[at]) | (std::uint32_t(bytes[at + 1]) << 8) | (std::uint32_t(bytes[at + 2]) << 16) |
           (std::uint32_t(bytes[at + 3]) << 24);
}

std::string Utf16ToUtf8(const std::u16string& text) {
    std::u32string scalars;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        const bool lead = c >= 0xD800 && c < 0xDC00;
        if (lead && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        scalars += c;
    }
    // A surrogate left unpaired is no scalar value; the encoder refuses it.
    auto utf8 = headless::Utf32ToUtf8(scalars);
    if (!utf8) throw PeError("unpaired surrogate in a UTF-16 text");
    return *std::move(utf8);
}

std::string ResourceNumber(int id) {
    return "#" + std::to_string(id);
}

// Turns addresses of the loaded image (RVAs) into offsets of the file through the section table.
class PeImage::Reader {
public:
    explicit Reader(Bytes bytes) : bytes_(std::move(bytes)) {}

    void ReadHeaders(PeImage& image) {
        if (Read16(bytes_, 0) != 0x5A4D) throw PeError("no MZ header");
        const std::size_t pe = Read32(bytes_, 0x3C);
        if (Read32(bytes_, pe) != 0x00004550) throw PeError("no PE signature");
        const std::size_t coff = pe + 4;
        image.machine_ = Read16(bytes_, coff);
        const std::size_t sectionCount = Read16(bytes_, coff + 2);
        const std::size_t optionalSize = Read16(bytes_, coff + 16);
        image.characteristics_ = Read16(bytes_, coff + 18);
        optional_ = coff + kCoffHeaderSize;
        image.optionalMagic_ = Read16(bytes_, optional_);
        if (image.optionalMagic_ != kPe32PlusMagic) throw PeError("not a PE32+ (64-bit) image");
        image.subsystem_ = Read16(bytes_, optional_ + 68);
        directoryCount_ = Read32(bytes_, optional_ + 108);
        const std::size_t sections = optional_ + optionalSize;
        for (std::size_t i = 0; i < sectionCount; ++i) {
            const std::size_t at = sections + i * kSectionHeaderSize;
            sections_.push_back(
                {Read32(bytes_, at + 12), Read32(bytes_, at + 8), Read32(bytes_, at + 20), Read32(bytes_, at + 16)});
        }
    }

    // The directory's RVA and size; {0, 0} when the image has none.
    std::pair<std::uint32_t, std::uint32_t> Directory(DataDirectory which) const {
        if (which >= directoryCount_) return {0, 0};
        const std::size_t at = optional_ + 112 + 8 * which;
        return {Read32(bytes_, at), Read32(bytes_, at + 4)};
    }

    std::size_t Offset(std::uint32_t rva) const {
        for (const Section& s : sections_) {
            if (rva >= s.virtualAddress && rva - s.virtualAddress < std::max(s.virtualSize, s.rawSize)) {
                const std::size_t offset = s.rawOffset + (rva - s.virtualAddress);
                if (rva - s.virtualAddress >= s.rawSize || offset >= bytes_.size())
                    throw PeError("address " + std::to_string(rva) + " has no bytes in the file");
                return offset;
            }
        }
        throw PeError("address " + std::to_string(rva) + " lies in no section");
    }

    std::uint16_t U16(std::uint32_t rva) const { return Read16(bytes_, Offset(rva)); }
    std::uint32_t U32(std::uint32_t rva) const { return Read32(bytes_, Offset(rva)); }
    std::uint64_t U64(std::uint32_t rva) const { return U32(rva) | (std::uint64_t(U32(rva + 4)) << 32); }

    std::string CString(std::uint32_t rva) const {
        std::string text;
        for (std::size_t at = Offset(rva);; ++at) {
            if (at >= bytes_.size()) throw PeError("unterminated name");
            if (bytes_[at] == 0) return text;
            text += static_cast<char>(bytes_[at]);
        }
    }

    Bytes Block(std::uint32_t rva, std::uint32_t size) const {
        if (size == 0) return {};
        const std::size_t first = Offset(rva);
        const std::uint64_t last = std::uint64_t(rva) + size - 1;
        if (last > UINT32_MAX || Offset(static_cast<std::uint32_t>(last)) != first + size - 1)
            throw PeError("a block crosses sections");
        return Bytes(bytes_.begin() + static_cast<std::ptrdiff_t>(first),
                     bytes_.begin() + static_cast<std::ptrdiff_t>(first + size));
    }

    void ReadExports(PeImage& image) const {
        const auto [rva, size] = Directory(kExportDirectory);
        if (size == 0) return;
        image.exportedFunctionCount_ = U32(rva + 20);
        const std::uint32_t nameCount = U32(rva + 24);
        const std::uint32_t names = U32(rva + 32);
        for (std::uint32_t i = 0; i < nameCount; ++i)
            image.exports_.push_back(CString(U32(names + 4 * i)));
    }

    void ReadImports(PeImage& image) const {
        const auto [rva, size] = Directory(kImportDirectory);
        if (size == 0) return;
        for (std::uint32_t entry = rva;; entry += 20) {
            const std::uint32_t lookup = U32(entry);
            const std::uint32_t name = U32(entry + 12);
            const std::uint32_t thunks = U32(entry + 16);
            if (name == 0 && thunks == 0) break;
            ImportedDll dll{CString(name), {}};
            for (std::uint32_t at = lookup ? lookup : thunks;; at += 8) {
                const std::uint64_t thunk = U64(at);
                if (thunk == 0) break;
                if (thunk >> 63)
                    dll.functions.push_back(ResourceNumber(static_cast<int>(thunk & 0xFFFF)));
                else
                    dll.functions.push_back(CString(static_cast<std::uint32_t>(thunk) + 2));  // after the hint
            }
            image.imports_.push_back(std::move(dll));
        }
    }

    // The tree is three levels deep: type, name, language; a leaf gives the data's RVA and size.
    void ReadResources(PeImage& image) const {
        const auto [root, size] = Directory(kResourceDirectory);
        if (size == 0) return;
        for (const auto& [type, typeDir] : Entries(root, root, true)) {
            for (const auto& [name, nameDir] : Entries(root, typeDir, true)) {
                for (const auto& [language, leaf] : Entries(root, nameDir, false)) {
                    if (language.empty() || language.front() != '#')
                        throw PeError("resource language given by name: " + language);
                    const ResourceKey key{type, name, std::stoi(language.substr(1))};
                    if (!image.resources_.emplace(key, Block(U32(leaf), U32(leaf + 4))).second)
                        throw PeError("resource " + type + "/" + name + " appears twice in one language");
                }
            }
        }
    }

private:
    // A directory's entries as (type or name, RVA of what the entry points at). Below the last level the
    // entries must be leaves, above it subdirectories.
    std::vector<std::pair<std::string, std::uint32_t>> Entries(std::uint32_t root, std::uint32_t dir,
                                                               bool subdirectories) const {
        std::vector<std::pair<std::string, std::uint32_t>> entries;
        const std::uint32_t count = std::uint32_t(U16(dir + 12)) + U16(dir + 14);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint32_t at = dir + 16 + 8 * i;
            const std::uint32_t name = U32(at);
            const std::uint32_t target = U32(at + 4);
            if (((target & kHighBit) != 0) != subdirectories) throw PeError("resource tree of the wrong depth");
            entries.emplace_back(
                name & kHighBit ? NameAt(root + (name & ~kHighBit)) : ResourceNumber(static_cast<int>(name)),
                root + (target & ~kHighBit));
        }
        return entries;
    }

    std::string NameAt(std::uint32_t rva) const {
        std::u16string name;
        const std::uint16_t length = U16(rva);
        for (std::uint16_t i = 0; i < length; ++i)
            name += static_cast<char16_t>(U16(rva + 2 + 2 * i));
        return Utf16ToUtf8(name);
    }

    Bytes bytes_;
    std::size_t optional_ = 0;
    std::uint32_t directoryCount_ = 0;
    std::vector<Section> sections_;
};

PeImage PeImage::Parse(Bytes bytes) {
    PeImage image;
    Reader reader(std::move(bytes));
    reader.ReadHeaders(image);
    reader.ReadExports(image);
    reader.ReadImports(image);
    reader.ReadResources(image);
    return image;
}

PeImage PeImage::Load(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw PeError("cannot read " + path.string());
    return Parse(Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
}

const Bytes& PeImage::Resource(const ResourceKey& key) const {
    const auto found = resources_.find(key);
    if (found == resources_.end())
        throw PeError("no resource " + key.type + "/" + key.name + " in language " + std::to_string(key.language));
    return found->second;
}

}  // namespace trimora::pe
