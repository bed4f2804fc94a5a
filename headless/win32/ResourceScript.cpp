// Parsing the resource script: the statements the module's script uses, with the names of the system headers
// it relies on. The styles come out as the resource compiler would store them.
#include "headless/win32/ResourceScript.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <unordered_map>

#include "headless/win32/ResourceScriptLexer.h"
#include "headless/win32/WindowStyles.h"

namespace headless::win32 {

namespace {

// Names the script takes from the system's resource headers.
const std::unordered_map<std::string, std::int64_t>& SystemNames() {
    static const std::unordered_map<std::string, std::int64_t> names = {
        {"WS_POPUP", kWsPopup},
        {"WS_CHILD", kWsChild},
        {"WS_VISIBLE", kWsVisible},
        {"WS_DISABLED", kWsDisabled},
        {"WS_BORDER", kWsBorder},
        {"WS_DLGFRAME", kWsDlgFrame},
        {"WS_CAPTION", kWsCaption},
        {"WS_SYSMENU", kWsSysMenu},
        {"WS_GROUP", kWsGroup},
        {"WS_TABSTOP", kWsTabStop},
        {"DS_FIXEDSYS", kDsFixedSys},
        {"DS_SETFONT", kDsSetFont},
        {"DS_MODALFRAME", kDsModalFrame},
        {"DS_CENTER", kDsCenter},
        {"WS_EX_NOPARENTNOTIFY", kWsExNoParentNotify},
        {"BS_PUSHBUTTON", kBsPushButton},
        {"BS_DEFPUSHBUTTON", kBsDefPushButton},
        {"BS_CHECKBOX", kBsCheckBox},
        {"BS_AUTOCHECKBOX", kBsAutoCheckBox},
        {"BS_RADIOBUTTON", kBsRadioButton},
        {"BS_3STATE", kBs3State},
        {"BS_AUTO3STATE", kBsAuto3State},
        {"BS_GROUPBOX", kBsGroupBox},
        {"BS_AUTORADIOBUTTON", kBsAutoRadioButton},
        {"SS_LEFT", kSsLeft},
        {"SS_CENTER", kSsCenter},
        {"SS_RIGHT", kSsRight},
        {"SS_ICON", kSsIcon},
        {"SS_BITMAP", kSsBitmap},
        {"SS_NOTIFY", kSsNotify},
        {"IDOK", 1},
        {"IDCANCEL", 2},
        {"IDC_STATIC", -1},
        {"LANG_NEUTRAL", 0x00},
        {"LANG_ENGLISH", 0x09},
        {"LANG_JAPANESE", 0x11},
        {"SUBLANG_NEUTRAL", 0},
        {"SUBLANG_DEFAULT", 1},
        {"SUBLANG_ENGLISH_US", 1},
        {"VS_VERSION_INFO", 1},
        {"VS_FFI_FILEFLAGSMASK", 0x3F},
        {"VS_FF_DEBUG", 1},
        {"VOS_NT_WINDOWS32", 0x40004},
        {"VFT_APP", 1},
        {"VFT_DLL", 2},
        {"VFT2_UNKNOWN", 0},
    };
    return names;
}

std::string CanonicalClassName(const std::string& name) {
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    // The resource compiler stores the predefined classes as numbers, so their spelling is not kept.
    for (const char* predefined : {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"}) {
        if (upper == predefined) return upper;
    }
    return name;
}

class Parser {
public:
    Parser(std::vector<Token> tokens, std::filesystem::path baseDir, std::string_view fileName)
        : tokens_(std::move(tokens)), baseDir_(std::move(baseDir)), fileName_(fileName) {}

    ResourceScript Parse() {
        ResourceScript script;
        while (Peek().kind != Token::Kind::End) {
            if (IsWord("LANGUAGE")) {
                Next();
                language_ = ParseLanguage();
                continue;
            }
            const int id = static_cast<int>(ParseExpression());
            const Token type = Next();
            if (type.kind != Token::Kind::Identifier && type.kind != Token::Kind::Number) Fail(type, "resource type");
            if (type.text == "DIALOGEX") {
                script.dialogs.push_back(ParseDialog(id));
            } else if (type.text == "BITMAP") {
                script.bitmaps.push_back({id, language_, baseDir_ / ExpectString("bitmap file name")});
            } else if (type.text == "VERSIONINFO") {
                script.versions.push_back(ParseVersion(id));
            } else if (type.text == "DIALOG" || type.text == "MENU" || type.text == "ICON" || type.text == "CURSOR" ||
                       type.text == "STRINGTABLE" || type.text == "ACCELERATORS") {
                Fail(type, "a resource type the stand-in reads (" + type.text + " is not one)");
            } else {
                const std::string typeName = type.kind == Token::Kind::Number ? std::to_string(type.number) : type.text;
                script.rawResources.push_back({id, typeName, language_, ParseRawData()});
            }
        }
        return script;
    }

private:
    [[noreturn]] void Fail(const Token& at, const std::string& expected) const {
        std::string found = at.kind == Token::Kind::End      ? "the end of the file"
                            : at.kind == Token::Kind::String ? "\"" + at.text + "\""
                            : at.kind == Token::Kind::Number ? std::to_string(at.number)
                                                             : at.text;
        throw ResourceScriptError(fileName_ + ":" + std::to_string(at.line) + ": expected " + expected + ", found " +
                                  found);
    }

    const Token& Peek(std::size_t ahead = 0) const { return tokens_[std::min(index_ + ahead, tokens_.size() - 1)]; }
    Token Next() {
        const Token& token = Peek();
        if (index_ < tokens_.size() - 1) ++index_;
        return token;
    }
    bool IsWord(std::string_view word, std::size_t ahead = 0) const {
        return Peek(ahead).kind == Token::Kind::Identifier && Peek(ahead).text == word;
    }
    bool IsPunct(std::string_view punct) const { return Peek().kind == Token::Kind::Punct && Peek().text == punct; }
    void Expect(std::string_view punct) {
        if (!IsPunct(punct)) Fail(Peek(), "'" + std::string(punct) + "'");
        Next();
    }
    bool SkipComma() {
        if (!IsPunct(",")) return false;
        Next();
        return true;
    }
    std::string ExpectString(const std::string& what) {
        if (Peek().kind != Token::Kind::String) Fail(Peek(), what);
        if (Peek().wideString) Fail(Peek(), what + " as a narrow string");
        return Next().text;
    }
    void ExpectBegin() {
        if (IsWord("BEGIN") || IsPunct("{")) {
            Next();
            return;
        }
        Fail(Peek(), "BEGIN");
    }
    bool AtEnd() const { return IsWord("END") || IsPunct("}"); }

    std::int64_t ParsePrimary() {
        const Token token = Next();
        if (token.kind == Token::Kind::Number) return token.number;
        if (token.kind == Token::Kind::Punct && token.text == "-") return -ParsePrimary();
        if (token.kind == Token::Kind::Punct && token.text == "~") return ~ParsePrimary();
        if (token.kind == Token::Kind::Punct && token.text == "(") {
            const std::int64_t value = ParseExpression();
            Expect(")");
            return value;
        }
        if (token.kind == Token::Kind::Identifier) {
            const auto name = SystemNames().find(token.text);
            if (name != SystemNames().end()) return name->second;
            Fail(token, "a number or a known name (" + token.text + " is not defined)");
        }
        Fail(token, "a number");
    }

    std::int64_t ParseExpression() {
        std::int64_t value = ParsePrimary();
        while (IsPunct("|") || IsPunct("+") || IsPunct("-") || IsPunct("&")) {
            const std::string op = Next().text;
            const std::int64_t right = ParsePrimary();
            value = op == "|" ? (value | right) : op == "+" ? value + right : op == "-" ? value - right : value & right;
        }
        return value;
    }

    // A style list: flags joined by '|', where "NOT flag" clears a flag of the starting value.
    std::uint32_t ParseStyle(std::uint32_t start) {
        std::uint32_t style = start;
        do {
            if (IsWord("NOT")) {
                Next();
                style &= ~static_cast<std::uint32_t>(ParsePrimary());
            } else {
                style |= static_cast<std::uint32_t>(ParsePrimary());
            }
        } while (IsPunct("|") && (Next(), true));
        return style;
    }

    int ParseInt() { return static_cast<int>(ParseExpression()); }

    int ParseLanguage() {
        const int primary = ParseInt();
        Expect(",");
        const int sub = ParseInt();
        return primary | (sub << 10);
    }

    DialogTemplate ParseDialog(int id) {
        DialogTemplate dialog;
        dialog.id = id;
        dialog.language = language_;
        dialog.x = ParseInt();
        Expect(",");
        dialog.y = ParseInt();
        Expect(",");
        dialog.width = ParseInt();
        Expect(",");
        dialog.height = ParseInt();
        if (SkipComma()) ParseInt();  // help id

        // Without a STYLE statement the compiler gives a dialog a bordered pop-up with a system menu.
        std::uint32_t style = kWsPopup | kWsBorder | kWsSysMenu;
        bool hasCaption = false, hasFont = false;
        while (!IsWord("BEGIN") && !IsPunct("{")) {
            const Token statement = Next();
            if (statement.text == "STYLE") {
                style = ParseStyle(0);
            } else if (statement.text == "EXSTYLE") {
                dialog.exStyle = ParseStyle(0);
            } else if (statement.text == "CAPTION") {
                dialog.caption = ExpectString("caption");
                hasCaption = true;
            } else if (statement.text == "FONT") {
                dialog.font = ParseFont();
                hasFont = true;
            } else if (statement.text == "LANGUAGE") {
                dialog.language = ParseLanguage();
            } else {
                Fail(statement, "a dialog statement (STYLE, EXSTYLE, CAPTION, FONT, LANGUAGE) or BEGIN");
            }
        }
        // The compiler adds these two for a caption and a font.
        dialog.style = style | (hasCaption ? kWsCaption : 0) | (hasFont ? kDsSetFont : 0);
        ExpectBegin();
        while (!AtEnd())
            dialog.controls.push_back(ParseControl());
        Next();
        return dialog;
    }

    DialogFont ParseFont() {
        DialogFont font;
        font.pointSize = ParseInt();
        Expect(",");
        font.typeface = ExpectString("font name");
        if (SkipComma()) font.weight = ParseInt();
        if (SkipComma()) font.italic = ParseInt();
        if (SkipComma()) font.charset = ParseInt();
        return font;
    }

    ControlTemplate ParseControl() {
        if (!IsWord("CONTROL")) Fail(Peek(), "a CONTROL statement (other control statements are not read)");
        Next();
        ControlTemplate control;
        if (Peek().kind == Token::Kind::String) {
            control.text = ExpectString("control text");
        } else {
            control.textOrdinal = ParseInt();
        }
        Expect(",");
        control.id = ParseInt();
        Expect(",");
        if (Peek().kind == Token::Kind::String) {
            control.className = CanonicalClassName(ExpectString("class name"));
        } else if (Peek().kind == Token::Kind::Identifier) {
            control.className = CanonicalClassName(Next().text);
        } else {
            Fail(Peek(), "class name");
        }
        Expect(",");
        // Every control is a visible child unless its style says NOT WS_VISIBLE.
        control.style = ParseStyle(kWsChild | kWsVisible);
        Expect(",");
        control.x = ParseInt();
        Expect(",");
        control.y = ParseInt();
        Expect(",");
        control.width = ParseInt();
        Expect(",");
        control.height = ParseInt();
        if (SkipComma()) control.exStyle = ParseStyle(0);
        if (SkipComma()) ParseInt();  // help id
        return control;
    }

    std::array<int, 4> ParseVersionNumber() {
        std::array<int, 4> parts{};
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (i > 0) Expect(",");
            parts[i] = ParseInt();
        }
        return parts;
    }

    VersionResource ParseVersion(int id) {
        VersionResource version;
        version.id = id;
        version.language = language_;
        while (!IsWord("BEGIN") && !IsPunct("{")) {
            const Token statement = Next();
            if (statement.text == "FILEVERSION") {
                version.fileVersion = ParseVersionNumber();
            } else if (statement.text == "PRODUCTVERSION") {
                version.productVersion = ParseVersionNumber();
            } else if (statement.text == "FILEFLAGSMASK" || statement.text == "FILEFLAGS" ||
                       statement.text == "FILEOS" || statement.text == "FILETYPE" || statement.text == "FILESUBTYPE") {
                ParseExpression();
            } else {
                Fail(statement, "a version statement or BEGIN");
            }
        }
        ParseVersionBlock(version);
        return version;
    }

    void ParseVersionBlock(VersionResource& version) {
        ExpectBegin();
        while (!AtEnd()) {
            const Token statement = Next();
            if (statement.text == "BLOCK") {
                ExpectString("block name");
                ParseVersionBlock(version);
            } else if (statement.text == "VALUE") {
                const std::string name = ExpectString("value name");
                Expect(",");
                if (Peek().kind == Token::Kind::String) {
                    version.strings[name] = ExpectString("value");
                } else {
                    do
                        ParseExpression();
                    while (SkipComma());
                }
            } else {
                Fail(statement, "BLOCK, VALUE or END");
            }
        }
        Next();
    }

    // Numbers are 16-bit words, or 32-bit with the L suffix; strings give their bytes without a terminator.
    std::vector<std::uint8_t> ParseRawData() {
        std::vector<std::uint8_t> bytes;
        ExpectBegin();
        while (!AtEnd()) {
            if (Peek().kind == Token::Kind::String) {
                const std::string text = ExpectString("raw data");
                bytes.insert(bytes.end(), text.begin(), text.end());
            } else {
                const bool negative = IsPunct("-") && (Next(), true);
                const Token number = Next();
                if (number.kind != Token::Kind::Number) Fail(number, "a number or a string in raw data");
                const auto value = static_cast<std::uint32_t>(negative ? -number.number : number.number);
                const int width = number.longNumber ? 4 : 2;
                for (int i = 0; i < width; ++i)
                    bytes.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu));
            }
            SkipComma();
        }
        Next();
        return bytes;
    }

