// Where the command finds the module and the module's resource script: beside an installed command, else in the
// build tree it was built in; TRIMORA_MODULE names another module file.
#pragma once

#include <filesystem>
#include <string>

namespace headless::app {

std::string ModuleFilePath();
// The resource script installed with the command, or empty when the stand-in's own default applies.
std::filesystem::path InstalledResourceScript();
// The product version from the version record of the resource script ("2.5.7.0"); throws std::runtime_error.
std::string ModuleVersion();

}  // namespace headless::app
