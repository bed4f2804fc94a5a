// The path suite (segments, closed and guide flags, signed area) and the path style suite.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

#include "headless/document/SdkGeometry.h"
#include "headless/suites/ArtSuiteParts.h"
#include "headless/suites/HostEntry.h"
#include "plugin/sdk/AIPath.h"

namespace headless {
namespace {

// Segment counts travel as 16-bit values, so a path never grows past what a count can say.
constexpr std::size_t kMaxSegments = std::numeric_limits<ASInt16>::max();

Art& PathOf(AIArtHandle path) {
    Art& a = ArtOf(path);
    if (a.type != kPathArt) Throw(kWrongKindErr);
    return a;
}

// A range [segNumber, segNumber + count) that must lie within `limit` segments.
void CheckRange(ASInt16 segNumber, ASInt16 count, std::size_t limit) {
    if (segNumber < 0 || count < 0) Throw(kBadParameterErr);
    if (static_cast<std::size_t>(segNumber) + static_cast<std::size_t>(count) > limit) Throw(kOutOfRangeErr);
}

AIErr GetPathSegmentCount(AIArtHandle path, ASInt16* count) {
    ASInt16& out = Out(count);
    out = static_cast<ASInt16>(PathOf(path).segments.size());
    return kNoErr;
}

AIErr GetPathSegments(AIArtHandle path, ASInt16 segNumber, ASInt16 count, AIPathSegment* segments) {
    const Art& a = PathOf(path);
    CheckRange(segNumber, count, a.segments.size());
    if (count == 0) return kNoErr;
    std::copy_n(a.segments.begin() + segNumber, count, &Out(segments));
    return kNoErr;
}

AIErr SetPathSegments(AIArtHandle path, ASInt16 segNumber, ASInt16 count, const AIPathSegment* segments) {
    Art& a = PathOf(path);
    // Writing may start at the current end (appending), not beyond it.
    CheckRange(segNumber, 0, a.segments.size());
    CheckRange(segNumber, count, kMaxSegments);
    if (count == 0) return kNoErr;
    const AIPathSegment& first = In(segments);
    // Geometry goes on to the clipper, which converts to integers: a non-finite coordinate would be undefined there.
    for (const AIPathSegment* s = &first; s != &first + count; ++s) {
        if (!IsFinite(s->p) || !IsFinite(s->in) || !IsFinite(s->out)) Throw(kBadParameterErr);
    }
    const std::size_t end = static_cast<std::size_t>(segNumber) + static_cast<std::size_t>(count);
    if (end > a.segments.size()) a.segments.resize(end);
    std::copy_n(&first, count, a.segments.begin() + segNumber);
    return kNoErr;
}

AIErr DeletePathSegments(AIArtHandle path, ASInt16 segNumber, ASInt16 count) {
    Art& a = PathOf(path);
    CheckRange(segNumber, count, a.segments.size());
    a.segments.erase(a.segments.begin() + segNumber, a.segments.begin() + segNumber + count);
    return kNoErr;
}

AIErr ReversePathSegments(AIArtHandle path) {
    Art& a = PathOf(path);
    std::reverse(a.segments.begin(), a.segments.end());
    for (AIPathSegment& s : a.segments)
        std::swap(s.in, s.out);
    return kNoErr;
}

template <bool Art::*Flag>
AIErr GetPathFlag(AIArtHandle path, AIBoolean* value) {
    AIBoolean& out = Out(value);
    out = PathOf(path).*Flag ? 1 : 0;
    return kNoErr;
}

template <bool Art::*Flag>
AIErr SetPathFlag(AIArtHandle path, AIBoolean value) {
    PathOf(path).*Flag = value != 0;
    return kNoErr;
}

AIErr GetPathArea(AIArtHandle path, AIReal* area) {
    AIReal& out = Out(area);
    const Art& a = PathOf(path);
    out = SignedArea(a.segments, a.closed);
    return kNoErr;
}

constexpr AIPathSuite kPathSuite = {
    TRIMORA_HOST_FN(AIPathSuite, GetPathSegmentCount, GetPathSegmentCount),
    TRIMORA_HOST_FN(AIPathSuite, GetPathSegments, GetPathSegments),
    TRIMORA_HOST_FN(AIPathSuite, SetPathSegments, SetPathSegments),
    TRIMORA_HOST_FN(AIPathSuite, DeletePathSegments, DeletePathSegments),
    TRIMORA_HOST_FN(AIPathSuite, ReversePathSegments, ReversePathSegments),
    TRIMORA_HOST_FN(AIPathSuite, GetPathClosed, GetPathFlag<&Art::closed>),
    TRIMORA_HOST_FN(AIPathSuite, SetPathClosed, SetPathFlag<&Art::closed>),
    TRIMORA_HOST_FN(AIPathSuite, GetPathGuide, GetPathFlag<&Art::guide>),
    TRIMORA_HOST_FN(AIPathSuite, SetPathGuide, SetPathFlag<&Art::guide>),
    TRIMORA_HOST_FN(AIPathSuite, GetPathArea, GetPathArea),
};

AIErr GetPathStyle(AIArtHandle path, AIPathStyle* style) {
    AIPathStyle& out = Out(style);
    return Doc().GetPathStyle(ArtIdOf(path), &out);
}

bool ValidColor(const AIColor& c) {
    auto finite = [](std::initializer_list<AIReal> values) {
        return std::all_of(values.begin(), values.end(), [](AIReal v) { return std::isfinite(v); });
    };
    switch (c.kind) {
        case kGrayColor:
            return finite({c.c.g.gray});
        case kFourColor:
            return finite({c.c.f.cyan, c.c.f.magenta, c.c.f.yellow, c.c.f.black});
        case kThreeColor:
            return finite({c.c.rgb.red, c.c.rgb.green, c.c.rgb.blue});
        case kGradient: {
            const AIGradientStyle& g = c.c.grad;
            return IsFinite(g.gradientOrigin) && IsFinite(g.matrix) &&
                   finite({g.gradientAngle, g.gradientLength, g.hiliteAngle, g.hiliteLength});
        }
        case kPattern:
        case kCustomColor:
        case kNoneColor:
            return true;
    }
    return false;  // a kind the host does not know
}

// A style the document can keep: known colour kinds, finite numbers, a stroke that is not negative, a dash that
// fits its array. Anything else would be written into files or handed to the geometry as it is.
const AIPathStyle& ValidStyle(const AIPathStyle* style) {
    const AIPathStyle& s = In(style);
    const AIStrokeStyle& k = s.stroke;
    const bool valid =
        ValidColor(s.fill.color) && ValidColor(k.color) && std::isfinite(k.width) && k.width >= 0 &&
        std::isfinite(k.miterLimit) && k.miterLimit >= 0 && std::isfinite(k.dash.offset) && k.dash.length >= 0 &&
        k.dash.length <= kMaxDashComponents &&
        std::all_of(k.dash.array, k.dash.array + k.dash.length, [](AIReal v) { return std::isfinite(v) && v >= 0; }) &&
        k.cap >= kAIButtCap && k.cap <= kAIProjectingCap && k.join >= kAIMiterJoin && k.join <= kAIBevelJoin &&
        std::isfinite(s.resolution);
    if (!valid) Throw(kBadParameterErr);
    return s;
}

AIErr SetPathStyle(AIArtHandle path, const AIPathStyle* style) {
    const ArtId id = ArtIdOf(path);
    return Doc().SetPathStyle(id, ValidStyle(style));
}

AIErr GetCurrentPathStyle(AIPathStyle* style) {
    AIPathStyle& out = Out(style);
    out = Doc().currentStyle;
    return kNoErr;
}

AIErr SetCurrentPathStyle(const AIPathStyle* style) {
    Doc().currentStyle = ValidStyle(style);
    return kNoErr;
}

constexpr AIPathStyleSuite kPathStyleSuite = {
    TRIMORA_HOST_FN(AIPathStyleSuite, GetPathStyle, GetPathStyle),
    TRIMORA_HOST_FN(AIPathStyleSuite, SetPathStyle, SetPathStyle),
    TRIMORA_HOST_FN(AIPathStyleSuite, GetCurrentPathStyle, GetCurrentPathStyle),
    TRIMORA_HOST_FN(AIPathStyleSuite, SetCurrentPathStyle, SetCurrentPathStyle),
};

}  // namespace

void RegisterPathSuites(SuiteRegistry& registry) {
    registry.Add(kAIPathSuite, kAIPathSuiteVersion, &kPathSuite);
    registry.Add(kAIPathStyleSuite, kAIPathStyleSuiteVersion, &kPathStyleSuite);
}

}  // namespace headless
