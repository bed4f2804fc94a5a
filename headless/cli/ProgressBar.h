// The host's progress display on a terminal: one line on standard error, redrawn in place with the module's text
// and a bar for its value.
#pragma once

#include <ostream>
#include <string>

namespace headless::app {

class ProgressBar {
public:
    // `columns` is the terminal's width.
    ProgressBar(std::ostream& out, int columns) : out_(out), columns_(columns) {}
    // Redraws when the line would change. `max` <= 0 shows the text alone.
    void Show(const std::string& text, int current, int max);
    // Erases the line, so that other output starts on a clean one.
    void Clear();

private:
    std::ostream& out_;
    int columns_;
    std::string shown_;
};

// The width of standard error's terminal, or 80.
int TerminalColumns();

// Columns the UTF-8 text takes on a terminal: East Asian wide characters take two.
int DisplayWidth(const std::string& text);

}  // namespace headless::app
