// Token by token: text must match, numbers within the writer's precision.
#include "headless/svg/RoundingCompare.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace headless::svg {

namespace {

// Coordinates are written to 4 decimals and matrices to 8; a value read back and written again may land on the
// other side of a rounding step, and a placement derived again from rounded numbers moves a little further.
constexpr double kAbsoluteSlack = 2e-3;
constexpr double kRelativeSlack = 1e-6;

bool StartsNumber(const std::string& s, size_t at) {
    const char c = s[at];
    if (std::isdigit(static_cast<unsigned char>(c))) return true;
    return (c == '-' || c == '.') && at + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[at + 1]));
}

// A number at `at` when it does not continue a name (as in "id-2" or "x1").
bool NumberAt(const std::string& s, size_t at, double& value, size_t& end) {
    if (!StartsNumber(s, at)) return false;
    if (at > 0 && (std::isalnum(static_cast<unsigned char>(s[at - 1])) || s[at - 1] == '_')) return false;
    char* stop = nullptr;
    value = std::strtod(s.c_str() + at, &stop);
    end = static_cast<size_t>(stop - s.c_str());
    return end > at;
}

std::string Around(const std::string& s, size_t at) {
    const size_t from = at > 60 ? at - 60 : 0;
    return s.substr(from, 120);
}

}  // namespace

std::string DifferenceBeyondRounding(const std::string& first, const std::string& second) {
    size_t i = 0, j = 0;
    while (i < first.size() && j < second.size()) {
        double a, b;
        size_t endA, endB;
        if (NumberAt(first, i, a, endA) && NumberAt(second, j, b, endB)) {
            const double slack = kAbsoluteSlack + kRelativeSlack * std::max(std::fabs(a), std::fabs(b));
            if (!(std::fabs(a - b) <= slack) && !(a == b))
                return "numbers differ: ..." + Around(first, i) + "... against ..." + Around(second, j) + "...";
            i = endA;
            j = endB;
            continue;
        }
        if (first[i] != second[j])
            return "texts differ: ..." + Around(first, i) + "... against ..." + Around(second, j) + "...";
        ++i;
        ++j;
    }
    if (i < first.size() || j < second.size()) return "one text is longer: ..." + Around(first, i) + "...";
    return {};
}

}  // namespace headless::svg
