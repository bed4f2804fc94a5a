// The image reader the plug-in checks rely on: what it reads from a damaged file is either refused with PeError
// or what the whole file says; it never reads outside the bytes it was given.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

#include "tests/windows/BuiltPlugin.h"
#include "tests/windows/PeImage.h"
#include "tests/windows/ResourceDecoders.h"

namespace {

using trimora::pe::Bytes;
using trimora::pe::PeError;
using trimora::pe::PeImage;
using trimora::pe::ResourceNumber;

class DamagedImage : public ::testing::Test {
protected:
    void SetUp() override {
        TRIMORA_REQUIRE_WINDOWS_PLUGIN();
        std::ifstream file(TRIMORA_WINDOWS_PLUGIN, std::ios::binary);
        whole_ = Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        ASSERT_GT(whole_.size(), 4096u);
    }

    Bytes whole_;
};

TEST_F(DamagedImage, CutFileIsRefusedOrReadsTheSame) {
    const PeImage full = PeImage::Parse(whole_);
    int refused = 0;
    for (std::size_t length = 0; length < whole_.size(); length += length < 1024 ? 61 : 1499) {
        SCOPED_TRACE(length);
        try {
            const PeImage cut = PeImage::Parse(Bytes(whole_.begin(), whole_.begin() + std::ptrdiff_t(length)));
            EXPECT_EQ(cut.ExportedNames(), full.ExportedNames());
            EXPECT_EQ(cut.Resources(), full.Resources());
        } catch (const PeError&) {
            ++refused;
        }
    }
    EXPECT_GT(refused, 0);
}

// Bytes changed at random (a fixed seed, so a failure comes back) give PeError or an image, nothing worse.
TEST_F(DamagedImage, ScrambledBytesNeverReadOutOfBounds) {
    std::mt19937 random(20261209);
    std::uniform_int_distribution<std::size_t> position(0, 4095);  // headers, where the addresses are
    std::uniform_int_distribution<int> value(0, 255);
    for (int trial = 0; trial < 300; ++trial) {
        Bytes bytes = whole_;
        for (int i = 0; i < 6; ++i)
            bytes[position(random)] = static_cast<std::uint8_t>(value(random));
        try {
            (void)PeImage::Parse(std::move(bytes));
        } catch (const PeError&) {
        }
    }
}

TEST_F(DamagedImage, HeaderPointingPastTheEndIsRefused) {
    Bytes bytes = whole_;
    bytes[0x3C] = bytes[0x3D] = bytes[0x3E] = bytes[0x3F] = 0x7F;
    EXPECT_THROW(PeImage::Parse(bytes), PeError);
    EXPECT_THROW(PeImage::Parse(Bytes{'M', 'Z'}), PeError);
}

TEST_F(DamagedImage, CutResourcesAreRefusedByTheirDecoders) {
    const PeImage image = PeImage::Parse(whole_);
    const Bytes& dialog = image.Resource({ResourceNumber(5), ResourceNumber(102), 1041});
    const Bytes& version = image.Resource({ResourceNumber(16), ResourceNumber(1), 1041});
    for (std::size_t length = 0; length + 2 < dialog.size(); length += 7)
        EXPECT_THROW(trimora::pe::DecodeDialog(Bytes(dialog.begin(), dialog.begin() + std::ptrdiff_t(length))), PeError)
            << length;
    for (std::size_t length = 0; length + 2 < version.size(); length += 7) {
        Bytes cut(version.begin(), version.begin() + std::ptrdiff_t(length));
        EXPECT_THROW(trimora::pe::DecodeVersion(cut), PeError) << length;
    }
    EXPECT_THROW(image.Resource({ResourceNumber(5), ResourceNumber(102), 1033}), PeError);
}

TEST(Utf16Text, PairsSurrogatesAndRefusesLoneOnes) {
    EXPECT_EQ(trimora::pe::Utf16ToUtf8(u"\u5185\u5074"), "内側");
    EXPECT_EQ(trimora::pe::Utf16ToUtf8(std::u16string{0xD83D, 0xDE00}), "\U0001F600");
    EXPECT_THROW(trimora::pe::Utf16ToUtf8(std::u16string{0xD83D}), PeError);
    EXPECT_THROW(trimora::pe::Utf16ToUtf8(std::u16string{0xDE00, 0xD83D}), PeError);
}

}  // namespace
