// The host's preferences: integers and booleans by section and key.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "plugin/sdk/AITypes.h"

namespace headless {

constexpr AIErr kNoSuchPreferenceErr = FourCharErr("PRF?");  // a get of a preference never put

class PreferenceStore {
public:
    void PutInteger(const std::string& section, const std::string& key, ASInt32 v) { ints_[{section, key}] = v; }
    void PutBoolean(const std::string& section, const std::string& key, bool v) { bools_[{section, key}] = v; }
    std::optional<ASInt32> GetInteger(const std::string& section, const std::string& key) const {
        auto it = ints_.find({section, key});
        return it == ints_.end() ? std::nullopt : std::optional<ASInt32>(it->second);
    }
    std::optional<bool> GetBoolean(const std::string& section, const std::string& key) const {
        auto it = bools_.find({section, key});
        return it == bools_.end() ? std::nullopt : std::optional<bool>(it->second);
    }
    bool Empty() const { return ints_.empty() && bools_.empty(); }
    // Everything stored, by (section, key): for saving the store between runs.
    const std::map<std::pair<std::string, std::string>, ASInt32>& Integers() const { return ints_; }
    const std::map<std::pair<std::string, std::string>, bool>& Booleans() const { return bools_; }

private:
    std::map<std::pair<std::string, std::string>, ASInt32> ints_;
    std::map<std::pair<std::string, std::string>, bool> bools_;
};

}  // namespace headless
