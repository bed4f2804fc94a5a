// What the command prints for the host's texts: an English gloss after each Japanese text the module shows, and
// host error codes by name.
#pragma once

#include <string>
#include <string_view>

#include "plugin/sdk/AITypes.h"

namespace headless::app {

// A short English reading of an alert text, or empty for a text the command does not know.
std::string_view AlertGloss(std::string_view text);

// The alert as printed: the text, then its gloss in parentheses when there is one.
std::string AlertLine(std::string_view text);

// A code as the user reads it: its four characters in quotes when they are printable, else the number, then what
// it means where the host or the module gives it a meaning: "'!MEM' (out of memory)".
std::string CodeName(AIErr code);

}  // namespace headless::app
