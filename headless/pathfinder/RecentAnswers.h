// The answers worked out for the last few inputs. The module cuts many shapes against one region, and what is
// worked out for the region would otherwise be worked out again at every cut. An answer serves only an input of
// the very same content, so a region edited between two calls never gets its old form's answer.
#pragma once

#include <array>
#include <cstddef>

namespace pathfinder {

template <typename Input, typename Answer, std::size_t N>
class RecentAnswers {
public:
    // The answer for input: a kept one when same(kept input, input), else work(), kept in place of an entry other
    // than the one used last, so that the region stays while the shapes cut against it come and go.
    template <typename Same, typename Work>
    const Answer& Get(const Input& input, Same&& same, Work&& work) {
        for (std::size_t i = 0; i < filled_; ++i) {
            if (same(entries_[i].input, input)) {
                recent_ = i;
                return entries_[i].answer;
            }
        }
        recent_ = filled_ < N ? filled_++ : (recent_ + 1) % N;
        Entry& entry = entries_[recent_];
        entry.input = input;
        entry.answer = work();
        return entry.answer;
    }

private:
    struct Entry {
        Input input;
        Answer answer;
    };
    std::array<Entry, N> entries_;
    std::size_t filled_ = 0;
    std::size_t recent_ = 0;
};

}  // namespace pathfinder
