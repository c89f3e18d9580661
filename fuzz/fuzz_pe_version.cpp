// Feeds arbitrary bytes to the version-resource reader twice: as a whole program file (headers,
// section table, resource tree, version block) and as a version block on its own.

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "core/version/file_version.h"
#include "core/version/version_block.h"

namespace {

// A memory-backed folder keeps the fuzzer fast: it writes one file per input. The file goes when
// the fuzzer ends.
struct TempFile {
    std::string path = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                       "/scx-fuzz-pe-" + std::to_string(getpid());
    ~TempFile() { unlink(path.c_str()); }
};

const std::string& TempPath() {
    static TempFile file;
    return file.path;
}

const char* const kKeys[] = {"CompanyName", "ProductName", "ProductVersion", "OriginalFilename"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    FILE* f = std::fopen(TempPath().c_str(), "wb");
    if (!f) return 0;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    scx::CFileVersion version;
    version.Open(TempPath());
    for (const char* key : kKeys) (void)version.GetString(key);

    (void)scx::QueryFixedInfo(bytes);
    (void)scx::QueryTranslation(bytes);
    for (const char* key : kKeys)
        (void)scx::QueryVersionText(bytes, std::string("\\StringFileInfo\\040904b0\\") + key);
    return 0;
}
