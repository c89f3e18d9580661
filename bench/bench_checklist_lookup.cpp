// Lookups of the checklist database on a 200,000-row checklist and user checklist: every program
// file a scan finds is looked up by key, by file name and by hash, so these must never scan.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include "bench/checklist_rows.h"
#include "core/codec.h"
#include "core/db/file_user_checklist.h"
#include "platform/file.h"

namespace {

constexpr int kRows = 200000;

// The user checklist has the window checklist's columns and more, so one file serves all three.
const scx::CFileUserCheckList& List() {
    static scx::CFileUserCheckList* list = [] {
        std::string path = "/tmp/scx-bench-userchecklist-" + std::to_string(getpid()) + ".dat";
        std::string bytes;
        scx::AppendCodePageBytes(bytes, scx::bench::CheckListText(kRows, true));
        scx::ScrambleBytes(bytes);
        scx::platform::WriteFileAtomically(path, bytes);
        auto* loaded = new scx::CFileUserCheckList;
        loaded->Load(path, true);
        unlink(path.c_str());
        return loaded;
    }();
    return *list;
}

// Half of the probes hit (in a scattered order), half miss, as on a real disk.
template <typename Probe>
void RunLookups(benchmark::State& state, Probe probe) {
    const auto& list = List();
    std::vector<std::string> keys;
    for (int i = 0; i < 4096; ++i)
        keys.push_back(probe(static_cast<int>((i * 7919L) % (2 * kRows))));
    size_t n = 0;
    int found = 0;
    for (auto _ : state) {
        const std::string& key = keys[n++ & 4095];
        benchmark::DoNotOptimize(found += state.range(0) == 0   ? list.FindByKey(key) >= 0
                                          : state.range(0) == 1 ? list.FindByExe(key) >= 0
                                                                : list.FindBySha1(key) >= 0);
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["hits"] = found / static_cast<double>(state.iterations());
}

void BM_FindByKey(benchmark::State& state) {
    RunLookups(state, [](int i) {
        auto k = scx::bench::KeyOfRow(i);
        // A scan passes its own letter case; the index is lower case.
        return scx::CheckListKey(k.company, k.product, k.version, k.originalFile);
    });
}
void BM_FindByExe(benchmark::State& state) {
    RunLookups(state, [](int i) { return scx::bench::KeyOfRow(i).exeFile; });
}
void BM_FindBySha1(benchmark::State& state) {
    RunLookups(state, [](int i) { return scx::bench::KeyOfRow(i).sha1; });
}
BENCHMARK(BM_FindByKey)->Arg(0);
BENCHMARK(BM_FindByExe)->Arg(1);
BENCHMARK(BM_FindBySha1)->Arg(2);

}  // namespace

BENCHMARK_MAIN();
