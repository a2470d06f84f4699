// The Total on a spreadsheet column: the whole quillon-keys process summing a clipboard file
// of N lines like 12345.67 (CR LF line ends), in either reading (character by character, or
// whole cells), side by side with mawk summing the same file in binary floating point. Each
// iteration is one pair of runs, ours then mawk's; reports the medians of both times, the
// median of the pairs' ratios, and quillon-keys' peak memory against the file's size.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Run {
    double Seconds = 0;
    double PeakBytes = 0;
};

std::string MakeColumn(int64_t lines) {
    const std::string path = "/tmp/quillon-total-" + std::to_string(lines) + ".txt";
    std::ofstream file(path, std::ios::binary);
    char line[32];
    for (int64_t i = 0; i < lines; ++i) {
        const int length = std::snprintf(line, sizeof line, "%lld.%02lld\r\n",
                                         static_cast<long long>(10000 + i * 7919 % 90000),
                                         static_cast<long long>(i % 100));
        file.write(line, length);
    }
    return path;
}

// Runs the program with `input` on its standard input and its output thrown away.
Run RunProcess(const char* const argv[], const char* input) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return {};
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[0], STDIN_FILENO);
        close(pipeFds[1]);
        if (!freopen("/dev/null", "w", stdout)) _exit(127);
        execv(argv[0], const_cast<char* const*>(argv));
        _exit(127);
    }
    close(pipeFds[0]);
    const std::string text = input;
    if (write(pipeFds[1], text.data(), text.size()) < 0) perror("write");
    close(pipeFds[1]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    return {std::chrono::duration<double>(end - start).count(), usage.ru_maxrss * 1024.0};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void TotalAgainstMawk(benchmark::State& state) {
    const int64_t lines = state.range(0);
    const bool wholeCells = state.range(1) != 0;
    const std::string path = MakeColumn(lines);
    std::ifstream sized(path, std::ios::binary | std::ios::ate);
    const double fileBytes = static_cast<double>(sized.tellg());
    const char* const quillon[] = {QUILLON_KEYS,
                                   "--clipboard",
                                   path.c_str(),
                                   "--set",
                                   wholeCells ? "WHOLE_CELLS=YES" : "WHOLE_CELLS=NO",
                                   nullptr};
    const char* const mawk[] = {"/usr/bin/mawk", "{s+=$1} END {printf \"%.2f\\n\", s}",
                                path.c_str(), nullptr};
    std::vector<double> ours, theirs, ratios;
    double peak = 0;
    for (auto _ : state) {
        const Run quillonRun = RunProcess(quillon, "T\n");
        const Run mawkRun = RunProcess(mawk, "");
        state.SetIterationTime(quillonRun.Seconds);
        ours.push_back(quillonRun.Seconds);
        theirs.push_back(mawkRun.Seconds);
        ratios.push_back(quillonRun.Seconds / mawkRun.Seconds);
        peak = std::max(peak, quillonRun.PeakBytes);
    }
    state.counters["quillon_s"] = Median(ours);
    state.counters["mawk_s"] = Median(theirs);
    state.counters["ratio"] = Median(ratios);
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["peak_per_file"] = peak / fileBytes;
    state.counters["ns_per_line"] = 1e9 * Median(ours) / static_cast<double>(lines);
    std::remove(path.c_str());
}

BENCHMARK(TotalAgainstMawk)
    ->ArgNames({"lines", "whole_cells"})
    ->ArgsProduct({{100'000, 1'000'000, 4'000'000}, {0, 1}})
    ->UseManualTime()
    ->Iterations(9)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
