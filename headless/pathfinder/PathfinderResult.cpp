// Status texts and the single place failures are made.
#include "headless/pathfinder/PathfinderResult.h"

namespace pathfinder {

const char* Describe(PathfinderStatus status) {
    switch (status) {
        case PathfinderStatus::kOk:
            return "ok";
        case PathfinderStatus::kInvalidInput:
            return "a coordinate is not a finite number";
        case PathfinderStatus::kClipperFailed:
            return "the polygon clipper failed";
        case PathfinderStatus::kUnmappedEdge:
            return "a clipped outline does not follow the source curves";
    }
    return "unknown status";
}

PathfinderStatus Failure(PathfinderStatus status) {
    return status;
}

}  // namespace pathfinder
