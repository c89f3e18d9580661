#pragma once
// The table model of a record-file section: a name, column names, and rows of value texts.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace scx {

using Row = std::vector<std::string>;

class CTable {
public:
    explicit CTable(std::string name = {}) : name_(std::move(name)) {}
    virtual ~CTable() = default;
    CTable(const CTable&) = delete;
    CTable& operator=(const CTable&) = delete;

    // 1 when deleted, 0 when the index is out of range.
    virtual int DeleteRow(int row) = 0;
    // 1 when set, 0 otherwise.
    virtual int SetCell(int row, std::string_view column, std::string_view value) = 0;
    // Index of the first column with exactly this name, or -1.
    virtual int FindColumn(std::string_view column) const;
    // Removes all rows and all column names.
    virtual void Clear() = 0;
    virtual void SetColumns(std::string_view text, std::string_view separator);
    virtual int GetRowCount() const = 0;
    virtual int AddRow(const Row& values) = 0;
    virtual int AddRowText(std::string_view text, std::string_view separator) = 0;
    // The row's values, or none.
    virtual const Row* GetRow(int row) const = 0;

    void SetName(std::string name) { name_ = std::move(name); }
    std::string GetName() const { return name_; }
    const std::string& Name() const { return name_; }
    const std::vector<std::string>& Columns() const { return columns_; }

    // The value, or the texts "ERROR : Out Of Bounds Index" (unknown column) and "ERROR : NULL"
    // (no such row), which callers that compare values simply see as non-matching.
    std::string GetCell(int row, std::string_view column) const;
    // The row's values joined by TAB; the empty text when there is no such row.
    std::string GetRowText(int row) const;

    // Lines of the last load that held this table's markers; -1 before any load.
    int startLine = -1;
    int endLine = -1;

protected:
    std::string name_;
    std::vector<std::string> columns_;
};

inline constexpr std::string_view kCellBadColumn = "ERROR : Out Of Bounds Index";
inline constexpr std::string_view kCellNoRow = "ERROR : NULL";

// A section of any number of rows; every row has as many values as the table had columns when
// the row was added.
class CTableMulti : public CTable {
public:
    using CTable::CTable;

    int DeleteRow(int row) override;
    int SetCell(int row, std::string_view column, std::string_view value) override;
    void Clear() override;
    int GetRowCount() const override { return static_cast<int>(rows_.size()); }
    // The row's index, or -1 (nothing added) when the number of values differs from the columns.
    int AddRow(const Row& values) override;
    int AddRow(Row&& values);
    int AddRowText(std::string_view text, std::string_view separator) override;
    const Row* GetRow(int row) const override;
    // Room for `rows` rows without moving the ones held (a loader that knows how many lines a
    // section has).
    void Reserve(int rows) { rows_.reserve(rows > 0 ? static_cast<size_t>(rows) : 0); }

private:
    std::vector<Row> rows_;
};

// A header-like section of one row (number 0), which exists when it holds values.
class CTableSingle : public CTable {
public:
    using CTable::CTable;

    int DeleteRow(int row) override;
    // A single-row table changes only through AddRow and AddRowText: this returns 0.
    int SetCell(int row, std::string_view column, std::string_view value) override;
    void Clear() override;
    int GetRowCount() const override { return values_.empty() ? 0 : 1; }
    // Replace the values, fitted to the columns ("-" appended, surplus cut); return 0.
    int AddRow(const Row& values) override;
    int AddRowText(std::string_view text, std::string_view separator) override;
    // The value list, whatever the index.
    const Row* GetRow(int row) const override;

private:
    void FitToColumns();
    Row values_;
};

}  // namespace scx
