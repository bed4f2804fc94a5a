// Tokens of a resource script after its preprocessor lines: comments dropped, local headers' #defines applied,
// conditionals resolved, defined names replaced by their tokens.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace headless::win32 {

struct Token {
    enum class Kind { Number, String, Identifier, Punct, End };
    Kind kind = Kind::End;
    std::string text;         // identifier or punctuation; a string's bytes with escapes resolved
    std::int64_t number = 0;  // value of a number
    bool longNumber = false;  // a number with the L suffix: four bytes in raw data instead of two
    bool wideString = false;  // L"..."
    int line = 0;
};

// Throws ResourceScriptError for what it cannot read.
std::vector<Token> TokenizeResourceScript(std::string_view text, const std::filesystem::path& baseDir,
                                          std::string_view fileName);

}  // namespace headless::win32
