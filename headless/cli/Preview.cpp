// Rendering is librsvg's, the same renderer a desktop shows the files with, so the preview shows what a viewer
// will show rather than what the host believes it wrote. The renderer and its fifty-odd libraries are loaded only
// when a preview is asked for: linked in, they would cost every run of the command some 8 MB and their start-up.
#include "headless/cli/Preview.h"

#include <cairo.h>
#include <dlfcn.h>
#include <librsvg/rsvg.h>

#include <cmath>
#include <memory>

#include "headless/cli/HostSession.h"
#include "headless/svg/AtomicFile.h"
#include "headless/svg/SvgFile.h"

namespace headless::app {

namespace {

// The renderer's calls, found in librsvg and the libraries it brings (cairo, GLib).
struct Renderer {
    decltype(&rsvg_handle_new_from_data) newFromData = nullptr;
    decltype(&rsvg_handle_render_document) renderDocument = nullptr;
    decltype(&g_object_unref) objectUnref = nullptr;
    decltype(&g_error_free) errorFree = nullptr;
    decltype(&cairo_image_surface_create) imageSurfaceCreate = nullptr;
    decltype(&cairo_create) create = nullptr;
    decltype(&cairo_set_source_rgb) setSourceRgb = nullptr;
    decltype(&cairo_paint) paint = nullptr;
    decltype(&cairo_rectangle) rectangle = nullptr;
    decltype(&cairo_fill) fill = nullptr;
    decltype(&cairo_surface_flush) surfaceFlush = nullptr;
    decltype(&cairo_surface_write_to_png_stream) writeToPngStream = nullptr;
    decltype(&cairo_destroy) destroy = nullptr;
    decltype(&cairo_surface_destroy) surfaceDestroy = nullptr;
};

template <typename Fn>
void Bind(void* library, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(dlsym(library, name));
    if (!fn) throw CommandError(kExitRunFailed, std::string("--preview: the renderer lacks ") + name);
}

// Loaded once and kept for the life of the command.
const Renderer& LoadRenderer() {
    static const Renderer renderer = [] {
        void* library = dlopen("librsvg-2.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!library) {
            const char* why = dlerror();
            throw CommandError(kExitRunFailed,
                               std::string("--preview: librsvg cannot be loaded: ") + (why ? why : "unknown error"));
        }
        Renderer r;
        Bind(library, "rsvg_handle_new_from_data", r.newFromData);
        Bind(library, "rsvg_handle_render_document", r.renderDocument);
        Bind(library, "g_object_unref", r.objectUnref);
        Bind(library, "g_error_free", r.errorFree);
        Bind(library, "cairo_image_surface_create", r.imageSurfaceCreate);
        Bind(library, "cairo_create", r.create);
        Bind(library, "cairo_set_source_rgb", r.setSourceRgb);
        Bind(library, "cairo_paint", r.paint);
        Bind(library, "cairo_rectangle", r.rectangle);
        Bind(library, "cairo_fill", r.fill);
        Bind(library, "cairo_surface_flush", r.surfaceFlush);
        Bind(library, "cairo_surface_write_to_png_stream", r.writeToPngStream);
        Bind(library, "cairo_destroy", r.destroy);
        Bind(library, "cairo_surface_destroy", r.surfaceDestroy);
        return r;
    }();
    return renderer;
}

std::string TakeMessage(const Renderer& r, GError* error) {
    const std::string message = error ? error->message : "unknown error";
    if (error) r.errorFree(error);
    return message;
}

struct HandleRelease {
    void operator()(RsvgHandle* handle) const { LoadRenderer().objectUnref(handle); }
};
using Handle = std::unique_ptr<RsvgHandle, HandleRelease>;

Handle Load(const Renderer& r, const std::string& svg, const char* what) {
    GError* error = nullptr;
    RsvgHandle* handle = r.newFromData(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &error);
    if (!handle)
        throw CommandError(kExitRunFailed,
                           std::string("--preview: the ") + what + " cannot be rendered: " + TakeMessage(r, error));
    return Handle(handle);
}

void Render(const Renderer& r, RsvgHandle* handle, cairo_t* cr, const RsvgRectangle& viewport) {
    GError* error = nullptr;
    if (!r.renderDocument(handle, cr, &viewport, &error))
        throw CommandError(kExitRunFailed, "--preview: rendering failed: " + TakeMessage(r, error));
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
    const Renderer& r = LoadRenderer();
    const Handle before = Load(r, beforeSvg, "drawing before the run");
    const Handle after = Load(r, afterSvg, "drawing after the run");
    const Handle outline = outlineSvg.empty() ? Handle() : Load(r, outlineSvg, "region");

    cairo_surface_t* surface = r.imageSurfaceCreate(CAIRO_FORMAT_ARGB32, 2 * width + kPreviewGap, height);
    cairo_t* cr = r.create(surface);
    std::string png;
    try {
        r.setSourceRgb(cr, 0.85, 0.85, 0.85);
        r.paint(cr);
        RsvgHandle* const panels[] = {before.get(), after.get()};
        for (int i = 0; i < 2; ++i) {
            const RsvgRectangle viewport{static_cast<double>(i * (width + kPreviewGap)), 0.0,
                                         static_cast<double>(width), static_cast<double>(height)};
            r.setSourceRgb(cr, 1, 1, 1);
            r.rectangle(cr, viewport.x, viewport.y, viewport.width, viewport.height);
            r.fill(cr);
            Render(r, panels[i], cr, viewport);
            if (outline) Render(r, outline.get(), cr, viewport);
        }
        r.surfaceFlush(surface);
        if (r.writeToPngStream(surface, AppendBytes, &png) != CAIRO_STATUS_SUCCESS)
            throw CommandError(kExitRunFailed, "--preview: the picture cannot be encoded");
    } catch (...) {
        r.destroy(cr);
        r.surfaceDestroy(surface);
        throw;
    }
    r.destroy(cr);
    r.surfaceDestroy(surface);
    svg::WriteFileAtomically(pngPath, png);
}

}  // namespace headless::app
