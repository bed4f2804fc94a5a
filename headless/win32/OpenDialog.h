// A modal dialog while it is open: its controls and their check states, the procedure it talks to, and the
// user's actions (clicks, Enter, Escape) as the window system turns them into messages.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "headless/win32/ResourceScript.h"
#include "plugin/platform/Win32Ui.h"

namespace headless::win32 {

// An action the dialog cannot take: an unknown control, a control that does not respond, a closed dialog.
class DialogError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class DialogControl {
public:
    explicit DialogControl(ControlTemplate controlTemplate) : template_(std::move(controlTemplate)) {}

    const ControlTemplate& Template() const { return template_; }
    int Id() const { return template_.id; }
    const std::string& Text() const { return template_.text; }
    UINT CheckState() const { return checkState_; }
    bool IsChecked() const { return checkState_ == BST_CHECKED; }

private:
    friend class OpenDialog;
    ControlTemplate template_;
    UINT checkState_ = BST_UNCHECKED;
};

class OpenDialog {
public:
    OpenDialog(DialogTemplate dialogTemplate, HWND owner, DLGPROC procedure, LPARAM initParam);
    ~OpenDialog();
    OpenDialog(const OpenDialog&) = delete;
    OpenDialog& operator=(const OpenDialog&) = delete;

    // What the user sees.
    int Id() const { return template_.id; }
    const std::string& Caption() const { return template_.caption; }
    const DialogTemplate& Template() const { return template_; }
    const std::vector<DialogControl>& Controls() const { return controls_; }
    HWND Owner() const { return owner_; }
    // The first control with the id; throws DialogError when there is none.
    const DialogControl& Control(int id) const;
    // The one control showing exactly this text; throws DialogError when none or several do.
    const DialogControl& ControlWithText(std::string_view text) const;
    bool IsChecked(int id) const { return Control(id).IsChecked(); }
    bool Ended() const { return ended_; }
    INT_PTR Result() const { return result_; }
    // One line for the dialog, then one a control: id, kind, state and text.
    std::string Describe() const;

    // What the user does. Each throws DialogError when the dialog has ended or the control cannot be clicked.
    void Click(int id) { Click(Control(id)); }
    void Click(const DialogControl& control);
    // Clicks a check box or radio button unless it already shows the wanted state.
    void SetChecked(const DialogControl& control, bool checked);
    void PressEnter();
    void PressEscape();

    // The window system's side.
    HWND Handle() { return reinterpret_cast<HWND>(this); }
    HWND ControlHandle(const DialogControl& control) const;
    void Initialise();
    void End(INT_PTR result);
    DialogControl* FindControl(int id);
    static void SetCheckState(DialogControl& control, UINT state) { control.checkState_ = state; }
    // The dialog, or the dialog and control, a handle stands for; null for handles of no open dialog.
    static OpenDialog* FromHandle(HWND handle);
    static DialogControl* ControlFromHandle(HWND handle);

private:
    void RequireOpen() const;
    std::size_t IndexOf(const DialogControl& control) const;
    void ClickAutoRadioButton(std::size_t index);
    LRESULT SendCommand(int id, HWND control);

    DialogTemplate template_;
    std::vector<DialogControl> controls_;
    HWND owner_;
    DLGPROC procedure_;
    LPARAM initParam_;
    bool ended_ = false;
    INT_PTR result_ = 0;
};

}  // namespace headless::win32
