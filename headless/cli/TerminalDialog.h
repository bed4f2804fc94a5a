// A modal dialog shown on the terminal: its radio buttons and check boxes under their group boxes' titles, and
// its push buttons. Arrow keys move, space or a choice's number clicks it, Enter presses the default button and
// Escape cancels, as the window system turns those keys into commands.
#pragma once

#include <iosfwd>

#include "headless/win32/DialogDriver.h"

namespace headless::app {

class TerminalDialogDriver : public win32::DialogDriver {
public:
    // Keys are read from `input`, a terminal put in raw mode while the dialog is open; the dialog is drawn on `out`.
    TerminalDialogDriver(int input, std::ostream& out) : input_(input), out_(out) {}
    // End of input and an interrupt close the dialog as Escape does.
    void Run(win32::OpenDialog& dialog) override;

private:
    int input_;
    std::ostream& out_;
};

}  // namespace headless::app
