#pragma once
// How scx scan shows a running scan: rows on stdout as they are found, and progress on stderr (a
// bar on a terminal, a line per tenth otherwise). Called on the scan thread.

#include <cstdio>
#include <string>

#include "agent/scan/scan_messages.h"

namespace scx::cli {

class ScanProgress : public scan::ScanObserver {
public:
    explicit ScanProgress(bool quiet);
    void OnScanReport(const scan::ScanReport& report) override;

    bool Saved() const { return saved_; }
    bool Cancelled() const { return cancelled_; }
    const std::string& Error() const { return error_; }
    int RowCount() const { return rows_; }

private:
    void ShowProgress();
    void ClearBar();

    bool quiet_;
    bool terminal_;
    long total_ = 0;
    long done_ = 0;
    int lastTenth_ = -1;
    bool barShown_ = false;
    int rows_ = 0;
    bool saved_ = false;
    bool cancelled_ = false;
    std::string error_;
};

}  // namespace scx::cli
