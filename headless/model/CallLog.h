// The host functions the module called, in order, with what it passed, so that a test can read back what happened.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace headless {

class CallLog {
public:
    // Names are the host's published ones ("AIArtSuite::NewArt") and live for the whole program; `arguments` is
    // what the module passed, as the host describes it ("0x7f10, 2, null").
    void Record(std::string_view name, std::string arguments = {}) {
        if (!enabled_) return;
        calls_.push_back(name);
        arguments_.push_back(std::move(arguments));
    }
    // Adds to the last call's arguments what the function found behind a pointer it was passed.
    void Describe(std::string_view more);
    bool Enabled() const { return enabled_; }
    const std::vector<std::string_view>& Calls() const { return calls_; }
    // What the module passed to each call of `name`, in order.
    std::vector<std::string> ArgumentsOf(std::string_view name) const;
    std::size_t Count(std::string_view name) const;
    // The calls from position `mark` on, e.g. after remembering Calls().size().
    std::vector<std::string_view> Since(std::size_t mark) const;
    // Only the calls whose names start with `prefix` ("AIMenuSuite::"), in order.
    std::vector<std::string_view> Matching(std::string_view prefix) const;
    void Clear() {
        calls_.clear();
        arguments_.clear();
    }
    // Long runs on big documents turn recording off to save memory.
    void SetEnabled(bool enabled) { enabled_ = enabled; }

private:
    std::vector<std::string_view> calls_;
    std::vector<std::string> arguments_;  // one for each call
    bool enabled_ = true;
};

}  // namespace headless
