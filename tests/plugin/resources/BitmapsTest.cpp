// The dialog pictures: the committed files are what the drawing program makes, in the agreed bitmap format.
#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdint>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "headless/win32/ResourceScript.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t Read32(const Bytes& bytes, std::size_t at) {
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (std::uint32_t(bytes[at + 3]) << 24);
}
std::uint16_t Read16(const Bytes& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

const headless::win32::ResourceScript& Script() {
    static const auto script = headless::win32::LoadResourceScript(TRIMORA_RESOURCES_DIR "/trimora.rc");
    return script;
}

TEST(Bitmaps, ScriptNamesBothPicturesInJapanese) {
    for (int id : {103, 104}) {
        const auto* bitmap = Script().FindBitmap(id);
        ASSERT_NE(bitmap, nullptr) << id;
        EXPECT_EQ(bitmap->language, 1041);
        EXPECT_TRUE(std::filesystem::exists(bitmap->file)) << bitmap->file;
    }
}

TEST(Bitmaps, AreSixteenColourUncompressedAtTheAgreedSize) {
    for (int id : {103, 104}) {
        SCOPED_TRACE(id);
        const Bytes bmp = ReadFile(Script().FindBitmap(id)->file);
        ASSERT_GE(bmp.size(), 118u);
        EXPECT_EQ(bmp[0], 'B');
        EXPECT_EQ(bmp[1], 'M');
        EXPECT_EQ(Read32(bmp, 2), bmp.size());
        EXPECT_EQ(Read32(bmp, 10), 14u + 40u + 16u * 4u);  // pixels right after the 16-entry palette
        EXPECT_EQ(Read32(bmp, 14), 40u);                   // BITMAPINFOHEADER
        EXPECT_EQ(Read32(bmp, 18), 170u);
        EXPECT_EQ(Read32(bmp, 22), 52u);
        EXPECT_EQ(Read16(bmp, 26), 1);
        EXPECT_EQ(Read16(bmp, 28), 4);
        EXPECT_EQ(Read32(bmp, 30), 0u);  // BI_RGB
        EXPECT_EQ(Read32(bmp, 46), 16u);
        // Rows of 170 four-bit pixels take 85 bytes, stored padded to 88.
        EXPECT_EQ(bmp.size(), 118u + 88u * 52u);
    }
}

TEST(Bitmaps, PicturesDifferAndUseTheRegionColours) {
    const Bytes inside = ReadFile(Script().FindBitmap(103)->file);
    const Bytes outside = ReadFile(Script().FindBitmap(104)->file);
    EXPECT_NE(inside, outside);
    // The left halves (the "before" picture and the arrow) are the same; only the results differ.
    for (std::size_t row = 0; row < 52; ++row) {
        const std::size_t start = 118 + row * 88;
        EXPECT_TRUE(std::equal(inside.begin() + start, inside.begin() + start + 45, outside.begin() + start)) << row;
    }
}

TEST(Bitmaps, DrawingProgramMakesTheCommittedFiles) {
    const std::filesystem::path folder =
        std::filesystem::path(::testing::TempDir()) / ("bitmaps-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string command = std::string("\"") + TRIMORA_DRAW_BITMAPS + "\" \"" + folder.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const char* name : {"inside.bmp", "outside.bmp"}) {
        const Bytes drawn = ReadFile(folder / name);
        const Bytes committed = ReadFile(std::filesystem::path(TRIMORA_RESOURCES_DIR) / name);
        EXPECT_FALSE(drawn.empty()) << name;
        EXPECT_TRUE(drawn == committed) << name << " differs from what the drawing program makes now; "
                                        << "run trimora_draw_bitmaps plugin/resources and commit the result";
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
