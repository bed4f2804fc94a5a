// AI Unicode String suite: strings owned by the host, made from and converted to byte strings in a given encoding.
#pragma once

#include "plugin/sdk/AITypes.h"

constexpr const char* kAIUnicodeStringSuite = "AI Unicode String Suite";
constexpr int kAIUnicodeStringSuiteVersion = 9;

// Encodings of byte strings exchanged with the host.
enum AICharacterEncoding : ASInt32 {
    // The platform's multi-byte code page (CP932 on a Japanese Windows).
    kAIPlatformCharacterEncoding = 0,
    kAIUTF8CharacterEncoding = 1,
};

// Positions and lengths count characters (Unicode code points), so no cut falls inside a character.
// Every string a function hands out through an AIUnicodeStringRef* is new and owned by the caller, who destroys it.
struct AIUnicodeStringSuite {
    // byteLength counts the bytes of text without a terminating NUL; bytes invalid in the encoding are an error.
    AIErr (*Initialize)(AIUnicodeStringRef* string, const char* text, ASInt32 byteLength, ASInt32 encoding);
    AIErr (*Copy)(AIUnicodeStringRef* string, AIUnicodeStringRef source);
    AIErr (*Assign)(AIUnicodeStringRef destination, AIUnicodeStringRef source);
    AIErr (*Append)(AIUnicodeStringRef destination, AIUnicodeStringRef source);
    AIErr (*Length)(AIUnicodeStringRef string, ASInt32* length);
    // Removes count characters from position on; a count reaching past the end erases to the end.
    AIErr (*Erase)(AIUnicodeStringRef string, ASInt32 position, ASInt32 count);
    // Converts to the encoding. *bytes is a block of *byteCount bytes plus a terminating NUL, allocated by the host;
    // the caller frees it with SPBlocksSuite::FreeBlock. A character the encoding lacks is an error.
    AIErr (*GetAs)(AIUnicodeStringRef string, ASInt32 encoding, char** bytes, ASInt32* byteCount);
    // Answered with nothing: destruction cannot fail. A null string is ignored.
    void (*Destroy)(AIUnicodeStringRef string);
};
