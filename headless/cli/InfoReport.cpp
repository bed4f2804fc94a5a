// The info report. Bounds are artwork coordinates (y up) as (left, top, right, bottom).
#include "headless/cli/InfoReport.h"

#include <map>
#include <string>

#include "headless/svg/Color.h"
#include "headless/svg/NumberFormat.h"

namespace headless::app {

namespace {

const char* TypeName(AIArtType type) {
    switch (type) {
        case kGroupArt:
            return "group";
        case kPathArt:
            return "path";
        case kCompoundPathArt:
            return "compound path";
        case kPlacedArt:
            return "placed";
        case kRasterArt:
            return "raster";
        case kPluginArt:
            return "plug-in";
        case kMeshArt:
            return "mesh";
        case kTextFrameArt:
            return "text frame";
        case kSymbolArt:
            return "symbol";
        default:
            return "unknown";
    }
}

std::string Number(double v) {
    return svg::FormatNumber(v, 2);
}

std::string Paint(bool painted, const AIColor& color) {
    if (!painted) return "none";
    switch (color.kind) {
        case kThreeColor: {
            auto channel = [](double v) { return static_cast<std::uint8_t>(v * 255 + 0.5); };
            return svg::FormatColor({channel(color.c.rgb.red), channel(color.c.rgb.green), channel(color.c.rgb.blue)});
        }
        case kGradient:
            return "gradient";
        case kGrayColor:
            return "gray " + Number(color.c.g.gray);
        case kPattern:
            return "pattern";
        case kNoneColor:
            return "none";
        default:
            return "colour";
    }
}

class Report {
public:
    Report(const Document& doc, std::ostream& out) : doc_(doc), out_(out) {}

    void Run() {
        out_ << "page " << Number(doc_.page.width) << " x " << Number(doc_.page.height) << "\n";
        out_ << "layers " << doc_.CountLayers() << "\n";
        for (int i = 0; i < doc_.CountLayers(); ++i)
            Layer(doc_.NthLayer(i), 0, std::to_string(i));
        out_ << "counts";
        for (const auto& [name, count] : counts_)
            out_ << "  " << name << " " << count;
        out_ << "\n";
    }

private:
    void Layer(LayerId id, int depth, const std::string& label) {
        const headless::Layer& layer = *doc_.FindLayer(id);
        Indent(depth);
        out_ << "layer " << label << " \"" << layer.title << "\"" << (layer.visible ? " visible" : " hidden")
             << (layer.editable ? " editable" : " locked") << (layer.preview ? " preview" : " outline");
        const Art& group = *doc_.Find(layer.group);
        if (group.clipped) out_ << " clipped";
        out_ << "\n";
        ++counts_["layers"];
        Children(layer.group, depth + 1);
    }

    void Children(ArtId parent, int depth) {
        for (ArtId c = doc_.Find(parent)->firstChild; c; c = doc_.Find(c)->next)
            Object(c, depth);
    }

    void Object(ArtId id, int depth) {
        if (doc_.IsLayerGroup(id)) {
            Layer(doc_.LayerOfArt(id), depth, "(sublayer)");
            return;
        }
        const Art& art = *doc_.Find(id);
        ++counts_[TypeName(art.type)];
        Indent(depth);
        out_ << TypeName(art.type);
        if (!art.carried.id.empty()) out_ << " #" << art.carried.id;
        AIRealRect b{};
        doc_.Bounds(id, nullptr, &b);
        out_ << " [" << Number(b.left) << ", " << Number(b.top) << ", " << Number(b.right) << ", " << Number(b.bottom)
             << "]";
        if (art.userAttrs & kArtSelected) out_ << " selected";
        if (art.userAttrs & kArtLocked) out_ << " locked";
        if (art.userAttrs & kArtHidden) out_ << " hidden";
        if (art.type == kGroupArt && art.clipped) out_ << " clip group";
        if (art.type == kPathArt || art.type == kCompoundPathArt) {
            AIPathStyle s{};
            doc_.GetPathStyle(id, &s);
            if (art.type == kPathArt)
                out_ << " segments " << art.segments.size() << (art.closed ? " closed" : " open")
                     << (art.guide ? " guide" : "");
            if (s.clip) out_ << " clipping path";
            out_ << " fill " << Paint(s.fillPaint, s.fill.color) << (s.evenodd ? " evenodd" : "") << " stroke "
                 << Paint(s.strokePaint, s.stroke.color);
            if (s.strokePaint) out_ << " width " << Number(s.stroke.width);
        }
        if (art.type == kRasterArt && art.raster) {
            const AIRect& r = art.raster->info.bounds;
            out_ << " pixels " << r.right - r.left << " x " << r.bottom - r.top << " bits "
                 << art.raster->info.bitsPerPixel;
        }
        if (art.type == kPlacedArt) out_ << " file \"" << art.details->linkedFile << "\"";
        out_ << "\n";
        // Compound members are listed by count only: their geometry is the compound's.
        if (art.type == kCompoundPathArt) {
            int members = 0;
            for (ArtId c = art.firstChild; c; c = doc_.Find(c)->next)
                ++members;
            Indent(depth + 1);
            out_ << members << " members\n";
            return;
        }
        if (art.type == kGroupArt) Children(id, depth + 1);
    }

    void Indent(int depth) { out_ << std::string(static_cast<size_t>(depth) * 2, ' '); }

    const Document& doc_;
    std::ostream& out_;
    std::map<std::string, int> counts_;
};

}  // namespace

void WriteInfoReport(const Document& document, std::ostream& out) {
    Report(document, out).Run();
}

}  // namespace headless::app
