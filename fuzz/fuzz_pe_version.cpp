// Feeds arbitrary bytes to the version-resource reader twice: as a whole program file (headers,
// section table, resource tree, version block) and as a version block on its own.

#include <cstdint>
#include <string>

#include "core/version/file_version.h"
#include "core/version/version_block.h"
#include "fuzz/fuzz_file.h"

namespace {

const scx::fuzz::FuzzFile kFile("pe");

const char* const kKeys[] = {"CompanyName", "ProductName", "ProductVersion", "OriginalFilename"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!kFile.Write(bytes)) return 0;
    scx::CFileVersion version;
    version.Open(kFile.Path());
    for (const char* key : kKeys) (void)version.GetString(key);

    (void)scx::QueryFixedInfo(bytes);
    (void)scx::QueryTranslation(bytes);
    for (const char* key : kKeys)
        (void)scx::QueryVersionText(bytes, std::string("\\StringFileInfo\\040904b0\\") + key);
    return 0;
}
