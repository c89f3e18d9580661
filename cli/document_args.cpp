#include "cli/document_args.h"

#include <filesystem>
#include <system_error>

#include "core/folders.h"
#include "platform/folders.h"

namespace scx::cli {

std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

std::string DocumentPath(const std::string& argument, std::string_view sub) {
    if (platform::FileExists(argument)) return AbsolutePath(argument);
    return GetCheckOutFolder(sub) + argument;
}

}  // namespace scx::cli
