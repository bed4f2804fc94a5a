// The layer suite: top-level layers, their titles as the host's Unicode strings, and their state flags.
#include "headless/suites/ArtSuiteParts.h"
#include "headless/suites/HostEntry.h"
#include "headless/suites/SuiteText.h"
#include "headless/suites/UnicodeStrings.h"
#include "plugin/sdk/AILayer.h"
#include "plugin/sdk/AIUnicodeString.h"

namespace headless {
namespace {

AIErr CountLayers(ASInt32* count) {
    ASInt32& out = Out(count);
    out = Doc().CountLayers();
    return kNoErr;
}

AIErr GetNthLayer(ASInt32 n, AILayerHandle* layer) {
    AILayerHandle& out = Out(layer);
    out = HandleOf(Doc().NthLayer(n));
    return out ? kNoErr : Fail(kOutOfRangeErr);
}

// A sublayer has no next top-level layer: it answers null.
AIErr GetNextLayer(AILayerHandle layer, AILayerHandle* next) {
    AILayerHandle& out = Out(next);
    out = nullptr;
    out = HandleOf(Doc().NextLayer(LayerIdOf(layer)));
    return kNoErr;
}

AIErr GetCurrentLayer(AILayerHandle* layer) {
    AILayerHandle& out = Out(layer);
    out = HandleOf(Doc().CurrentLayer());
    return kNoErr;
}

AIErr SetCurrentLayer(AILayerHandle layer) {
    return Doc().SetCurrentLayer(LayerIdOf(layer));
}

// Above or below a top-level layer, or above all and below all: a top-level layer. Inside a layer, or above or
// below a sublayer: a sublayer placed in that layer's tree.
AIErr InsertLayer(AILayerHandle layer, ASInt16 paintOrder, AILayerHandle* newLayer) {
    AILayerHandle& out = Out(newLayer);
    out = nullptr;
    Document& doc = Doc();
    const LayerId ref = layer ? LayerIdOf(layer) : LayerId{};
    const auto order = static_cast<AIPaintOrder>(paintOrder);
    const bool inside = order == kPlaceInsideOnTop || order == kPlaceInsideOnBottom;
    const bool sublayerRef = ref && doc.LayerIndex(ref) < 0;
    LayerId id;
    AIErr err;
    if (inside || (sublayerRef && (order == kPlaceAbove || order == kPlaceBelow))) {
        if (!ref) return Fail(kBadParameterErr);
        err = doc.InsertSublayer(order, doc.FindLayer(ref)->group, &id);
    } else {
        err = doc.InsertLayer(ref, order, &id);
    }
    if (err) return err;
    out = HandleOf(id);
    return kNoErr;
}

AIErr DeleteLayer(AILayerHandle layer) {
    return Doc().DeleteLayer(LayerIdOf(layer));
}

AIErr GetLayerTitle(AILayerHandle layer, AIUnicodeStringRef* title) {
    AIUnicodeStringRef& out = Out(title);
    out = nullptr;
    out = NewString(DecodeText(LayerOf(layer).title, kAIUTF8CharacterEncoding));
    return kNoErr;
}

AIErr SetLayerTitle(AILayerHandle layer, AIUnicodeStringRef title) {
    Layer& l = LayerOf(layer);
    l.title = suitetext::UnicodeStringUtf8(title);
    return kNoErr;
}

template <bool Layer::*Flag>
AIErr GetLayerFlag(AILayerHandle layer, AIBoolean* value) {
    AIBoolean& out = Out(value);
    out = LayerOf(layer).*Flag ? 1 : 0;
    return kNoErr;
}

template <bool Layer::*Flag>
AIErr SetLayerFlag(AILayerHandle layer, AIBoolean value) {
    LayerOf(layer).*Flag = value != 0;
    return kNoErr;
}

AIErr LayerHasArt(AILayerHandle layer, AIBoolean* hasArt) {
    AIBoolean& out = Out(hasArt);
    out = Doc().LayerHasArt(LayerIdOf(layer)) ? 1 : 0;
    return kNoErr;
}

constexpr AILayerSuite kLayerSuite = {
    TRIMORA_HOST_FN(AILayerSuite, CountLayers, CountLayers),
    TRIMORA_HOST_FN(AILayerSuite, GetNthLayer, GetNthLayer),
    TRIMORA_HOST_FN(AILayerSuite, GetNextLayer, GetNextLayer),
    TRIMORA_HOST_FN(AILayerSuite, GetCurrentLayer, GetCurrentLayer),
    TRIMORA_HOST_FN(AILayerSuite, SetCurrentLayer, SetCurrentLayer),
    TRIMORA_HOST_FN(AILayerSuite, InsertLayer, InsertLayer),
    TRIMORA_HOST_FN(AILayerSuite, DeleteLayer, DeleteLayer),
    TRIMORA_HOST_FN(AILayerSuite, GetLayerTitle, GetLayerTitle),
    TRIMORA_HOST_FN(AILayerSuite, SetLayerTitle, SetLayerTitle),
    TRIMORA_HOST_FN(AILayerSuite, GetLayerVisible, GetLayerFlag<&Layer::visible>),
    TRIMORA_HOST_FN(AILayerSuite, SetLayerVisible, SetLayerFlag<&Layer::visible>),
    TRIMORA_HOST_FN(AILayerSuite, GetLayerEditable, GetLayerFlag<&Layer::editable>),
    TRIMORA_HOST_FN(AILayerSuite, SetLayerEditable, SetLayerFlag<&Layer::editable>),
    TRIMORA_HOST_FN(AILayerSuite, GetLayerPreview, GetLayerFlag<&Layer::preview>),
    TRIMORA_HOST_FN(AILayerSuite, SetLayerPreview, SetLayerFlag<&Layer::preview>),
    TRIMORA_HOST_FN(AILayerSuite, LayerHasArt, LayerHasArt),
};

}  // namespace

void RegisterLayerSuite(SuiteRegistry& registry) {
    registry.Add(kAILayerSuite, kAILayerSuiteVersion, &kLayerSuite);
}

}  // namespace headless