    std::vector<Token> tokens_;
    std::size_t index_ = 0;
    std::filesystem::path baseDir_;
    std::string fileName_;
    int language_ = 0;
};

template <typename Resource>
const Resource* FindById(const std::vector<Resource>& resources, int id) {
    const auto found = std::find_if(resources.begin(), resources.end(), [id](const Resource& r) { return r.id == id; });
    return found == resources.end() ? nullptr : &*found;
}

}  // namespace

const DialogTemplate* ResourceScript::FindDialog(int id) const {
    return FindById(dialogs, id);
}
const BitmapResource* ResourceScript::FindBitmap(int id) const {
    return FindById(bitmaps, id);
}

const RawResource* ResourceScript::FindRaw(std::string_view type, int id) const {
    for (const RawResource& resource : rawResources) {
        if (resource.type == type && resource.id == id) return &resource;
    }
    return nullptr;
}

ResourceScript ParseResourceScript(std::string_view text, const std::filesystem::path& baseDir,
                                   std::string_view fileName) {
    Parser parser(TokenizeResourceScript(text, baseDir, fileName), baseDir, fileName);
    return parser.Parse();
}

ResourceScript LoadResourceScript(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw ResourceScriptError("cannot open resource script " + path.string());
    std::ostringstream content;
    content << file.rdbuf();
    return ParseResourceScript(content.str(), path.parent_path(), path.string());
}

}  // namespace headless::win32
