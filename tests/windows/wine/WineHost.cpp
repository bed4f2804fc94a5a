// The stand-in host built for Windows, to run the plug-in DLL under Wine: it loads the file with LoadLibrary, starts
// it through PluginMain, and opens its dialogs from the menu, where the real dialog manager shows them and a driver
// outside plays the user. Each step ends with a line on standard output for the driver to check.
//
//   trimora_wine_host PLUGIN STEP...   steps: about (the About item), clip (the clip item),
//                                      platform:HEX, utf8:HEX (UTF-8 to the platform encoding and back, in hex)
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "headless/loader/ModuleHost.h"
#include "headless/suites/HostEntry.h"
#include "headless/suites/MenuQueries.h"
#include "headless/suites/SuiteText.h"
#include "tests/windows/wine/DialogProbe.h"
#include "tests/windows/wine/ImportPatch.h"

namespace {

constexpr const char* kClipItem = "Zavik-Trimora2.5...";
constexpr const char* kAboutGroup = "AboutZavikName";
constexpr const char* kPreferenceSection = "Zavik-Trimora2.5";
constexpr int kOptionsTemplate = 102;
constexpr int kAboutTemplate = 107;

int gSiteOpenings = 0;

// Stands in for the shell: the web site is named, never opened. Above 32 is success to the caller.
HINSTANCE WINAPI OpenNothing(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, INT show) {
    ++gSiteOpenings;
    std::printf("shell %s %s %d\n", verb ? verb : "(null)", file ? file : "(null)", show);
    std::fflush(stdout);
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

// A host code as the driver compares it: four printable characters as 'STOP', anything else as a number.
std::string CodeText(AIErr code) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((static_cast<std::uint32_t>(code) >> shift) & 0xFF);
        if (c < 0x20 || c > 0x7E) return std::to_string(code);
        text += c;
    }
    return "'" + text + "'";
}

// The options as the menu command left them in the preferences, in the order of the dialog's record.
std::string ClipPreferences(const headless::Application& app) {
    std::string text = "preferences";
    for (const char* key :
         {"ClipType", "DeleteEmptyLayer", "DeleteTextOnTheLine", "ShowProgress", "PreserveMaskPath"}) {
        const auto number = app.preferences.GetInteger(kPreferenceSection, key);
        const auto flag = app.preferences.GetBoolean(kPreferenceSection, key);
        text += std::string(" ") + key + "=" + (number ? std::to_string(*number) : flag ? std::to_string(*flag) : "-");
    }
    return text;
}

// Texts cross the command line in hex: Wine would pass the arguments through the ANSI code page.
std::string FromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

std::string ToHex(const std::string& bytes) {
    std::string hex;
    char pair[3];
    for (unsigned char c : bytes) {
        std::snprintf(pair, sizeof pair, "%02x", c);
        hex += pair;
    }
    return hex;
}

// The host's conversion of one text, as the suites make it for the module; a refusal is named as such.
template <typename Convert>
std::string Converted(const std::string& hex, Convert convert) {
    try {
        return ToHex(convert(FromHex(hex)));
    } catch (const headless::HostError&) {
        return "refused";
    }
}

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

int Run(const std::string& plugin, int stepCount, char** steps) {
    headless::Application app;
    // The dialogs' owner: the host's main window, a real one here, which Windows insists on. It stays hidden.
    HWND mainWindow = CreateWindowExA(0, "STATIC", "trimora", WS_OVERLAPPEDWINDOW, 0, 0, 320, 200, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
    if (!mainWindow) {
        Say("no main window");
        return 2;
    }
    app.context.mainWindow = reinterpret_cast<AIWindowRef>(mainWindow);
    headless::ModuleHost host(app);
    if (!host.Load(plugin)) {
        Say("load failed: " + host.LoadError());
        return 2;
    }
    const auto module = GetModuleHandleA(plugin.c_str());
    if (!module || !trimora::wine::RedirectImport(module, "shell32.dll", "ShellExecuteA",
                                                  reinterpret_cast<const void*>(&OpenNothing))) {
        Say("cannot stand between the plug-in and the shell");
        return 2;
    }
    Say("startup " + CodeText(host.Startup()));
    const auto clip = headless::FindMenuItem(app, "Objects", kClipItem);
    const auto about = headless::FindMenuItem(app, kAboutGroup, kClipItem);
    Say(std::string("menu clip ") + (clip ? "added" : "missing") + " about " + (about ? "added" : "missing"));
    for (const auto& event : app.actions.registered)
        Say("action " + event.name);

    trimora::wine::DialogProbe probe(module, stdout);
    for (int i = 0; i < stepCount; ++i) {
        const std::string step = steps[i];
        const int shownBefore = probe.Shown();
        const int openedBefore = gSiteOpenings;
        if (step == "about" && about) {
            probe.Expect(kAboutTemplate);
            const AIErr result = host.MenuGo(headless::MenuItemHandle(about));
            Say("about " + CodeText(result) + " shown " + std::to_string(probe.Shown() - shownBefore) + " site " +
                std::to_string(gSiteOpenings - openedBefore));
        } else if (step == "clip" && clip) {
            probe.Expect(kOptionsTemplate);
            const AIErr result = host.MenuGo(headless::MenuItemHandle(clip));
            Say("clip " + CodeText(result) + " shown " + std::to_string(probe.Shown() - shownBefore));
            Say(ClipPreferences(app));
        } else if (step.starts_with("platform:")) {
            const std::string hex = step.substr(9);
            Say("platform " + hex + " " + Converted(hex, headless::suitetext::Utf8ToPlatform));
        } else if (step.starts_with("utf8:")) {
            const std::string hex = step.substr(5);
            Say("utf8 " + hex + " " + Converted(hex, headless::suitetext::PlatformToUtf8));
        } else {
            Say("unknown step or missing item: " + step);
            return 2;
        }
    }
    Say("shutdown " + CodeText(host.Shutdown()));
    DestroyWindow(mainWindow);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PLUGIN STEP...\n", argv[0]);
        return 2;
    }
    _setmode(_fileno(stdout), _O_BINARY);  // lines end in \n, as the driver reads them
    return Run(argv[1], argc - 2, argv + 2);
}
