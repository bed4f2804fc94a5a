// What a file held of an object that the document does not model, kept so that saving in the same format gives it
// back: named values (the file's attributes the host does not draw), the object itself as the file held it when the
// host carries it unchanged (text, symbols, unknown content), and the object's id in the file. The file format's
// reader fills it and its writer reads it; the document and the suites only copy it, never looking inside.
#pragma once

#include <map>
#include <string>

#include "headless/document/SharedValue.h"

namespace headless {

using NamedValues = std::map<std::string, std::string>;

// The named values are shared between the pieces cut from one object and between objects a reader found alike.
struct CarriedData {
    SharedValue<NamedValues> attributes;
    std::string element;  // empty for objects the document models
    std::string id;
};

// What a new object made from this one takes over (a piece cut from it, an art style taken from it): the named
// values, without the identity that stays with the original.
inline CarriedData AppearanceOf(const CarriedData& carried) {
    return {carried.attributes, {}, {}};
}

// `object` with the named values of `appearance` in place of its own.
inline CarriedData WithAppearance(CarriedData object, const CarriedData& appearance) {
    object.attributes = appearance.attributes;
    return object;
}

}  // namespace headless
