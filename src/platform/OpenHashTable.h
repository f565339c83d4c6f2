// The program's hash table of names filled while it runs, and the one hash of a name it uses:
// open addressing with linear probing in one flat power-of-two array, so that a design's tens
// of thousands of names, a generation's hundreds of thousands of listener classes or a file's
// millions of sections cost no node per name. (Sets of names fixed when the program is built
// are FixedNameIndex's.)
//
// What a slot holds is its user's choice: the table asks a slot whether it is Used() (a
// value-initialised slot is free) and reads the name a used slot stands for through the
// `nameOf` passed to each call. A slot may hold its name, or only a number that leads to it,
// so that a table need not copy a single name. A slot with a member `hash` keeps the low bits
// of its name's hash there: a probe then reads a name only when the bits match, and growing
// or closing a gap reads none; a slot without one stays smaller.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Text.h"

namespace korvane {

namespace hashing {

// The ASCII capitals among eight bytes made small at once; every other byte is kept.
constexpr uint64_t FoldAsciiCaseOfWord(uint64_t word) {
    constexpr uint64_t kOnes = 0x0101010101010101ULL;
    // Each byte's low seven bits plus a bias sets its top bit when the byte is at least 'A', or
    // past 'Z'; a byte stays below 0x100, so no carry reaches the next byte.
    const uint64_t low = word & (0x7F * kOnes);
    const uint64_t fromA = low + (0x80 - 'A') * kOnes;
    const uint64_t pastZ = low + (0x80 - 'Z' - 1) * kOnes;
    const uint64_t capitals = fromA & ~pastZ & ~word & (0x80 * kOnes);
    return word | (capitals >> 2);  // 0x80 >> 2 is the 0x20 between 'A' and 'a'
}

inline uint64_t LoadWord(const char* at) {
    uint64_t word;
    std::memcpy(&word, at, sizeof word);
    return word;
}
inline uint64_t LoadHalfWord(const char* at) {
    uint32_t half;
    std::memcpy(&half, at, sizeof half);
    return half;
}

// Eight bytes at a time, each word mixed in by a multiplication, the bytes that do not fill a
// word read with the word or half words that end the name (the length tells names apart that
// such overlapping reads would not): quick for short names, without a copy of variable size.
// The closing steps spread every bit over the low ones a table takes, so that names counted
// up (Label1, Label2, ...) land apart rather than in runs.
template <bool kIgnoreAsciiCase>
size_t HashOfName(std::string_view name) {
    constexpr uint64_t kOdd = 0x9E3779B97F4A7C15ULL;
    const char* bytes = name.data();
    const size_t size = name.size();
    uint64_t hash = size * kOdd;
    const auto mix = [&](uint64_t word) {
        if constexpr (kIgnoreAsciiCase) word = FoldAsciiCaseOfWord(word);
        hash = (hash ^ word) * kOdd;
        hash ^= hash >> 32;
    };
    if (size >= 8) {
        for (size_t i = 0; i + 8 < size; i += 8) mix(LoadWord(bytes + i));
        mix(LoadWord(bytes + size - 8));
    } else if (size >= 4) {
        mix(LoadHalfWord(bytes) << 32 | LoadHalfWord(bytes + size - 4));
    } else if (size > 0) {
        const auto byte = [&](size_t i) {
            return static_cast<uint64_t>(static_cast<uint8_t>(bytes[i]));
        };
        mix(byte(0) << 16 | byte(size / 2) << 8 | byte(size - 1));
    }
    hash ^= hash >> 33;
    hash *= 0xFF51AFD7ED558CCDULL;
    hash ^= hash >> 33;
    hash *= 0xC4CEB9FE1A85EC53ULL;
    hash ^= hash >> 33;
    return static_cast<size_t>(hash);
}

}  // namespace hashing

struct NameHash {
    size_t operator()(std::string_view name) const { return hashing::HashOfName<false>(name); }
};
struct NameEqual {
    bool operator()(std::string_view a, std::string_view b) const { return a == b; }
};

// Names that differ only in the case of ASCII letters hash alike (profile files and file systems
// that ignore case compare names so).
struct AsciiCaseBlindHash {
    size_t operator()(std::string_view name) const { return hashing::HashOfName<true>(name); }
};
struct AsciiCaseBlindEqual {
    bool operator()(std::string_view a, std::string_view b) const {
        return EqualIgnoringAsciiCase(a, b);
    }
};

// kMaxFillPercent trades room for probe length: a table of millions of small slots may fill
// further than one asked millions of times.
template <class Slot, class Hash = NameHash, class Equal = NameEqual, unsigned kMaxFillPercent = 50>
class OpenHashTable {
    static_assert(kMaxFillPercent > 0 && kMaxFillPercent < 100, "a free slot ends every probe");

