#pragma once
// The base of every record file: named sections of tab-separated rows in one scrambled block.
//
// A derived class creates its section tables in its constructor, in section order, and states its
// class parameters (default folder, how Load opens the file, whether the file stays held, how it
// saves). Load, Save and SaveAs are the same for every class.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/table.h"
#include "platform/file.h"

namespace scx {

enum class DefaultFolder { Program, CheckOutIpt, CheckOutTls, CheckOutRst };

struct FileClassParams {
    DefaultFolder folder = DefaultFolder::Program;
    platform::Access loadAccess = platform::Access::Read;
    platform::Share loadShare = platform::Share::DenyWrite;
    // The file stays open (and its sharing rule in force) after Load until the object dies.
    bool keepOpen = true;
    // Classes whose files the programs only read: Save and SaveAs do nothing and return 0.
    bool writable = true;
    // SaveAs makes the written file the object's path.
    bool saveAsSetsPath = false;
};

class CFileFramework {
public:
    virtual ~CFileFramework() = default;
    CFileFramework(const CFileFramework&) = delete;
    CFileFramework& operator=(const CFileFramework&) = delete;

    // The table of that exact section name, or none.
    virtual CTable* GetTable(std::string_view name);
    const CTable* GetTable(std::string_view name) const;
    // 1 on success, 0 on failure. Without `fullPath` the name is a file in the default folder.
    virtual int Load(std::string_view name, bool fullPath);
    // Rewrites the file Load opened, all or nothing, and goes on holding it. Nonzero on success.
    virtual int Save();
    // Writes a new file all or nothing. Nonzero on success.
    virtual int SaveAs(std::string_view name, bool fullPath);
    // A fresh empty table in place of the named one; only result files do this.
    virtual CTable* ResetTable(std::string_view name, bool deleteOld);

    static std::string StartMarker(std::string_view name) { return std::string(name) + "_START"; }
    static std::string EndMarker(std::string_view name) { return std::string(name) + "_END"; }

    const std::string& GetPath() const { return path_; }
    bool IsFileOpen() const { return file_.IsOpen(); }
    const std::vector<std::unique_ptr<CTable>>& Tables() const { return tables_; }
    // The default folder of this class, with a trailing "/".
    std::string GetDefaultFolder() const;

    // The whole file as it is written: every section's text in code page 949, scrambled.
    std::string BuildFileBytes() const;

    // Told of every row line Load skips (line index in the decoded text, the line).
    using SkipObserver = std::function<void(const CTable&, int line, const std::string&)>;
    void SetSkipObserver(SkipObserver observer) { skipObserver_ = std::move(observer); }

protected:
    explicit CFileFramework(FileClassParams params) : params_(params) {}

    // Appends a section in section order and returns it for the class's member pointer.
    template <typename Table>
    Table* AddSection(std::string_view name, std::string_view columns) {
        auto table = std::make_unique<Table>(std::string(name));
        table->SetColumns(columns, "\t");
        Table* raw = table.get();
        tables_.push_back(std::move(table));
        return raw;
    }
    // Replaces the section of that name by `table`; returns the new table or none.
    CTable* ReplaceSection(std::string_view name, std::unique_ptr<CTable> table);
    // Like ReplaceSection, but hands the old table back instead of destroying it (none when no
    // section has that name; `table` is then dropped).
    std::unique_ptr<CTable> SwapSection(std::string_view name, std::unique_ptr<CTable> table);

    // Hooks for the classes: an accepted row (for lookup indexes), the end of a good Load, the
    // precondition of Save, and a failed SaveAs (its error text).
    virtual void OnRowLoaded(CTable& /*table*/, int /*row*/) {}
    virtual void OnLoaded() {}
    virtual bool CanSave() const { return true; }
    virtual void OnSaveAsFailed(const std::string& /*error*/) {}

    std::string path_;
    platform::LockedFile file_;

private:
    std::string ResolvePath(std::string_view name, bool fullPath, bool makeFolder) const;
    bool FindMarkers();
    bool AddRows();

    FileClassParams params_;
    std::vector<std::unique_ptr<CTable>> tables_;
    SkipObserver skipObserver_;
};

}  // namespace scx
