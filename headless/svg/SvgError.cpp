// Building reader and writer error messages in one place.
#include "headless/svg/SvgError.h"

namespace headless::svg {

std::string FormatSvgError(std::string_view file, int line, std::string_view element, std::string_view what) {
    std::string message(file);
    if (line > 0) message += ":" + std::to_string(line);
    message += ": ";
    if (!element.empty()) {
        message += "<";
        message += element;
        message += ">: ";
    }
    message += what;
    return message;
}

void ThrowSvgError(std::string_view file, int line, std::string_view element, std::string_view what) {
    throw SvgError(FormatSvgError(file, line, element, what));
}

}  // namespace headless::svg
