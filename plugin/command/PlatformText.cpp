// Conversion of the module's UTF-8 texts to the platform encoding.
#include "plugin/command/PlatformText.h"

#include "plugin/host/HostString.h"

std::string ToPlatformText(const char* utf8) {
    return ai::HostString::FromUtf8(utf8).ToBytes(kAIPlatformCharacterEncoding);
}
