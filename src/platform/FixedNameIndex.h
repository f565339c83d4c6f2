// A set of names fixed when the program is built (the component kinds, the listener methods),
// found by a hash of a name's length and three of its bytes: a look-up compares one or two
// names instead of hashing every byte, and generation asks millions of times. A set whose
// names crowd one bucket does not compile.
//
// It is apart from OpenHashTable because it is built by the compiler: a constant in the
// program, with nothing to allocate or fill at start, whose few bytes of hash are enough
// because the build proves them so for the names it holds. A table that grows at run time
// can neither be a constant nor trust such a hash with names it has not seen.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace korvane {

template <size_t kCount>
class FixedNameIndex {
  public:
    static constexpr size_t npos = static_cast<size_t>(-1);

    // The names of the rows, each taken by nameOf.
    template <class Rows, class NameOf>
    constexpr FixedNameIndex(const Rows& rows, NameOf nameOf) : names_{}, slots_{} {
        static_assert(kCount < kEmpty, "a slot holds a row number below 255");
        for (auto& bucket : slots_) bucket.fill(kEmpty);
        for (size_t k = 0; k < kCount; ++k) {
            names_[k] = nameOf(rows[k]);
            auto& bucket = slots_[BucketOf(names_[k])];
            size_t free = 0;
            while (bucket[free] != kEmpty) ++free;   // past the end when a bucket overflows,
            bucket[free] = static_cast<uint8_t>(k);  // which stops the constant evaluation
        }
    }

    // The row of the name, or npos.
    constexpr size_t Find(std::string_view name) const {
        if (name.empty()) return npos;
        for (uint8_t k : slots_[BucketOf(name)])
            if (k != kEmpty && names_[k] == name) return k;
        return npos;
    }

  private:
    static constexpr size_t kBuckets = 64;
    static constexpr size_t kPerBucket = 2;
    static constexpr uint8_t kEmpty = 0xff;

    static constexpr size_t BucketOf(std::string_view name) {
        const auto at = [&](size_t i) {
            return static_cast<size_t>(static_cast<uint8_t>(name[i]));
        };
        const size_t n = name.size();
        return (n + at(0) + 2 * at(n / 2) + 3 * at(n * 3 / 4)) % kBuckets;
    }

    std::array<std::string_view, kCount> names_;
    std::array<std::array<uint8_t, kPerBucket>, kBuckets> slots_;
};

}  // namespace korvane
