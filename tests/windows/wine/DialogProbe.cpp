// A dialog's size follows from its template in dialog units and the average character size of its font: a quarter
// of the width and an eighth of the height of one character a unit, measured as Windows measures it.
#include "tests/windows/wine/DialogProbe.h"

#include <string>

namespace trimora::wine {

namespace {

DialogProbe* gProbe = nullptr;

struct TemplateSize {
    int width = 0;
    int height = 0;
};

// Width and height of an extended template, after its version, signature, help id, styles, count and position.
TemplateSize SizeOfTemplate(HMODULE module, int id) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!bytes || SizeofResource(module, found) < 26) return {};
    const auto word = [&](int at) { return static_cast<int>(bytes[at] | (bytes[at + 1] << 8)); };
    return {word(22), word(24)};
}

// The dialog manager's base units for a font: the mean width of the 52 Latin letters, rounded, and the font height.
SIZE BaseUnits(HWND dialog) {
    const auto font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    HDC dc = GetDC(dialog);
    const HGDIOBJ previous = SelectObject(dc, font);
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE extent{};
    GetTextExtentPoint32A(dc, kLetters, 52, &extent);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(dialog, dc);
    return {(extent.cx / 26 + 1) / 2, metrics.tmHeight};
}

struct GlyphCount {
    int characters = 0;
    int missing = 0;
    std::string which;  // the missing characters' code points, to name them in a failure
};

// Characters of the controls' texts that the control's font has no glyph for: they would be drawn as boxes.
BOOL CALLBACK CountGlyphs(HWND control, LPARAM lParam) {
    auto& count = *reinterpret_cast<GlyphCount*>(lParam);
    // A picture's "text" is the number of its bitmap.
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    const auto type = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)) & SS_TYPEMASK;
    if (lstrcmpiA(className, "Static") == 0 && (type == SS_BITMAP || type == SS_ICON)) return TRUE;
    wchar_t text[512] = {};
    const int length = GetWindowTextW(control, text, 512);
    HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    for (int i = 0; i < length; ++i) {
        if (text[i] < 0x20) continue;  // line breaks are not drawn
        WORD glyph = 0;
        GetGlyphIndicesW(dc, &text[i], 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS);
        ++count.characters;
        if (glyph == 0xFFFF) {
            ++count.missing;
            char name[16];
            std::snprintf(name, sizeof name, " U+%04X", static_cast<unsigned>(text[i]));
            count.which += name;
        }
    }
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return TRUE;
}

}  // namespace

DialogProbe::DialogProbe(HMODULE module, std::FILE* out) : module_(module), out_(out) {
    gProbe = this;
    hook_ = SetWindowsHookExA(WH_CBT, &DialogProbe::Hook, nullptr, GetCurrentThreadId());
}

DialogProbe::~DialogProbe() {
    if (hook_) UnhookWindowsHookEx(hook_);
    gProbe = nullptr;
}

LRESULT CALLBACK DialogProbe::Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && gProbe) {
        const auto window = reinterpret_cast<HWND>(wParam);
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (lstrcmpA(className, "#32770") == 0) gProbe->Report(window);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogProbe::Report(HWND dialog) {
    ++shown_;
    const TemplateSize units = SizeOfTemplate(module_, expected_);
    const SIZE base = BaseUnits(dialog);
    RECT client{}, window{};
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &window);
    std::fprintf(out_, "dialog %d units %dx%d base %ldx%ld expected %dx%d client %ldx%ld window %ldx%ld+%ld+%ld\n",
                 expected_, units.width, units.height, base.cx, base.cy, MulDiv(units.width, base.cx, 4),
                 MulDiv(units.height, base.cy, 8), client.right - client.left, client.bottom - client.top,
                 window.right - window.left, window.bottom - window.top, window.left, window.top);
    GlyphCount glyphs;
    EnumChildWindows(dialog, &CountGlyphs, reinterpret_cast<LPARAM>(&glyphs));
    std::fprintf(out_, "glyphs %d missing %d%s\n", glyphs.characters, glyphs.missing, glyphs.which.c_str());
    std::fflush(out_);
}

}  // namespace trimora::wine
