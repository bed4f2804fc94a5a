// The module keeps its texts in UTF-8; host functions that take byte strings want the platform's encoding.
#pragma once

#include <string>

// Converts through the host's Unicode strings; throws ai::Error when the host refuses.
std::string ToPlatformText(const char* utf8);
