#include "agent/scan/scan_session.h"

#include "agent/identify/pc_identity.h"
#include "core/db/checklist_database.h"
#include "core/text_util.h"

namespace scx::scan {

void PrepareResult(CFileIPT& result, const UserInfo& info, std::string_view hardwareAddress) {
    result.Header().AddRowText("0\t" + NowStamp(true) + "\t-", "\t");
    result.UserInfo().AddRowText(Format("%s\t%s\t%s\t%s\t%s\t%d\t%s", info.groupName.c_str(), info.pcName.c_str(),
                                        info.userName.c_str(), "-", "-", info.pcKind,
                                        PcIpText(info.ipAddress, hardwareAddress).c_str()),
                                 "\t");
}

int CompleteInspection(CFileIPT& result, const std::string& resultPath, bool packaging, EditionChooser& chooser) {
    int count = 0;
    if (packaging) {
        auto packages = GetPackageList();
        count = FoldResultPackages(packages.get(), result.SwList(), chooser);
        if (count > 0) result.SaveAs(resultPath, true);
    }
    ReleaseCheckListFile(CheckListFile::User);
    return count;
}

}  // namespace scx::scan
