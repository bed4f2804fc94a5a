// Building reader and writer error messages in one place.
#include "headless/svg/SvgError.h"

namespace headless::svg {

void ThrowSvgError(std::string_view file, int line, std::string_view element, std::string_view what) {
    std::string message(file);
    if (line > 0) message += ":" + std::to_string(line);
    message += ": ";
    if (!element.empty()) {
        message += "<";
        message += element;
        message += ">: ";
    }
    message += what;
    throw SvgError(message);
}

}  // namespace headless::svg
