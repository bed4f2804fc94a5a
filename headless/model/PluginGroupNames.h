// Plug-in groups the host knows, by name. A group's handle and the name it answers stay valid as long as the
// application lives, so groups are never removed.
#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "headless/model/HandleCodec.h"
#include "plugin/sdk/AITypes.h"

namespace headless {

class PluginGroupNames {
public:
    AIPluginGroupHandle Intern(const std::string& name) {
        std::uint32_t slot = 0;
        while (slot < names_.size() && names_[slot] != name)
            ++slot;
        if (slot == names_.size()) names_.push_back(name);  // a deque keeps earlier names where they are
        return reinterpret_cast<AIPluginGroupHandle>(
            static_cast<std::uintptr_t>(EncodeHandle(HandleKind::kPluginGroup, 0, slot, kGeneration)));
    }

    // Null for a handle that names no group.
    const std::string* Find(AIPluginGroupHandle h) const {
        if (!h) return nullptr;
        const DecodedHandle d = DecodeHandle(static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(h)));
        if (d.kind != HandleKind::kPluginGroup || d.owner != 0 || d.generation != kGeneration) return nullptr;
        return d.slot < names_.size() ? &names_[d.slot] : nullptr;
    }

private:
    static constexpr std::uint32_t kGeneration = 1;
    std::deque<std::string> names_;
};

}  // namespace headless
