// The behaviour of an open dialog: automatic check boxes and radio buttons, the default button, cancel,
// and the handles through which the module's calls reach the dialog and its controls.
#include "headless/win32/OpenDialog.h"

#include <sstream>
#include <unordered_map>

#include "headless/win32/WindowStyles.h"

namespace headless::win32 {

namespace {

struct WindowEntry {
    OpenDialog* dialog;
    DialogControl* control;  // null for the dialog window itself
};

// Every live window by handle, so that a stale or made-up handle is recognised instead of followed.
std::unordered_map<HWND, WindowEntry>& Windows() {
    static std::unordered_map<HWND, WindowEntry> windows;
    return windows;
}

std::uint32_t ButtonKind(const ControlTemplate& control) {
    return control.className == "BUTTON" ? control.style & kButtonKindMask : ~0u;
}

bool IsStatic(const ControlTemplate& control) {
    return control.className == "STATIC";
}

std::string OneLine(std::string text) {
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at)) {
        text.replace(at, 1, " / ");
    }
    return text;
}

}  // namespace

OpenDialog::OpenDialog(DialogTemplate dialogTemplate, HWND owner, DLGPROC procedure, LPARAM initParam)
    : template_(std::move(dialogTemplate)), owner_(owner), procedure_(procedure), initParam_(initParam) {
    controls_.reserve(template_.controls.size());
    for (const ControlTemplate& control : template_.controls)
        controls_.emplace_back(control);
    Windows()[Handle()] = {this, nullptr};
    for (DialogControl& control : controls_)
        Windows()[ControlHandle(control)] = {this, &control};
}

OpenDialog::~OpenDialog() {
    for (const DialogControl& control : controls_)
        Windows().erase(ControlHandle(control));
    Windows().erase(Handle());
}

const DialogControl& OpenDialog::Control(int id) const {
    for (const DialogControl& control : controls_) {
        if (control.Id() == id) return control;
    }
    throw DialogError("dialog " + std::to_string(Id()) + " has no control " + std::to_string(id));
}

const DialogControl& OpenDialog::ControlWithText(std::string_view text) const {
    const DialogControl* found = nullptr;
    for (const DialogControl& control : controls_) {
        if (control.Text() != text) continue;
        if (found)
            throw DialogError("dialog " + std::to_string(Id()) + " has several controls \"" + std::string(text) + "\"");
        found = &control;
    }
    if (!found) throw DialogError("dialog " + std::to_string(Id()) + " has no control \"" + std::string(text) + "\"");
    return *found;
}

std::string OpenDialog::Describe() const {
    std::ostringstream out;
    out << "dialog " << Id() << " \"" << Caption() << "\"\n";
    for (const DialogControl& control : controls_) {
        const ControlTemplate& t = control.Template();
        out << "  " << t.id << " ";
        switch (ButtonKind(t)) {
            case kBsPushButton:
                out << "button";
                break;
            case kBsDefPushButton:
                out << "button (default)";
                break;
            case kBsCheckBox:
            case kBsAutoCheckBox:
            case kBs3State:
            case kBsAuto3State:
                out << (control.CheckState() == BST_CHECKED         ? "[x]"
                        : control.CheckState() == BST_INDETERMINATE ? "[-]"
                                                                    : "[ ]");
                break;
            case kBsRadioButton:
            case kBsAutoRadioButton:
                out << (control.IsChecked() ? "(*)" : "( )");
                break;
            case kBsGroupBox:
                out << "group";
                break;
            default:
                out << (IsStatic(t) && (t.style & kStaticKindMask) == kSsBitmap ? "picture" : "text");
        }
        if (t.textOrdinal) {
            out << " #" << *t.textOrdinal;
        } else {
            out << " \"" << OneLine(t.text) << "\"";
        }
        out << "\n";
    }
    return out.str();
}

void OpenDialog::RequireOpen() const {
    if (ended_) throw DialogError("dialog " + std::to_string(Id()) + " has already ended");
}

std::size_t OpenDialog::IndexOf(const DialogControl& control) const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (&controls_[i] == &control) return i;
    }
    throw DialogError("the control is not one of dialog " + std::to_string(Id()));
}

HWND OpenDialog::ControlHandle(const DialogControl& control) const {
    return reinterpret_cast<HWND>(const_cast<DialogControl*>(&control));
}

LRESULT OpenDialog::SendCommand(int id, HWND control) {
    const WPARAM wParam = MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED);
    return procedure_(Handle(), WM_COMMAND, wParam, reinterpret_cast<LPARAM>(control));
}

