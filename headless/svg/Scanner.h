// A cursor over SVG attribute text: numbers, flags, separators and words, as path data and transform lists need.
#pragma once

#include <string_view>

namespace headless::svg {

class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    size_t Position() const { return pos_; }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
    void Advance() { ++pos_; }
    void SkipSpaces();
    // Spaces, then at most one comma and the spaces after it.
    void SkipSeparator();
    // A number such as "-1.5e3" or ".5"; false (and nothing consumed) when none starts here.
    bool ReadNumber(double& value);
    // An arc flag: a lone '0' or '1', which needs no separator after it.
    bool ReadFlag(bool& value);
    // A run of letters and '-' (a function name such as "skewX").
    std::string_view ReadWord();
    bool StartsNumber() const;

private:
    std::string_view text_;
    size_t pos_ = 0;
};

inline bool IsSvgSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f';
}

}  // namespace headless::svg
