// scx version-info FILE...: the version texts of program files, one TAB-separated line each.

#include <iostream>

#include "cli/args.h"
#include "cli/command.h"
#include "core/version/file_version.h"
#include "platform/read_at_file.h"

namespace scx::cli {
namespace {

class VersionInfoCommand : public Command {
public:
    std::string_view Name() const override { return "version-info"; }
    std::string_view Description() const override {
        return "print the company, product, product version and original file name of program files";
    }
    std::string_view Usage() const override {
        return "FILE...\n"
               "One line per FILE: the path as given, CompanyName, ProductName, ProductVersion and\n"
               "OriginalFilename, separated by TAB; \"-\" for a text the file does not carry.";
    }

    int Execute(const std::vector<std::string>& argv) override {
        Args args(argv, {}, {});
        if (!args.ok()) return UsageError(*this, args.error());
        if (args.Positionals().empty()) return UsageError(*this, "expected at least one FILE");
        std::string line;
        for (const std::string& path : args.Positionals()) {
            // A file without version information is an answer, not a failure: "-" in every field.
            CFileVersion version;
            if (!version.Open(path) && !platform::ReadAtFile().Open(path))
                std::cerr << "scx version-info: " << path << ": cannot read the file\n";
            line = path;
            for (const char* key : {"CompanyName", "ProductName", "ProductVersion", "OriginalFilename"}) {
                line += '\t';
                line += version.GetString(key);
            }
            line += '\n';
            std::cout << line;
        }
        std::cout.flush();
        return std::cout ? kExitOk : Failure(*this, "cannot write to standard output");
    }
};

}  // namespace

std::unique_ptr<Command> MakeVersionInfoCommand() { return std::make_unique<VersionInfoCommand>(); }

}  // namespace scx::cli
