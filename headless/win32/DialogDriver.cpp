// The installed dialog driver and the scripted driver the command line uses.
#include "headless/win32/DialogDriver.h"

#include <charconv>
#include <ostream>
#include <stdexcept>

namespace headless::win32 {

namespace {

DialogDriver* installedDriver = nullptr;

const DialogControl& Target(const OpenDialog& dialog, const DialogAction& action) {
    return action.id ? dialog.Control(*action.id) : dialog.ControlWithText(action.text);
}

}  // namespace

void SetDialogDriver(DialogDriver* driver) {
    installedDriver = driver;
}
DialogDriver* CurrentDialogDriver() {
    return installedDriver;
}

DialogAction ParseDialogAction(std::string_view written) {
    DialogAction action;
    action.source = std::string(written);
    if (written == "enter") {
        action.kind = DialogAction::Kind::Enter;
        return action;
    }
    if (written == "escape") {
        action.kind = DialogAction::Kind::Escape;
        return action;
    }
    const std::size_t colon = written.find(':');
    const std::string_view verb = written.substr(0, colon);
    if (verb == "click") {
        action.kind = DialogAction::Kind::Click;
    } else if (verb == "check") {
        action.kind = DialogAction::Kind::Check;
    } else if (verb == "uncheck") {
        action.kind = DialogAction::Kind::Uncheck;
    } else {
        throw std::invalid_argument("unknown dialog action \"" + action.source +
                                    "\" (expected click:, check:, uncheck:, enter or escape)");
    }
    if (colon == std::string_view::npos || colon + 1 == written.size()) {
        throw std::invalid_argument("dialog action \"" + action.source + "\" names no control");
    }
    const std::string_view target = written.substr(colon + 1);
    int id = 0;
    const auto [end, error] = std::from_chars(target.data(), target.data() + target.size(), id);
    if (error == std::errc() && end == target.data() + target.size()) {
        action.id = id;
    } else {
        action.text = std::string(target);
    }
    return action;
}

ScriptedDriver::ScriptedDriver(const std::vector<std::string>& actions) {
    actions_.reserve(actions.size());
    for (const std::string& action : actions)
        actions_.push_back(ParseDialogAction(action));
}

void ScriptedDriver::Run(OpenDialog& dialog) {
    if (echo_) *echo_ << dialog.Describe();
    while (!dialog.Ended() && next_ < actions_.size()) {
        const DialogAction& action = actions_[next_++];
        if (echo_) *echo_ << "  > " << action.source << "\n";
        switch (action.kind) {
            case DialogAction::Kind::Click:
                dialog.Click(Target(dialog, action));
                break;
            case DialogAction::Kind::Check:
                dialog.SetChecked(Target(dialog, action), true);
                break;
            case DialogAction::Kind::Uncheck:
                dialog.SetChecked(Target(dialog, action), false);
                break;
            case DialogAction::Kind::Enter:
                dialog.PressEnter();
                break;
            case DialogAction::Kind::Escape:
                dialog.PressEscape();
                break;
        }
    }
}

}  // namespace headless::win32
