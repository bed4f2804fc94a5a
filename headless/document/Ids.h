// Identities of document objects: a slot index and a generation, so that a stale id is recognised in O(1).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace headless {

// Generation 0 never names a live object, so a default id is null.
template <typename Tag>
struct Id {
    std::uint32_t slot = 0;
    std::uint32_t generation = 0;

    explicit operator bool() const { return generation != 0; }
    friend bool operator==(Id, Id) = default;
};

// Objects in fixed-size chunks, so that growing the store never moves (and for a moment doubles) what it holds;
// freed slots are reused with a new generation.
template <typename T, typename Tag>
class SlotStore {
public:
    using IdType = Id<Tag>;

    template <typename... Args>
    IdType Add(Args&&... args) {
        std::uint32_t slot;
        if (!free_.empty()) {
            slot = free_.back();
            free_.pop_back();
        } else {
            slot = size_++;
            if ((slot & kChunkMask) == 0) chunks_.push_back(std::make_unique<Slot[]>(kChunkSize));
        }
        Slot& s = At(slot);
        s.value = T{std::forward<Args>(args)...};
        s.generation = NextGeneration(s.generation);
        s.live = true;
        ++liveCount_;
        return IdType{slot, s.generation};
    }

    void Remove(IdType id) {
        if (!Contains(id)) return;
        Slot& s = At(id.slot);
        s.live = false;
        s.value = T{};
        free_.push_back(id.slot);
        --liveCount_;
    }

    bool Contains(IdType id) const {
        if (id.generation == 0 || id.slot >= size_) return false;
        const Slot& s = At(id.slot);
        return s.live && s.generation == id.generation;
    }

    // The live id at a slot, or null: lets a handle that carries only part of the generation be checked.
    IdType IdAt(std::uint32_t slot) const {
        return slot < size_ && At(slot).live ? IdType{slot, At(slot).generation} : IdType{};
    }

    T* Find(IdType id) { return Contains(id) ? &At(id.slot).value : nullptr; }
    const T* Find(IdType id) const { return Contains(id) ? &At(id.slot).value : nullptr; }

    // Callers check Contains first.
    T& operator[](IdType id) { return At(id.slot).value; }
    const T& operator[](IdType id) const { return At(id.slot).value; }

    std::size_t LiveCount() const { return liveCount_; }
    // Room for `more` objects beyond the live ones in the table of chunks.
    void Reserve(std::size_t more) {
        if (free_.size() < more) chunks_.reserve((size_ + (more - free_.size())) / kChunkSize + 1);
    }

private:
    struct Slot {
        T value{};
        std::uint32_t generation = 0;
        bool live = false;
    };
    static constexpr std::uint32_t kChunkSize = 128;
    static constexpr std::uint32_t kChunkMask = kChunkSize - 1;
    static constexpr int kChunkShift = 7;
    static_assert(kChunkSize == 1u << kChunkShift);

    Slot& At(std::uint32_t slot) { return chunks_[slot >> kChunkShift][slot & kChunkMask]; }
    const Slot& At(std::uint32_t slot) const { return chunks_[slot >> kChunkShift][slot & kChunkMask]; }

    static std::uint32_t NextGeneration(std::uint32_t g) { return g == UINT32_MAX ? 1 : g + 1; }

    std::vector<std::unique_ptr<Slot[]>> chunks_;
    std::uint32_t size_ = 0;  // slots ever used
    std::vector<std::uint32_t> free_;
    std::size_t liveCount_ = 0;
};

struct ArtTag;
struct LayerTag;
struct GradientTag;
struct ArtStyleTag;
using ArtId = Id<ArtTag>;
using LayerId = Id<LayerTag>;
using GradientId = Id<GradientTag>;
using ArtStyleId = Id<ArtStyleTag>;

}  // namespace headless
