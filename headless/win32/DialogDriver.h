// The user of the stand-in's dialogs: a driver is handed each modal dialog once it has been initialised and
// plays the user on it. Tests install their own; the command line uses a scripted one.
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "headless/win32/OpenDialog.h"

namespace headless::win32 {

class DialogDriver {
public:
    virtual ~DialogDriver() = default;
    // Plays the user on one dialog. Returning with the dialog still open counts as closing it with Escape.
    virtual void Run(OpenDialog& dialog) = 0;
};

// The driver DialogBoxParamA hands its dialogs to; null means no one, so every dialog is cancelled.
// The stand-in does not own the driver.
void SetDialogDriver(DialogDriver* driver);
DialogDriver* CurrentDialogDriver();

// Installs a driver for the life of the object and puts the previous one back afterwards.
class ScopedDialogDriver {
public:
    explicit ScopedDialogDriver(DialogDriver& driver) : previous_(CurrentDialogDriver()) { SetDialogDriver(&driver); }
    ~ScopedDialogDriver() { SetDialogDriver(previous_); }
    ScopedDialogDriver(const ScopedDialogDriver&) = delete;
    ScopedDialogDriver& operator=(const ScopedDialogDriver&) = delete;

private:
    DialogDriver* previous_;
};

// A driver made of a function, for tests.
class CallbackDriver : public DialogDriver {
public:
    explicit CallbackDriver(std::function<void(OpenDialog&)> run) : run_(std::move(run)) {}
    void Run(OpenDialog& dialog) override { run_(dialog); }

private:
    std::function<void(OpenDialog&)> run_;
};

// One step of a script: "click:<id or text>", "check:<id or text>", "uncheck:<id or text>", "enter", "escape".
struct DialogAction {
    enum class Kind { Click, Check, Uncheck, Enter, Escape };
    Kind kind = Kind::Enter;
    std::optional<int> id;  // the control, when given by number
    std::string text;       // the control, when given by its text (UTF-8)
    std::string source;     // the action as written
};

// Throws std::invalid_argument naming the action when it cannot be read.
DialogAction ParseDialogAction(std::string_view action);

// Plays a list of actions. Each dialog takes actions from where the previous one stopped until it ends or the
// list runs out; so one list can serve a dialog that opens another, or several dialogs in a row.
class ScriptedDriver : public DialogDriver {
public:
    // Throws std::invalid_argument for an action it cannot read, before any dialog opens.
    explicit ScriptedDriver(const std::vector<std::string>& actions);
    // With an echo stream, each dialog is described there when it opens and each action as it is taken.
    void SetEcho(std::ostream* echo) { echo_ = echo; }
    void Run(OpenDialog& dialog) override;
    std::size_t RemainingActions() const { return actions_.size() - next_; }

private:
    std::vector<DialogAction> actions_;
    std::size_t next_ = 0;
    std::ostream* echo_ = nullptr;
};

}  // namespace headless::win32
