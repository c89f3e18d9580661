#pragma once
// A small checklist database and a sample PC for the scan's tests: each file of the PC shows one
// rule of the scan (see the comments by each file).

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "agent/scan/scan_engine.h"
#include "core/db/db_source.h"
#include "core/text_util.h"
#include "platform/target/file_hash.h"
#include "tests/support/pe_writer.h"
#include "tests/support/target_builder.h"
#include "tests/support/temp_home.h"

namespace scx::test {

inline void WriteDatabase(const TempHome& home, CFileFramework&& file, std::string_view name, const std::string& text) {
    std::string error;
    ASSERT_TRUE(ReadDatabaseSource(text, file, error)) << name << ": " << error;
    WriteBytes(home.File(name), file.BuildFileBytes());
}

// A user checklist row that is found by its hash only.
inline constexpr const char* kHashedContent = "in-house program, renamed\n";

// Writes the five database files; `hashedSha1` is the hash of kHashedContent, `bigSha1` is the hash of the file too large to be hashed.
inline void WriteScanDatabase(const TempHome& home, const std::string& hashedSha1, const std::string& bigSha1) {
    const std::string checkHeader = "#HEADER\nVersion\n1\n#CHECKLIST\nDB_ID\tCOMPANY\tPRODUCT\tVERSION\tORIGINAL_FILE\t"
                                    "EXE_FILE\tDISP_COMPANY\tDISP_PRODUCT\tPRICE\tSW_TYPE\tGRP_ID\tGRP_NAME\tGRP_SEQ\tREG_PATH\n";
    WriteDatabase(home, CFileCheckList(), "windowchecklist.dat",
                  checkHeader +
                      "100\tMicrosoft\tWindows 10(Professional)\t10\t-\t-\tMicrosoft\tWindows 10\t300000\t0\t1\tWindows\t1\t-\n"
                      "101\tAcme Corp\tAcme Tool\t10\ttool.exe\ttool.exe\t애크미\t애크미 툴\t1000\t0\t10\t툴\t1\t"
                      "HKEY_CURRENT_USER\\Software\\Acme\\변동값\\Serial\n"
                      "102\tGomdori\tGom Free\t2.5\tfree.exe\tfree.exe\t곰\t곰 프리\t0\t4\t20\t프리\t1\t"
                      "HKLM\\SOFTWARE\\Gomdori\\Serial\n"
                      "103\tAcme Corp\tAcme Other\t1\tother.exe\tother.exe\t애크미\t애크미 기타\t10\t0\t30\t기타\t1\t"
                      "HKEY_LOCAL_MACHINE\\SOFTWARE\\Acme\\Other\\Serial\n");
    WriteDatabase(home, CFileCheckList(), "fontchecklist.dat",
                  checkHeader + "3001\t-\tHanbit Gothic\t-\t-\thanbitgothic.ttf\tHanbit\t한빛고딕\t0\t3\t0\t-\t0\t-\n");
    WriteDatabase(home, CFileUserCheckList(), "userchecklist.dat",
                  "#HEADER\nVersion\n1\n#CHECKLIST\nDB_ID\tCOMPANY\tPRODUCT\tVERSION\tORIGINAL_FILE\tEXE_FILE\t"
                  "DISP_COMPANY\tDISP_PRODUCT\tPRICE\tSW_TYPE\tGRP_ID\tGRP_NAME\tGRP_SEQ\tREG_PATH\tFILE_SIZE\tSHA1\n"
                  "501\tUs\tInhouse\t1\tinhouse.exe\tinhouse.exe\t우리\t사내\t0\t2\t0\t-\t0\t-\t0\t-\n"
                  "502\tUs\tHashed\t1\tx.exe\tx.exe\t우리\t해시\t0\t2\t0\t-\t0\t-\t0\t" +
                      hashedSha1 + "\n" +
                      "503\tAcme Corp\tAcme Tool\t10\ttool.exe\ttool.exe\t애크미\t사용자 툴\t0\t2\t0\t-\t0\t-\t0\t-\n"
                      "504\tUs\tBig\t1\tbig.exe\tbig-name.exe\t우리\t큰 파일\t0\t2\t0\t-\t0\t-\t0\t" +
                      bigSha1 + "\n");
    WriteDatabase(home, CFilePackage(), "package.dat",
                  "#HEADER\nVersion\n1\n#PACKAGE\nDB_ID\tCOMPANY\tPRODUCT\tSW_TYPE\tGRP_ID\tGRP_NAME\tGRP_SEQ\tSUIT\n"
                  "#SUB\nPACKAGE_ID\tNAME\tPRICE\tSUIT\n");
    WriteDatabase(home, CFileFilter(), "filter.dat",
                  "#HEADER\nVersion\n1\n#SWLIST\nCOMPANY\tPRODUCT\tVERSION\tORIGINAL_FILE\n"
                  "Zap Inc\tZap Updater\t1\tzapupd.exe\n");
}

}  // namespace scx::test
