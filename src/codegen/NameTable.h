// A map from names to small values in one flat array (open addressing, linear probing), for
// the look-ups of one generation: a design has up to 32767 names and hundreds of thousands of
// listener classes, and a flat table finds a name's slot without a node per name.
//
// The names are seen, not copied: they must outlive the table. A reference to a value lasts
// until the next insertion.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

namespace korvane {

// A hash of a name eight bytes at a time, each word mixed in by a multiplication: quick for
// the short names of a design.
struct NameHash {
    size_t operator()(std::string_view name) const {
        constexpr uint64_t kOdd = 0x9E3779B97F4A7C15ULL;
        uint64_t hash = name.size() * kOdd;
        const auto mix = [&](uint64_t word) {
            hash = (hash ^ word) * kOdd;
            hash ^= hash >> 32;
        };
        size_t i = 0;
        for (; i + 8 <= name.size(); i += 8) {
            uint64_t word;
            std::memcpy(&word, name.data() + i, sizeof word);
            mix(word);
        }
        if (i < name.size()) {
            uint64_t word = 0;
            std::memcpy(&word, name.data() + i, name.size() - i);
            mix(word);
        }
        return static_cast<size_t>(hash ^ (hash >> 29));
    }
};

struct NameEqual {
    bool operator()(std::string_view a, std::string_view b) const { return a == b; }
};

template <typename Value, typename Hash = NameHash, typename Equal = NameEqual>
class NameTable {
  public:
    // Room for `expected` names before the table grows.
    explicit NameTable(size_t expected = 0) { Reserve(expected); }

    // The value of the name, and true when the name was new and has been added with `value`;
    // false when it was there, its value unchanged.
    std::pair<Value&, bool> Insert(std::string_view name, Value value = Value{}) {
        Reserve(size_ + 1);
        const auto hash = static_cast<uint32_t>(Hash{}(name));
        for (size_t i = hash & mask_;; i = (i + 1) & mask_) {
            Slot& slot = slots_[i];
            if (!slot.used) {
                slot = Slot{name, hash, true, std::move(value)};
                ++size_;
                return {slot.value, true};
            }
            if (slot.hash == hash && Equal{}(slot.name, name)) return {slot.value, false};
        }
    }
    // The value of the name, added as Value{} when the name is new.
    Value& operator[](std::string_view name) { return Insert(name).first; }

    // The value of the name, or null.
    const Value* Find(std::string_view name) const {
        const auto hash = static_cast<uint32_t>(Hash{}(name));
        for (size_t i = hash & mask_;; i = (i + 1) & mask_) {
            const Slot& slot = slots_[i];
            if (!slot.used) return nullptr;
            if (slot.hash == hash && Equal{}(slot.name, name)) return &slot.value;
        }
    }
    bool Contains(std::string_view name) const { return Find(name) != nullptr; }
    size_t size() const { return size_; }

    // Makes room for `count` names with the table at most half full.
    void Reserve(size_t count) {
        size_t capacity = 16;
        while (capacity < 2 * count) capacity *= 2;
        if (capacity <= slots_.size()) return;
        std::vector<Slot> old(capacity);
        old.swap(slots_);
        mask_ = capacity - 1;
        for (Slot& slot : old) {
            if (!slot.used) continue;
            size_t i = slot.hash & mask_;
            while (slots_[i].used) i = (i + 1) & mask_;
            slots_[i] = std::move(slot);
        }
    }

  private:
    struct Slot {
        std::string_view name;
        uint32_t hash = 0;  // the low bits of the name's hash
        bool used = false;
        Value value{};
    };
    std::vector<Slot> slots_;
    size_t mask_ = 0;
    size_t size_ = 0;
};

}  // namespace korvane
