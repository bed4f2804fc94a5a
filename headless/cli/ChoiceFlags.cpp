// Controls are found by the ids the resource script gives them, the same ones the module reads back.
#include "headless/cli/ChoiceFlags.h"

#include "plugin/resources/ResourceIds.h"

namespace headless::app {

void ChoiceFlagsDriver::Run(win32::OpenDialog& dialog) {
    if (dialog.Id() != IDD_OPTIONS) return;
    if (choices_.inside) dialog.Click(*choices_.inside ? IDC_INSIDE : IDC_OUTSIDE);
    const struct {
        const std::optional<bool>& choice;
        int control;
    } boxes[] = {
        {choices_.deleteEmptyLayers, IDC_DELETE_EMPTY_LAYER},
        {choices_.deleteCrossingText, IDC_DELETE_TEXT_ON_LINE},
        {choices_.showProgress, IDC_SHOW_PROGRESS},
        {choices_.keepRegion, IDC_PRESERVE_MASK_PATH},
    };
    for (const auto& box : boxes)
        if (box.choice) dialog.SetChecked(dialog.Control(box.control), *box.choice);
    dialog.PressEnter();
}

}  // namespace headless::app
