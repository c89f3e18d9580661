#include "core/record_kinds.h"

#include "core/folders.h"
#include "core/record_columns.h"
#include "core/text_util.h"

namespace scx {

const std::vector<RecordKind>& AllRecordKinds() {
    using namespace columns;
    static const std::vector<RecordKind> kinds = {
        {"ipt",
         {{"#HEADER", true, kIptHeader},
          {"#USERINFO", true, kIptUserInfo},
          {"#SWLIST", false, kIptSwList}}},
        {"tls",
         {{"#HEADER", true, kTotalHeader},
          {"#USERINFO", false, kTotalUserInfo},
          {"#SWLIST", false, kTlsSwList},
          {"#PCHISTORY", false, kPcHistory},
          {"#KEYLIST", false, kTlsKeyList}}},
        {"rst",
         {{"#HEADER", true, kTotalHeader},
          {"#BASEINFO", true, kRstBaseInfo},
          {"#USERINFO", false, kTotalUserInfo},
          {"#SWLIST", false, kRstSwList},
          {"#PCHISTORY", false, kPcHistory}}},
        {"checklist", {{"#HEADER", true, kDbHeader}, {"#CHECKLIST", false, kCheckList}}},
        {"userchecklist", {{"#HEADER", true, kDbHeader}, {"#CHECKLIST", false, kUserCheckList}}},
        {"filter", {{"#HEADER", true, kDbHeader}, {"#SWLIST", false, kFilter}}},
        {"package",
         {{"#HEADER", true, kDbHeader},
          {"#PACKAGE", false, kPackage},
          {"#SUB", false, kPackageSub}}},
    };
    return kinds;
}

const RecordKind* FindRecordKind(std::string_view name) {
    for (const auto& kind : AllRecordKinds())
        if (kind.name == name) return &kind;
    return nullptr;
}

const RecordKind* RecordKindOfFile(std::string_view path) {
    std::string name = LowerCase(GetFileNameOf(path));
    if (name == "windowchecklist.dat" || name == "fontchecklist.dat")
        return FindRecordKind("checklist");
    if (name == "userchecklist.dat") return FindRecordKind("userchecklist");
    if (name == "filter.dat") return FindRecordKind("filter");
    if (name == "package.dat") return FindRecordKind("package");
    size_t dot = name.rfind('.');
    if (dot == std::string::npos) return nullptr;
    std::string_view ext = std::string_view(name).substr(dot + 1);
    if (ext == "ipt" || ext == "tls" || ext == "rst") return FindRecordKind(ext);
    return nullptr;
}

namespace {

FileClassParams ViewParams() {
    FileClassParams p;
    p.loadAccess = platform::Access::Read;
    p.loadShare = platform::Share::DenyNone;
    p.keepOpen = false;
    p.writable = false;
    return p;
}

}  // namespace

CFileRecordView::CFileRecordView(const RecordKind& kind) : CFileFramework(ViewParams()) {
    for (const auto& section : kind.sections) {
        if (section.singleRow)
            AddSection<CTableSingle>(section.name, section.columns);
        else
            AddSection<CTableMulti>(section.name, section.columns);
    }
}

}  // namespace scx
