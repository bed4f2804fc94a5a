#include "headless/cli/PhaseTimes.h"

#include <cstdio>
#include <ostream>

namespace headless::app {

PhaseTimes::~PhaseTimes() {
    if (!out_) return;
    EndPhase();
    if (!phases_.empty()) *out_ << Line() << "\n" << std::flush;
}

void PhaseTimes::Begin(std::string phase) {
    EndPhase();
    current_ = std::move(phase);
    start_ = std::chrono::steady_clock::now();
}

void PhaseTimes::EndPhase() {
    if (current_.empty()) return;
    phases_.emplace_back(std::move(current_),
                         std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count());
    current_.clear();
}

std::string PhaseTimes::Line() const {
    std::string line = "trimora: timings:";
    for (std::size_t i = 0; i < phases_.size(); ++i) {
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, " %.4f s", phases_[i].second);
        line += (i ? ", " : " ") + phases_[i].first + seconds;
    }
    return line;
}

}  // namespace headless::app
