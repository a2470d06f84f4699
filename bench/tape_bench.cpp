// The tape at its bound of 10,000 lines: start-up (reading the tape file) and a correction at
// its top, once when the top calculation stands alone and once when every later line went on
// from it, so that the whole tape is computed again; each with the file written anew.
#include <benchmark/benchmark.h>

#include <string>

#include "fake_platform.h"
#include "keypad_driver.h"
#include "tape/tape_keeper.h"
#include "tape/tape_replay.h"

namespace {

constexpr const char* TapePath = "Quillon.tape";

// A full tape file: `first`, then `keys` over and over until the tape holds all but at most
// three of its 10,000 lines (`keys` write four lines or fewer, and the top line must stay).
std::string FullTapeFile(const std::string& first, const std::string& keys) {
    KeypadDriver calc;
    TapeKeeper keeper;
    StartTape(keeper, calc.Context, TapePath);
    calc.Press(first);
    while (keeper.Lines.Lines.size() < MaxTapeLines - 3) calc.Press(keys);
    SaveTape(keeper);
    return calc.Host.Files.at(TapePath);
}

void StartUp(benchmark::State& state) {
    const std::string file = FullTapeFile("", "1 2 3 4 . 5 6 + 7 8 9 = C");
    for (auto _ : state) {
        FakePlatform host;
        host.Files[TapePath] = file;
        CalcContext context(host);
        TapeKeeper keeper;
        StartTape(keeper, context, TapePath);
        benchmark::DoNotOptimize(keeper.Lines.Lines.size());
    }
}

void CorrectTop(benchmark::State& state, const std::string& first, const std::string& keys) {
    const std::string file = FullTapeFile(first, keys);
    KeypadDriver calc;
    for (auto _ : state) {
        state.PauseTiming();
        calc.Host.Files[TapePath] = file;
        TapeKeeper keeper;
        StartTape(keeper, calc.Context, TapePath);
        state.ResumeTiming();
        if (!CorrectTapeLine(keeper.Lines, 0, "4321", calc.Context)) state.SkipWithError("refused");
        SaveTape(keeper);
        benchmark::DoNotOptimize(calc.Host.Files.at(TapePath).size());
    }
}

}  // namespace

BENCHMARK(StartUp)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CorrectTop, separate_calculations, std::string(""),
                  std::string("1 2 3 4 + 5 6 = C"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CorrectTop, one_continued_chain, std::string("5"), std::string("+ 1 2 . 3 4 ="))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
