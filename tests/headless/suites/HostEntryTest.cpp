// The wrapper every host function goes through: call log, fault plan, refused handles and pointers.
#include <gtest/gtest.h>

#include "tests/support/HostFixture.h"

namespace headless {
namespace {

using testing::HostTest;

AIErr Probe(AIArtHandle art, ASInt16* type) {
    Out(type) = ArtOf(art).type;
    return kNoErr;
}
AIErr Throws(AIArtHandle) {
    throw std::runtime_error("boom");
}
AIBoolean Truth(AIArtHandle art) {
    return ArtOf(art).type == kPathArt;
}
AIBoolean TruthThrows(AIArtHandle) {
    throw std::runtime_error("boom");
}

struct TestSuite {
    AIErr (*Probe)(AIArtHandle art, ASInt16* type);
    AIErr (*Throws)(AIArtHandle art);
    AIBoolean (*Truth)(AIArtHandle art);
    AIBoolean (*TruthThrows)(AIArtHandle art);
};

constexpr TestSuite kTestSuite = {
    TRIMORA_HOST_FN(TestSuite, Probe, Probe),
    TRIMORA_HOST_FN(TestSuite, Throws, Throws),
    TRIMORA_HOST_VALUE_FN(TestSuite, Truth, Truth),
    TRIMORA_HOST_VALUE_FN(TestSuite, TruthThrows, TruthThrows),
};
constexpr auto kProbe = kTestSuite.Probe;
constexpr auto kThrows = kTestSuite.Throws;
constexpr auto kTruth = kTestSuite.Truth;
constexpr auto kTruthThrows = kTestSuite.TruthThrows;

class HostEntry : public HostTest {};

TEST_F(HostEntry, RefusesDeadForeignAndMistypedHandlesAndNullOutPointers) {
    const ArtId path = AddRect(0, 10, 10, 0);
    ASInt16 type = -1;
    EXPECT_EQ(kProbe(H(path), &type), kNoErr);
    EXPECT_EQ(type, kPathArt);
    EXPECT_EQ(kProbe(H(path), nullptr), kBadParameterErr);
    EXPECT_EQ(kProbe(nullptr, &type), kBadParameterErr);
    // A layer handle passed as art.
    EXPECT_EQ(kProbe(reinterpret_cast<AIArtHandle>(H(layer)), &type), kDeadHandleErr);
    // Garbage that decodes to nothing.
    EXPECT_EQ(kProbe(reinterpret_cast<AIArtHandle>(std::uintptr_t{0x1234}), &type), kDeadHandleErr);
    const AIArtHandle stale = H(path);
    ASSERT_EQ(doc.Dispose(path), kNoErr);
    AddRect(0, 1, 1, 0);  // reuses the slot with a new generation
    EXPECT_EQ(kProbe(stale, &type), kDeadHandleErr);
    EXPECT_FALSE(kTruth(stale));
}

TEST_F(HostEntry, HandlesOfAnotherDocumentAreForeign) {
    const ArtId firstId = AddRect(0, 10, 10, 0);
    const AIArtHandle first = H(firstId);
    Document& second = app.NewDocument();
    LayerId l;
    ASSERT_EQ(second.InsertLayer({}, kPlaceAboveAll, &l), kNoErr);
    ArtId there;
    ASSERT_EQ(second.NewArt(kPathArt, kPlaceAboveAll, {}, &there), kNoErr);
    ASSERT_EQ(there, firstId);  // same slot and generation in the other document
    ASInt16 type;
    EXPECT_EQ(kProbe(first, &type), kDeadHandleErr);
}

TEST_F(HostEntry, LogsCallsAndPlaysPlannedFaults) {
    const ArtId path = AddRect(0, 10, 10, 0);
    ASInt16 type;
    app.faults.FailCall("TestSuite::Probe", FourCharErr("BAD!"), 2);
    EXPECT_EQ(kProbe(H(path), &type), kNoErr);
    EXPECT_EQ(kProbe(H(path), &type), FourCharErr("BAD!"));
    EXPECT_EQ(kProbe(H(path), &type), kNoErr);
    EXPECT_TRUE(kTruth(H(path)));
    app.faults.FailCall("TestSuite::Truth", 1);
    EXPECT_FALSE(kTruth(H(path)));
    EXPECT_EQ(app.calls.Calls(),
              (std::vector<std::string_view>{"TestSuite::Probe", "TestSuite::Probe", "TestSuite::Probe",
                                             "TestSuite::Truth", "TestSuite::Truth"}));
    EXPECT_EQ(app.calls.Count("TestSuite::Probe"), 3u);
}

TEST_F(HostEntry, AnEscapingExceptionBecomesAnErrorCode) {
    EXPECT_EQ(kThrows(nullptr), kInternalErr);
}

// A function that answers a value hides its errors from the caller, but each one is still made exactly once where
// every error is made, whatever its cause.
TEST_F(HostEntry, AValueFunctionMakesEachErrorItHides) {
    const AIArtHandle path = H(AddRect(0, 10, 10, 0));
    const auto failuresAfter = [](auto&& call) {
        const std::uint64_t before = FailuresMade();
        call();
        return FailuresMade() - before;
    };
    EXPECT_EQ(failuresAfter([&] { EXPECT_TRUE(kTruth(path)); }), 0u);
    EXPECT_EQ(failuresAfter([&] { EXPECT_FALSE(kTruthThrows(path)); }), 1u);
    EXPECT_EQ(failuresAfter([&] { EXPECT_FALSE(kTruth(nullptr)); }), 1u);
    app.faults.FailCall("TestSuite::Truth", FourCharErr("BAD!"), 1);
    EXPECT_EQ(failuresAfter([&] { EXPECT_FALSE(kTruth(path)); }), 1u);
    EXPECT_EQ(failuresAfter([&] { EXPECT_EQ(kThrows(path), kInternalErr); }), 1u);
}

TEST(HostEntryWithoutApplication, AnswersAnErrorInsteadOfCrashing) {
    ASInt16 type;
    EXPECT_EQ(kProbe(nullptr, &type), kNoApplicationErr);
    const std::uint64_t before = FailuresMade();
    EXPECT_FALSE(kTruth(nullptr));
    EXPECT_EQ(FailuresMade() - before, 1u);
}

TEST_F(HostEntry, BasicSuiteGrantsAndTakesBackByNameAndVersion) {
    const SPBasicSuite* basic = HostBasicSuite();
    app.suites.Add("Test Suite", 3, &app);
    const void* table = nullptr;
    EXPECT_EQ(basic->AcquireSuite("Test Suite", 2, &table), kSPSuiteNotFoundError);
    EXPECT_EQ(table, nullptr);
    EXPECT_EQ(basic->AcquireSuite("Test Suite", 3, &table), kNoErr);
    EXPECT_EQ(table, &app);
    EXPECT_EQ(app.suites.Held("Test Suite"), 1);
    EXPECT_EQ(basic->AcquireSuite(nullptr, 3, &table), kSPBadParameterError);
    EXPECT_EQ(basic->ReleaseSuite("Test Suite", 3), kNoErr);
    EXPECT_EQ(basic->ReleaseSuite("Test Suite", 3), kSPSuiteNotFoundError);  // more releases than acquisitions
    app.faults.LackSuite("Test Suite", FourCharErr("NOPE"));
    EXPECT_EQ(basic->AcquireSuite("Test Suite", 3, &table), FourCharErr("NOPE"));
    EXPECT_EQ(table, nullptr);
}

TEST_F(HostEntry, BlocksAreTrackedAndFreedOnce) {
    const SPBasicSuite* basic = HostBasicSuite();
    void* block = nullptr;
    ASSERT_EQ(basic->AllocateBlock(16, &block), kNoErr);
    EXPECT_EQ(app.liveBlocks.size(), 1u);
    EXPECT_EQ(basic->FreeBlock(block), kNoErr);
    EXPECT_EQ(basic->FreeBlock(block), kBadParameterErr);
    EXPECT_EQ(basic->FreeBlock(nullptr), kNoErr);
    EXPECT_EQ(basic->AllocateBlock(8, nullptr), kBadParameterErr);
}

}  // namespace
}  // namespace headless
