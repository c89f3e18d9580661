#include "core/docs/file_tls.h"

#include "core/record_columns.h"

namespace scx {

CFileTLS::CFileTLS(Prompter* prompter)
    : CFileFramework(LinkedDocumentParams(DefaultFolder::CheckOutTls)), prompter_(prompter) {
    header_ = AddSection<CTableSingle>("#HEADER", columns::kTotalHeader);
    userInfo_ = AddSection<CIdTable>("#USERINFO", columns::kTotalUserInfo);
    swList_ = AddSection<CSoftwareTable>("#SWLIST", columns::kTlsSwList);
    pcHistory_ = AddSection<CTableMulti>("#PCHISTORY", columns::kPcHistory);
    keyList_ = AddSection<CTableMulti>("#KEYLIST", columns::kTlsKeyList);
}

void CFileTLS::SetPackageList(const CFilePackage* packages) {
    packages_ = packages ? std::make_unique<PackageSuits>(*packages) : nullptr;
}

LinkedSections CFileTLS::Sections() {
    return {LinkedSections::Kind::TotalList, *userInfo_, *swList_, *pcHistory_, keyList_};
}

int CFileTLS::MergeIpt(CFileIPT& ipt) {
    LinkedSections sections = Sections();
    return MergeIptRows(sections, ipt, packages_.get());
}

int CFileTLS::FoldPackages(CTableMulti& iptSoftware, long long userId) {
    LinkedSections sections = Sections();
    return FoldPackageParts(sections, iptSoftware, userId, packages_.get());
}

void CFileTLS::OnSaveAsFailed(const std::string& error) {
    if (prompter_) prompter_->ShowMessage("MAKE TLS FAIL.\r\n\r\n" + error.substr(0, 2048));
}

}  // namespace scx
