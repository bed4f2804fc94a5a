// The plug-in property list the host reads before it loads the module, byte for byte.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "headless/win32/ResourceScript.h"

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

TEST(Pipl, BytesAreTheAgreedPropertyList) {
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

    const auto script = headless::win32::LoadResourceScript(TRIMORA_RESOURCES_DIR "/trimora.rc");
    const auto* pipl = script.FindRaw("PIPL", 16000);
    ASSERT_NE(pipl, nullptr);
    EXPECT_EQ(pipl->language, 1033);
    EXPECT_EQ(pipl->bytes, expected);
    // Spot checks that do not go through the helpers above.
    ASSERT_GE(pipl->bytes.size(), 14u);
    EXPECT_EQ(std::string(pipl->bytes.begin() + 10, pipl->bytes.begin() + 14), "EBDA");
    EXPECT_EQ(pipl->bytes[6], 4);
}

}  // namespace
