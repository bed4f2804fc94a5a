// The property list written out field by field: a format version, a list version, the count, then the properties.
#include "tests/support/ExpectedPipl.h"

#include <string>

namespace trimora::testing {

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A four-character code as the host stores it: a 32-bit integer, little-endian.
void PutCode(Bytes& out, const char (&code)[5]) {
    Put32(out, (std::uint32_t(std::uint8_t(code[0])) << 24) | (std::uint32_t(std::uint8_t(code[1])) << 16) |
                   (std::uint32_t(std::uint8_t(code[2])) << 8) | std::uint32_t(std::uint8_t(code[3])));
}

void PutProperty(Bytes& out, const char (&key)[5], Bytes data) {
    PutCode(out, "ADBE");
    PutCode(out, key);
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(data.size()));
    while (data.size() % 4 != 0)
        data.push_back(0);
    out.insert(out.end(), data.begin(), data.end());
}

Bytes Padded(const std::string& text, std::size_t size) {
    Bytes bytes(text.begin(), text.end());
    bytes.resize(size, 0);
    return bytes;
}

}  // namespace

std::vector<std::uint8_t> ExpectedPipl() {
    Bytes expected = {1, 0};
    Put32(expected, 0);
    Put32(expected, 4);
    Bytes kind, version;
    PutCode(kind, "SPEA");
    Put32(version, 2);
    PutProperty(expected, "kind", kind);
    PutProperty(expected, "ivrs", version);
    PutProperty(expected, "wx86", Padded("PluginMain", 12));
    PutProperty(expected, "pinm", Padded("Zavik-Trimora2CS6", 20));
    return expected;
}

}  // namespace trimora::testing
