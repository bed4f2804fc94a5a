// The module's resource script as the stand-in reads it: dialog templates, bitmaps, raw resources, version record.
// Only the forms the module's script uses are understood; anything else is an error naming the line.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace headless::win32 {

class ResourceScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct DialogFont {
    int pointSize = 0;
    std::string typeface;
    int weight = 0;
    int italic = 0;
    int charset = 0;
};

struct ControlTemplate {
    std::string text;                // UTF-8; empty when the text is a resource ordinal
    std::optional<int> textOrdinal;  // e.g. the bitmap id of a picture control
    int id = 0;
    std::string className;  // predefined classes in upper case ("BUTTON", "STATIC"), others as written
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct DialogTemplate {
    int id = 0;
    int language = 0;  // Windows language id: primary | sublanguage << 10
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::string caption;
    DialogFont font;
    std::vector<ControlTemplate> controls;
};

struct BitmapResource {
    int id = 0;
    int language = 0;
    std::filesystem::path file;  // resolved against the script's folder
};

struct RawResource {
    int id = 0;
    std::string type;
    int language = 0;
    std::vector<std::uint8_t> bytes;
};

struct VersionResource {
    int id = 0;
    int language = 0;
    std::array<int, 4> fileVersion{};
    std::array<int, 4> productVersion{};
    std::map<std::string, std::string> strings;  // VALUE "name", "text" pairs of the string blocks
};

struct ResourceScript {
    std::vector<DialogTemplate> dialogs;
    std::vector<BitmapResource> bitmaps;
    std::vector<RawResource> rawResources;
    std::vector<VersionResource> versions;

    const DialogTemplate* FindDialog(int id) const;
    const BitmapResource* FindBitmap(int id) const;
    const RawResource* FindRaw(std::string_view type, int id) const;
};

// Reads a script and the local headers it includes; throws ResourceScriptError naming file and line.
ResourceScript LoadResourceScript(const std::filesystem::path& path);
// The same from text; included headers and bitmap files are looked up in baseDir.
ResourceScript ParseResourceScript(std::string_view text, const std::filesystem::path& baseDir,
                                   std::string_view fileName);

}  // namespace headless::win32
