// The host functions the module called, in order, so that a test can read back what happened.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace headless {

class CallLog {
public:
    // Names are the host's published ones ("AIArtSuite::NewArt") and live for the whole program.
    void Record(std::string_view name) {
        if (enabled_) calls_.push_back(name);
    }
    const std::vector<std::string_view>& Calls() const { return calls_; }
    std::size_t Count(std::string_view name) const;
    // The calls from position `mark` on, e.g. after remembering Calls().size().
    std::vector<std::string_view> Since(std::size_t mark) const;
    // Only the calls whose names start with `prefix` ("AIMenuSuite::"), in order.
    std::vector<std::string_view> Matching(std::string_view prefix) const;
    void Clear() { calls_.clear(); }
    // Long runs on big documents turn recording off to save memory.
    void SetEnabled(bool enabled) { enabled_ = enabled; }

private:
    std::vector<std::string_view> calls_;
    bool enabled_ = true;
};

}  // namespace headless
