#pragma once
// Small record files for tests, written as decoded text: inspection results, package lists, total
// lists and results.

#include <string>
#include <string_view>
#include <vector>

namespace scx::test {

// One program of an inspection result. Display names default to the version-resource names.
struct Program {
    std::string gubun = "1";
    std::string dbId = "0";
    std::string company = "Acme";
    std::string product = "Word";
    std::string exe = "word.exe";
    std::string dispCompany = {};
    std::string dispProduct = {};
    std::string etc = "-";
    std::string swType = "0";
    std::string price = "1000";
};

// The 19 values of an inspection result's #SWLIST row.
std::string ProgramRow(const Program& program);

// Decoded text of a record file: each section's markers around its lines, CR LF everywhere.
struct Section {
    std::string name;
    std::vector<std::string> lines;
};
std::string RecordText(const std::vector<Section>& sections);

// An inspection result: header, the PC ("group\tpc\tuser\t-\t-\tkinds\tip" from the three names
// and the PC kind) and its programs.
std::string IptText(std::string_view pc, std::string_view pcKinds, const std::vector<Program>& programs);

// Writes a record file from its decoded text.
void WriteRecordFile(const std::string& path, std::string_view text);

}  // namespace scx::test
