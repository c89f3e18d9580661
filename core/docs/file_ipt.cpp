#include "core/docs/file_ipt.h"

#include "core/record_columns.h"

namespace scx {
namespace {

FileClassParams IptParams() {
    FileClassParams p;
    p.folder = DefaultFolder::CheckOutIpt;
    p.loadAccess = platform::Access::ReadWrite;
    p.loadShare = platform::Share::DenyNone;
    p.keepOpen = true;
    p.writable = true;
    p.saveAsSetsPath = true;
    return p;
}

}  // namespace

CFileIPT::CFileIPT() : CFileFramework(IptParams()) {
    header_ = AddSection<CTableSingle>("#HEADER", columns::kIptHeader);
    userInfo_ = AddSection<CTableSingle>("#USERINFO", columns::kIptUserInfo);
    swList_ = AddSection<CTableMulti>("#SWLIST", columns::kIptSwList);
}

}  // namespace scx
