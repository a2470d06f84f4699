// The Total on a spreadsheet column: the whole quillon-keys process summing a clipboard file
// of N lines like 12345.67 (CR LF line ends), side by side with mawk summing the same file in
// binary floating point. Reports both times, their ratio and quillon-keys' peak memory
// against the file's size.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

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

void TotalAgainstMawk(benchmark::State& state) {
    const int64_t lines = state.range(0);
    const std::string path = MakeColumn(lines);
    std::ifstream sized(path, std::ios::binary | std::ios::ate);
    const double fileBytes = static_cast<double>(sized.tellg());
    const char* const quillon[] = {QUILLON_KEYS, "--clipboard", path.c_str(), nullptr};
    const char* const mawk[] = {"/usr/bin/mawk", "{s+=$1} END {printf \"%.2f\\n\", s}",
                                path.c_str(), nullptr};
    double quillonSeconds = 0, mawkSeconds = 0, peak = 0;
    for (auto _ : state) {
        const Run ours = RunProcess(quillon, "T\n");
        const Run theirs = RunProcess(mawk, "");
        state.SetIterationTime(ours.Seconds);
        quillonSeconds += ours.Seconds;
        mawkSeconds += theirs.Seconds;
        peak = std::max(peak, ours.PeakBytes);
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["quillon_s"] = quillonSeconds / runs;
    state.counters["mawk_s"] = mawkSeconds / runs;
    state.counters["ratio"] = quillonSeconds / mawkSeconds;
    state.counters["peak_MB"] = peak / 1e6;
    state.counters["peak_per_file"] = peak / fileBytes;
    state.counters["ns_per_line"] = 1e9 * quillonSeconds / runs / static_cast<double>(lines);
    std::remove(path.c_str());
}

BENCHMARK(TotalAgainstMawk)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Arg(4'000'000)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
