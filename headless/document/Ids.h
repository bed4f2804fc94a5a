// Identities of document objects: a slot index and a generation, so that a stale id is recognised in O(1).
#pragma once

#include <cstdint>
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

// Objects in one vector; freed slots are reused with a new generation.
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
            slots_[slot].value = T{std::forward<Args>(args)...};
        } else {
            slot = static_cast<std::uint32_t>(slots_.size());
            slots_.push_back(Slot{T{std::forward<Args>(args)...}, 0, false});
        }
        Slot& s = slots_[slot];
        s.generation = NextGeneration(s.generation);
        s.live = true;
        ++liveCount_;
        return IdType{slot, s.generation};
    }

    void Remove(IdType id) {
        if (!Contains(id)) return;
        Slot& s = slots_[id.slot];
        s.live = false;
        s.value = T{};
        free_.push_back(id.slot);
        --liveCount_;
    }

    bool Contains(IdType id) const {
        return id.generation != 0 && id.slot < slots_.size() && slots_[id.slot].live &&
               slots_[id.slot].generation == id.generation;
    }

    // The live id at a slot, or null: lets a handle that carries only part of the generation be checked.
    IdType IdAt(std::uint32_t slot) const {
        return slot < slots_.size() && slots_[slot].live ? IdType{slot, slots_[slot].generation} : IdType{};
    }

    T* Find(IdType id) { return Contains(id) ? &slots_[id.slot].value : nullptr; }
    const T* Find(IdType id) const { return Contains(id) ? &slots_[id.slot].value : nullptr; }

    // Callers check Contains first.
    T& operator[](IdType id) { return slots_[id.slot].value; }
    const T& operator[](IdType id) const { return slots_[id.slot].value; }

    std::size_t LiveCount() const { return liveCount_; }
    // Room for `more` objects beyond the live ones, so that a known number of additions moves nothing.
    void Reserve(std::size_t more) {
        if (free_.size() < more) slots_.reserve(slots_.size() + (more - free_.size()));
    }

private:
    struct Slot {
        T value;
        std::uint32_t generation;
        bool live;
    };

    static std::uint32_t NextGeneration(std::uint32_t g) { return g == UINT32_MAX ? 1 : g + 1; }

    std::vector<Slot> slots_;
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
