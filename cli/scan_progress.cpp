#include "cli/scan_progress.h"

#include <unistd.h>

#include <iostream>
#include <vector>

#include "core/text_util.h"

namespace scx::cli {

using namespace scan;

ScanProgress::ScanProgress(bool quiet) : quiet_(quiet), terminal_(isatty(STDERR_FILENO) != 0) {}

void ScanProgress::ClearBar() {
    if (barShown_) std::cerr << "\r\033[K" << std::flush;
    barShown_ = false;
}

void ScanProgress::ShowProgress() {
    if (quiet_ || total_ <= 0) return;
    long done = std::min(done_, total_);
    if (terminal_) {
        constexpr int kWidth = 40;
        int filled = static_cast<int>(done * kWidth / total_);
        std::cerr << "\r[" << std::string(filled, '#') << std::string(kWidth - filled, ' ') << "] " << done << "/"
                  << total_ << std::flush;
        barShown_ = true;
        return;
    }
    int tenth = static_cast<int>(done * 10 / total_);
    if (tenth != lastTenth_) {
        lastTenth_ = tenth;
        std::cerr << "progress: " << tenth * 10 << "%\n";
    }
}

void ScanProgress::OnScanReport(const ScanReport& report) {
    switch (report.message) {
        case WM_SCAN_START:
            if (!quiet_) std::cerr << "scanning into " << report.text << "\n";
            break;
        case WM_SCAN_TOTAL:
            total_ = report.wParam;
            ShowProgress();
            break;
        case WM_SCAN_STEP:
            done_ += report.wParam;
            ShowProgress();
            break;
        case WM_SCAN_ROW: {
            ++rows_;
            if (quiet_) break;
            // GUBUN, DB_ID, DISP_COMPANY, DISP_PRODUCT, EXE_FILE and PATH of the row.
            std::vector<std::string> f = SplitFields(RowOfReport(report.text), "\t");
            if (f.size() < 19) break;
            ClearBar();
            std::cout << f[0] << "\t" << f[1] << "\t" << f[7] << "\t" << f[8] << "\t" << f[6] << "\t" << f[10]
                      << std::endl;
            ShowProgress();
            break;
        }
        case WM_SCAN_SAVE:
            if (report.wParam != kSaveStarted) saved_ = report.wParam == kSaveDone;
            break;
        case WM_SCAN_CANCELLED:
            cancelled_ = true;
            break;
        case WM_SCAN_ERROR:
            error_ = report.text;
            break;
        case WM_SCAN_END:
            ClearBar();
            break;
    }
}

}  // namespace scx::cli
