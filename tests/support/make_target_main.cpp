// scx-make-target: lays out a sample PC as a Wine-prefix-style target for scripts (the demo,
// command-line tests, benchmarks).
//
//   scx-make-target OUT_DIR [--windows10 COMPUTER_NAME]
//       [--exe 'C:\path\a.exe|Company|Product|ProductVersion|OriginalFilename']...
//       [--file 'C:\path\b.exe=TEXT']... [--font NAME]...
//       [--string 'HKEY_LOCAL_MACHINE\Key\Path|ValueName|Text']...
//       [--app-path 'name.exe|C:\path\a.exe']...
//
// OUT_DIR must not exist; it becomes the prefix (drive_c, dosdevices, system.reg, user.reg).

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "core/text_util.h"
#include "tests/support/pe_writer.h"
#include "tests/support/target_builder.h"

namespace {

namespace fs = std::filesystem;
using scx::reg::RegRoot;

int Usage(const std::string& message) {
    std::cerr << "scx-make-target: " << message << "\n"
              << "usage: scx-make-target OUT_DIR [--windows10 NAME] [--exe 'PATH|CO|PRODUCT|VERSION|ORIGINAL'] "
                 "[--file 'PATH=TEXT'] [--font NAME] [--string 'ROOT\\KEY|NAME|TEXT'] [--app-path 'NAME|PATH']\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage("OUT_DIR missing");
    fs::path out = argv[1];
    if (fs::exists(out)) return Usage(out.string() + " exists");
    scx::test::TargetBuilder builder;
    for (int i = 2; i < argc; ++i) {
        std::string option = argv[i];
        if (i + 1 >= argc) return Usage(option + " needs a value");
        std::string value = argv[++i];
        auto fields = scx::SplitFields(value, "|");
        if (option == "--windows10") {
            builder.SetWindows10Pro(value);
        } else if (option == "--exe" && fields.size() == 5) {
            builder.AddFile(fields[0], scx::test::BuildPeImage({{"CompanyName", fields[1]},
                                                                {"ProductName", fields[2]},
                                                                {"ProductVersion", fields[3]},
                                                                {"OriginalFilename", fields[4]}}));
        } else if (option == "--file" && value.find('=') != std::string::npos) {
            builder.AddFile(value.substr(0, value.find('=')), value.substr(value.find('=') + 1));
        } else if (option == "--font") {
            builder.AddFont(value);
        } else if (option == "--string" && fields.size() == 3) {
            size_t slash = fields[0].find('\\');
            auto root = scx::reg::RootFromName(fields[0].substr(0, slash));
            if (!root || slash == std::string::npos) return Usage("unknown root in " + value);
            builder.SetString(*root, fields[0].substr(slash + 1), fields[1], fields[2]);
        } else if (option == "--app-path" && fields.size() == 2) {
            builder.SetString(RegRoot::LocalMachine,
                              "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + fields[0], "", fields[1]);
        } else {
            return Usage("bad option " + option + " " + value);
        }
    }
    std::string prefix = builder.WriteWinePrefix();
    std::error_code error;
    if (out.has_parent_path()) fs::create_directories(out.parent_path(), error);
    fs::copy(prefix, out, fs::copy_options::recursive | fs::copy_options::copy_symlinks, error);
    if (error) {
        std::cerr << "scx-make-target: " << out.string() << ": " << error.message() << "\n";
        return 1;
    }
    return 0;
}
