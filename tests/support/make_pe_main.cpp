// scx-make-pe: writes a small Windows program file with chosen version texts, for scripts
// (benchmarks, the demo, command-line tests) that need such files.
//
//   scx-make-pe OUT [--pe32plus] [--no-version] [--translation 040904b0]... [--pad BYTES]
//               [--table 041204b0] [NAME=VALUE]... [--table ...] [NAME=VALUE]...
//
// NAME=VALUE pairs go to the table named by the last --table before them (or to the table of the
// first translation). In a VALUE, \n, \r, \t and \\ stand for a line feed, carriage return, tab
// and backslash.

#include <cstdlib>
#include <iostream>
#include <string>

#include "tests/support/pe_writer.h"

namespace {

std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        char c = text[++i];
        out += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
    }
    return out;
}

int Usage() {
    std::cerr << "usage: scx-make-pe OUT [--pe32plus] [--no-version] [--translation HEX8]... "
                 "[--pad BYTES] [--table HEX8] [NAME=VALUE]...\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    scx::test::PeOptions options;
    std::vector<std::uint32_t> translations;
    scx::test::VersionStrings loose;  // texts before any --table
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--pe32plus") {
            options.pe32Plus = true;
        } else if (arg == "--no-version") {
            options.versionResource = false;
        } else if (arg == "--translation" && hasValue) {
            translations.push_back(static_cast<std::uint32_t>(std::strtoul(argv[++i], nullptr, 16)));
        } else if (arg == "--pad" && hasValue) {
            options.paddingBytes = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--table" && hasValue) {
            options.tables.push_back({argv[++i], {}});
        } else if (arg.find('=') != std::string::npos && arg[0] != '-') {
            std::size_t eq = arg.find('=');
            auto& target = options.tables.empty() ? loose : options.tables.back().strings;
            target.emplace_back(arg.substr(0, eq), Unescape(arg.substr(eq + 1)));
        } else {
            return Usage();
        }
    }
    if (!translations.empty()) options.translations = translations;
    if (!loose.empty() && !options.tables.empty()) {
        std::cerr << "scx-make-pe: NAME=VALUE before the first --table\n";
        return 2;
    }
    if (!scx::test::WritePeFile(argv[1], loose, options)) {
        std::cerr << "scx-make-pe: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
