// Preferences as JSON. Integers stay JSON numbers and booleans JSON booleans, so that the file reads as the host's
// own store does and a hand edit of the wrong kind is noticed.
#include "headless/cli/PreferenceFile.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>

#include "headless/svg/AtomicFile.h"

namespace headless::app {

namespace {

std::filesystem::path HomeDirectory() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir) return entry->pw_dir;
    return ".";
}

bool IsInteger32(const nlohmann::json& value) {
    if (value.is_number_unsigned()) return value.get<std::uint64_t>() <= std::numeric_limits<ASInt32>::max();
    if (!value.is_number_integer()) return false;
    const std::int64_t v = value.get<std::int64_t>();
    return v >= std::numeric_limits<ASInt32>::min() && v <= std::numeric_limits<ASInt32>::max();
}

}  // namespace

std::filesystem::path DefaultPreferencesPath() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const std::filesystem::path base = configHome && std::filesystem::path(configHome).is_absolute()
                                           ? std::filesystem::path(configHome)
                                           : HomeDirectory() / ".config";
    return base / "trimora" / "preferences.json";
}

std::string LoadPreferences(const std::filesystem::path& path, PreferenceStore& store) {
    const std::string where = path.string() + ": ";
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) return {};
    if (std::filesystem::is_directory(path, error)) return where + "is a directory; using the default options\n";
    std::ifstream in(path, std::ios::binary);
    if (!in) return where + "cannot read: " + std::strerror(errno) + "; using the default options\n";
    std::stringstream text;
    text << in.rdbuf();

    const nlohmann::json document = nlohmann::json::parse(text.str(), nullptr, false);
    if (document.is_discarded()) return where + "is not valid JSON; using the default options\n";
    if (!document.is_object()) return where + "holds no preferences object; using the default options\n";
    std::string warnings;
    PreferenceStore loaded;
    for (const auto& [section, values] : document.items()) {
        if (!values.is_object()) {
            warnings += where + "section \"" + section + "\" is not an object; ignored\n";
            continue;
        }
        for (const auto& [key, value] : values.items()) {
            if (value.is_boolean()) {
                loaded.PutBoolean(section, key, value.get<bool>());
            } else if (IsInteger32(value)) {
                loaded.PutInteger(section, key, static_cast<ASInt32>(value.get<std::int64_t>()));
            } else {
                warnings +=
                    where + "\"" + section + "\" \"" + key + "\" is neither a boolean nor a 32-bit integer; ignored\n";
            }
        }
    }
    for (const auto& [name, value] : loaded.Integers())
        store.PutInteger(name.first, name.second, value);
    for (const auto& [name, value] : loaded.Booleans())
        store.PutBoolean(name.first, name.second, value);
    return warnings;
}

void SavePreferences(const std::filesystem::path& path, const PreferenceStore& store) {
    nlohmann::ordered_json document = nlohmann::ordered_json::object();
    for (const auto& [name, value] : store.Integers())
        document[name.first][name.second] = value;
    for (const auto& [name, value] : store.Booleans())
        document[name.first][name.second] = value;
    svg::WriteFileAtomically(path, document.dump(2) + "\n", true);
}

}  // namespace headless::app
