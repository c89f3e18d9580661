// Kernels of every record-file load and save: the codec, the code page conversion, and the
// splitting of lines into fields.

#include <benchmark/benchmark.h>

#include "core/codec.h"
#include "core/text_util.h"
#include "platform/codepage.h"

namespace {

std::string KoreanRows(int rows) {
    std::string text;
    for (int i = 0; i < rows; ++i)
        text += std::to_string(i) + "\t\xED\x95\x9C\xEA\xB8\x80 \xEC\x98\xA4\xED\x94\xBC\xEC\x8A\xA4 " +
                std::to_string(i % 97) + ".0\tAcme Corp\t-\t1\r\n";
    return text;
}

void BM_ScrambleBytes(benchmark::State& state) {
    std::string bytes(static_cast<size_t>(state.range(0)), 'x');
    for (auto _ : state) {
        scx::ScrambleBytes(bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ScrambleBytes)->Arg(1 << 20);

void BM_DecodeAndSplit(benchmark::State& state) {
    std::string text = KoreanRows(static_cast<int>(state.range(0)));
    std::string bytes;
    scx::AppendCodePageBytes(bytes, text);
    scx::ScrambleBytes(bytes);
    std::vector<std::string> lines, fields;
    for (auto _ : state) {
        scx::SplitFields(scx::DecodeScrambledText(bytes), "\r\n", lines);
        for (const auto& line : lines) scx::SplitFields(line, "\t", fields);
        benchmark::DoNotOptimize(fields.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_DecodeAndSplit)->Arg(20000);

}  // namespace

BENCHMARK_MAIN();
