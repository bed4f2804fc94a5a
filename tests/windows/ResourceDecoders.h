// The binary forms the resource compiler gives the module's dialogs and version record, decoded into the types the
// stand-in reads from the script, so that the two readings can be compared field by field.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "headless/win32/ResourceScript.h"
#include "tests/windows/PeImage.h"

namespace trimora::pe {

// A name that is either a string or a 16-bit ordinal, as dialog templates keep menus, classes and texts.
struct NameOrOrdinal {
    std::string text;
    std::optional<int> ordinal;

    bool Empty() const { return text.empty() && !ordinal; }
};

struct DecodedDialog {
    headless::win32::DialogTemplate dialog;  // id and language are the resource tree's, not the template's
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
};

// An extended dialog template; throws PeError for any other form or for fields past the end.
DecodedDialog DecodeDialog(const Bytes& bytes);

struct DecodedVersion {
    headless::win32::VersionResource version;  // id and language as for dialogs
    std::vector<std::string> stringTables;     // keys of the string tables: language and code page in hex
    std::vector<std::pair<int, int>> translations;
};

// A version record: its fixed part, its string tables and its translations; throws PeError when malformed.
DecodedVersion DecodeVersion(const Bytes& bytes);

}  // namespace trimora::pe
