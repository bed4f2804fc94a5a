// The host's preferences between runs of the command: a JSON file under the user's configuration directory,
// one object per section holding its integers and booleans.
#pragma once

#include <filesystem>
#include <string>

#include "headless/model/PreferenceStore.h"

namespace headless::app {

// $XDG_CONFIG_HOME/trimora/preferences.json; ~/.config when the variable is unset, empty or relative.
std::filesystem::path DefaultPreferencesPath();

// Fills `store` from the file. A missing file leaves the store as it was and is no warning; a file that cannot
// be read or is not a preferences object gives a warning and loads nothing; a value of an unknown kind is
// skipped with a warning. Returns the warnings, one a line, empty when there are none.
std::string LoadPreferences(const std::filesystem::path& path, PreferenceStore& store);

// Writes the whole store, atomically; throws svg::FileWriteError.
void SavePreferences(const std::filesystem::path& path, const PreferenceStore& store);

}  // namespace headless::app
