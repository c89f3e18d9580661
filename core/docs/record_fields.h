#pragma once
// Positions of the columns in the rows of inspection results, total lists and results. The merges
// read rows by position; TestRecordFields checks that these agree with the column lists.

namespace scx::fields {

// #SWLIST of an inspection result (.ipt).
enum IptSoftware {
    kIptGubun, kIptDbId, kIptCompany, kIptProduct, kIptVersion, kIptOriginalFile, kIptExeFile,
    kIptDispCompany, kIptDispProduct, kIptPrice, kIptPath, kIptCreateDate, kIptSerialNo, kIptSwType,
    kIptGrpId, kIptGrpName, kIptGrpSeq, kIptEtc, kIptInstallDate,
};

// #USERINFO of a total list or result.
enum User { kUserId, kUserGroupName, kUserPcName, kUserUserName, kUserCpuKinds, kUserOsKinds,
            kUserPcKinds, kUserPcIp };

// #SWLIST of a total list; a result's rows add RIGHT_CNT.
enum Software {
    kSwId, kSwGubun, kSwDbId, kSwCompany, kSwProduct, kSwPrice, kSwInstallCnt, kSwEtc, kSwType,
    kSwGrpId, kSwGrpName, kSwGrpSeq, kSwRightCnt,
};

// #PCHISTORY of a total list or result.
enum History { kHistUserId, kHistSwId, kHistExeFile, kHistPath, kHistCreateDate, kHistSerialNo,
               kHistInstallDate };

// #PACKAGE and #SUB of the package list.
enum Package { kPkgDbId, kPkgCompany, kPkgProduct, kPkgSwType, kPkgGrpId, kPkgGrpName, kPkgGrpSeq,
               kPkgSuit };
enum PackageSub { kSubPackageId, kSubName, kSubPrice, kSubSuit };

}  // namespace scx::fields
