#include "core/docs/table_order.h"

#include <algorithm>
#include <limits>
#include <numeric>

#include "core/docs/id_table.h"
#include "core/text_util.h"

namespace scx {

void SortSoftwareRows(CFileFramework& file, std::string_view primary, bool ascending,
                      std::string_view secondary) {
    auto* table = dynamic_cast<CTableMulti*>(file.GetTable("#SWLIST"));
    if (!table || table->GetRowCount() < 2) return;
    int p = table->FindColumn(primary);
    int s = secondary.empty() ? -1 : table->FindColumn(secondary);
    struct Keys {
        std::string primary, secondary;
    };
    std::vector<Keys> keys(table->GetRowCount());
    for (int i = 0; i < table->GetRowCount(); ++i) {
        const Row& row = *table->GetRow(i);
        // An unknown column reads the same error text on every row: all equal.
        if (p >= 0) keys[i].primary = LowerCase(row[p]);
        if (s >= 0) keys[i].secondary = LowerCase(row[s]);
    }
    // Exchanging neighbours only when strictly out of order (as a bubble sort does) yields exactly
    // the stable order of this comparison.
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const Keys& x = keys[a];
        const Keys& y = keys[b];
        if (x.primary != y.primary) return ascending ? x.primary < y.primary : x.primary > y.primary;
        return ascending ? x.secondary < y.secondary : x.secondary > y.secondary;
    });
    ReorderRows(*table, order);
}

namespace {

// Appends a row without copying its values, through the ID section's own bookkeeping when it is one.
void AppendRow(CTableMulti& table, Row&& row) {
    if (auto* ids = dynamic_cast<CIdTable*>(&table))
        ids->AddRow(std::move(row));
    else
        table.AddRow(std::move(row));
}

}  // namespace

void ReorderRows(CTableMulti& table, const std::vector<int>& order) {
    std::vector<Row> rows;
    rows.reserve(order.size());
    for (int i : order) rows.push_back(*table.GetRow(i));
    for (int i = table.GetRowCount() - 1; i >= 0; --i) table.DeleteRow(i);
    for (auto& row : rows) AppendRow(table, std::move(row));
}

int RemoveRowsIf(CTableMulti& table, const std::function<bool(const Row&)>& remove) {
    std::vector<Row> kept;
    int removed = 0;
    for (int i = 0; i < table.GetRowCount(); ++i) {
        if (remove(*table.GetRow(i)))
            ++removed;
        else
            kept.push_back(*table.GetRow(i));
    }
    if (removed == 0) return 0;
    for (int i = table.GetRowCount() - 1; i >= 0; --i) table.DeleteRow(i);
    for (auto& row : kept) AppendRow(table, std::move(row));
    return removed;
}

long long AddCounts(long long a, long long b) {
    long long sum;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? std::numeric_limits<long long>::max() : std::numeric_limits<long long>::min();
    return sum;
}

std::string CountText(long long value) { return std::to_string(value); }

}  // namespace scx
