// The handler only sets a flag; everything else happens on the main thread when the host next looks at it.
#include "headless/cli/Interrupt.h"

#include <signal.h>
#include <unistd.h>

namespace headless::app {

namespace {

volatile sig_atomic_t interrupts = 0;
struct sigaction previousInt {};
struct sigaction previousTerm {};

void OnInterrupt(int signal) {
    if (interrupts > 0) {
        // The user insists: the conventional exit status of a death by this signal, without unwinding.
        _exit(128 + signal);
    }
    interrupts = interrupts + 1;
}

}  // namespace

InterruptGuard::InterruptGuard() {
    interrupts = 0;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a terminal read in the dialog returns with EINTR, so the dialog can close as cancelled.
    action.sa_flags = 0;
    sigaction(SIGINT, &action, &previousInt);
    sigaction(SIGTERM, &action, &previousTerm);
}

InterruptGuard::~InterruptGuard() {
    sigaction(SIGINT, &previousInt, nullptr);
    sigaction(SIGTERM, &previousTerm, nullptr);
}

bool Interrupted() {
    return interrupts > 0;
}

}  // namespace headless::app
