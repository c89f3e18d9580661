#include "hub/shell/document_types.h"

#include "core/text_util.h"

namespace scx {

const DocumentType* DocumentTypeForPath(std::string_view path) {
    for (const DocumentType& type : kDocumentTypes) {
        if (path.size() < type.extension.size()) continue;
        if (IsSameText(path.substr(path.size() - type.extension.size()), type.extension, true)) return &type;
    }
    return nullptr;
}

}  // namespace scx
