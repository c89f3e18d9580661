#include "core/dbupdate/db_update_worker.h"

namespace scx {

DbUpdateWorker::~DbUpdateWorker() {
    Stop();
    Join();
}

bool DbUpdateWorker::Start(const DbUpdateConfig& config, DbUpdateObserver& observer) {
    if (thread_.joinable() || !IsServerReachable(config)) return false;
    runFlag_ = 1;
    thread_ = std::thread([this, config, &observer] {
        // A standard-library failure (out of memory) ends the run like a lost connection, so the
        // window still closes; a worker thread must not take the program down.
        try {
            summary_ = RunDbUpdate(config, databases_, observer, runFlag_);
        } catch (const std::exception&) {
            observer.OnNoConnection();
            runFlag_ = 0;
        }
    });
    return true;
}

void DbUpdateWorker::Join() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace scx
