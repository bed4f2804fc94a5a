// The ignored codes, the default report and the replaceable calendar clock.
#include "plugin/host/ErrorReport.h"

#include <ctime>

const ASErr IgnoredErrorCodes[18] = {
    FourCharErr("FMT?"),
    FourCharErr("RFSE"),
    FourCharErr("AFTR"),
    FourCharErr("VALD"),
    FourCharErr("MOOT"),
    FourCharErr("TRSH"),
    FourCharErr("CHEK"),
    FourCharErr("CHIT"),
    FourCharErr("TLTK"),
    FourCharErr("pFls"),
    FourCharErr("S!Fd"),
    FourCharErr("!Acq"),
    FourCharErr("dsRP"),
    FourCharErr("skpE"),
    FourCharErr("DONE"),
    FourCharErr("STOP"),
    361,
    0,
};

namespace {

std::int64_t SystemSeconds() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

CalendarClock sCalendarClock = &SystemSeconds;

}  // namespace

bool IsIgnoredErrorCode(ASErr code) {
    for (const ASErr* entry = IgnoredErrorCodes; *entry != 0; ++entry) {
        if (*entry == code) return true;
    }
    return false;
}

void DefaultErrorReport(SPPluginRef plugin, ASErr code) {
    (void)plugin;
    if (IsIgnoredErrorCode(code)) return;
}

void SetCalendarClock(CalendarClock clock) {
    sCalendarClock = clock ? clock : &SystemSeconds;
}

std::int64_t CalendarSeconds() {
    return sCalendarClock();
}
