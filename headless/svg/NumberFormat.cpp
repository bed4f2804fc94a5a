// Fixed-precision number printing and strict number parsing.
#include "headless/svg/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

namespace headless::svg {

namespace {

// The shortest digits that read back as `value`, when they have at most `decimals` places and the value's spacing
// is finer than one unit of the last place: they are then the value rounded to `decimals` places, with no trailing
// zeros, and far cheaper to find than a rounding at a fixed precision.
std::to_chars_result ShortestWithin(char* first, char* last, double value, int decimals) {
    constexpr double kUnits[] = {1, 1e-1, 1e-2, 1e-3, 1e-4, 1e-5, 1e-6, 1e-7, 1e-8, 1e-9, 1e-10, 1e-11, 1e-12};
    constexpr std::to_chars_result kNotHere{nullptr, std::errc::value_too_large};
    if (decimals < 0 || decimals >= int(std::size(kUnits))) return kNotHere;
    if (!(std::fabs(value) * 0x1p-52 < kUnits[decimals])) return kNotHere;
    const std::to_chars_result r = std::to_chars(first, last, value, std::chars_format::fixed);
    if (r.ec != std::errc()) return r;
    const char* point = std::find(first, r.ptr, '.');
    return r.ptr - point - 1 > decimals ? kNotHere : r;
}

}  // namespace

void AppendNumber(std::string& out, double value, int decimals) {
    if (!std::isfinite(value)) value = 0;
    // Room for every finite double in fixed notation (up to 309 digits before the point).
    char buffer[400];
    std::to_chars_result r = ShortestWithin(buffer, buffer + sizeof buffer, value, decimals);
    if (r.ec != std::errc())
        r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    char* const end = r.ptr;
    if (r.ec != std::errc()) {
        out += '0';
        return;
    }
    char* last = end;
    for (char* p = buffer; p != end; ++p) {
        if (*p != '.') continue;
        while (last[-1] == '0')
            --last;
        if (last[-1] == '.') --last;
        break;
    }
    const std::string_view digits(buffer, static_cast<size_t>(last - buffer));
    out += digits == "-0" ? std::string_view("0") : digits;
}

std::string FormatNumber(double value, int decimals) {
    std::string out;
    AppendNumber(out, value, decimals);
    return out;
}

bool ParseNumber(std::string_view text, double& value) {
    while (!text.empty() &&
           (text.front() == ' ' || text.front() == '\t' || text.front() == '\n' || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\n' || text.back() == '\r'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

}  // namespace headless::svg
