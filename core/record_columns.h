#pragma once
// Section names and column lists of every record-file kind, in file order. The file classes build
// their tables from these, and tools that describe a file (scx dump) read them from here, so the
// two never disagree.

#include <string_view>

namespace scx::columns {

// Every checklist database file starts with this single-row section.
inline constexpr std::string_view kDbHeader = "Version";

inline constexpr std::string_view kCheckList =
    "DB_ID\tCOMPANY\tPRODUCT\tVERSION\tORIGINAL_FILE\tEXE_FILE\tDISP_COMPANY\tDISP_PRODUCT\tPRICE\t"
    "SW_TYPE\tGRP_ID\tGRP_NAME\tGRP_SEQ\tREG_PATH";
inline constexpr std::string_view kUserCheckList =
    "DB_ID\tCOMPANY\tPRODUCT\tVERSION\tORIGINAL_FILE\tEXE_FILE\tDISP_COMPANY\tDISP_PRODUCT\tPRICE\t"
    "SW_TYPE\tGRP_ID\tGRP_NAME\tGRP_SEQ\tREG_PATH\tFILE_SIZE\tSHA1";
inline constexpr std::string_view kFilter = "COMPANY\tPRODUCT\tVERSION\tORIGINAL_FILE";
inline constexpr std::string_view kPackage =
    "DB_ID\tCOMPANY\tPRODUCT\tSW_TYPE\tGRP_ID\tGRP_NAME\tGRP_SEQ\tSUIT";
inline constexpr std::string_view kPackageSub = "PACKAGE_ID\tNAME\tPRICE\tSUIT";

// Inspection result of one PC (.ipt).
inline constexpr std::string_view kIptHeader = "ScrutinexVer\tStartTime\tCheckListVer";
inline constexpr std::string_view kIptUserInfo =
    "GROUP_NAME\tPC_NAME\tUSER_NAME\tCPU_KINDS\tOS_KINDS\tPC_KINDS\tPC_IP";
inline constexpr std::string_view kIptSwList =
    "GUBUN\tDB_ID\tCOMPANY\tPRODUCT\tVERSION\tORIGINAL_FILE\tEXE_FILE\tDISP_COMPANY\tDISP_PRODUCT\t"
    "PRICE\tPATH\tCREATE_DATE\tSERIAL_NO\tSW_TYPE\tGRP_ID\tGRP_NAME\tGRP_SEQ\tETC\tINSTALL_DATE";

// Total list (.tls) and result (.rst): PCs, software and install records linked by ID.
inline constexpr std::string_view kTotalHeader = "ScrutinexVer";
inline constexpr std::string_view kTotalUserInfo =
    "ID\tGROUP_NAME\tPC_NAME\tUSER_NAME\tCPU_KINDS\tOS_KINDS\tPC_KINDS\tPC_IP";
inline constexpr std::string_view kTlsSwList =
    "ID\tGUBUN\tDB_ID\tCOMPANY\tPRODUCT\tPRICE\tINSTALL_CNT\tETC\tSW_TYPE\tGRP_ID\tGRP_NAME\tGRP_"
    "SEQ";
inline constexpr std::string_view kPcHistory =
    "USER_ID\tSW_ID\tEXE_FILE\tPATH\tCREATE_DATE\tSERIAL_NO\tINSTALL_DATE";
inline constexpr std::string_view kTlsKeyList =
    "COMPANY\tPRODUCT\tVERSION\tORIGINAL_FILE\tEXE_FILE";
inline constexpr std::string_view kRstBaseInfo =
    "AREA\tREGU_HOST\tREGU_FORM\tREGULATOR\tREGU_DATE\tREGU_ORGAN\tBUSI_TYPE\tBUSI_DIVISION\tCORP_"
    "NO\t"
    "CORP_NAME\tBUSI_NO\tCEO_NAME\tCEO_NO\tIDENTIFIER_NAME\tIDENTIFIER_POSITION\tIDENTIFIER_RANK\t"
    "PC_COUNT\tCORP_TEL\tCORP_ADDRESS\tMEMO\tPEOPLE_COUNT";
inline constexpr std::string_view kRstSwList =
    "ID\tGUBUN\tDB_ID\tCOMPANY\tPRODUCT\tPRICE\tINSTALL_CNT\tETC\tSW_TYPE\tGRP_ID\tGRP_NAME\tGRP_"
    "SEQ\t"
    "RIGHT_CNT";

}  // namespace scx::columns
