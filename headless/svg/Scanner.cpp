// Tokens of SVG attribute micro-syntaxes.
#include "headless/svg/Scanner.h"

#include <charconv>
#include <cmath>

namespace headless::svg {

void Scanner::SkipSpaces() {
    while (!AtEnd() && IsSvgSpace(text_[pos_]))
        ++pos_;
}

void Scanner::SkipSeparator() {
    SkipSpaces();
    if (Peek() == ',') {
        ++pos_;
        SkipSpaces();
    }
}

bool Scanner::StartsNumber() const {
    const char ch = Peek();
    return (ch >= '0' && ch <= '9') || ch == '-' || ch == '+' || ch == '.';
}

bool Scanner::ReadNumber(double& value) {
    size_t start = pos_;
    if (Peek() == '+') {
        ++start;
        if (start < text_.size() && (text_[start] == '+' || text_[start] == '-')) return false;
    }
    const char* begin = text_.data() + start;
    const char* end = text_.data() + text_.size();
    auto [stop, ec] = std::from_chars(begin, end, value, std::chars_format::general);
    if (ec != std::errc() || !std::isfinite(value)) return false;
    pos_ = static_cast<size_t>(stop - text_.data());
    return true;
}

bool Scanner::ReadFlag(bool& value) {
    const char ch = Peek();
    if (ch != '0' && ch != '1') return false;
    value = ch == '1';
    ++pos_;
    return true;
}

std::string_view Scanner::ReadWord() {
    const size_t start = pos_;
    while (!AtEnd()) {
        const char ch = text_[pos_];
        if (!((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || ch == '-')) break;
        ++pos_;
    }
    return text_.substr(start, pos_ - start);
}

}  // namespace headless::svg
