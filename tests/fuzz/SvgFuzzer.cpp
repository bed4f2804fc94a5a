// libFuzzer entry for the SVG reader and writer: any crash, sanitizer report, hang or unstable round trip is a
// finding. Built by `make fuzz` with clang.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/fuzz/RoundTripCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem =
        trimora::fuzz::CheckReadWriteRead(std::string(reinterpret_cast<const char*>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "round trip unstable: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
