#pragma once
// Pieces the scan's source files share; not for callers of the scan.

#include <memory>
#include <string>
#include <string_view>

#include "agent/scan/scan_engine.h"

namespace scx::scan {

// The databases one run looks things up in, held for the run.
struct ScanEngine::Databases {
    std::shared_ptr<const CFileCheckList> window;
    std::shared_ptr<const CFileCheckList> font;
    std::shared_ptr<const CFileUserCheckList> user;
    std::shared_ptr<const CFilePackage> package;
    std::shared_ptr<const CFileFilter> filter;
};

// A folder being walked: its Windows path with a trailing backslash and its host path.
struct ScanEngine::Folder {
    std::string windowsPath;
    std::string hostPath;
};

// Whether `needle` occurs in `path` after its first character (the folder rules look past the
// drive letter), ASCII letters compared without regard to case: Wine spells the Windows folder
// "windows", and Windows itself does not tell the spellings apart.
inline bool ContainsAfterFirst(std::string_view path, std::string_view needle) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    for (size_t i = 1; i + needle.size() <= path.size(); ++i) {
        size_t k = 0;
        while (k < needle.size() && lower(path[i + k]) == lower(needle[k])) ++k;
        if (k == needle.size()) return true;
    }
    return false;
}

// ".exe" of "a.exe"; empty without a dot.
inline std::string_view ExtensionOf(std::string_view name) {
    size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

}  // namespace scx::scan
