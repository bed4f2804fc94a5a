// How every host function is entered: one wrapper records the call, consults the fault plan and turns a refused
// argument into an error code; the lookups below refuse null out-pointers and dead, foreign or mistyped handles.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

#include "headless/document/Errors.h"
#include "headless/model/Application.h"
#include "headless/model/HandleCodec.h"

namespace headless {

// A refused call; the wrapper answers its code.
struct HostError {
    AIErr code;
};

[[noreturn]] void Throw(AIErr code);

// A function's published name as a template argument, so that the call log can keep a view of it.
template <std::size_t N>
struct HostName {
    char text[N];
    constexpr HostName(const char (&s)[N]) { std::copy_n(s, N, text); }
    constexpr std::string_view View() const { return {text, N - 1}; }
};

constexpr AIErr kNoApplicationErr = FourCharErr("APP?");

// What the module passed, as the call log keeps it: numbers as they are, handles and every other pointer as an
// address ("null" for none), records passed by value as "{...}". Nothing behind a pointer is read here: it may be
// garbage.
void AppendArgument(std::string& out, long long value);
void AppendArgument(std::string& out, unsigned long long value);
void AppendArgument(std::string& out, double value);
void AppendAddress(std::string& out, std::uintptr_t address);

template <typename T>
void AppendArgument(std::string& out, const T& value) {
    if constexpr (std::is_pointer_v<T>) {
        std::uintptr_t address;
        static_assert(sizeof address == sizeof value);
        std::memcpy(&address, &value, sizeof address);
        AppendAddress(out, address);
    } else if constexpr (std::is_floating_point_v<T>) {
        AppendArgument(out, static_cast<double>(value));
    } else if constexpr (std::is_enum_v<T> || std::is_signed_v<T>) {
        AppendArgument(out, static_cast<long long>(value));
    } else if constexpr (std::is_unsigned_v<T>) {
        AppendArgument(out, static_cast<unsigned long long>(value));
    } else {
        out += "{...}";
    }
}

template <typename... A>
std::string DescribeArguments(const A&... args) {
    std::string out;
    [[maybe_unused]] auto append = [&out](const auto& arg) {
        if (!out.empty()) out += ", ";
        AppendArgument(out, arg);
    };
    (append(args), ...);
    return out;
}

// Called inside a catch block: the code of a refusal, or an error made for anything else that escaped a host
// function (out of memory, or an internal error).
AIErr CodeOfEscapedException() noexcept;

// Functions that answer with a code: a refusal becomes the code.
template <HostName Name, auto Impl>
struct HostCall;

template <HostName Name, typename... A, AIErr (*Impl)(A...)>
struct HostCall<Name, Impl> {
    static AIErr Call(A... args) {
        Application* app = Application::Current();
        if (!app) return Fail(kNoApplicationErr);
        if (app->calls.Enabled()) app->calls.Record(Name.View(), DescribeArguments(args...));
        if (AIErr planned = app->faults.Check(Name.View())) return Fail(planned);
        try {
            return Impl(args...);
        } catch (...) {
            return CodeOfEscapedException();
        }
    }
};

// Functions that answer with a value: a refusal or a planned fault gives the value's zero. The error is still made,
// through the one function every error passes, though the caller sees only the zero.
template <HostName Name, auto Impl>
struct HostValueCall;

template <HostName Name, typename R, typename... A, R (*Impl)(A...)>
struct HostValueCall<Name, Impl> {
    static R Call(A... args) {
        Application* app = Application::Current();
        if (!app) {
            Fail(kNoApplicationErr);
            return R();
        }
        if (app->calls.Enabled()) app->calls.Record(Name.View(), DescribeArguments(args...));
        if (AIErr planned = app->faults.Check(Name.View())) {
            Fail(planned);
            return R();
        }
        try {
            return Impl(args...);
        } catch (...) {
            CodeOfEscapedException();
            return R();
        }
    }
};

// One entry of a suite table, filled by name: the designator makes the compiler refuse a misspelt slot or one out of
// the table's order, and the slot and the name in the call log are the same word.
#define TRIMORA_HOST_FN(Suite, Function, Impl) .Function = &::headless::HostCall<#Suite "::" #Function, &Impl>::Call
#define TRIMORA_HOST_VALUE_FN(Suite, Function, Impl) \
    .Function = &::headless::HostValueCall<#Suite "::" #Function, &Impl>::Call

// The application and its current document; refused when there is none.
Application& App();
Document& Doc();

// An out-parameter, refused when null.
template <typename T>
T& Out(T* p) {
    if (!p) Throw(kBadParameterErr);
    return *p;
}

// A pointer the function reads, refused when null.
template <typename T>
const T& In(const T* p) {
    if (!p) Throw(kBadParameterErr);
    return *p;
}

// Art and layers of the current document. Null handles are refused by these; a caller that allows null checks
// first.
ArtId ArtIdOf(AIArtHandle h);
Art& ArtOf(AIArtHandle h);
AIArtHandle HandleOf(ArtId id);
LayerId LayerIdOf(AILayerHandle h);
Layer& LayerOf(AILayerHandle h);
AILayerHandle HandleOf(LayerId id);
ArtStyleId ArtStyleIdOf(AIArtStyleHandle h);
AIArtStyleHandle HandleOf(ArtStyleId id);

// Objects of the application: the id a handle names in `store`, refused when dead or of another kind.
template <typename Tag, typename T, typename Handle>
Id<Tag> AppIdOf(HandleKind kind, Handle h, const SlotStore<T, Tag>& store) {
    const Id<Tag> id = FromHandle<Tag>(kind, 0, h, [&store](std::uint32_t slot) { return store.IdAt(slot); });
    if (!id) Throw(kDeadHandleErr);
    return id;
}

template <typename Handle, typename Tag>
Handle AppHandleOf(HandleKind kind, Id<Tag> id) {
    return ToHandle<Handle>(kind, 0, id);
}

// The largest block the host hands out.
constexpr std::size_t kMaxHostBlockBytes = std::size_t{1} << 31;

// Host memory blocks: handed out by the basic and blocks suites and with converted strings.
void* AllocateHostBlock(std::size_t size);
AIErr FreeHostBlock(void* block);

}  // namespace headless
