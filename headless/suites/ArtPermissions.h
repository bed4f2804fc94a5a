// What the application lets a plug-in take away: art the user has locked or hidden, itself or through one of its
// layers, stays where it is. A member of a locked group is not protected by the group, and a group's own flags
// say nothing about its members, as in the application.
#pragma once

#include "headless/document/Document.h"

namespace headless {

constexpr AIErr kArtLockedErr = FourCharErr("LOCK");  // the art or one of its layers is locked
constexpr AIErr kArtHiddenErr = FourCharErr("HIDN");  // the art or one of its layers is hidden

// 0 when the art may be disposed; otherwise why not.
AIErr CheckDisposable(const Document& doc, ArtId id);

}  // namespace headless
