#pragma once
// The lookup indexes of the checklist database: hash maps from an exact, case-sensitive text to a
// row number, where a later row with the same text replaces an earlier one.

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/table.h"

namespace scx {

struct TextHash {
    using is_transparent = void;  // look up by string_view without building a string
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

using TextIndex = std::unordered_map<std::string, int, TextHash, std::equal_to<>>;

// Sizes an index for the rows a section may hold (the lines between its markers), so that filling
// it never rehashes; called before the section's first row is indexed.
inline void ReserveFor(TextIndex& index, const CTable& table) {
    if (table.endLine > table.startLine) index.reserve(static_cast<size_t>(table.endLine - table.startLine - 1));
}

// The row stored under `key`, or -1.
inline int FindRow(const TextIndex& index, std::string_view key) {
    auto it = index.find(key);
    return it == index.end() ? -1 : it->second;
}

// An index of one column's exact values, filled on its first lookup. Lookups may come from several
// threads at once (a scan and a window); the one that finds the index unfilled fills it under the
// lock, the others wait for it. An empty table leaves the index unfilled, so it is tried again.
class LazyColumnIndex {
public:
    int Find(const CTableMulti& table, int column, std::string_view key) const {
        if (!filled_.load(std::memory_order_acquire)) {
            std::lock_guard<std::mutex> lock(mutex_);
            if (!filled_.load(std::memory_order_relaxed)) {
                for (int i = 0; i < table.GetRowCount(); ++i) index_[(*table.GetRow(i))[column]] = i;
                filled_.store(!index_.empty(), std::memory_order_release);
            }
            if (!filled_.load(std::memory_order_relaxed)) return -1;
        }
        return FindRow(index_, key);
    }

private:
    mutable std::mutex mutex_;
    mutable std::atomic<bool> filled_{false};
    mutable TextIndex index_;
};

}  // namespace scx
