#pragma once
// What the scan tells its window, in the order it happens. The numbers are the agent's window
// message numbers; a window re-posts each report to its own thread and handles them in order.

#include <string>
#include <string_view>

namespace scx::scan {

enum ScanMessage : unsigned {
    WM_SCAN_START = 1124,      // text: the result path
    WM_SCAN_END = 1125,        // last report of a completed or cancelled run
    WM_SCAN_ERROR = 1126,      // wParam kScanErrorCheckList, text kCheckListErrorText; no END follows
    WM_SCAN_STEP = 1326,       // wParam: progress units done (1)
    WM_SCAN_SAVE = 1327,       // wParam: kSaveStarted, then kSaveDone or kSaveFailed
    WM_SCAN_TOTAL = 1328,      // wParam: number of progress units
    WM_SCAN_CANCELLED = 1329,  // the run flag was cleared before saving; nothing is saved
    WM_SCAN_ROW = 1330,        // text: SHA-1 text, "#SEP#", the row (the Windows row: the row alone)
};

inline constexpr long kScanErrorCheckList = 110;
inline constexpr long kSaveStarted = 1224;
inline constexpr long kSaveDone = 1225;
inline constexpr long kSaveFailed = 1226;
inline constexpr std::string_view kCheckListErrorText = "체크리스트 파일 오류";
inline constexpr std::string_view kRowSeparator = "#SEP#";

struct ScanReport {
    ScanMessage message;
    long wParam = 0;
    std::string text;
};

// Called on the scan thread, one report at a time, in order.
class ScanObserver {
public:
    virtual ~ScanObserver() = default;
    virtual void OnScanReport(const ScanReport& report) = 0;
};

// The row a WM_SCAN_ROW text carries: the part after the first "#SEP#", or the whole text.
inline std::string_view RowOfReport(std::string_view text) {
    size_t at = text.find(kRowSeparator);
    return at == std::string_view::npos ? text : text.substr(at + kRowSeparator.size());
}

}  // namespace scx::scan
