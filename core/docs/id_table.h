#pragma once
// Sections whose rows carry a numeric ID: the PCs and the software of total lists and results.
//
// `CIdTable` keeps the largest ID in step with its rows, so the next free ID needs no scan of the
// section. `CSoftwareTable` also answers "the first row whose GUBUN, COMPANY and PRODUCT equal
// these, without regard to letter case" from a hash index: the merges ask it once per install.
// Appending a row updates both at once; any other change (a deleted row, an edited key or ID
// cell, a cleared table, a row count that no longer matches) makes them rebuild on the next
// question, so they always give exactly what a scan of the rows in table order would give.

#include <string>
#include <string_view>
#include <unordered_map>

#include "core/db/text_index.h"
#include "core/table.h"

namespace scx {

// One more than the largest ID of the table (an ID that is not all digits counts as -1): 0 for an
// empty table, -1 when no next ID can be given. Fast for a `CIdTable`, a scan otherwise.
long long NextId(const CTable& table);

class CIdTable : public CTableMulti {
public:
    using CTableMulti::CTableMulti;

    int DeleteRow(int row) override;
    int SetCell(int row, std::string_view column, std::string_view value) override;
    void Clear() override;
    void SetColumns(std::string_view text, std::string_view separator) override;
    int AddRow(const Row& values) override;
    int AddRow(Row&& values);
    int AddRowText(std::string_view text, std::string_view separator) override;

    long long NextId() const;

protected:
    // Derived state: forget everything, then learn the rows one by one in table order.
    virtual void ResetTracking() const;
    virtual void TrackRow(int row) const;
    // A cell of this column feeds the derived state.
    virtual bool IsTrackedColumn(int column) const { return column == idColumn_; }
    // Brings the derived state up to date with the rows.
    void Sync() const;

private:
    void RowAppended(int row);

    int idColumn_ = -1;
    mutable long long maxId_ = -1;
    mutable int trackedRows_ = 0;
    mutable bool stale_ = false;
};

class CSoftwareTable : public CIdTable {
public:
    using CIdTable::CIdTable;

    void SetColumns(std::string_view text, std::string_view separator) override;
    // First row whose GUBUN, COMPANY and PRODUCT equal these without regard to letter case, or -1.
    int FindSoftware(std::string_view gubun, std::string_view company, std::string_view product) const;

protected:
    void ResetTracking() const override;
    void TrackRow(int row) const override;
    bool IsTrackedColumn(int column) const override;

private:
    // The three values lower-cased and joined by TAB, in `keyBuffer_`.
    const std::string& Key(std::string_view gubun, std::string_view company, std::string_view product) const;

    int gubunColumn_ = -1;
    int companyColumn_ = -1;
    int productColumn_ = -1;
    mutable std::unordered_map<std::string, int, TextHash, std::equal_to<>> firstRow_;
    mutable std::string keyBuffer_;
};

}  // namespace scx
