#include "core/version/file_version.h"

#include "core/text_util.h"
#include "core/version/pe_resource.h"
#include "core/version/version_block.h"

namespace scx {

int CFileVersion::Open(const std::string& path) {
    block_ = ReadPeVersionResource(path);
    translation_ = 0;
    std::optional<std::uint32_t> translation;
    if (block_) translation = QueryTranslation(*block_);
    if (!translation) {
        block_.reset();
        return 0;
    }
    translation_ = *translation;
    return 1;
}

std::string CFileVersion::GetString(std::string_view key) const {
    if (!block_) return std::string(kMissing);
    std::string name(key);
    auto value = QueryVersionText(*block_, Format("\\StringFileInfo\\%08x\\", translation_) + name);
    if (!value) value = QueryVersionText(*block_, "\\StringFileInfo\\040904E4\\" + name);
    if (!value || value->empty()) return std::string(kMissing);
    return FlattenText(*value);
}

}  // namespace scx
