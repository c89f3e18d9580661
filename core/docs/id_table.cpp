#include "core/docs/id_table.h"

#include <algorithm>
#include <limits>

#include "core/text_util.h"
#include "core/utf8.h"

namespace scx {
namespace {

long long NextAfter(long long largest) {
    return largest == std::numeric_limits<long long>::max() ? -1 : largest + 1;
}

}  // namespace

long long NextId(const CTable& table) {
    if (const auto* ids = dynamic_cast<const CIdTable*>(&table)) return ids->NextId();
    int column = table.FindColumn("ID");
    long long largest = -1;
    for (int i = 0; i < table.GetRowCount(); ++i) {
        const Row* row = table.GetRow(i);
        long long id = column >= 0 && row && static_cast<size_t>(column) < row->size()
                           ? ParseDigits((*row)[column])
                           : -1;
        if (id > largest) largest = id;
    }
    return NextAfter(largest);
}

int CIdTable::DeleteRow(int row) {
    int deleted = CTableMulti::DeleteRow(row);
    if (deleted) stale_ = true;
    return deleted;
}

int CIdTable::SetCell(int row, std::string_view column, std::string_view value) {
    int set = CTableMulti::SetCell(row, column, value);
    if (set && IsTrackedColumn(FindColumn(column))) stale_ = true;
    return set;
}

void CIdTable::Clear() {
    CTableMulti::Clear();
    idColumn_ = -1;
    stale_ = true;
}

void CIdTable::SetColumns(std::string_view text, std::string_view separator) {
    CTableMulti::SetColumns(text, separator);
    idColumn_ = FindColumn("ID");
    stale_ = true;
}

int CIdTable::AddRow(const Row& values) { return AddRow(Row(values)); }

int CIdTable::AddRow(Row&& values) {
    int row = CTableMulti::AddRow(std::move(values));
    if (row >= 0) RowAppended(row);
    return row;
}

int CIdTable::AddRowText(std::string_view text, std::string_view separator) {
    Row values;
    SplitFields(text, separator, values);
    return AddRow(std::move(values));
}

void CIdTable::RowAppended(int row) {
    if (stale_ || trackedRows_ != row) {
        stale_ = true;
        return;
    }
    TrackRow(row);
    trackedRows_ = row + 1;
}

void CIdTable::Sync() const {
    if (!stale_ && trackedRows_ == GetRowCount()) return;
    ResetTracking();
    for (int i = 0; i < GetRowCount(); ++i) TrackRow(i);
    trackedRows_ = GetRowCount();
    stale_ = false;
}

long long CIdTable::NextId() const {
    Sync();
    return NextAfter(maxId_);
}

void CIdTable::ResetTracking() const { maxId_ = -1; }

void CIdTable::TrackRow(int row) const {
    const Row& values = *GetRow(row);
    // Rows keep the length they were added with, even if the columns changed since.
    long long id = idColumn_ >= 0 && static_cast<size_t>(idColumn_) < values.size()
                       ? ParseDigits(values[idColumn_])
                       : -1;
    if (id > maxId_) maxId_ = id;
}

void CSoftwareTable::SetColumns(std::string_view text, std::string_view separator) {
    CIdTable::SetColumns(text, separator);
    gubunColumn_ = FindColumn("GUBUN");
    companyColumn_ = FindColumn("COMPANY");
    productColumn_ = FindColumn("PRODUCT");
}

bool CSoftwareTable::IsTrackedColumn(int column) const {
    return CIdTable::IsTrackedColumn(column) || column == gubunColumn_ || column == companyColumn_ ||
           column == productColumn_;
}

namespace {

// Appends the lower case of `text` exactly as LowerCase gives it, without a temporary.
void AppendLowerCase(std::string& out, std::string_view text) {
    ForEachCodePoint(text, [&out](char32_t c, std::string_view raw) {
        if (c < 0x80) {
            out += static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
            return;
        }
        char32_t lower = FoldCase(c);
        if (lower == c)
            out.append(raw);
        else
            AppendUtf8(out, lower);
    });
}

}  // namespace

const std::string& CSoftwareTable::Key(std::string_view gubun, std::string_view company,
                                       std::string_view product) const {
    // Values never hold a TAB (it separates them in the file), so the joined key is unambiguous.
    keyBuffer_.clear();
    AppendLowerCase(keyBuffer_, gubun);
    keyBuffer_ += '\t';
    AppendLowerCase(keyBuffer_, company);
    keyBuffer_ += '\t';
    AppendLowerCase(keyBuffer_, product);
    return keyBuffer_;
}

void CSoftwareTable::ResetTracking() const {
    CIdTable::ResetTracking();
    firstRow_.clear();
}

void CSoftwareTable::TrackRow(int row) const {
    CIdTable::TrackRow(row);
    const Row& values = *GetRow(row);
    int last = std::max({gubunColumn_, companyColumn_, productColumn_});
    if (std::min({gubunColumn_, companyColumn_, productColumn_}) < 0 || static_cast<size_t>(last) >= values.size())
        return;
    // The earlier row stays: the lookup gives the first match in table order.
    firstRow_.try_emplace(Key(values[gubunColumn_], values[companyColumn_], values[productColumn_]), row);
}

int CSoftwareTable::FindSoftware(std::string_view gubun, std::string_view company,
                                 std::string_view product) const {
    Sync();
    auto it = firstRow_.find(Key(gubun, company, product));
    return it == firstRow_.end() ? -1 : it->second;
}

}  // namespace scx
