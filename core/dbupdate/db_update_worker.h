#pragma once
// The update run on a thread of its own, as a progress window drives it:
//
//   DbUpdateWorker worker(databases);
//   if (!worker.Start(config, observer)) { show kCheckConnectionText; close }   // not reachable
//   ... observer.OnStep(step, text) arrives on the worker thread for 0, 1, 2, 3, 5, 4, 6, or
//       OnNoConnection() instead when the server went away meanwhile ...
//   worker.Join();   // before the window closes (the destructor joins too)
//
// The run flag is set by Start and cleared by the worker as its last action; Stop clears it to
// ask the worker to end early (the current transfer is abandoned, the remaining files are not
// fetched, their steps and the final step still come). The observer must outlive the run: join
// before destroying it.

#include <atomic>
#include <thread>

#include "core/dbupdate/db_update.h"

namespace scx {

class DbUpdateWorker {
public:
    explicit DbUpdateWorker(CheckListDatabaseAccess& databases) : databases_(databases) {}
    ~DbUpdateWorker();
    DbUpdateWorker(const DbUpdateWorker&) = delete;
    DbUpdateWorker& operator=(const DbUpdateWorker&) = delete;

    // Tests the connection to the server first: false, and no thread, when it cannot be reached.
    // Also false while an earlier run has not been joined.
    bool Start(const DbUpdateConfig& config, DbUpdateObserver& observer);
    void Stop() { runFlag_ = 0; }
    // Waits for the worker to end; the run's summary afterwards.
    void Join();
    bool IsRunning() const { return runFlag_ != 0; }
    const DbUpdateSummary& Summary() const { return summary_; }

private:
    CheckListDatabaseAccess& databases_;
    std::atomic<int> runFlag_{0};
    std::thread thread_;
    DbUpdateSummary summary_;
};

}  // namespace scx
