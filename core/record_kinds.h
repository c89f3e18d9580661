#pragma once
// The kinds of record file the system keeps, each described by its sections in file order, and a
// read-only file object built from such a description. Tools that must read any kind (scx dump,
// scx db build) work from these descriptions.

#include <string>
#include <string_view>
#include <vector>

#include "core/file_framework.h"

namespace scx {

struct SectionSpec {
    std::string_view name;
    bool singleRow;
    std::string_view columns;
};

struct RecordKind {
    std::string_view
        name;  // "ipt", "tls", "rst", "checklist", "userchecklist", "filter", "package"
    std::vector<SectionSpec> sections;
};

const std::vector<RecordKind>& AllRecordKinds();
// The kind of that name, or none.
const RecordKind* FindRecordKind(std::string_view name);
// The kind a file's name tells: its extension (.ipt, .tls, .rst) or one of the fixed database
// file names. None when the name tells nothing.
const RecordKind* RecordKindOfFile(std::string_view path);

// A file of any kind, opened for reading without holding it and never written. Sections and
// columns come from the kind; rows are kept and skipped exactly as the kind's own class does.
class CFileRecordView : public CFileFramework {
public:
    explicit CFileRecordView(const RecordKind& kind);
};

}  // namespace scx
