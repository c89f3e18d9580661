// The notice-feed parser on large feeds: a well-formed one, and hostile shapes (many titles
// without links, titles full of CDATA markers) that must stay linear in the feed's size.

#include <benchmark/benchmark.h>

#include <string>

#include "agent/notice/notice_feed.h"

namespace {

std::string Repeat(std::string_view unit, size_t bytes) {
    std::string text;
    while (text.size() < bytes) text += unit;
    return text;
}

void Parse(benchmark::State& state, std::string_view unit) {
    const std::string feed = Repeat(unit, static_cast<size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(scx::ParseNoticeFeed(feed));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(feed.size()));
}

void BM_WellFormedFeed(benchmark::State& state) {
    Parse(state, "<item><title><![CDATA[공지 사항]]></title><link>https://notice.example/post/1</link></item>\n");
}
void BM_TitlesWithoutLinks(benchmark::State& state) { Parse(state, "<title>t</title>"); }
void BM_CdataMarkers(benchmark::State& state) {
    const std::string feed = "<title>" + Repeat("<![CDATA[]]>", static_cast<size_t>(state.range(0))) + "</title>";
    for (auto _ : state) benchmark::DoNotOptimize(scx::ParseNoticeFeed(feed));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(feed.size()));
}

}  // namespace

// Up to the 4 MiB a fetched feed may hold; time per byte should stay flat as the size grows.
BENCHMARK(BM_WellFormedFeed)->Range(64 << 10, 4 << 20);
BENCHMARK(BM_TitlesWithoutLinks)->Range(64 << 10, 4 << 20);
BENCHMARK(BM_CdataMarkers)->Range(64 << 10, 4 << 20);
BENCHMARK_MAIN();
