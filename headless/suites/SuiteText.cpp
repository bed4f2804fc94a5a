// Conversions through iconv (Windows' own code pages on Windows) for the platform encoding, and the UTF-8 form of
// the host's Unicode strings.
#include "headless/suites/SuiteText.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

#include <cerrno>
#include <climits>
#include <optional>

#include "headless/suites/HostEntry.h"
#include "headless/suites/UnicodeStrings.h"
#include "headless/suites/Utf.h"

namespace headless::suitetext {
namespace {

#ifdef _WIN32
// Windows converts by way of UTF-16 between code pages named as iconv names them: "UTF-8" or "CPnnn".
class Converter {
public:
    Converter(const std::string& to, const std::string& from) : to_(CodePage(to)), from_(CodePage(from)) {}

    std::string Convert(std::string_view in) const {
        if (in.empty()) return {};
        if (in.size() > INT_MAX) Throw(kBadParameterErr);
        const int inLength = static_cast<int>(in.size());
        const int wideLength = MultiByteToWideChar(from_, MB_ERR_INVALID_CHARS, in.data(), inLength, nullptr, 0);
        if (wideLength <= 0) Throw(kBadParameterErr);
        std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
        MultiByteToWideChar(from_, MB_ERR_INVALID_CHARS, in.data(), inLength, wide.data(), wideLength);
        // A character the target cannot hold is an error, as it is to iconv, not a question mark.
        BOOL lossy = FALSE;
        BOOL* const lossyOut = to_ == CP_UTF8 ? nullptr : &lossy;
        const DWORD flags = to_ == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
        const int outLength = WideCharToMultiByte(to_, flags, wide.data(), wideLength, nullptr, 0, nullptr, lossyOut);
        if (outLength <= 0 || lossy) Throw(kBadParameterErr);
        std::string out(static_cast<std::size_t>(outLength), '\0');
        WideCharToMultiByte(to_, flags, wide.data(), wideLength, out.data(), outLength, nullptr, nullptr);
        return out;
    }

private:
    static UINT CodePage(const std::string& name) {
        if (name == "UTF-8") return CP_UTF8;
        if (name.size() > 2 && name.compare(0, 2, "CP") == 0 &&
            name.find_first_not_of("0123456789", 2) == std::string::npos && name.size() < 8)
            return static_cast<UINT>(std::stoul(name.substr(2)));
        Throw(kBadParameterErr);  // an encoding this host does not know
    }

    UINT to_;
    UINT from_;
};
#else
class Converter {
public:
    Converter(const std::string& to, const std::string& from) : cd_(iconv_open(to.c_str(), from.c_str())) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) Throw(kBadParameterErr);  // an encoding iconv does not know
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::string Convert(std::string_view in) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial shift state
        std::string out;
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buffer[256];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t done = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (done == static_cast<std::size_t>(-1) && errno != E2BIG) Throw(kBadParameterErr);
        }
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        iconv(cd_, nullptr, nullptr, &dst, &dstLeft);  // a stateful encoding's closing sequence
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        return out;
    }

private:
    iconv_t cd_;
};
#endif

}  // namespace

std::string PlatformToUtf8(std::string_view bytes) {
    return Converter("UTF-8", App().platformEncoding).Convert(bytes);
}

std::string Utf8ToPlatform(std::string_view utf8) {
    return Converter(App().platformEncoding, "UTF-8").Convert(utf8);
}

std::string Utf8ToPlatformPrefix(std::string_view utf8, std::size_t room) {
    // One character at a time, so that a double-byte character is either whole or left out.
    const std::optional<std::u32string> characters = Utf8ToUtf32(utf8);
    if (!characters) Throw(kBadParameterErr);
    Converter converter(App().platformEncoding, "UTF-8");
    std::string out;
    for (char32_t c : *characters) {
        const std::string piece = converter.Convert(*Utf32ToUtf8(std::u32string_view(&c, 1)));
        if (out.size() + piece.size() > room) break;
        out += piece;
    }
    return out;
}

std::string RequiredBytes(const char* text) {
    return std::string(&In(text));
}

std::string UnicodeStringUtf8(AIUnicodeStringRef text) {
    std::optional<std::string> utf8 = Utf32ToUtf8(StringOf(text));
    if (!utf8) Throw(kBadParameterErr);
    return std::move(*utf8);
}

}  // namespace headless::suitetext
