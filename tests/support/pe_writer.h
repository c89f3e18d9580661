#pragma once
// Builds small, valid Windows program files (PE32 or PE32+, one code section and one resource
// section) that carry a version resource with chosen texts: fixtures for the version reader, the
// scan and the demo's sample PCs.
//
//   WritePeFile(path, {{"CompanyName", "Acme"}, {"ProductName", "Acme Office"}});
//   PeOptions o; o.pe32Plus = true; o.translations = {0x04120000}; o.tables = {...};

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace scx::test {

using VersionStrings = std::vector<std::pair<std::string, std::string>>;

// One string table: eight hexadecimal digits, language then code page ("040904b0"), and its texts.
struct PeStringTable {
    std::string name;
    VersionStrings strings;
};

struct PeOptions {
    bool pe32Plus = false;
    // The translation list (language << 16 | code page); empty: no VarFileInfo at all.
    std::vector<std::uint32_t> translations = {0x040904B0};
    // The string tables. When empty, one table named after the first translation (or "040904b0")
    // holds the texts passed to the builder.
    std::vector<PeStringTable> tables;
    // false: no resource section (a program without version information).
    bool versionResource = true;
    std::uint16_t resourceLanguage = 0x409;
    std::uint64_t fileVersion = 0x0001000000000000;  // 1.0.0.0, four 16-bit parts
    std::uint64_t productVersion = 0x0001000000000000;
    // Extra bytes in the code section, before the resources, to make a large file.
    std::size_t paddingBytes = 0;
};

// File offsets inside a built image, for tests that damage it on purpose.
struct PeLayout {
    std::size_t peHeader = 0;       // the "PE\0\0" signature
    std::size_t sectionTable = 0;
    std::size_t resourceSection = 0;  // the root resource directory
    std::size_t versionBlock = 0;
    std::size_t versionBlockSize = 0;
};

// The version-information block alone.
std::string BuildVersionBlock(const VersionStrings& strings, const PeOptions& options = {});
// The whole program file.
std::string BuildPeImage(const VersionStrings& strings, const PeOptions& options = {},
                         PeLayout* layout = nullptr);
bool WritePeFile(const std::string& path, const VersionStrings& strings,
                 const PeOptions& options = {});

}  // namespace scx::test
