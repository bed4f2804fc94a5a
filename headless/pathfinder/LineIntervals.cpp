// Parameter intervals of clipped open outlines.
#include "headless/pathfinder/LineIntervals.h"

#include <algorithm>
#include <map>

namespace pathfinder {

bool CollectIntervals(ClipperLib::PolyTree& tree, RingMapper& mapper, int object, std::vector<Interval>& out) {
    ClipperLib::Paths lines;
    ClipperLib::OpenPathsFromPolyTree(tree, lines);
    for (const ClipperLib::Path& line : lines) {
        if (line.size() < 2) continue;
        // Each edge votes for the flat it lies on; the span is taken over the edges of the winning flat.
        std::map<int, Interval> spans;
        std::map<int, int> votes;
        int preferred = -1;
        for (std::size_t i = 0; i + 1 < line.size(); ++i) {
            const EdgeMatch m = mapper.MatchEdge(line[i], line[i + 1], preferred, object);
            if (m.flat < 0) continue;  // a vertex out of order: the neighbouring edges still cover the span
            preferred = m.flat;
            const PathParam lo = std::min(m.from, m.to), hi = std::max(m.from, m.to);
            auto [it, inserted] = spans.try_emplace(m.flat, Interval{m.flat, lo, hi});
            if (!inserted) {
                it->second.from = std::min(it->second.from, lo);
                it->second.to = std::max(it->second.to, hi);
            }
            ++votes[m.flat];
        }
        if (votes.empty()) return false;
        const auto winner = std::max_element(votes.begin(), votes.end(),
                                             [](const auto& a, const auto& b) { return a.second < b.second; });
        out.push_back(spans[winner->first]);
    }
    return true;
}

}  // namespace pathfinder
