#pragma once
// The user checklist (userchecklist.dat): checklist rows that also carry a file size and a SHA-1
// hash, so a program can be recognised by its file name or by its content.

#include "core/db/file_checklist.h"

namespace scx {

class CFileUserCheckList : public CFileCheckList {
public:
    CFileUserCheckList();

    // Row whose SHA1 equals the hash without regard to case, or -1. Rows without a hash ("-")
    // are never found by a real hash.
    int FindBySha1(std::string_view sha1) const;

protected:
    void OnRowLoaded(CTable& table, int row) override;

private:
    std::string HashKeyOf(int row) const;  // lower case

    RowIndex hashIndex_;
};

}  // namespace scx
