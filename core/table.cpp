#include "core/table.h"

#include "core/text_util.h"

namespace scx {

int CTable::FindColumn(std::string_view column) const {
    for (size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i] == column) return static_cast<int>(i);
    return -1;
}

void CTable::SetColumns(std::string_view text, std::string_view separator) {
    SplitFields(text, separator, columns_);
}

std::string CTable::GetCell(int row, std::string_view column) const {
    int col = FindColumn(column);
    if (col < 0) return std::string(kCellBadColumn);
    const Row* values = GetRow(row);
    // The column list may have changed since the row was added: guard the index too.
    if (!values || static_cast<size_t>(col) >= values->size()) return std::string(kCellNoRow);
    return (*values)[col];
}

std::string CTable::GetRowText(int row) const {
    const Row* values = GetRow(row);
    std::string text;
    if (!values) return text;
    for (size_t i = 0; i < values->size(); ++i) {
        if (i) text += '\t';
        text += (*values)[i];
    }
    return text;
}

int CTableMulti::DeleteRow(int row) {
    if (row < 0 || row >= GetRowCount()) return 0;
    rows_.erase(rows_.begin() + row);
    return 1;
}

int CTableMulti::SetCell(int row, std::string_view column, std::string_view value) {
    int col = FindColumn(column);
    if (row < 0 || row >= GetRowCount() || col < 0) return 0;
    Row& values = rows_[row];
    if (static_cast<size_t>(col) >= values.size()) return 0;
    values[col] = value;
    return 1;
}

void CTableMulti::Clear() {
    rows_.clear();
    columns_.clear();
}

int CTableMulti::AddRow(const Row& values) { return AddRow(Row(values)); }

int CTableMulti::AddRow(Row&& values) {
    if (values.size() != columns_.size()) return -1;
    rows_.push_back(std::move(values));
    return GetRowCount() - 1;
}

int CTableMulti::AddRowText(std::string_view text, std::string_view separator) {
    Row values;
    SplitFields(text, separator, values);
    return AddRow(std::move(values));
}

const Row* CTableMulti::GetRow(int row) const {
    if (row < 0 || row >= GetRowCount()) return nullptr;
    return &rows_[row];
}

int CTableSingle::DeleteRow(int row) {
    if (row < 0 || static_cast<size_t>(row) >= values_.size()) return 0;
    values_.erase(values_.begin() + row);
    return 1;
}

int CTableSingle::SetCell(int, std::string_view, std::string_view) { return 0; }

void CTableSingle::Clear() {
    values_.clear();
    columns_.clear();
}

int CTableSingle::AddRow(const Row& values) {
    values_ = values;
    FitToColumns();
    return 0;
}

int CTableSingle::AddRowText(std::string_view text, std::string_view separator) {
    SplitFields(text, separator, values_);
    FitToColumns();
    return 0;
}

const Row* CTableSingle::GetRow(int) const { return &values_; }

void CTableSingle::FitToColumns() {
    values_.resize(columns_.size(), std::string(kMissing));
}

}  // namespace scx
