// Growing a result: inspection results added one by one, other results merged in.

#include <unordered_map>

#include "core/docs/file_rst.h"
#include "core/docs/record_fields.h"
#include "core/docs/table_order.h"
#include "core/text_util.h"

namespace scx {

using namespace fields;

LinkedSections CFileRST::Sections() {
    return {LinkedSections::Kind::Result, *userInfo_, *swList_, *pcHistory_, nullptr};
}

int CFileRST::AddInspectionFiles(const std::vector<std::string>& names, const CFilePackage* packages,
                                 Prompter& prompter) {
    packages_ = packages ? std::make_unique<PackageSuits>(*packages) : nullptr;
    for (const auto& name : names) {
        CFileIPT ipt;
        if (LoadInspectionResult(ipt, name) && AddIpt(ipt)) continue;
        if (prompter.AskYesNo(Format("%s 파일을 취합할 수 없습니다. 중지하시겠습니까?", name.c_str())))
            return 0;
    }
    return 1;
}

int CFileRST::AddIpt(CFileIPT& ipt) {
    SortSoftwareRows(ipt, "COMPANY", true, "PRODUCT");
    LinkedSections sections = Sections();
    // A refused PC row adds nothing, and the result still counts the file as added.
    MergeIptRows(sections, ipt, packages_.get());
    return 1;
}

int CFileRST::MergeResults(const std::vector<std::string>& paths, Prompter& prompter) {
    for (const auto& path : paths) {
        CFileRST other;
        if (other.Load(path, true) && MergeInto(other, *this)) continue;
        if (prompter.AskYesNo(Format("%s 파일을 병합할 수 없습니다. 중지하시겠습니까?", path.c_str())))
            return 0;
    }
    return 1;
}

int CFileRST::MergeInto(const CFileRST& other, CFileRST& target) {
    // Row counts are taken first, so that merging a result into itself adds each row once.
    const int pcs = other.UserInfo().GetRowCount();
    const int programs = other.SwList().GetRowCount();
    const int records = other.PcHistory().GetRowCount();

    std::unordered_map<std::string, std::string> newPcId;
    for (int i = 0; i < pcs; ++i) {
        Row pc = *other.UserInfo().GetRow(i);
        long long n = NextId(target.UserInfo());
        if (n < 0) return 0;
        std::string oldId = pc[kUserId];
        pc[kUserId] = CountText(n);
        if (target.UserInfo().AddRow(pc) < 0) return 0;
        newPcId[oldId] = CountText(n);
    }

    // The other result's install records per software ID, compared without regard to case.
    std::unordered_map<std::string, std::vector<int>> recordsOf;
    for (int i = 0; i < records; ++i)
        recordsOf[LowerCase((*other.PcHistory().GetRow(i))[kHistSwId])].push_back(i);

    for (int i = 0; i < programs; ++i) {
        Row s = *other.SwList().GetRow(i);
        std::string targetId;
        int k = target.SwList().FindSoftware(s[kSwGubun], s[kSwCompany], s[kSwProduct]);
        if (k >= 0) {
            const Row& found = *target.SwList().GetRow(k);
            std::string installs =
                CountText(AddCounts(ParseDigits(found[kSwInstallCnt]), ParseDigits(s[kSwInstallCnt])));
            std::string rights =
                CountText(AddCounts(ParseDigits(found[kSwRightCnt]), ParseDigits(s[kSwRightCnt])));
            targetId = found[kSwId];
            target.SwList().SetCell(k, "INSTALL_CNT", installs);
            target.SwList().SetCell(k, "RIGHT_CNT", rights);
        } else {
            long long n = NextId(target.SwList());
            if (n < 0) return 0;
            targetId = CountText(n);
            s[kSwId] = targetId;
            if (target.SwList().AddRow(s) < 0) return 0;
        }
        auto mine = recordsOf.find(LowerCase((*other.SwList().GetRow(i))[kSwId]));
        if (mine == recordsOf.end()) continue;
        for (int r : mine->second) {
            Row record = *other.PcHistory().GetRow(r);
            auto pc = newPcId.find(record[kHistUserId]);
            if (pc == newPcId.end()) continue;  // a record of no PC of the other result
            record[kHistUserId] = pc->second;
            record[kHistSwId] = targetId;
            if (target.PcHistory().AddRow(record) < 0) return 0;
        }
    }
    return 1;
}

}  // namespace scx
