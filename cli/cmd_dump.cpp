// scx dump FILE [--kind K]: any record file of the system as readable text, section by section,
// with the column names, the rows, and the row lines its class would skip.

#include <iostream>
#include <map>

#include "cli/args.h"
#include "cli/command.h"
#include "core/record_kinds.h"
#include "core/text_util.h"
#include "platform/file.h"

namespace scx::cli {
namespace {

std::string KindNames() {
    std::string names;
    for (const auto& kind : AllRecordKinds())
        names += (names.empty() ? "" : "|") + std::string(kind.name);
    return names;
}

// Why a file that opened did not load: the first section whose markers are missing or misplaced.
std::string WhyNotLoaded(const CFileFramework& file, const RecordKind& kind) {
    for (const auto& table : file.Tables()) {
        if (table->startLine < 0)
            return "no " + CFileFramework::StartMarker(table->Name()) + " line";
        if (table->endLine < 0) return "no " + CFileFramework::EndMarker(table->Name()) + " line";
        if (table->endLine <= table->startLine)
            return CFileFramework::EndMarker(table->Name()) + " comes before its start";
    }
    return "not a " + std::string(kind.name) + " file";
}

class DumpCommand : public Command {
public:
    std::string_view Name() const override { return "dump"; }
    std::string_view Description() const override {
        return "print a record file's sections, columns and rows (and the rows it would skip)";
    }
    std::string_view Usage() const override {
        return "FILE [--kind ipt|tls|rst|checklist|userchecklist|filter|package]\n"
               "The kind comes from the extension (.ipt, .tls, .rst) or the database file name\n"
               "(windowchecklist.dat, fontchecklist.dat, userchecklist.dat, filter.dat, "
               "package.dat).";
    }

    int Execute(const std::vector<std::string>& argv) override {
        Args args(argv, {}, {"--kind"});
        if (!args.ok()) return UsageError(*this, args.error());
        if (args.Positionals().size() != 1) return UsageError(*this, "expected one FILE");
        const std::string& path = args.Positionals()[0];
        const RecordKind* kind = nullptr;
        if (auto name = args.Value("--kind")) {
            kind = FindRecordKind(*name);
            if (!kind) return UsageError(*this, "unknown kind " + *name + " (" + KindNames() + ")");
        } else {
            kind = RecordKindOfFile(path);
            if (!kind)
                return UsageError(*this, "cannot tell the kind of " + path + "; give --kind");
        }

        std::string error;
        auto bytes = platform::ReadFileBytes(path, &error);
        if (!bytes) return Failure(*this, path + ": " + error);
        if (bytes->empty()) return Failure(*this, path + ": the file is empty");

        CFileRecordView file(*kind);
        std::map<const CTable*, std::vector<std::pair<int, std::string>>> skipped;
        file.SetSkipObserver([&skipped](const CTable& table, int line, const std::string& text) {
            skipped[&table].emplace_back(line + 1, text);
        });
        if (!file.Load(path, true)) return Failure(*this, path + ": " + WhyNotLoaded(file, *kind));

        std::cout << path << ": " << kind->name << " file\n";
        for (const auto& table : file.Tables()) Print(*table, skipped[table.get()]);
        std::cout.flush();
        return std::cout ? kExitOk : Failure(*this, "cannot write to standard output");
    }

private:
    static void Print(const CTable& table,
                      const std::vector<std::pair<int, std::string>>& skipped) {
        std::cout << "\n"
                  << table.Name() << " (lines " << table.startLine + 1 << "-" << table.endLine + 1
                  << ", " << table.GetRowCount() << (table.GetRowCount() == 1 ? " row" : " rows");
        if (!skipped.empty()) std::cout << ", " << skipped.size() << " skipped";
        std::cout << ")\n";
        std::string header;
        for (const auto& column : table.Columns()) header += (header.empty() ? "" : "\t") + column;
        std::cout << header << "\n";
        for (int i = 0; i < table.GetRowCount(); ++i) std::cout << table.GetRowText(i) << "\n";
        for (const auto& [line, text] : skipped)
            std::cout << "skipped line " << line << " (" << SplitFields(text, "\t").size() << " of "
                      << table.Columns().size() << " values): " << text << "\n";
    }
};

}  // namespace

std::unique_ptr<Command> MakeDumpCommand() {
    return std::make_unique<DumpCommand>();
}

}  // namespace scx::cli
