// What the host shows the user and asks of them: alerts, the progress display, its cancel button, redraws.
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace headless {

struct Alert {
    enum class Kind { kError, kMessage };
    Kind kind;
    std::string text;  // UTF-8
};

struct UserModel {
    std::vector<Alert> alerts;
    // Called with each alert as it is raised, so that whoever drives the host can show it.
    std::function<void(const Alert&)> onAlert;
    // Called after each change of the progress text or value, so that whoever drives the host can draw it.
    std::function<void()> onProgress;

    std::string progressText;  // UTF-8
    std::vector<std::string> progressTexts;
    int progressCurrent = 0;
    int progressMax = 0;
    int progressHighestAsked = 0;  // the largest value ever handed to UpdateProgress, before it was clamped
    bool progressShown = false;    // from the first text or update until CloseProgress
    int cancelQueries = 0;
    // The user's cancel button: set by a test or by the command's interrupt handler (an atomic flag is safe to
    // set from a signal handler), answered by AIUserSuite::Cancel until cleared.
    std::atomic<bool> cancelRequested{false};
    // A driver that decides per question; by default the user never cancels.
    std::function<bool()> cancelAnswer;

    int redraws = 0;
};

}  // namespace headless
