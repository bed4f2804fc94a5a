// The art style suite (an art object's whole appearance as a shared handle) and the plug-in group suite.
#include "headless/suites/ArtSuiteParts.h"
#include "headless/suites/HostEntry.h"
#include "plugin/sdk/AIArtStyle.h"
#include "plugin/sdk/AIPluginGroup.h"

namespace headless {
namespace {

bool HasPathStyle(const Art& a) {
    return a.type == kPathArt || a.type == kCompoundPathArt;
}

bool Paints(AIBoolean paint, const AIColor& color) {
    return paint && color.kind != kNoneColor;
}

// Paths and compound paths have an appearance; any other art answers null, which callers take as "look inside".
AIErr GetArtStyle(AIArtHandle art, AIArtStyleHandle* artStyle) {
    AIArtStyleHandle& out = Out(artStyle);
    out = nullptr;
    Document& doc = Doc();
    const ArtId id = ArtIdOf(art);
    const Art& a = *doc.Find(id);
    if (!HasPathStyle(a)) return kNoErr;
    ArtStyle style;
    if (AIErr err = doc.GetPathStyle(id, &style.style)) return err;
    style.carried = AppearanceOf(a.carried);
    out = HandleOf(doc.InternArtStyle(style));
    return kNoErr;
}

// A compound path passes the style and what the file gave beside it on to every path inside it.
AIErr SetArtStyle(AIArtHandle art, AIArtStyleHandle artStyle) {
    Document& doc = Doc();
    const ArtId id = ArtIdOf(art);
    const ArtStyle& style = *doc.FindArtStyle(ArtStyleIdOf(artStyle));
    if (!HasPathStyle(*doc.Find(id))) return Fail(kWrongKindErr);
    if (AIErr err = doc.SetPathStyle(id, style.style)) return err;
    std::vector<ArtId> stack{id};
    while (!stack.empty()) {
        Art& a = *doc.Find(stack.back());
        stack.pop_back();
        if (HasPathStyle(a)) a.carried = WithAppearance(std::move(a.carried), style.carried);
        for (ArtId c = a.firstChild; c; c = doc.Find(c)->next)
            stack.push_back(c);
    }
    return kNoErr;
}

AIErr GetPaintAttributes(AIArtStyleHandle artStyle, ASUInt32 query, ASUInt32* attributes) {
    ASUInt32& out = Out(attributes);
    const AIPathStyle& s = Doc().FindArtStyle(ArtStyleIdOf(artStyle))->style;
    ASUInt32 painted = 0;
    if (Paints(s.fillPaint, s.fill.color)) painted |= kArtStyleHasFill;
    if (Paints(s.strokePaint, s.stroke.color)) painted |= kArtStyleHasStroke;
    out = painted & query;
    return kNoErr;
}

constexpr AIArtStyleSuite kArtStyleSuite = {
    TRIMORA_HOST_FN(AIArtStyleSuite, GetArtStyle, GetArtStyle),
    TRIMORA_HOST_FN(AIArtStyleSuite, SetArtStyle, SetArtStyle),
    TRIMORA_HOST_FN(AIArtStyleSuite, GetPaintAttributes, GetPaintAttributes),
};

const Art& PluginArtOf(AIArtHandle art) {
    const Art& a = ArtOf(art);
    if (a.type != kPluginArt) Throw(kWrongKindErr);
    return a;
}

AIErr GetPluginArtPluginGroup(AIArtHandle art, AIPluginGroupHandle* group) {
    AIPluginGroupHandle& out = Out(group);
    out = nullptr;
    out = App().pluginGroups.Intern(PluginArtOf(art).details->pluginGroup);
    return kNoErr;
}

AIErr GetAIPluginGroupName(AIPluginGroupHandle group, const char** name) {
    const char*& out = Out(name);
    out = nullptr;
    const std::string* found = App().pluginGroups.Find(group);
    if (!found) return Fail(group ? kDeadHandleErr : kBadParameterErr);
    out = found->c_str();
    return kNoErr;
}

// Every plug-in object has edit art; one that came without gets an empty group, owned by it.
AIErr GetPluginArtEditArt(AIArtHandle art, AIArtHandle* editArt) {
    AIArtHandle& out = Out(editArt);
    out = nullptr;
    PluginArtOf(art);
    Document& doc = Doc();
    const ArtId id = ArtIdOf(art);
    if (!doc.Find(id)->editArt) {
        ArtId group;
        if (AIErr err = doc.NewDetachedGroup(&group)) return err;
        doc.Find(id)->editArt = group;
    }
    out = HandleOf(doc.Find(id)->editArt);
    return kNoErr;
}

constexpr AIPluginGroupSuite kPluginGroupSuite = {
    TRIMORA_HOST_FN(AIPluginGroupSuite, GetPluginArtPluginGroup, GetPluginArtPluginGroup),
    TRIMORA_HOST_FN(AIPluginGroupSuite, GetAIPluginGroupName, GetAIPluginGroupName),
    TRIMORA_HOST_FN(AIPluginGroupSuite, GetPluginArtEditArt, GetPluginArtEditArt),
};

}  // namespace

void RegisterArtStyleSuites(SuiteRegistry& registry) {
    registry.Add(kAIArtStyleSuite, kAIArtStyleSuiteVersion, &kArtStyleSuite);
    registry.Add(kAIPluginGroupSuite, kAIPluginGroupSuiteVersion, &kPluginGroupSuite);
}

}  // namespace headless
