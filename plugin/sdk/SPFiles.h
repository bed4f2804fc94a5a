// The platform's description of a file, as the host hands it out.
#pragma once

constexpr int kSPPlatformFileSpecificationSize = 600;

// A NUL-terminated full path in the platform's multi-byte encoding, in a fixed record of 600 bytes.
struct SPPlatformFileSpecification {
    char path[kSPPlatformFileSpecificationSize];
};
