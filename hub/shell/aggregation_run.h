#pragma once
// The aggregation run: many inspection results merged into one total list and saved. It runs on
// a worker thread of its window (or in scx), reports through `AggregationReporter`, asks through a
// `Prompter`, and stops before the next file once the run flag is cleared.

#include <atomic>
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "core/prompter.h"

namespace scx {

// The window's messages of the run: the dialog posts start to itself, the worker posts finished
// or abort.
enum class AggregationMessage { Start = 0x0400 + 1, Finished = 0x0400 + 2, Abort = 0x0400 + 100 };

struct AggregationRequest {
    // File names in CheckOut/IPT, or paths (anything with a folder separator), in list order.
    std::vector<std::string> names;
    // Full path of the total list to write.
    std::string targetPath;
    // Fold components into packages with package.dat of the data folder when it loads.
    bool usePackages = true;
    // Pause before the run and after a good save, so the window's texts can be read (the window
    // uses 500 ms; scx and tests none).
    std::chrono::milliseconds pause{0};
};

// What the window shows. Calls come from the worker thread, in order.
class AggregationReporter {
public:
    virtual ~AggregationReporter() = default;
    // The status line.
    virtual void Status(std::string_view text) = 0;
    // Before file `index` (1-based) of `count`: its name, the "%d/%d" count text, the "%.2f%%"
    // percentage text and the position of the progress bar (`index` of 0..count).
    virtual void Progress(int index, int count, std::string_view name) = 0;
};

std::string CountLabel(int index, int count);    // "3/10"
std::string PercentLabel(int index, int count);  // "30.00%"

inline constexpr std::string_view kAskStopWithoutPackages =
    "패키지 파일이 없습니다.\n패키지 파일이 없으면 패키징을 수행 할 수 없습니다.\n중지하시겠습니까?";

// Before a run or an add: when package.dat is missing from the data folder, asks whether to stop.
// True when the work should go on.
bool GoOnWithoutPackageFile(Prompter& prompter);

// Runs the aggregation: Finished when the total list was saved, Abort when the run flag was
// cleared, the user chose to stop or the save failed (nothing is written then, and a failed save
// leaves any earlier file in place).
AggregationMessage RunAggregation(const AggregationRequest& request, const std::atomic<int>& runFlag,
                                  AggregationReporter& reporter, Prompter& prompter);

}  // namespace scx
