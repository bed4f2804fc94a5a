// Showing one of the module's own dialog templates as a modal dialog over the host's main window.
#pragma once

#include "plugin/platform/Win32Ui.h"
#include "plugin/sdk/AITypes.h"

// Finds the module's resources from the plug-in's file and runs the dialog. Answers a host code when the host
// cannot name its main window or the plug-in's file, 0 without showing anything when the module's file is not a
// loaded module, and otherwise the dialog's result cut to 32 bits (-1 when Windows cannot make it). Throws ai::Error
// when the host refuses to convert the file's path.
ASInt32 ShowModuleDialog(SPPluginRef plugin, WORD templateId, DLGPROC procedure, LPARAM initParam);
