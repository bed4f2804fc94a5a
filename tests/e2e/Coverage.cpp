// Coverage by winding numbers over the document model.
#include "tests/e2e/Coverage.h"

#include "headless/document/SdkGeometry.h"

namespace trimora::e2e {

using headless::ArtId;

namespace {

void Collect(const headless::Document& doc, ArtId first, std::vector<ArtId>& out) {
    for (ArtId id = first; id; id = doc.Find(id)->next) {
        out.push_back(id);
        const headless::Art& art = *doc.Find(id);
        if (art.firstChild) Collect(doc, art.firstChild, out);
        if (art.editArt) Collect(doc, doc.Find(art.editArt)->firstChild, out);
    }
}

int Winding(const headless::Art& path, AIRealPoint p) {
    return headless::WindingNumber(path.segments, path.closed, p);
}

bool Painted(const headless::Document& doc, const headless::Art& art, AIRealPoint p) {
    if (art.userAttrs & kArtHidden) return false;
    if (art.type == kPathArt) {
        if (!art.style->fillPaint || !art.closed) return false;
        const int w = Winding(art, p);
        return art.style->evenodd ? (w % 2 != 0) : w != 0;
    }
    if (art.type == kCompoundPathArt) {
        int w = 0;
        bool filled = false, evenodd = false;
        for (ArtId m = art.firstChild; m; m = doc.Find(m)->next) {
            const headless::Art& member = *doc.Find(m);
            if (m == art.firstChild) {
                filled = member.style->fillPaint;
                evenodd = member.style->evenodd;
            }
            w += Winding(member, p);
        }
        return filled && (evenodd ? (w % 2 != 0) : w != 0);
    }
    if (art.type == kGroupArt) {
        for (ArtId c = art.firstChild; c; c = doc.Find(c)->next)
            if (Painted(doc, *doc.Find(c), p)) return true;
    }
    return false;
}

}  // namespace

std::vector<ArtId> AllArt(const headless::Document& doc) {
    std::vector<ArtId> out;
    for (int i = 0; i < doc.CountLayers(); ++i)
        Collect(doc, doc.FindLayer(doc.NthLayer(i))->group, out);
    return out;
}

std::vector<ArtId> ArtNamed(const headless::Document& doc, const std::string& id) {
    std::vector<ArtId> out;
    for (ArtId a : AllArt(doc))
        if (doc.Find(a)->carried.id == id) out.push_back(a);
    return out;
}

bool FillPaints(const headless::Document& doc, AIRealPoint p) {
    for (int i = 0; i < doc.CountLayers(); ++i) {
        const headless::Layer& layer = *doc.FindLayer(doc.NthLayer(i));
        if (layer.visible && Painted(doc, *doc.Find(layer.group), p)) return true;
    }
    return false;
}

bool Inside(const headless::Document& doc, ArtId art, AIRealPoint p) {
    return Winding(*doc.Find(art), p) != 0;
}

std::vector<AIRealPoint> PageSamples(double width, double height, double step) {
    std::vector<AIRealPoint> out;
    for (double x = 0.37; x < width; x += step)
        for (double y = 0.41; y < height; y += step)
            out.push_back({x, -y});
    return out;
}

long Disagreements(const std::vector<AIRealPoint>& samples, const std::function<bool(AIRealPoint)>& expected,
                   const std::function<bool(AIRealPoint)>& actual) {
    long n = 0;
    for (AIRealPoint p : samples)
        if (expected(p) != actual(p)) ++n;
    return n;
}

}  // namespace trimora::e2e
