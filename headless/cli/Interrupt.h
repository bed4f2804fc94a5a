// Ctrl-C while the command runs. The first interrupt is only noted: the host answers the module's next cancel
// check with it, and the command then stops cleanly. A second one ends the process at once.
#pragma once

namespace headless::app {

// Installs the handler for SIGINT (and SIGTERM); the previous handlers come back when the guard goes.
class InterruptGuard {
public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;
};

bool Interrupted();

}  // namespace headless::app
