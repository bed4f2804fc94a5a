// Listings of the document (a layer's art, the selection), bounds, and path and art styles.
#include <algorithm>
#include <cstring>

#include "headless/document/Document.h"
#include "headless/document/SdkGeometry.h"

namespace headless {
namespace {

std::uint64_t Pack(ArtId id) {
    return (std::uint64_t{id.generation} << 32) | id.slot;
}
ArtId Unpack(std::uint64_t v) {
    return ArtId{static_cast<std::uint32_t>(v), static_cast<std::uint32_t>(v >> 32)};
}

// A canonical text of a path style, for interning: only the colour fields that the kind uses take part.
void AppendColor(std::string& key, const AIColor& c) {
    auto put = [&key](AIReal v) { key.append(reinterpret_cast<const char*>(&v), sizeof v); };
    key.push_back(static_cast<char>(c.kind));
    switch (c.kind) {
        case kGrayColor:
            put(c.c.g.gray);
            break;
        case kFourColor:
            put(c.c.f.cyan), put(c.c.f.magenta), put(c.c.f.yellow), put(c.c.f.black);
            break;
        case kThreeColor:
            put(c.c.rgb.red), put(c.c.rgb.green), put(c.c.rgb.blue);
            break;
        case kGradient: {
            const AIGradientStyle& g = c.c.grad;
            key.append(reinterpret_cast<const char*>(&g.gradient), sizeof g.gradient);
            for (AIReal v :
                 {g.gradientOrigin.h, g.gradientOrigin.v, g.gradientAngle, g.gradientLength, g.matrix.a, g.matrix.b,
                  g.matrix.c, g.matrix.d, g.matrix.tx, g.matrix.ty, g.hiliteAngle, g.hiliteLength}) {
                put(v);
            }
            break;
        }
        default:
            break;
    }
}

std::string StyleKey(const ArtStyle& a) {
    const AIPathStyle& s = a.style;
    std::string key;
    auto put = [&key](AIReal v) { key.append(reinterpret_cast<const char*>(&v), sizeof v); };
    key.push_back(static_cast<char>(s.fillPaint != 0));
    key.push_back(static_cast<char>(s.strokePaint != 0));
    key.push_back(static_cast<char>(s.clip != 0));
    key.push_back(static_cast<char>(s.lockClip != 0));
    key.push_back(static_cast<char>(s.evenodd != 0));
    key.push_back(static_cast<char>(s.fill.overprint != 0));
    key.push_back(static_cast<char>(s.stroke.overprint != 0));
    AppendColor(key, s.fill.color);
    AppendColor(key, s.stroke.color);
    put(s.stroke.width), put(s.stroke.miterLimit), put(s.stroke.dash.offset), put(s.resolution);
    key.push_back(static_cast<char>(s.stroke.cap));
    key.push_back(static_cast<char>(s.stroke.join));
    const int dashes = std::clamp<int>(s.stroke.dash.length, 0, kMaxDashComponents);
    key.push_back(static_cast<char>(dashes));
    for (int i = 0; i < dashes; ++i)
        put(s.stroke.dash.array[i]);
    for (const auto& [name, value] : *a.carried.attributes) {
        key.append(name).push_back('\0');
        key.append(value).push_back('\0');
    }
    return key;
}

}  // namespace

void Document::SetSelected(ArtId id, bool selected) {
    if (selected) {
        selected_.insert(Pack(id));
    } else {
        selected_.erase(Pack(id));
    }
}

AIErr Document::ListLayerArt(LayerId layer, std::vector<ArtId>* out) const {
    const Layer* l = layers_.Find(layer);
    if (!l) return Fail(kDeadHandleErr);
    out->clear();
    // Pre-order, front to back: a container, then its members.
    std::vector<ArtId> stack{l->group};
    while (!stack.empty()) {
        const ArtId id = stack.back();
        stack.pop_back();
        out->push_back(id);
        for (ArtId c = art_[id].lastChild; c; c = art_[c].prev)
            stack.push_back(c);
    }
    return kNoErr;
}

bool Document::StackingKey(ArtId id, std::vector<ArtId>& chain, std::vector<std::uint64_t>& key) const {
    chain.clear();
    for (ArtId cur = id; cur; cur = art_[cur].parent)
        chain.push_back(cur);
    const Art& root = art_[chain.back()];
    if (!root.ownerLayer) return false;  // edit art of plug-in objects is not part of the page
    const int layerIndex = LayerIndex(root.ownerLayer);
    if (layerIndex < 0) return false;
    key.assign(1, static_cast<std::uint64_t>(layerIndex));
    for (auto it = chain.rbegin() + 1; it != chain.rend(); ++it)
        key.push_back(art_[*it].orderKey);
    return true;
}

std::vector<ArtId> Document::ListSelection() const {
    // Each selected object and its containers, keyed by their path from the top: the top-level layer's index,
    // then the order key of every object on the way down. Sorting the keys gives document order, containers
    // before their members, and brings together the entries of a container that several selected objects share.
    // The keys lie in one buffer, each entry naming its stretch, so that a listing allocates next to nothing.
    struct Entry {
        std::size_t from, length;
        ArtId id;
    };
    std::vector<std::uint64_t> keys;
    std::vector<Entry> entries;
    std::vector<ArtId> chain;
    std::vector<std::uint64_t> key;
    // Room for objects a few levels deep, as selections mostly are.
    keys.reserve(4 * selected_.size());
    entries.reserve(4 * selected_.size());
    for (std::uint64_t packed : selected_) {
        if (!StackingKey(Unpack(packed), chain, key)) continue;
        // chain runs from the object up to the layer group; key from the layer down.
        const std::size_t from = keys.size();
        keys.insert(keys.end(), key.begin(), key.end());
        for (std::size_t depth = 0; depth < chain.size(); ++depth)
            entries.push_back({from, depth + 1, chain[chain.size() - 1 - depth]});
    }
    std::sort(entries.begin(), entries.end(), [&keys](const Entry& a, const Entry& b) {
        const auto pa = keys.begin() + static_cast<std::ptrdiff_t>(a.from);
        const auto pb = keys.begin() + static_cast<std::ptrdiff_t>(b.from);
        return std::lexicographical_compare(pa, pa + static_cast<std::ptrdiff_t>(a.length), pb,
                                            pb + static_cast<std::ptrdiff_t>(b.length));
    });
    std::vector<ArtId> out;
    out.reserve(entries.size());
    for (const Entry& e : entries)
        if (out.empty() || out.back() != e.id) out.push_back(e.id);
    return out;
}

AIErr Document::CompareStacking(ArtId a, ArtId b, int* out) const {
    if (!art_.Contains(a) || !art_.Contains(b)) return Fail(kDeadHandleErr);
    std::vector<ArtId> chain;
    std::vector<std::uint64_t> ka, kb;
    if (!StackingKey(a, chain, ka) || !StackingKey(b, chain, kb)) return Fail(kWrongKindErr);
    const std::size_t common = std::min(ka.size(), kb.size());
    if (std::equal(ka.begin(), ka.begin() + static_cast<std::ptrdiff_t>(common), kb.begin())) {
        return Fail(kCycleErr);  // the same object, or one inside the other
    }
    *out = ka < kb ? -1 : 1;
    return kNoErr;
}

AIErr Document::Bounds(ArtId id, const AIRealMatrix* m, AIRealRect* out) const {
    if (!art_.Contains(id)) return Fail(kDeadHandleErr);
    geometry::Box box;
    AddBounds(id, m, box);
    *out = ToAIRect(box);
    return kNoErr;
}

void Document::AddBounds(ArtId id, const AIRealMatrix* m, geometry::Box& b) const {
    const Art& a = art_[id];
    auto addCorners = [&](const AIRealRect& r, const AIRealMatrix& own) {
        const geometry::Matrix full = m ? ToMatrix(*m) * ToMatrix(own) : ToMatrix(own);
        for (geometry::Point p : {geometry::Point{r.left, r.top}, geometry::Point{r.right, r.top},
                                  geometry::Point{r.right, r.bottom}, geometry::Point{r.left, r.bottom}}) {
            b.Add(full.Apply(p));
        }
    };
    switch (a.type) {
        case kPathArt:
            AddPathBounds(b, a.segments, a.closed, m);
            return;
        case kRasterArt: {
            const AIRect& r = a.raster->info.bounds;
            // In reals: the record's corners may lie further apart than a 32-bit difference can say.
            const AIReal w = static_cast<AIReal>(r.right) - r.left, h = static_cast<AIReal>(r.bottom) - r.top;
            addCorners(AIRealRect{0, 0, w, -h}, a.raster->matrix);
            return;
        }
        case kPluginArt:
            if (a.editArt) {
                AddBounds(a.editArt, m, b);
                return;
            }
            break;
        default:
            break;
    }
    if (a.IsContainer()) {
        for (ArtId c = a.firstChild; c; c = art_[c].next)
            AddBounds(c, m, b);
        return;
    }
    // Placed, text, symbol and unknown objects: the extent the reader gave them.
    addCorners(a.details->extent, kIdentityMatrix);
}

AIErr Document::GetPathStyle(ArtId id, AIPathStyle* out) const {
    const Art* a = art_.Find(id);
    if (!a) return Fail(kDeadHandleErr);
    if (a->type == kCompoundPathArt) {
        *out = a->firstChild ? art_[a->firstChild].style : a->style;
        return kNoErr;
    }
    if (a->type != kPathArt) return Fail(kWrongKindErr);
    *out = a->style;
    return kNoErr;
}

AIErr Document::SetPathStyle(ArtId id, const AIPathStyle& style) {
    Art* a = art_.Find(id);
    if (!a) return Fail(kDeadHandleErr);
    if (a->type != kPathArt && a->type != kCompoundPathArt) return Fail(kWrongKindErr);
    const SharedValue<AIPathStyle> shared = ShareStyle(style);
    a->style = shared;
    if (a->type == kCompoundPathArt) {
        // Every path below takes the style, members of nested groups too.
        std::vector<ArtId> stack;
        for (ArtId c = a->firstChild; c; c = art_[c].next)
            stack.push_back(c);
        while (!stack.empty()) {
            Art& m = art_[stack.back()];
            stack.pop_back();
            if (m.type == kPathArt || m.type == kCompoundPathArt) m.style = shared;
            for (ArtId c = m.firstChild; c; c = art_[c].next)
                stack.push_back(c);
        }
    }
    return kNoErr;
}

SharedValue<AIPathStyle> Document::ShareStyle(const AIPathStyle& style) {
    return recentStyles_.Share(style);
}

AIGradientHandle Document::GradientHandle(GradientId id) const {
    // The slot in the low half, the generation (never 0) in the high half: a live gradient's handle is never null.
    const std::uint64_t bits = (std::uint64_t{id.generation} << 32) | id.slot;
    return reinterpret_cast<AIGradientHandle>(static_cast<std::uintptr_t>(bits));
}

GradientId Document::GradientOf(AIGradientHandle handle) const {
    const auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(handle));
    const GradientId id = gradients_.IdAt(static_cast<std::uint32_t>(bits));
    return id && id.generation == static_cast<std::uint32_t>(bits >> 32) ? id : GradientId{};
}

ArtStyleId Document::InternArtStyle(const ArtStyle& style) {
    std::string key = StyleKey(style);
    if (auto it = artStyleIndex_.find(key); it != artStyleIndex_.end()) return it->second;
    const ArtStyleId id = artStyles_.Add(style);
    artStyleIndex_.emplace(std::move(key), id);
    return id;
}

}  // namespace headless
