// One whole run as a user makes it: a drawing read from an SVG file, the region selected, the module started
// through PluginMain, the clip chosen from the menu (dialog confirmed) or played back from an action, the result
// written as SVG.
#pragma once

#include <functional>
#include <string>

#include "headless/loader/ModuleHost.h"
#include "headless/model/Application.h"
#include "plugin/command/ClipOptions.h"

namespace trimora::e2e {

enum class Start { kMenu, kAction };

class ClipSession {
public:
    // Reads `svgFile` and selects the object with id `regionId`; the module is started up at once.
    ClipSession(const std::string& svgFile, const std::string& regionId);
    ~ClipSession();
    ClipSession(const ClipSession&) = delete;
    ClipSession& operator=(const ClipSession&) = delete;

    // The menu command stores `options` as the confirmed ones and presses Enter in the dialog; playback hands
    // them over as the action's parameters without showing the dialog. `beforeSending` runs once that is set up,
    // just before the host sends the message: where a test arms its faults.
    AIErr Clip(const ClipOptions& options, Start start, const std::function<void()>& beforeSending = {});
    void Write(const std::string& svgFile) const;

    headless::Application app;
    headless::Document& doc;
    headless::ModuleHost host{app};
    AIErr startupResult = kNoErr;
};

}  // namespace trimora::e2e
