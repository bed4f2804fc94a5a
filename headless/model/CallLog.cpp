// Queries over the call log.
#include "headless/model/CallLog.h"

#include <algorithm>

namespace headless {

std::size_t CallLog::Count(std::string_view name) const {
    return static_cast<std::size_t>(std::count(calls_.begin(), calls_.end(), name));
}

std::vector<std::string_view> CallLog::Since(std::size_t mark) const {
    if (mark >= calls_.size()) return {};
    return {calls_.begin() + static_cast<std::ptrdiff_t>(mark), calls_.end()};
}

void CallLog::Describe(std::string_view more) {
    if (!enabled_ || arguments_.empty()) return;
    arguments_.back() += more;
}

std::vector<std::string> CallLog::ArgumentsOf(std::string_view name) const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < calls_.size(); ++i) {
        if (calls_[i] == name) out.push_back(arguments_[i]);
    }
    return out;
}

std::vector<std::string_view> CallLog::Matching(std::string_view prefix) const {
    std::vector<std::string_view> out;
    for (std::string_view c : calls_) {
        if (c.starts_with(prefix)) out.push_back(c);
    }
    return out;
}

}  // namespace headless
