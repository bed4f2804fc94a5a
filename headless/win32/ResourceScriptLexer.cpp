// Reading a resource script into tokens, with the small part of the preprocessor that resource scripts use.
#include "headless/win32/ResourceScriptLexer.h"

#include <cctype>
#include <fstream>
#include <map>
#include <sstream>

#include "headless/win32/ResourceScript.h"

namespace headless::win32 {

namespace {

bool IsIdentifierStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsIdentifierChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

class Lexer {
public:
    explicit Lexer(const std::filesystem::path& baseDir) : baseDir_(baseDir) {}

    // Tokens of a file; with keepTokens false only its preprocessor lines count, as the resource compiler
    // treats included headers.
    std::vector<Token> Run(std::string_view text, std::string_view fileName, bool keepTokens, int depth) {
        text_ = text;
        fileName_ = fileName;
        pos_ = 0;
        line_ = 1;
        std::vector<Token> tokens;
        bool lineStart = true;
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
                lineStart = true;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos_;
            } else if (StartsWith("//")) {
                while (pos_ < text_.size() && text_[pos_] != '\n')
                    ++pos_;
            } else if (StartsWith("/*")) {
                SkipBlockComment();
            } else if (c == '#' && lineStart) {
                Directive(depth);
            } else if (!keepTokens) {
                lineStart = false;
                ++pos_;  // declarations in a header mean nothing to the resource compiler
            } else {
                lineStart = false;
                Token token = ReadToken();
                if (Active()) Expand(std::move(token), tokens, 0);
            }
        }
        if (!conditions_.empty()) Fail("#if without #endif");
        tokens.push_back(Token{Token::Kind::End, {}, 0, false, false, line_});
        return tokens;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw ResourceScriptError(std::string(fileName_) + ":" + std::to_string(line_) + ": " + what);
    }

    bool StartsWith(std::string_view prefix) const { return text_.substr(pos_).starts_with(prefix); }
    bool Active() const {
        for (bool condition : conditions_) {
            if (!condition) return false;
        }
        return true;
    }

    void SkipBlockComment() {
        const std::size_t end = text_.find("*/", pos_ + 2);
        if (end == std::string_view::npos) Fail("unterminated comment");
        for (std::size_t i = pos_; i < end; ++i)
            line_ += text_[i] == '\n' ? 1 : 0;
        pos_ = end + 2;
    }

    std::string RestOfLine() {
        std::string rest;
        while (pos_ < text_.size() && text_[pos_] != '\n') {
            if (StartsWith("//")) {
                while (pos_ < text_.size() && text_[pos_] != '\n')
                    ++pos_;
                break;
            }
            rest += text_[pos_++];
        }
        return rest;
    }

    void Directive(int depth) {
        ++pos_;
        const std::string line = RestOfLine();
        std::istringstream words(line);
        std::string keyword, name;
        words >> keyword >> name;
        if (keyword == "ifdef" || keyword == "ifndef") {
            conditions_.push_back(macros_.contains(name) == (keyword == "ifdef"));
        } else if (keyword == "else") {
            if (conditions_.empty()) Fail("#else without #if");
            conditions_.back() = !conditions_.back();
        } else if (keyword == "endif") {
            if (conditions_.empty()) Fail("#endif without #if");
            conditions_.pop_back();
        } else if (!Active() || keyword == "pragma") {
            // Skipped lines, and pragmas: the script is read as UTF-8 whatever its code page says.
        } else if (keyword == "define") {
            Define(line, name);
        } else if (keyword == "undef") {
            macros_.erase(name);
        } else if (keyword == "include") {
            Include(name, depth);
        } else {
            Fail("unsupported preprocessor line #" + keyword);
        }
    }

    void Define(const std::string& line, const std::string& name) {
        if (name.empty() || !IsIdentifierStart(name[0])) Fail("#define without a name");
        if (name.find('(') != std::string::npos) Fail("macros with parameters are not supported: " + name);
        const std::size_t valueStart = line.find(name, line.find("define") + 6) + name.size();
        Lexer valueLexer(baseDir_);
        valueLexer.macros_ = macros_;
        std::vector<Token> value = valueLexer.Run(line.substr(valueStart), fileName_, true, 0);
        value.pop_back();  // the End token
        for (Token& token : value)
            token.line = line_;
        macros_[name] = std::move(value);
    }

    void Include(const std::string& name, int depth) {
        if (name.size() >= 2 && name.front() == '<') return;  // system headers: the stand-in knows their names
        if (name.size() < 2 || name.front() != '"' || name.back() != '"') Fail("cannot read #include " + name);
        if (depth > 8) Fail("headers included too deeply");
        const std::filesystem::path path = baseDir_ / name.substr(1, name.size() - 2);
        std::ifstream file(path, std::ios::binary);
        if (!file) Fail("cannot open included header " + path.string());
        std::ostringstream content;
        content << file.rdbuf();
        const std::string headerText = content.str();

        Lexer header(path.parent_path());
        header.macros_ = std::move(macros_);
        header.Run(headerText, path.filename().string(), false, depth + 1);
        macros_ = std::move(header.macros_);
    }

