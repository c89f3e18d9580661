#include "core/file_framework.h"

#include <algorithm>

#include "core/codec.h"
#include "core/folders.h"
#include "core/scrambled_lines.h"
#include "core/trace.h"

namespace scx {
namespace {

void RemoveCr(std::string& line) {
    if (line.find('\r') != std::string::npos) line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
}

}  // namespace

CTable* CFileFramework::GetTable(std::string_view name) {
    for (auto& table : tables_)
        if (table->Name() == name) return table.get();
    return nullptr;
}

const CTable* CFileFramework::GetTable(std::string_view name) const {
    return const_cast<CFileFramework*>(this)->GetTable(name);
}

CTable* CFileFramework::ResetTable(std::string_view, bool) { return nullptr; }

CTable* CFileFramework::ReplaceSection(std::string_view name, std::unique_ptr<CTable> table) {
    CTable* fresh = table.get();
    return SwapSection(name, std::move(table)) ? fresh : nullptr;
}

std::unique_ptr<CTable> CFileFramework::SwapSection(std::string_view name,
                                                    std::unique_ptr<CTable> table) {
    for (auto& slot : tables_) {
        if (slot->Name() == name) {
            std::swap(slot, table);
            return table;
        }
    }
    return nullptr;
}

std::string CFileFramework::GetDefaultFolder() const {
    switch (params_.folder) {
        case DefaultFolder::CheckOutIpt: return GetCheckOutFolder("IPT");
        case DefaultFolder::CheckOutTls: return GetCheckOutFolder("TLS");
        case DefaultFolder::CheckOutRst: return GetCheckOutFolder("RST");
        case DefaultFolder::Program: break;
    }
    return GetProgramFolder();
}

std::string CFileFramework::ResolvePath(std::string_view name, bool fullPath, bool makeFolder) const {
    if (fullPath) return std::string(name);
    std::string folder = GetDefaultFolder();
    if (makeFolder && !EnsureFolder(folder)) return {};
    return folder + std::string(name);
}

int CFileFramework::Load(std::string_view name, bool fullPath) {
    std::string path = ResolvePath(name, fullPath, false);
    std::string error;
    if (!file_.Open(path, params_.loadAccess, params_.loadShare, &error)) {
        Trace("load %s: %s", path.c_str(), error.c_str());
        return 0;
    }
    // Two passes over the file: the markers first (nothing is added unless every section is
    // there), then the rows. The file is read a slice at a time both times.
    if (!FindMarkers() || !AddRows()) {
        Trace("load %s: empty or unreadable file, or sections missing", path.c_str());
        file_.Close();
        return 0;
    }
    path_ = path;
    if (!params_.keepOpen) file_.Close();
    OnLoaded();
    return 1;
}

bool CFileFramework::FindMarkers() {
    std::vector<std::string> starts, ends;
    for (auto& table : tables_) {
        table->startLine = table->endLine = -1;
        starts.push_back(StartMarker(table->Name()));
        ends.push_back(EndMarker(table->Name()));
    }
    // Markers are ASCII, so the stored bytes of a line serve without decoding it.
    bool read = ForEachScrambledLine(file_, false, [&](int k, std::string_view line) {
        // Markers start with "#" (after any CR): most row lines are passed over at once.
        size_t first = line.find_first_not_of('\r');
        if (first == std::string_view::npos || line[first] != '#') return;
        std::string clean(line);
        RemoveCr(clean);
        auto match = [&](const std::vector<std::string>& markers) {
            auto it = std::find(markers.begin(), markers.end(), clean);
            return it == markers.end() ? -1 : static_cast<int>(it - markers.begin());
        };
        if (int t = match(starts); t >= 0)
            tables_[t]->startLine = k;
        else if (int e = match(ends); e >= 0)
            tables_[e]->endLine = k;
    });
    return read && std::all_of(tables_.begin(), tables_.end(), [](const auto& t) {
        return t->startLine >= 0 && t->startLine < t->endLine;
    });
}

// Each line goes to every table whose markers enclose it, in section order; so every table gets
// its rows in file order, and the tables are filled side by side in one pass over the file.
bool CFileFramework::AddRows() {
    for (auto& table : tables_)
        if (auto* multi = dynamic_cast<CTableMulti*>(table.get()))
            multi->Reserve(multi->GetRowCount() + table->endLine - table->startLine - 1);
    std::string withoutCr;
    return ForEachScrambledLine(file_, true, [&](int k, std::string_view clean) {
        bool cleaned = false;
        for (auto& table : tables_) {
            if (k <= table->startLine || k >= table->endLine) continue;
            if (!cleaned && clean.find('\r') != std::string_view::npos) {
                withoutCr = clean;
                RemoveCr(withoutCr);
                clean = withoutCr;
            }
            cleaned = true;
            int row = table->AddRowText(clean, "\t");
            if (row < 0) {
                Trace("%s: line %d skipped (wrong number of fields)", table->Name().c_str(), k);
                if (skipObserver_) skipObserver_(*table, k, std::string(clean));
                continue;
            }
            OnRowLoaded(*table, row);
        }
    });
}

std::string CFileFramework::BuildFileBytes() const {
    std::string buffer;
    for (const auto& table : tables_) {
        std::string text = StartMarker(table->Name()) + "\r\n";
        for (int i = 0; i < table->GetRowCount(); ++i) {
            // The row's values joined by TAB, appended in place (no text per row).
            const Row& values = *table->GetRow(i);
            for (size_t v = 0; v < values.size(); ++v) {
                if (v) text += '\t';
                text += values[v];
            }
            text += "\r\n";
            // Converted a slice at a time: no whole-section text next to its converted copy.
            if (text.size() >= (1u << 16)) {
                AppendCodePageBytes(buffer, text);
                text.clear();
            }
        }
        text += EndMarker(table->Name()) + "\r\n";
        AppendCodePageBytes(buffer, text);
    }
    ScrambleBytes(buffer);
    return buffer;
}

int CFileFramework::Save() {
    if (!params_.writable || !file_.IsOpen() || !CanSave()) return 0;
    std::string bytes = BuildFileBytes();
    if (bytes.empty()) return 0;
    std::string error;
    if (!file_.Replace(bytes, &error)) {
        Trace("save %s: %s", file_.Path().c_str(), error.c_str());
        return 0;
    }
    return 1;
}

int CFileFramework::SaveAs(std::string_view name, bool fullPath) {
    if (!params_.writable) return 0;
    std::string path = ResolvePath(name, fullPath, true);
    if (path.empty()) return 0;
    std::string bytes = BuildFileBytes();
    if (bytes.empty()) return 0;
    std::string error;
    if (!platform::WriteFileAtomically(path, bytes, &error)) {
        Trace("save as %s: %s", path.c_str(), error.c_str());
        OnSaveAsFailed(error);
        return 0;
    }
    if (params_.saveAsSetsPath) path_ = path;
    return 1;
}

}  // namespace scx
