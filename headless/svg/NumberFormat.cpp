// Fixed-precision number printing and strict number parsing.
#include "headless/svg/NumberFormat.h"

#include <charconv>
#include <cmath>

namespace headless::svg {

void AppendNumber(std::string& out, double value, int decimals) {
    if (!std::isfinite(value)) value = 0;
    // Room for every finite double in fixed notation (up to 309 digits before the point).
    char buffer[400];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc()) {
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
