// The codes no report mentions, the report used when no plug-in object exists, and the calendar clock the repeat
// window of the object's report reads.
#pragma once

#include <cstdint>

#include "plugin/sdk/AITypes.h"

// 17 codes, then 0.
extern const ASErr IgnoredErrorCodes[18];

bool IsIgnoredErrorCode(ASErr code);

// Shows nothing: the module keeps no texts for host codes, and the code reaches the host as the answer anyway.
void DefaultErrorReport(SPPluginRef plugin, ASErr code);

// Whole seconds of calendar time. Tests replace the clock; null restores the system's.
using CalendarClock = std::int64_t (*)();
void SetCalendarClock(CalendarClock clock);
std::int64_t CalendarSeconds();
