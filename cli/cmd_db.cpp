// scx db build SRC_DIR [OUT_DIR]: the five checklist database files from their editable sources
// (SRC_DIR/windowchecklist.tsv → OUT_DIR/windowchecklist.dat, and so on); OUT_DIR defaults to the
// data folder, where the programs look for them.

#include <iostream>

#include "cli/args.h"
#include "cli/command.h"
#include "core/db/checklist_database.h"
#include "core/db/db_source.h"
#include "core/folders.h"
#include "core/record_kinds.h"
#include "platform/file.h"

namespace scx::cli {
namespace {

struct BuiltFile {
    std::string name;
    std::string bytes;
    int rows = 0;
};

class DbCommand : public Command {
public:
    std::string_view Name() const override { return "db"; }
    std::string_view Description() const override {
        return "build the five checklist database files from their text sources";
    }
    std::string_view Usage() const override {
        return "build SRC_DIR [OUT_DIR]\n"
               "Reads SRC_DIR/{windowchecklist,fontchecklist,userchecklist,package,filter}.tsv and\n"
               "writes the .dat file of each into OUT_DIR (default: the data folder); nothing is\n"
               "written unless all five build. The sample's sources: data/sampledb/ of the source\n"
               "tree, or share/scrutinex/sampledb/ of an installed package.";
    }

    int Execute(const std::vector<std::string>& argv) override {
        Args args(argv, {}, {});
        if (!args.ok()) return UsageError(*this, args.error());
        const auto& pos = args.Positionals();
        if (pos.empty() || pos[0] != "build") return UsageError(*this, "expected build");
        if (pos.size() != 2 && pos.size() != 3) return UsageError(*this, "expected build SRC_DIR [OUT_DIR]");
        std::string src = WithSlash(pos[1]);
        std::string out = pos.size() == 3 ? WithSlash(pos[2]) : GetProgramFolder();

        std::vector<BuiltFile> built;
        for (CheckListFile which : kAllCheckListFiles) {
            std::string name(CheckListFileName(which));
            std::string source = src + name.substr(0, name.rfind('.')) + ".tsv";
            std::string error;
            auto text = platform::ReadFileBytes(source, &error);
            if (!text) return Failure(*this, source + ": " + error);
            CFileRecordView file(*RecordKindOfFile(name));
            if (!ReadDatabaseSource(*text, file, error))
                return Failure(*this, source + ": " + error);
            BuiltFile result{name, file.BuildFileBytes(), 0};
            for (const auto& table : file.Tables())
                if (table->Name() != "#HEADER") result.rows += table->GetRowCount();
            built.push_back(std::move(result));
        }
        if (!EnsureFolder(out)) return Failure(*this, out + ": cannot make the folder");
        for (const auto& file : built) {
            std::string error;
            if (!platform::WriteFileAtomically(out + file.name, file.bytes, &error))
                return Failure(*this, out + file.name + ": " + error);
            std::cout << out << file.name << ": " << file.rows << " rows\n";
        }
        return kExitOk;
    }

private:
    static std::string WithSlash(std::string dir) {
        if (dir.empty() || dir.back() != '/') dir += '/';
        return dir;
    }
};

}  // namespace

std::unique_ptr<Command> MakeDbCommand() {
    return std::make_unique<DbCommand>();
}

}  // namespace scx::cli
