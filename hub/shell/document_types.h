#pragma once
// The three document kinds of the workstation, in the order they are registered.

#include <array>
#include <string_view>

namespace scx {

enum class DocumentKind { Ipt, Tls, Rst };

struct DocumentType {
    DocumentKind kind;
    std::string_view windowTitle;
    std::string_view docName;     // title of a new, unsaved document
    std::string_view newName;     // File-New entry; empty: never offered by File-New
    std::string_view filterName;
    std::string_view extension;   // with the dot
    std::string_view fileTypeId;
    std::string_view fileTypeName;
};

inline constexpr std::array<DocumentType, 3> kDocumentTypes = {{
    {DocumentKind::Ipt, "Ipt", "새 IPT 문서", "IPT 만들기", "Ipt Files [*.ipt]", ".ipt", "Ipt.Document", "Ipt Document"},
    {DocumentKind::Tls, "Tls", "새 TLS 문서", "", "TLS Files [*.tls]", ".tls", "Tls.Document", "Tls Document"},
    {DocumentKind::Rst, "Rst", "새 RST 문서", "RST 만들기", "Rst Files [*.rst]", ".rst", "Rst.Document", "Rst Document"},
}};

// The type whose extension the path ends with (any case), or none.
const DocumentType* DocumentTypeForPath(std::string_view path);

// The open dialog's filter.
inline constexpr std::string_view kOpenFilter =
    "All File (*.ipt;*.tls;*.rst)|*.ipt;*.tls;*.rst|IPT 문서 (*.ipt)|*.ipt|TLS 문서 (*.tls)|*.tls|"
    "RST 문서 (*.rst)|*.rst||";

}  // namespace scx
