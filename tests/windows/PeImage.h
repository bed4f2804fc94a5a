// A reader of 64-bit Windows images (PE32+) for the tests of the built plug-in: its headers, the names it exports,
// the DLLs and functions it imports and its resources, each read straight from the file's bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace trimora::pe {

using Bytes = std::vector<std::uint8_t>;

// The file is not a well-formed image: a header, a table or an address points outside it.
class PeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A resource's type and name as the image's resource tree keeps them: a number, or a string for named ones
// ("PIPL"). `language` is the Windows language id of the tree's third level.
struct ResourceKey {
    std::string type;  // "#2" for a numbered type, the name otherwise
    std::string name;  // "#16000" for a numbered resource, the name otherwise
    int language = 0;

    auto operator<=>(const ResourceKey&) const = default;
};

std::string ResourceNumber(int id);  // "#id"

struct ImportedDll {
    std::string name;
    std::vector<std::string> functions;  // "#n" for a function imported by ordinal
};

class PeImage {
public:
    // Reads and checks the whole file; throws PeError naming what is wrong.
    static PeImage Load(const std::filesystem::path& path);
    static PeImage Parse(Bytes bytes);

    std::uint16_t Machine() const { return machine_; }
    std::uint16_t Characteristics() const { return characteristics_; }
    std::uint16_t OptionalHeaderMagic() const { return optionalMagic_; }
    std::uint16_t Subsystem() const { return subsystem_; }

    // Every function the image exports, named or by ordinal only, and the names among them.
    std::uint32_t ExportedFunctionCount() const { return exportedFunctionCount_; }
    const std::vector<std::string>& ExportedNames() const { return exports_; }
    const std::vector<ImportedDll>& Imports() const { return imports_; }
    const std::map<ResourceKey, Bytes>& Resources() const { return resources_; }
    // The resource's bytes; throws PeError when the image has no such resource.
    const Bytes& Resource(const ResourceKey& key) const;

private:
    class Reader;

    std::uint16_t machine_ = 0;
    std::uint16_t characteristics_ = 0;
    std::uint16_t optionalMagic_ = 0;
    std::uint16_t subsystem_ = 0;
    std::uint32_t exportedFunctionCount_ = 0;
    std::vector<std::string> exports_;
    std::vector<ImportedDll> imports_;
    std::map<ResourceKey, Bytes> resources_;
};

// Little-endian fields of a byte block, bounds-checked: out of range throws PeError.
std::uint16_t Read16(const Bytes& bytes, std::size_t at);
std::uint32_t Read32(const Bytes& bytes, std::size_t at);
// UTF-16 code units to UTF-8; an unpaired surrogate throws PeError.
std::string Utf16ToUtf8(const std::u16string& text);

}  // namespace trimora::pe
