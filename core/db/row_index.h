#pragma once
// A lookup index from a key text to a row of a table. It holds only each key's hash and row number
// (open addressing, linear probing); when two hashes agree, the key is rebuilt from the stored row
// and compared, so a lookup is exact and a later row with the same key replaces the earlier one.
// Against a map of key strings this saves a string and a node per row: a checklist of 200,000
// rows loads markedly faster and in less memory.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace scx {

class RowIndex {
public:
    // Room for `rows` keys without growing.
    void Reserve(size_t rows) {
        size_t wanted = 16;
        while (wanted < rows * 2) wanted *= 2;
        if (wanted > slots_.size()) Rehash(wanted);
    }

    // keyOf(row) rebuilds the key of a stored row (a std::string or anything comparable to it).
    template <typename KeyOf>
    void Insert(std::string_view key, int row, KeyOf&& keyOf) {
        if ((count_ + 1) * 2 > slots_.size()) Rehash(slots_.empty() ? 16 : slots_.size() * 2);
        const std::uint64_t hash = Hash(key);
        for (size_t i = hash & Mask();; i = (i + 1) & Mask()) {
            Slot& slot = slots_[i];
            if (slot.row < 0) {
                slot = {hash, row};
                ++count_;
                return;
            }
            if (slot.hash == hash && keyOf(slot.row) == key) {
                slot.row = row;
                return;
            }
        }
    }

    // The row stored under `key`, or -1.
    template <typename KeyOf>
    int Find(std::string_view key, KeyOf&& keyOf) const {
        if (slots_.empty()) return -1;
        const std::uint64_t hash = Hash(key);
        for (size_t i = hash & Mask();; i = (i + 1) & Mask()) {
            const Slot& slot = slots_[i];
            if (slot.row < 0) return -1;
            if (slot.hash == hash && keyOf(slot.row) == key) return slot.row;
        }
    }

    bool Empty() const { return count_ == 0; }

private:
    struct Slot {
        std::uint64_t hash = 0;
        int row = -1;
    };

    static std::uint64_t Hash(std::string_view key) { return std::hash<std::string_view>{}(key); }
    size_t Mask() const { return slots_.size() - 1; }

    void Rehash(size_t size) {
        std::vector<Slot> old(size);
        old.swap(slots_);
        for (const Slot& slot : old) {
            if (slot.row < 0) continue;
            size_t i = slot.hash & Mask();
            while (slots_[i].row >= 0) i = (i + 1) & Mask();
            slots_[i] = slot;
        }
    }

    std::vector<Slot> slots_;
    size_t count_ = 0;
};

}  // namespace scx
