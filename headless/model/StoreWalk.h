// Walking the live objects of a slot store in slot order, which is the order they were added in while nothing was
// removed; menus and notifiers are never removed, so their listings keep that order.
#pragma once

#include <cstddef>
#include <cstdint>

#include "headless/document/Ids.h"

namespace headless {

// Calls fn(id) for every live object; stops early when fn returns false.
template <typename T, typename Tag, typename Fn>
void ForEachLive(const SlotStore<T, Tag>& store, Fn&& fn) {
    std::size_t seen = 0;
    for (std::uint32_t slot = 0; seen < store.LiveCount(); ++slot) {
        const Id<Tag> id = store.IdAt(slot);
        if (!id) continue;
        ++seen;
        if (!fn(id)) return;
    }
}

// The nth live object in slot order, or null.
template <typename T, typename Tag>
Id<Tag> NthLive(const SlotStore<T, Tag>& store, std::size_t n) {
    Id<Tag> found;
    std::size_t index = 0;
    ForEachLive(store, [&](Id<Tag> id) {
        if (index++ != n) return true;
        found = id;
        return false;
    });
    return found;
}

}  // namespace headless
