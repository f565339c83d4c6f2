// A map from names to small values, for the look-ups of one generation: a design has up to
// 32767 names and hundreds of thousands of listener classes.
//
// The names are seen, not copied: they must outlive the table. A reference to a value lasts
// until the next insertion.
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>

#include "platform/OpenHashTable.h"

namespace korvane {

template <typename Value, typename Hash = NameHash, typename Equal = NameEqual>
class NameTable {
  public:
    // Room for `expected` names before the table grows.
    explicit NameTable(size_t expected = 0) { Reserve(expected); }

    // The value of the name, and true when the name was new and has been added with `value`;
    // false when it was there, its value unchanged.
    std::pair<Value&, bool> Insert(std::string_view name, Value value = Value{}) {
        auto [slot, added] = slots_.Insert(name, NameOf{});
        if (added) {
            slot.name = name;
            slot.used = true;
            slot.value = std::move(value);
        }
        return {slot.value, added};
    }
    // The value of the name, added as Value{} when the name is new.
    Value& operator[](std::string_view name) { return Insert(name).first; }

    // The value of the name, or null.
    const Value* Find(std::string_view name) const {
        const Slot* slot = slots_.Find(name, NameOf{});
        return slot ? &slot->value : nullptr;
    }
    Value* Find(std::string_view name) {
        Slot* slot = slots_.Find(name, NameOf{});
        return slot ? &slot->value : nullptr;
    }
    bool Contains(std::string_view name) const { return Find(name) != nullptr; }
    size_t size() const { return slots_.size(); }
    void Reserve(size_t count) { slots_.Reserve(count, NameOf{}); }

  private:
    struct Slot {
        std::string_view name;
        uint32_t hash = 0;
        bool used = false;
        Value value{};
        bool Used() const { return used; }
    };
    struct NameOf {
        std::string_view operator()(const Slot& slot) const { return slot.name; }
    };

    OpenHashTable<Slot, Hash, Equal> slots_;
};

}  // namespace korvane