void OpenDialog::Initialise() {
    procedure_(Handle(), WM_INITDIALOG, 0, initParam_);
}

void OpenDialog::End(INT_PTR result) {
    ended_ = true;
    result_ = result;
}

DialogControl* OpenDialog::FindControl(int id) {
    for (DialogControl& control : controls_) {
        if (control.Id() == id) return &control;
    }
    return nullptr;
}

void OpenDialog::Click(const DialogControl& target) {
    RequireOpen();
    const std::size_t index = IndexOf(target);
    DialogControl& control = controls_[index];
    const ControlTemplate& t = control.Template();
    const std::string name = "control " + std::to_string(t.id) + " of dialog " + std::to_string(Id());
    if (t.style & kWsDisabled) throw DialogError(name + " is disabled");
    if (!(t.style & kWsVisible)) throw DialogError(name + " is hidden");
    if (IsStatic(t) && !(t.style & kSsNotify)) throw DialogError(name + " is a static control and takes no clicks");
    switch (ButtonKind(t)) {
        case ~0u:
            if (!IsStatic(t)) throw DialogError(name + " is of a class the stand-in cannot click");
            break;
        case kBsGroupBox:
            throw DialogError(name + " is a group box and takes no clicks");
        case kBsAutoCheckBox:
            control.checkState_ = control.IsChecked() ? BST_UNCHECKED : BST_CHECKED;
            break;
        case kBsAuto3State:
            control.checkState_ = (control.checkState_ + 1) % 3;
            break;
        case kBsAutoRadioButton:
            ClickAutoRadioButton(index);
            break;
        default:
            break;  // push buttons and the manual kinds only notify the procedure
    }
    SendCommand(t.id, ControlHandle(control));
}

// Checks the button and unchecks the other automatic radio buttons of its group: the controls from the nearest
// WS_GROUP control at or before it up to the next WS_GROUP control.
void OpenDialog::ClickAutoRadioButton(std::size_t index) {
    auto startsGroup = [this](std::size_t i) { return (controls_[i].Template().style & kWsGroup) != 0; };
    std::size_t first = index;
    while (first > 0 && !startsGroup(first))
        --first;
    std::size_t end = index + 1;
    while (end < controls_.size() && !startsGroup(end))
        ++end;
    for (std::size_t i = first; i < end; ++i) {
        if (i != index && ButtonKind(controls_[i].Template()) == kBsAutoRadioButton) {
            controls_[i].checkState_ = BST_UNCHECKED;
        }
    }
    controls_[index].checkState_ = BST_CHECKED;
}

void OpenDialog::SetChecked(const DialogControl& control, bool checked) {
    const std::uint32_t kind = ButtonKind(control.Template());
    if (kind != kBsAutoCheckBox && kind != kBsAuto3State && kind != kBsAutoRadioButton) {
        throw DialogError("control " + std::to_string(control.Id()) + " of dialog " + std::to_string(Id()) +
                          " is not an automatic check box or radio button");
    }
    if (kind == kBsAutoRadioButton && !checked && control.IsChecked()) {
        throw DialogError("radio button " + std::to_string(control.Id()) + " cannot be unchecked by clicking it");
    }
    // A three-state box may need two clicks to get from indeterminate to unchecked.
    const UINT wanted = checked ? BST_CHECKED : BST_UNCHECKED;
    for (int clicks = 0; control.CheckState() != wanted && clicks < 2; ++clicks)
        Click(control);
}

void OpenDialog::PressEnter() {
    RequireOpen();
    for (const DialogControl& control : controls_) {
        if (ButtonKind(control.Template()) == kBsDefPushButton) {
            if (control.Template().style & kWsDisabled) return;  // the window system only beeps
            SendCommand(control.Id(), ControlHandle(control));
            return;
        }
    }
    // Without a default push button the window system takes IDOK as the default id.
    const DialogControl* ok = FindControl(IDOK);
    SendCommand(IDOK, ok ? ControlHandle(*ok) : nullptr);
}

void OpenDialog::PressEscape() {
    RequireOpen();
    const DialogControl* cancel = FindControl(IDCANCEL);
    SendCommand(IDCANCEL, cancel ? ControlHandle(*cancel) : nullptr);
}

OpenDialog* OpenDialog::FromHandle(HWND handle) {
    const auto found = Windows().find(handle);
    return found != Windows().end() && !found->second.control ? found->second.dialog : nullptr;
}

DialogControl* OpenDialog::ControlFromHandle(HWND handle) {
    const auto found = Windows().find(handle);
    return found != Windows().end() ? found->second.control : nullptr;
}

}  // namespace headless::win32
