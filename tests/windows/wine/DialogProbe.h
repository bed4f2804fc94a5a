// Watches the dialogs the module opens on this thread and reports, as each becomes active, its size in pixels
// beside the size its template asks for at its font, and how many characters of its texts its fonts cannot draw.
#pragma once

#include <windows.h>

#include <cstdio>

namespace trimora::wine {

class DialogProbe {
public:
    // `module` holds the templates; reports go to `out`, a line a dialog.
    DialogProbe(HMODULE module, std::FILE* out);
    ~DialogProbe();
    DialogProbe(const DialogProbe&) = delete;
    DialogProbe& operator=(const DialogProbe&) = delete;

    // The template the next dialog is built from.
    void Expect(int templateId) { expected_ = templateId; }
    int Shown() const { return shown_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    void Report(HWND dialog);

    HMODULE module_;
    std::FILE* out_;
    HHOOK hook_ = nullptr;
    int expected_ = 0;
    int shown_ = 0;
};

}  // namespace trimora::wine
