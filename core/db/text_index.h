#pragma once
// The lookup indexes of the checklist database: from an exact, case-sensitive text to a row number,
// where a later row with the same text replaces an earlier one.

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "core/db/row_index.h"
#include "core/table.h"

namespace scx {

struct TextHash {
    using is_transparent = void;  // look up by string_view without building a string
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

// Sizes an index for the rows a section may hold (the lines between its markers), so that filling
// it never grows it; called before the section's first row is indexed.
inline void ReserveFor(RowIndex& index, const CTable& table) {
    if (table.endLine > table.startLine)
        index.Reserve(static_cast<size_t>(table.endLine - table.startLine - 1));
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
                index_.Reserve(static_cast<size_t>(table.GetRowCount()));
                for (int i = 0; i < table.GetRowCount(); ++i)
                    index_.Insert(ValueOf(table, column, i), i,
                                  [&](int row) { return ValueOf(table, column, row); });
                filled_.store(!index_.Empty(), std::memory_order_release);
            }
            if (!filled_.load(std::memory_order_relaxed)) return -1;
        }
        return index_.Find(key, [&](int row) { return ValueOf(table, column, row); });
    }

private:
    static std::string_view ValueOf(const CTableMulti& table, int column, int row) {
        return (*table.GetRow(row))[column];
    }

    mutable std::mutex mutex_;
    mutable std::atomic<bool> filled_{false};
    mutable RowIndex index_;
};

}  // namespace scx
