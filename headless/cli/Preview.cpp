// Rendering is librsvg's, the same renderer a desktop shows the files with, so the preview shows what a viewer
// will show rather than what the host believes it wrote.
#include "headless/cli/Preview.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <cmath>
#include <memory>

#include "headless/cli/HostSession.h"
#include "headless/svg/AtomicFile.h"
#include "headless/svg/SvgFile.h"

namespace headless::app {

namespace {

struct HandleRelease {
    void operator()(RsvgHandle* handle) const { g_object_unref(handle); }
};
using Handle = std::unique_ptr<RsvgHandle, HandleRelease>;

Handle Load(const std::string& svg, const char* what) {
    GError* error = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &error);
    if (!handle) {
        const std::string message = error ? error->message : "unknown error";
        if (error) g_error_free(error);
        throw CommandError(kExitRunFailed, std::string("--preview: the ") + what + " cannot be rendered: " + message);
    }
    return Handle(handle);
}

void Render(RsvgHandle* handle, cairo_t* cr, const RsvgRectangle& viewport) {
    GError* error = nullptr;
    if (!rsvg_handle_render_document(handle, cr, &viewport, &error)) {
        const std::string message = error ? error->message : "unknown error";
        if (error) g_error_free(error);
        throw CommandError(kExitRunFailed, "--preview: rendering failed: " + message);
    }
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// Keeps the path that leads to `keep` and disposes of every sibling on the way up, then every other layer.
void KeepOnly(Document& document, ArtId keep) {
    for (ArtId node = keep; node;) {
        const ArtId parent = document.Find(node)->parent;
        if (!parent) break;
        for (ArtId child = document.Find(parent)->firstChild; child;) {
            const ArtId next = document.Find(child)->next;
            if (child != node) document.Dispose(child);
            child = next;
        }
        node = parent;
    }
    const LayerId layer = document.LayerOfArt(keep);
    for (int i = document.CountLayers() - 1; i >= 0; --i)
        if (document.NthLayer(i) != layer) document.DeleteLayer(document.NthLayer(i));
    if (Layer* own = document.FindLayer(layer)) own->visible = own->preview = true;
}

}  // namespace

std::string RegionOutlineSvg(const std::string& file, const RegionChoice& region) {
    Document document;
    const RegionInDocument found = ReadWithRegion(file, region, document);
    if (!found.region) return {};
    KeepOnly(document, found.region);
    Art& art = *document.Find(found.region);
    AIPathStyle style = art.style;
    style.fillPaint = false;
    style.strokePaint = true;
    style.stroke.color.kind = kThreeColor;
    style.stroke.color.c.rgb = {0.85, 0.0, 0.55};
    style.stroke.width = std::max(1.0, std::max(document.page.width, document.page.height) / 300);
    style.stroke.dash = {};
    document.SetPathStyle(found.region, style);
    return svg::WriteSvgText(document);
}

void WritePreview(const std::string& beforeSvg, const std::string& afterSvg, const std::string& outlineSvg,
                  double pageWidth, double pageHeight, const std::string& pngPath) {
    const int width = std::max(1, static_cast<int>(std::ceil(pageWidth)));
    const int height = std::max(1, static_cast<int>(std::ceil(pageHeight)));
    const Handle before = Load(beforeSvg, "drawing before the run");
    const Handle after = Load(afterSvg, "drawing after the run");
    const Handle outline = outlineSvg.empty() ? Handle() : Load(outlineSvg, "region");

    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 2 * width + kPreviewGap, height);
    cairo_t* cr = cairo_create(surface);
    std::string png;
    try {
        cairo_set_source_rgb(cr, 0.85, 0.85, 0.85);
        cairo_paint(cr);
        RsvgHandle* const panels[] = {before.get(), after.get()};
        for (int i = 0; i < 2; ++i) {
            const RsvgRectangle viewport{static_cast<double>(i * (width + kPreviewGap)), 0.0,
                                         static_cast<double>(width), static_cast<double>(height)};
            cairo_set_source_rgb(cr, 1, 1, 1);
            cairo_rectangle(cr, viewport.x, viewport.y, viewport.width, viewport.height);
            cairo_fill(cr);
            Render(panels[i], cr, viewport);
            if (outline) Render(outline.get(), cr, viewport);
        }
        cairo_surface_flush(surface);
        if (cairo_surface_write_to_png_stream(surface, AppendBytes, &png) != CAIRO_STATUS_SUCCESS)
            throw CommandError(kExitRunFailed, "--preview: the picture cannot be encoded");
    } catch (...) {
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
        throw;
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    svg::WriteFileAtomically(pngPath, png);
}

}  // namespace headless::app
