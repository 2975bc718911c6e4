// A one-entry cache for a pure function of the time argument: the bodies and
// stars of one instant ask for the same T, so the value of the last T is kept,
// keyed on the exact bits of T, and every caller gets the very same doubles.
// Kept per thread by its user (a function-local thread_local).
#pragma once

#include <cstdint>
#include <cstring>

namespace ephemeris {

template <typename Value>
class LastInstant {
  public:
    template <typename Compute>
    const Value& get(double T, Compute compute) {
        std::uint64_t key = 0;
        std::memcpy(&key, &T, sizeof key);
        if (!valid_ || key_ != key) {
            value_ = compute(T);
            key_ = key;
            valid_ = true;
        }
        return value_;
    }

  private:
    std::uint64_t key_ = 0;
    bool valid_ = false;
    Value value_{};
};

}  // namespace ephemeris
