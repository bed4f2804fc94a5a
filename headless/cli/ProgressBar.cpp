// Drawing is kept cheap: the module reports every object it visits, but the line changes only when the percentage
// or the text does.
#include "headless/cli/ProgressBar.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <optional>

#include "headless/suites/Utf.h"

namespace headless::app {

namespace {

constexpr int kMinBar = 10;
constexpr int kMaxBar = 40;
// " [" + bar + "] " + "100%"
constexpr int kBarDecoration = 8;

int CharWidth(char32_t c) {
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
                      (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                      (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
    return wide ? 2 : 1;
}

// The longest start of `text` that fits in `width` columns, with an ellipsis when cut.
std::string Fitted(const std::string& text, int width) {
    const std::optional<std::u32string> wide = Utf8ToUtf32(text);
    if (!wide) return {};
    if (DisplayWidth(text) <= width) return text;
    std::u32string kept;
    int used = 0;
    for (const char32_t c : *wide) {
        if (used + CharWidth(c) > width - 1) break;
        used += CharWidth(c);
        kept += c;
    }
    kept += U'…';
    return Utf32ToUtf8(kept).value_or(std::string());
}

}  // namespace

int DisplayWidth(const std::string& text) {
    const std::optional<std::u32string> wide = Utf8ToUtf32(text);
    if (!wide) return static_cast<int>(text.size());
    int width = 0;
    for (const char32_t c : *wide)
        width += CharWidth(c);
    return width;
}

int TerminalColumns() {
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
    return 80;
}

void ProgressBar::Show(const std::string& text, int current, int max) {
    // One column stays free: a line that fills the terminal exactly wraps on some terminals.
    const int room = std::max(columns_ - 1, kMinBar + kBarDecoration);
    std::string line;
    if (max > 0) {
        const int percent = std::clamp(static_cast<int>(static_cast<long long>(current) * 100 / max), 0, 100);
        const int textRoom = room - kMinBar - kBarDecoration;
        line = text.empty() ? std::string() : Fitted(text, std::max(textRoom - 1, 0)) + " ";
        const int barWidth = std::clamp(room - DisplayWidth(line) - kBarDecoration, kMinBar, kMaxBar);
        const int filled = percent * barWidth / 100;
        const std::string number = std::to_string(percent);
        line += "[" + std::string(static_cast<std::size_t>(filled), '#') +
                std::string(static_cast<std::size_t>(barWidth - filled), '-') + "] " +
                std::string(3 - number.size(), ' ') + number + "%";
    } else {
        line = Fitted(text, room);
    }
    if (line == shown_) return;
    shown_ = line;
    out_ << "\r" << line << "\033[K" << std::flush;
}

void ProgressBar::Clear() {
    if (shown_.empty()) return;
    shown_.clear();
    out_ << "\r\033[K" << std::flush;
}

}  // namespace headless::app
