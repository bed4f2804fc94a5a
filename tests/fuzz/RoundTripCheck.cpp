// Read, write, read again, and compare the two writings token by token.
#include "tests/fuzz/RoundTripCheck.h"

#include "headless/svg/RoundingCompare.h"
#include "headless/svg/SvgError.h"
#include "headless/svg/SvgFile.h"

namespace trimora::fuzz {

std::string CheckReadWriteRead(const std::string& text) {
    headless::svg::ReadOptions quiet;
    quiet.warning = [](const std::string&) {};
    std::string written;
    try {
        headless::Document document;
        headless::svg::ReadSvgText("input.svg", text, document, quiet);
        written = headless::svg::WriteSvgText(document);
    } catch (const headless::svg::SvgError&) {
        return {};  // refused with a message: the answer a malformed file gets
    }
    std::string again;
    try {
        headless::Document document;
        headless::svg::ReadSvgText("written.svg", written, document, quiet);
        again = headless::svg::WriteSvgText(document);
    } catch (const headless::svg::SvgError& e) {
        return std::string("the written file is refused: ") + e.what();
    }
    return headless::svg::DifferenceBeyondRounding(written, again);
}

}  // namespace trimora::fuzz