    void Expand(Token token, std::vector<Token>& out, int depth) {
        const auto macro = token.kind == Token::Kind::Identifier ? macros_.find(token.text) : macros_.end();
        if (macro == macros_.end()) {
            out.push_back(std::move(token));
            return;
        }
        if (depth > 16) Fail("macro " + token.text + " expands without end");
        for (Token replacement : macro->second) {
            replacement.line = token.line;
            Expand(std::move(replacement), out, depth + 1);
        }
    }

    Token ReadToken() {
        Token token;
        token.line = line_;
        const char c = text_[pos_];
        if ((c == 'L' || c == 'l') && pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
            ++pos_;
            token = ReadString();
            token.wideString = true;
        } else if (c == '"') {
            token = ReadString();
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            token = ReadNumber();
        } else if (IsIdentifierStart(c)) {
            token.kind = Token::Kind::Identifier;
            while (pos_ < text_.size() && IsIdentifierChar(text_[pos_]))
                token.text += text_[pos_++];
        } else if (std::string_view(",|()-+~{}&").find(c) != std::string_view::npos) {
            token.kind = Token::Kind::Punct;
            token.text = std::string(1, c);
            ++pos_;
        } else {
            Fail(std::string("unexpected character '") + c + "'");
        }
        return token;
    }

    Token ReadNumber() {
        Token token{Token::Kind::Number, {}, 0, false, false, line_};
        int base = 10;
        if (StartsWith("0x") || StartsWith("0X")) {
            base = 16;
            pos_ += 2;
        } else if (StartsWith("0o") || StartsWith("0O")) {
            base = 8;
            pos_ += 2;
        }
        bool anyDigit = false;
        while (pos_ < text_.size() && std::isxdigit(static_cast<unsigned char>(text_[pos_]))) {
            const char d = static_cast<char>(std::tolower(static_cast<unsigned char>(text_[pos_])));
            const int digit = std::isdigit(static_cast<unsigned char>(d)) ? d - '0' : d - 'a' + 10;
            if (digit >= base) Fail("bad digit in number");
            token.number = token.number * base + digit;
            if (token.number > 0xFFFFFFFFll) Fail("number too large");
            anyDigit = true;
            ++pos_;
        }
        if (!anyDigit) Fail("number without digits");
        while (pos_ < text_.size() && std::string_view("LlUu").find(text_[pos_]) != std::string_view::npos) {
            token.longNumber = token.longNumber || text_[pos_] == 'L' || text_[pos_] == 'l';
            ++pos_;
        }
        if (pos_ < text_.size() && IsIdentifierChar(text_[pos_])) Fail("bad suffix on number");
        return token;
    }

    Token ReadString() {
        Token token{Token::Kind::String, {}, 0, false, false, line_};
        ++pos_;  // opening quote
        while (true) {
            if (pos_ >= text_.size() || text_[pos_] == '\n') Fail("unterminated string");
            const char c = text_[pos_++];
            if (c == '"') {
                if (pos_ < text_.size() && text_[pos_] == '"') {  // "" stands for one quote
                    token.text += '"';
                    ++pos_;
                    continue;
                }
                return token;
            }
            if (c != '\\') {
                token.text += c;
                continue;
            }
            if (pos_ >= text_.size()) Fail("unterminated string");
            token.text += Escape();
        }
    }

    char Escape() {
        const char c = text_[pos_++];
        switch (c) {
            case 'n':
                return '\n';
            case 't':
                return '\t';
            case 'r':
                return '\r';
            case 'a':
                return '\a';
            case '\\':
                return '\\';
            case '"':
                return '"';
            case 'x': {
                int value = 0, digits = 0;
                while (digits < 2 && pos_ < text_.size() && std::isxdigit(static_cast<unsigned char>(text_[pos_]))) {
                    const char d = static_cast<char>(std::tolower(static_cast<unsigned char>(text_[pos_++])));
                    value = value * 16 + (std::isdigit(static_cast<unsigned char>(d)) ? d - '0' : d - 'a' + 10);
                    ++digits;
                }
                if (digits == 0) Fail("\\x without digits");
                return static_cast<char>(value);
            }
            default:
                if (c >= '0' && c <= '7') {
                    int value = c - '0';
                    for (int digits = 1; digits < 3 && pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '7';
                         ++digits) {
                        value = value * 8 + (text_[pos_++] - '0');
                    }
                    if (value > 0xFF) Fail("octal escape out of range");
                    return static_cast<char>(value);
                }
                Fail(std::string("unknown escape \\") + c);
        }
    }

    std::filesystem::path baseDir_;
    std::string_view text_;
    std::string_view fileName_;
    std::size_t pos_ = 0;
    int line_ = 1;
    std::map<std::string, std::vector<Token>> macros_;
    std::vector<bool> conditions_;
};

}  // namespace

std::vector<Token> TokenizeResourceScript(std::string_view text, const std::filesystem::path& baseDir,
                                          std::string_view fileName) {
    Lexer lexer(baseDir);
    return lexer.Run(text, fileName, true, 0);
}

}  // namespace headless::win32
