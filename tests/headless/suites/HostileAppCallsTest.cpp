// Suites of the application rather than the document, and the module loader, called as a hostile module might.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "headless/loader/ModuleHost.h"
#include "plugin/sdk/AIMdMemory.h"
#include "plugin/sdk/AIRealBezier.h"
#include "plugin/sdk/AIRealMath.h"
#include "plugin/sdk/AIUnicodeString.h"
#include "plugin/sdk/SPBlocks.h"
#include "tests/headless/suites/HostileCalls.h"

namespace headless {
namespace {

using HostileAppCalls = hostile::HostileCallsTest;
using hostile::kInf;
using hostile::kNaN;
using hostile::Raw;

TEST_F(HostileAppCalls, BlocksAndRelocatableMemory) {
    auto* blocks = Acquire<SPBlocksSuite>(kSPBlocksSuite, kSPBlocksSuiteVersion);
    auto* md = Acquire<AIMdMemorySuite>(kAIMdMemorySuite, kAIMdMemorySuiteVersion);
    void* freed = nullptr;
    ASSERT_EQ(blocks->AllocateBlock(8, nullptr, &freed), kNoErr);
    ASSERT_EQ(blocks->FreeBlock(freed), kNoErr);
    void* out = nullptr;
    AIMdMemoryHandle handle = nullptr;
    std::size_t size = 0;
    std::uint64_t stack = 0;
    for (std::size_t huge : {~std::size_t{0}, std::size_t{1} << 62}) {
        Code("AllocateBlock huge", [=, this]() mutable { return blocks->AllocateBlock(huge, nullptr, &out); });
        Code("basic AllocateBlock huge", [=, this]() mutable { return HostBasicSuite()->AllocateBlock(huge, &out); });
        Code("MdMemoryNewHandle huge", [=, this]() mutable { return md->MdMemoryNewHandle(huge, &handle); });
    }
    Code("AllocateBlock null out", [=, this] { return blocks->AllocateBlock(8, nullptr, nullptr); });
    Code("MdMemoryNewHandle null out", [=, this] { return md->MdMemoryNewHandle(8, nullptr); });
    for (void* bad : {freed, static_cast<void*>(&stack), Raw<void*>(0x1234)}) {
        Code("FreeBlock foreign", [=, this] { return blocks->FreeBlock(bad); });
        Code("ReallocateBlock foreign", [=, this]() mutable { return blocks->ReallocateBlock(bad, 4, nullptr, &out); });
        Code("MdMemoryDisposeHandle foreign",
             [=, this] { return md->MdMemoryDisposeHandle(static_cast<AIMdMemoryHandle>(bad)); });
        Code("MdMemoryGetSize foreign",
             [=, this]() mutable { return md->MdMemoryGetSize(static_cast<AIMdMemoryHandle>(bad), &size); });
    }
    Code("MdMemoryDisposeHandle null", [=, this] { return md->MdMemoryDisposeHandle(nullptr); });
    ExpectAllRefused();

    // A reallocation refused for its size keeps the old block alive and whole.
    void* kept = nullptr;
    ASSERT_EQ(blocks->AllocateBlock(4, nullptr, &kept), kNoErr);
    static_cast<char*>(kept)[0] = 'k';
    EXPECT_NE(blocks->ReallocateBlock(kept, ~std::size_t{0}, nullptr, &out), kNoErr);
    EXPECT_EQ(static_cast<char*>(kept)[0], 'k');
    EXPECT_EQ(blocks->FreeBlock(kept), kNoErr);
    EXPECT_TRUE(app.liveBlocks.empty());
}

TEST_F(HostileAppCalls, UnicodeStrings) {
    auto* s = Acquire<AIUnicodeStringSuite>(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion);
    AIUnicodeStringRef live = nullptr, dead = nullptr;
    ASSERT_EQ(s->Initialize(&live, "abc", 3, kAIUTF8CharacterEncoding), kNoErr);
    ASSERT_EQ(s->Initialize(&dead, "x", 1, kAIUTF8CharacterEncoding), kNoErr);
    s->Destroy(dead);
    AIUnicodeStringRef out = nullptr;
    ASInt32 length = 0;
    char* bytes = nullptr;
    const auto bad = BadHandles(dead, path);
    CodeForEach("Copy", bad, [=, this](AIUnicodeStringRef h) mutable { return s->Copy(&out, h); });
    CodeForEach("Assign to", bad, [=, this](AIUnicodeStringRef h) { return s->Assign(h, live); });
    CodeForEach("Assign from", bad, [=, this](AIUnicodeStringRef h) { return s->Assign(live, h); });
    CodeForEach("Append to", bad, [=, this](AIUnicodeStringRef h) { return s->Append(h, live); });
    CodeForEach("Length", bad, [=, this](AIUnicodeStringRef h) mutable { return s->Length(h, &length); });
    CodeForEach("Erase", bad, [=, this](AIUnicodeStringRef h) { return s->Erase(h, 0, 1); });
    CodeForEach("GetAs", bad, [=, this](AIUnicodeStringRef h) mutable {
        return s->GetAs(h, kAIUTF8CharacterEncoding, &bytes, &length);
    });
    Code("Initialize null out", [=, this] { return s->Initialize(nullptr, "a", 1, kAIUTF8CharacterEncoding); });
    Code("Initialize null text", [=, this]() mutable { return s->Initialize(&out, nullptr, 4, 1); });
    Code("Initialize negative length", [=, this]() mutable { return s->Initialize(&out, "a", -1, 1); });
    Code("Initialize unknown encoding", [=, this]() mutable { return s->Initialize(&out, "a", 1, 77); });
    Code("Initialize bad UTF-8", [=, this]() mutable { return s->Initialize(&out, "\xff", 1, 1); });
    Code("Copy null out", [=, this] { return s->Copy(nullptr, live); });
    Code("Length null out", [=, this] { return s->Length(live, nullptr); });
    for (auto [at, n] : {std::pair{-1, 1}, std::pair{4, 0}, std::pair{0, -1}, std::pair{INT32_MIN, INT32_MAX}})
        Code("Erase " + std::to_string(at), [=, this] { return s->Erase(live, at, n); });
    Code("GetAs null bytes", [=, this]() mutable { return s->GetAs(live, 1, nullptr, &length); });
    Code("GetAs null count", [=, this]() mutable { return s->GetAs(live, 1, &bytes, nullptr); });
    Code("GetAs unknown encoding", [=, this]() mutable { return s->GetAs(live, -5, &bytes, &length); });
    ExpectAllRefused();
    // Destroy answers nothing; a dead or foreign string is ignored and the live one survives.
    for (const auto& [label, h] : bad)
        s->Destroy(h);
    EXPECT_EQ(s->Length(live, &length), kNoErr);
    EXPECT_EQ(length, 3);
    s->Destroy(live);
    EXPECT_EQ(app.strings.LiveCount(), 0u);
}

TEST_F(HostileAppCalls, MathRefusesNonFiniteInputWhereItAnswersACode) {
    auto* math = Acquire<AIRealMathSuite>(kAIRealMathSuite, kAIRealMathSuiteVersion);
    auto* bezier = Acquire<AIRealBezierSuite>(kAIRealBezierSuite, kAIRealBezierSuiteVersion);
    const AIRealPoint p{1, 2};
    const AIRealRect r{0, 10, 10, 0};
    AIRealRect rect = r;
    AIRealMatrix m{1, 0, 0, 1, 0, 0};
    AIRealPoint outPoint{};
    AIReal length = 0;
    const AIRealBezier curve{{0, 0}, {1, 1}, {2, 1}, {3, 0}};
    for (AIReal v : {kNaN, kInf}) {
        const AIRealRect odd{v, 1, 1, 0};
        const AIRealMatrix oddMatrix{1, 0, 0, v, 0, 0};
        const AIRealPoint oddPoint{v, 0};
        const AIRealBezier oddCurve{{0, 0}, {v, 1}, {2, 1}, {3, 0}};
        Code("RectInset", [=, this]() mutable { return math->AIRealRectInset(&rect, v, 0); });
        Code("RectUnion", [=, this]() mutable { return math->AIRealRectUnion(&odd, &r, &rect); });
        Code("MatrixConcat", [=, this]() mutable { return math->AIRealMatrixConcat(&m, &oddMatrix, &m); });
        Code("MatrixXformPoint",
             [=, this]() mutable { return math->AIRealMatrixXformPoint(&m, &oddPoint, &outPoint); });
        Code("BezierEvaluate t", [=, this]() mutable { return bezier->AIRealBezierEvaluate(&curve, v, &outPoint); });
        Code("BezierEvaluate curve",
             [=, this]() mutable { return bezier->AIRealBezierEvaluate(&oddCurve, 0.5, &outPoint); });
        Code("BezierLength curve", [=, this]() mutable { return bezier->AIRealBezierLength(&oddCurve, 0.1, &length); });
        Code("BezierLength flatness", [=, this]() mutable { return bezier->AIRealBezierLength(&curve, v, &length); });
        Zero("EqualWithinTol", [=, this] { return math->EqualWithinTol(1, 1, v == kInf ? kNaN : v); });
        Zero("PointInRect", [=, this] { return math->AIRealPointInAIRealRect(&oddPoint, &r); });
        Zero("MatrixInvert", [=, this]() mutable {
            AIRealMatrix odd = oddMatrix;
            return static_cast<ASInt16>(math->AIRealMatrixInvert(&odd) == 0);
        });
    }
    Zero("PointLength null", [=, this] { return math->AIRealPointLength(nullptr, &p); });
    Zero("PointAngle null", [=, this] { return math->AIRealPointAngle(&p, nullptr); });
    Zero("RectInRect null", [=, this] { return math->AIRealRectInAIRealRect(&r, nullptr); });
    Zero("RectOverlap null", [=, this] { return math->AIRealRectOverlap(nullptr, &r); });
    Zero("MatrixInvert null", [=, this] { return static_cast<ASInt16>(math->AIRealMatrixInvert(nullptr) == 0); });
    Code("RectUnion null", [=, this]() mutable { return math->AIRealRectUnion(&r, nullptr, &rect); });
    Code("RectInset null", [=, this] { return math->AIRealRectInset(nullptr, 1, 1); });
    Code("MatrixSetIdentity null", [=, this] { return math->AIRealMatrixSetIdentity(nullptr); });
    Code("MatrixConcat null", [=, this] { return math->AIRealMatrixConcat(&m, &m, nullptr); });
    Code("MatrixXformPoint null", [=, this] { return math->AIRealMatrixXformPoint(nullptr, &p, nullptr); });
    Code("BezierEvaluate null", [=, this] { return bezier->AIRealBezierEvaluate(nullptr, 0.5, nullptr); });
    Code("BezierLength null", [=, this] { return bezier->AIRealBezierLength(&curve, 0.1, nullptr); });
    ExpectAllRefused();
}

TEST(HostileModuleHost, LoadingAndMessagingWithoutAModuleAreClearErrors) {
    Application app;
    ModuleHost host(app);
    // Nothing loaded yet: every message, unload and reload is refused.
    EXPECT_EQ(host.Startup(), kNoModuleErr);
    EXPECT_EQ(host.Unload(), kNoModuleErr);
    EXPECT_EQ(host.Reload(), kNoModuleErr);
    EXPECT_FALSE(host.IsLoaded());

    EXPECT_FALSE(host.Load(""));  // the loader would take an empty name as this program
    EXPECT_FALSE(host.LoadError().empty());
    EXPECT_FALSE(host.Load("/nonexistent/libnothing.so"));
    EXPECT_NE(host.LoadError().find("/nonexistent/libnothing.so"), std::string::npos);

    const std::string text = ::testing::TempDir() + "hostile_not_a_library.so";
    std::FILE* f = std::fopen(text.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fputs("not an ELF file\n", f);
    std::fclose(f);
    EXPECT_FALSE(host.Load(text));
    EXPECT_FALSE(host.IsLoaded());
    EXPECT_EQ(host.Reload(), kNoModuleErr);  // reopening a file that is no library fails the same way
    std::remove(text.c_str());

    // A real library without the entry point.
    EXPECT_FALSE(host.Load("libm.so.6"));
    EXPECT_NE(host.LoadError().find("PluginMain"), std::string::npos);
    EXPECT_FALSE(host.IsLoaded());
    EXPECT_EQ(host.Send("SP Interface", "Startup"), kNoModuleErr);
    EXPECT_EQ(host.Unload(), kNoModuleErr);
    EXPECT_EQ(host.Unload(), kNoModuleErr);
}

}  // namespace
}  // namespace headless
