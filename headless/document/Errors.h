// Error codes of the document model, made in one place so that a debugger can break on every failure.
#pragma once

#include <cstdint>

#include "plugin/sdk/AITypes.h"

namespace headless {

constexpr AIErr kDeadHandleErr = FourCharErr("DEAD");  // a handle whose object is gone, or never was
constexpr AIErr kWrongKindErr = FourCharErr("KIND");   // a live object of the wrong type for the call
constexpr AIErr kOutOfRangeErr = FourCharErr("RANG");  // an index or count outside what the object holds
constexpr AIErr kCycleErr = FourCharErr("CYCL");       // moving an object into its own subtree
constexpr AIErr kLayerGroupErr = FourCharErr("LAYR");  // an operation a layer's own group does not allow
constexpr AIErr kNoDocumentErr = FourCharErr("DOC?");  // no open document
constexpr AIErr kInternalErr = FourCharErr("INTL");    // an exception escaped a host function

// Every failure of the host passes through here; returns its argument.
AIErr Fail(AIErr code) noexcept;

// How many failures have passed through Fail, so that a test can tell that one was made.
std::uint64_t FailuresMade() noexcept;

}  // namespace headless
