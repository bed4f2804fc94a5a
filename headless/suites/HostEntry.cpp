// Lookups shared by every host function.
#include "headless/suites/HostEntry.h"

#include <charconv>
#include <cstdlib>
#include <new>

namespace headless {

void Throw(AIErr code) {
    throw HostError{Fail(code)};
}

void AppendArgument(std::string& out, long long value) {
    out += std::to_string(value);
}

void AppendArgument(std::string& out, unsigned long long value) {
    out += std::to_string(value);
}

void AppendArgument(std::string& out, double value) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, ec == std::errc() ? end : buffer);
}

void AppendAddress(std::string& out, std::uintptr_t address) {
    if (!address) {
        out += "null";
        return;
    }
    char buffer[2 + 2 * sizeof address];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, address, 16);
    out += "0x";
    out.append(buffer, ec == std::errc() ? end : buffer);
}

AIErr CodeOfEscapedException() noexcept {
    try {
        throw;
    } catch (const HostError& e) {
        return e.code;  // made by Throw
    } catch (const std::bad_alloc&) {
        return Fail(kOutOfMemoryErr);
    } catch (...) {
        return Fail(kInternalErr);
    }
}

Application& App() {
    Application* app = Application::Current();
    if (!app) Throw(kNoApplicationErr);
    return *app;
}

Document& Doc() {
    Document* doc = App().CurrentDocument();
    if (!doc) Throw(kNoDocumentErr);
    return *doc;
}

namespace {

std::uint8_t Serial() {
    return App().CurrentDocumentSerial();
}

template <typename Tag, typename Handle, typename IdAt>
Id<Tag> DocIdOf(HandleKind kind, Handle h, IdAt&& idAt) {
    if (!h) Throw(kBadParameterErr);
    const Id<Tag> id = FromHandle<Tag>(kind, Serial(), h, idAt);
    if (!id) Throw(kDeadHandleErr);
    return id;
}

}  // namespace

ArtId ArtIdOf(AIArtHandle h) {
    Document& doc = Doc();
    return DocIdOf<ArtTag>(HandleKind::kArt, h, [&doc](std::uint32_t s) { return doc.ArtAt(s); });
}

Art& ArtOf(AIArtHandle h) {
    return *Doc().Find(ArtIdOf(h));
}

AIArtHandle HandleOf(ArtId id) {
    return ToHandle<AIArtHandle>(HandleKind::kArt, Serial(), id);
}

LayerId LayerIdOf(AILayerHandle h) {
    Document& doc = Doc();
    return DocIdOf<LayerTag>(HandleKind::kLayer, h, [&doc](std::uint32_t s) { return doc.LayerAt(s); });
}

Layer& LayerOf(AILayerHandle h) {
    return *Doc().FindLayer(LayerIdOf(h));
}

AILayerHandle HandleOf(LayerId id) {
    return ToHandle<AILayerHandle>(HandleKind::kLayer, Serial(), id);
}

ArtStyleId ArtStyleIdOf(AIArtStyleHandle h) {
    Document& doc = Doc();
    return DocIdOf<ArtStyleTag>(HandleKind::kArtStyle, h, [&doc](std::uint32_t s) { return doc.ArtStyleAt(s); });
}

AIArtStyleHandle HandleOf(ArtStyleId id) {
    return ToHandle<AIArtStyleHandle>(HandleKind::kArtStyle, Serial(), id);
}

void* AllocateHostBlock(std::size_t size) {
    Application& app = App();
    // A request no real host would grant is refused before it reaches the allocator, which may abort on it.
    if (size > kMaxHostBlockBytes) Throw(kOutOfMemoryErr);
    void* p = std::malloc(size == 0 ? 1 : size);
    if (!p) Throw(kOutOfMemoryErr);
    app.liveBlocks.emplace(p, size);
    return p;
}

AIErr FreeHostBlock(void* block) {
    if (!block) return kNoErr;
    Application& app = App();
    if (app.liveBlocks.erase(block) == 0) return Fail(kBadParameterErr);  // not ours, or freed twice
    std::free(block);
    return kNoErr;
}

}  // namespace headless
