// Feeds arbitrary bytes to the record-file loader: decoding, line split, marker pass, row pass.

#include <cstdint>
#include <string>

#include "core/codec.h"
#include "core/file_framework.h"
#include "fuzz/fuzz_file.h"

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

const scx::fuzz::FuzzFile kFile("record");

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Half of the inputs are taken as decoded text, so the fuzzer reaches the grammar quickly.
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (size > 0 && data[0] % 2 == 0) scx::ScrambleBytes(bytes);
    if (!kFile.Write(bytes)) return 0;
    CFileFuzz file;
    if (file.Load(kFile.Path(), true)) {
        for (const auto& table : file.Tables())
            for (int i = 0; i < table->GetRowCount(); ++i) (void)table->GetCell(i, "ID");
        file.Save();
    }
    return 0;
}
