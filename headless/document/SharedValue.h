// A value many objects hold alike (a path style), kept once: copies share it and a change gives the changed holder
// its own copy. A holder that was never given a value reads T{} and costs one pointer.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace headless {

template <typename T>
class SharedValue {
public:
    SharedValue() = default;
    SharedValue(const T& value) : value_(std::make_shared<T>(value)) {}        // NOLINT: stands in for a T
    SharedValue(T&& value) : value_(std::make_shared<T>(std::move(value))) {}  // NOLINT: stands in for a T
    explicit SharedValue(std::shared_ptr<T> shared) : value_(std::move(shared)) {}

    const T& operator*() const { return value_ ? *value_ : Empty(); }
    const T* operator->() const { return &**this; }
    operator const T&() const { return **this; }  // NOLINT: reads as the value it holds

    // The value to change in place; copied first when another holder shares it.
    T& Edit() {
        if (!value_)
            value_ = std::make_shared<T>();
        else if (value_.use_count() > 1)
            value_ = std::make_shared<T>(*value_);
        return *value_;
    }

    // Whether both hold the very same stored value (not merely equal ones).
    bool SharesWith(const SharedValue& other) const { return value_ == other.value_; }

private:
    static const T& Empty() {
        static const T empty{};
        return empty;
    }

    std::shared_ptr<T> value_;
};

// Hands out stored values so that one equal to any of the last few handed out is the same stored value: objects
// made one after another from alike data (a reader's, a cut's) share it.
template <typename T, typename Equal = std::equal_to<T>>
class RecentValues {
public:
    SharedValue<T> Share(T value) {
        for (auto it = recent_.rbegin(); it != recent_.rend(); ++it)
            if (Equal{}(**it, value)) return *it;
        if (recent_.size() == kRemembered) recent_.erase(recent_.begin());
        recent_.emplace_back(std::move(value));
        return recent_.back();
    }

private:
    static constexpr std::size_t kRemembered = 8;
    std::vector<SharedValue<T>> recent_;  // newest last
};

}  // namespace headless
