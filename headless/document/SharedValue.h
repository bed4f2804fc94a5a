// A value many objects hold alike (a path style), kept once: copies share it and a change gives the changed holder
// its own copy. A holder that was never given a value reads T{} and costs one pointer.
#pragma once

#include <memory>
#include <utility>

namespace headless {

template <typename T>
class SharedValue {
public:
    SharedValue() = default;
    SharedValue(const T& value) : value_(std::make_shared<T>(value)) {}  // NOLINT: stands in for a T
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

}  // namespace headless
