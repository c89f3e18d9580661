#include "tests/support/record_builders.h"

#include "tests/support/temp_home.h"

namespace scx::test {

std::string ProgramRow(const Program& p) {
    const std::string& dispCompany = p.dispCompany.empty() ? p.company : p.dispCompany;
    const std::string& dispProduct = p.dispProduct.empty() ? p.product : p.dispProduct;
    return p.gubun + "\t" + p.dbId + "\t" + p.company + "\t" + p.product + "\t1.0\t" + p.exe + "\t" +
           p.exe + "\t" + dispCompany + "\t" + dispProduct + "\t" + p.price + "\tC:\\P\\" + p.exe +
           "\\\t2026-12-01\t-\t" + p.swType + "\t-\t-\t-\t" + p.etc + "\t2026-01-02";
}

std::string RecordText(const std::vector<Section>& sections) {
    std::string text;
    for (const auto& section : sections) {
        text += section.name + "_START\r\n";
        for (const auto& line : section.lines) text += line + "\r\n";
        text += section.name + "_END\r\n";
    }
    return text;
}

std::string IptText(std::string_view pc, std::string_view pcKinds, const std::vector<Program>& programs) {
    std::vector<std::string> rows;
    for (const auto& program : programs) rows.push_back(ProgramRow(program));
    std::string user = "총무팀\t" + std::string(pc) + "\t사용자-" + std::string(pc) + "\t-\t-\t" +
                       std::string(pcKinds) + "\t10.0.0.1";
    return RecordText({{"#HEADER", {"0\t20261211_091500\t-"}}, {"#USERINFO", {user}}, {"#SWLIST", rows}});
}

void WriteRecordFile(const std::string& path, std::string_view text) {
    WriteBytes(path, ScrambledFromText(text));
}

}  // namespace scx::test
