// Feeds arbitrary bytes to the record-file loader: decoding, line split, marker pass, row pass.

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "core/codec.h"
#include "core/file_framework.h"

namespace {

class CFileFuzz : public scx::CFileFramework {
public:
    CFileFuzz() : CFileFramework(Params()) {
        AddSection<scx::CTableSingle>("#HEADER", "VERSION\tDATE");
        AddSection<scx::CTableMulti>("#SWLIST", "ID\tNAME\tVER\tCOMPANY");
        AddSection<scx::CTableMulti>("#USERINFO", "ID\tUSER");
    }
    static scx::FileClassParams Params() {
        scx::FileClassParams p;
        p.loadAccess = scx::platform::Access::ReadWrite;
        return p;
    }
};

std::string TempPath() {
    static std::string path = "/tmp/scx-fuzz-record-" + std::to_string(getpid());
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Half of the inputs are taken as decoded text, so the fuzzer reaches the grammar quickly.
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (size > 0 && data[0] % 2 == 0) scx::ScrambleBytes(bytes);
    FILE* f = std::fopen(TempPath().c_str(), "wb");
    if (!f) return 0;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    CFileFuzz file;
    if (file.Load(TempPath(), true)) {
        for (const auto& table : file.Tables())
            for (int i = 0; i < table->GetRowCount(); ++i) (void)table->GetCell(i, "ID");
        file.Save();
    }
    return 0;
}
