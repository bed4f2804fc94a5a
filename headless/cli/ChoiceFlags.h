// The options dialog played by the command line's flags: each choice given on the command line is set in the
// dialog the module opened (pre-filled from the stored preferences), the others stay as shown, then "実行".
#pragma once

#include <optional>

#include "headless/win32/DialogDriver.h"

namespace headless::app {

struct ClipChoices {
    std::optional<bool> inside;  // true: inside removed, false: outside removed
    std::optional<bool> deleteEmptyLayers;
    std::optional<bool> deleteCrossingText;
    std::optional<bool> showProgress;
    std::optional<bool> keepRegion;
};

class ChoiceFlagsDriver : public win32::DialogDriver {
public:
    explicit ChoiceFlagsDriver(const ClipChoices& choices) : choices_(choices) {}
    // Any other dialog is left to close as the stand-in closes it, with Escape.
    void Run(win32::OpenDialog& dialog) override;

private:
    ClipChoices choices_;
};

}  // namespace headless::app
