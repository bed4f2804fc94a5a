// The dialog is redrawn in place after each key: the cursor goes back over the lines drawn last time.
#include "headless/cli/TerminalDialog.h"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <ostream>
#include <string>
#include <vector>

#include "headless/win32/WindowStyles.h"

namespace headless::app {

namespace {

using win32::DialogControl;
using win32::OpenDialog;

std::uint32_t ButtonKind(const DialogControl& control) {
    return control.Template().className == "BUTTON" ? control.Template().style & win32::kButtonKindMask : ~0u;
}

bool IsChoice(const DialogControl& control) {
    switch (ButtonKind(control)) {
        case win32::kBsCheckBox:
        case win32::kBsAutoCheckBox:
        case win32::kBs3State:
        case win32::kBsAuto3State:
        case win32::kBsRadioButton:
        case win32::kBsAutoRadioButton:
            return true;
        default:
            return false;
    }
}

bool IsRadio(const DialogControl& control) {
    const std::uint32_t kind = ButtonKind(control);
    return kind == win32::kBsRadioButton || kind == win32::kBsAutoRadioButton;
}

bool Inside(const DialogControl& box, const DialogControl& control) {
    const auto& b = box.Template();
    const auto& c = control.Template();
    return c.x >= b.x && c.y >= b.y && c.x + c.width <= b.x + b.width && c.y + c.height <= b.y + b.height;
}

// The terminal in raw mode (no line editing, no echo) for as long as the object lives; signals stay on, so that
// Ctrl-C still reaches the command.
class RawMode {
public:
    explicit RawMode(int fd) : fd_(fd), active_(tcgetattr(fd, &saved_) == 0) {
        if (!active_) return;
        termios raw = saved_;
        raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
        raw.c_cc[VMIN] = 1;
        raw.c_cc[VTIME] = 0;
        tcsetattr(fd_, TCSANOW, &raw);
    }
    ~RawMode() {
        if (active_) tcsetattr(fd_, TCSANOW, &saved_);
    }
    RawMode(const RawMode&) = delete;
    RawMode& operator=(const RawMode&) = delete;

private:
    int fd_;
    termios saved_{};
    bool active_;
};

enum class Key { kUp, kDown, kSpace, kEnter, kEscape, kDigit, kOther, kEnd };

struct KeyPress {
    Key key = Key::kOther;
    int digit = 0;
};

// Whether more bytes follow at once: an arrow key is Escape and two more bytes, a lone Escape is not.
bool MoreFollows(int fd) {
    pollfd p{fd, POLLIN, 0};
    return poll(&p, 1, 50) > 0;
}

KeyPress ReadKey(int fd) {
    char c = 0;
    if (read(fd, &c, 1) != 1) return {Key::kEnd};
    if (c == '\r' || c == '\n') return {Key::kEnter};
    if (c == ' ') return {Key::kSpace};
    if (c >= '1' && c <= '9') return {Key::kDigit, c - '0'};
    if (c == 'k') return {Key::kUp};
    if (c == 'j') return {Key::kDown};
    if (c != '\033') return {Key::kOther};
    if (!MoreFollows(fd)) return {Key::kEscape};
    char sequence[2] = {};
    if (read(fd, &sequence[0], 1) != 1 || (sequence[0] != '[' && sequence[0] != 'O')) return {Key::kOther};
    if (read(fd, &sequence[1], 1) != 1) return {Key::kOther};
    if (sequence[1] == 'A') return {Key::kUp};
    if (sequence[1] == 'B') return {Key::kDown};
    return {Key::kOther};
}

class TerminalDialog {
public:
    TerminalDialog(OpenDialog& dialog, std::ostream& out) : dialog_(dialog), out_(out) {
        for (const DialogControl& control : dialog.Controls())
            if (IsChoice(control)) choices_.push_back(&control);
    }

    void Draw() {
        std::vector<std::string> lines;
        lines.push_back(dialog_.Caption());
        std::vector<bool> listed(choices_.size(), false);
        for (const DialogControl& box : dialog_.Controls()) {
            if (ButtonKind(box) != win32::kBsGroupBox) continue;
            lines.push_back("  " + box.Text());
            for (std::size_t i = 0; i < choices_.size(); ++i) {
                if (listed[i] || !Inside(box, *choices_[i])) continue;
                listed[i] = true;
                lines.push_back(ChoiceLine(i, "    "));
            }
        }
        for (std::size_t i = 0; i < choices_.size(); ++i)
            if (!listed[i]) lines.push_back(ChoiceLine(i, "  "));
        std::string buttons = "  ";
        for (const DialogControl& control : dialog_.Controls()) {
            const std::uint32_t kind = ButtonKind(control);
            if (kind == win32::kBsDefPushButton) buttons += "<" + control.Text() + "> ";
            if (kind == win32::kBsPushButton) buttons += "[" + control.Text() + "] ";
        }
        lines.push_back(buttons);
        lines.push_back("  ↑↓ move, space or number: change, Enter: confirm, Esc: cancel");

        if (drawnLines_ > 0) out_ << "\033[" << drawnLines_ << "F\033[J";
        for (const std::string& line : lines)
            out_ << line << "\n";
        out_.flush();
        drawnLines_ = static_cast<int>(lines.size());
    }

    // False once the dialog has ended.
    bool Handle(KeyPress press) {
        switch (press.key) {
            case Key::kUp:
                if (focus_ > 0) --focus_;
                break;
            case Key::kDown:
                if (focus_ + 1 < choices_.size()) ++focus_;
                break;
            case Key::kSpace:
                if (focus_ < choices_.size()) dialog_.Click(*choices_[focus_]);
                break;
            case Key::kDigit:
                if (static_cast<std::size_t>(press.digit) <= choices_.size()) {
                    focus_ = static_cast<std::size_t>(press.digit - 1);
                    dialog_.Click(*choices_[focus_]);
                }
                break;
            case Key::kEnter:
                dialog_.PressEnter();
                break;
            case Key::kEscape:
            case Key::kEnd:
                dialog_.PressEscape();
                break;
            case Key::kOther:
                break;
        }
        return !dialog_.Ended();
    }

private:
    std::string ChoiceLine(std::size_t i, const std::string& indent) const {
        const DialogControl& control = *choices_[i];
        const bool on = control.IsChecked();
        const std::string mark = IsRadio(control) ? (on ? "(•)" : "( )") : (on ? "[x]" : "[ ]");
        return (i == focus_ ? ">" : " ") + indent.substr(1) + std::to_string(i + 1) + " " + mark + " " + control.Text();
    }

    OpenDialog& dialog_;
    std::ostream& out_;
    std::vector<const DialogControl*> choices_;
    std::size_t focus_ = 0;
    int drawnLines_ = 0;
};

}  // namespace

void TerminalDialogDriver::Run(OpenDialog& dialog) {
    const RawMode raw(input_);
    TerminalDialog shown(dialog, out_);
    do {
        shown.Draw();
    } while (shown.Handle(ReadKey(input_)));
    shown.Draw();
}

}  // namespace headless::app