  public:
    // The slot standing for the name, or null.
    template <class NameOf>
    const Slot* Find(std::string_view name, NameOf nameOf) const {
        if (slots_.empty()) return nullptr;
        const Slot& slot = slots_[Probe(name, Hash{}(name), nameOf)];
        return slot.Used() ? &slot : nullptr;
    }
    template <class NameOf>
    Slot* Find(std::string_view name, NameOf nameOf) {
        return const_cast<Slot*>(std::as_const(*this).Find(name, nameOf));
    }

    // The slot standing for the name, and true when it was free: the caller then makes it
    // Used(), standing for the name, before the table is asked again. A reference to a slot
    // lasts until the next insertion or erasure.
    template <class NameOf>
    std::pair<Slot&, bool> Insert(std::string_view name, NameOf nameOf) {
        if ((used_ + 1) * 100 > slots_.size() * kMaxFillPercent)
            Regrow(slots_.empty() ? kFewestSlots : slots_.size() * 2, nameOf);
        const size_t hash = Hash{}(name);
        Slot& slot = slots_[Probe(name, hash, nameOf)];
        if (slot.Used()) return {slot, false};
        if constexpr (kKeepsHash) slot.hash = static_cast<decltype(slot.hash)>(hash);
        ++used_;
        return {slot, true};
    }

    // Frees a used slot of the table. The slots after it that a probe would no longer reach
    // move back into the gap, so the table needs no tombstones and removals leave no debris.
    template <class NameOf>
    void Erase(Slot& erased, NameOf nameOf) {
        const size_t mask = slots_.size() - 1;
        size_t hole = static_cast<size_t>(&erased - slots_.data());
        slots_[hole] = Slot{};
        --used_;
        for (size_t at = (hole + 1) & mask; slots_[at].Used(); at = (at + 1) & mask) {
            const size_t home = HashOf(slots_[at], nameOf) & mask;
            // A slot moves when the hole lies on its way from its home slot.
            if (((at - home) & mask) >= ((at - hole) & mask)) {
                slots_[hole] = std::move(slots_[at]);
                slots_[at] = Slot{};
                hole = at;
            }
        }
    }

    // Makes room for `count` names before the table grows again.
    template <class NameOf>
    void Reserve(size_t count, NameOf nameOf) {
        size_t capacity = kFewestSlots;
        while (capacity * kMaxFillPercent < count * 100) capacity *= 2;
        if (capacity > slots_.size()) Regrow(capacity, nameOf);
    }

    void Clear() {
        slots_ = {};
        used_ = 0;
    }
    size_t size() const { return used_; }

  private:
    static constexpr size_t kFewestSlots = 16;
    static constexpr bool kKeepsHash = requires(Slot & slot) { slot.hash; };

    template <class NameOf>
    size_t HashOf(const Slot& slot, NameOf nameOf) const {
        if constexpr (kKeepsHash) {
            return slot.hash;
        } else {
            return Hash{}(nameOf(slot));
        }
    }

    // The slot standing for the name, or the free slot that ends its probe.
    template <class NameOf>
    size_t Probe(std::string_view name, size_t hash, NameOf nameOf) const {
        const size_t mask = slots_.size() - 1;
        for (size_t at = hash & mask;; at = (at + 1) & mask) {
            const Slot& slot = slots_[at];
            if (!slot.Used()) return at;
            if constexpr (kKeepsHash) {
                if (slot.hash != static_cast<decltype(slot.hash)>(hash)) continue;
            }
            if (Equal{}(nameOf(slot), name)) return at;
        }
    }

    template <class NameOf>
    void Regrow(size_t capacity, NameOf nameOf) {
        std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(capacity));
        const size_t mask = capacity - 1;
        for (Slot& slot : old) {
            if (!slot.Used()) continue;
            size_t at = HashOf(slot, nameOf) & mask;
            while (slots_[at].Used()) at = (at + 1) & mask;
            slots_[at] = std::move(slot);
        }
    }

    std::vector<Slot> slots_;
    size_t used_ = 0;
};

}  // namespace korvane
