// Saving and loading the largest document an editor holds: 60000 lines of
// 999 cuneiform signs (a 240 MB text file), and a tenth and a hundredth of
// it. Prints bytes per second of the text file, then compares opening the
// largest file with vim opening the same file in the same run, and reports
// the peak memory of a process that only loads it.
//
//   velmora_bench_files                 the benchmarks and the comparison
//   velmora_bench_files --load FILE     load FILE once, print time and peak memory
#include "core/document/CFDocument.h"
#include "core/files/DocumentFiles.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using velmora::CFDocument;
using Clock = std::chrono::steady_clock;

constexpr std::uint32_t kCellsPerLine = 999;

const CFDocument& Document(std::uint32_t lines)
{
    static std::map<std::uint32_t, CFDocument> cache;
    auto [it, inserted] = cache.try_emplace(lines);
    if (inserted) {
        std::vector<std::uint32_t> cells(kCellsPerLine);
        for (std::uint32_t line = 0; line < lines; ++line) {
            for (std::uint32_t i = 0; i < kCellsPerLine; ++i)
                cells[i] = 0x12000 + (line * 7 + i) % 0x400;
            if (line > 0)
                it->second.InsertLine(line);
            it->second.InsertCells(kCellsPerLine, line, 0, cells.data());
        }
    }
    return it->second;
}

std::filesystem::path BenchFile(const char* what)
{
    const auto stamp = Clock::now().time_since_epoch().count();
    return std::filesystem::temp_directory_path()
        / ("velmora-bench-" + std::string(what) + "-" + std::to_string(stamp) + ".txt");
}

void BM_SaveTextFile(benchmark::State& state)
{
    const auto& doc = Document(static_cast<std::uint32_t>(state.range(0)));
    const auto path = BenchFile("save");
    for (auto _ : state) {
        if (!velmora::SaveTextFile(path, doc))
            state.SkipWithError("SaveTextFile failed");
    }
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    std::filesystem::remove(path, ec);
}

void BM_LoadTextFile(benchmark::State& state)
{
    const auto& doc = Document(static_cast<std::uint32_t>(state.range(0)));
    const auto path = BenchFile("load");
    if (!velmora::SaveTextFile(path, doc)) {
        state.SkipWithError("SaveTextFile failed");
        return;
    }
    for (auto _ : state) {
        CFDocument loaded;
        if (!velmora::LoadTextFile(path, loaded) || loaded.LineCount() != doc.LineCount())
            state.SkipWithError("LoadTextFile failed");
        benchmark::DoNotOptimize(loaded);
    }
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    std::filesystem::remove(path, ec);
}

void BM_ExportHtml(benchmark::State& state)
{
    const auto& doc = Document(static_cast<std::uint32_t>(state.range(0)));
    const auto path = BenchFile("html");
    for (auto _ : state) {
        if (!velmora::ExportHtml(path, doc))
            state.SkipWithError("ExportHtml failed");
    }
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
    std::filesystem::remove(path, ec);
}

// Peak resident memory of this process in MiB.
double PeakMiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

// Runs a program to its end; seconds taken, or a negative number when it
// could not be run or failed.
double RunSeconds(std::vector<std::string> args, std::string* output = nullptr)
{
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    int pipe[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (output && ::pipe(pipe) == 0) {
        posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipe[0]);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (output && pipe[1] >= 0) {
        ::close(pipe[1]);
        char buffer[256];
        ssize_t n;
        while (spawned == 0 && (n = ::read(pipe[0], buffer, sizeof buffer)) > 0)
            output->append(buffer, static_cast<std::size_t>(n));
        ::close(pipe[0]);
    }
    if (spawned != 0)
        return -1;
    int status = 0;
    ::waitpid(pid, &status, 0);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? seconds : -1;
}

// CPU seconds (user and system) of this process, or of its ended children.
double CpuSeconds(int who)
{
    rusage usage{};
    ::getrusage(who, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Opening the 240 MB file: this process loading it, vim (in Ex mode, no
// settings) reading it, and the peak memory of a process doing nothing
// else than loading it.
void CompareWithVim(const char* self)
{
    const auto path = BenchFile("open");
    if (!velmora::SaveTextFile(path, Document(60000))) {
        std::printf("could not write %s\n", path.c_str());
        return;
    }
    const auto size = std::filesystem::file_size(path);
    std::vector<double> ours, oursCpu, vim, vimCpu;
    for (int round = 0; round < 5; ++round) {
        const auto start = Clock::now();
        const double cpu = CpuSeconds(RUSAGE_SELF);
        {
            CFDocument loaded;
            if (!velmora::LoadTextFile(path, loaded))
                std::printf("LoadTextFile failed\n");
            ours.push_back(std::chrono::duration<double>(Clock::now() - start).count());
            oursCpu.push_back(CpuSeconds(RUSAGE_SELF) - cpu);
        }
        const double childCpu = CpuSeconds(RUSAGE_CHILDREN);
        vim.push_back(
            RunSeconds({"vim", "-u", "NONE", "-i", "NONE", "-n", "-N", "-es", "-c", "q", path.string()}));
        vimCpu.push_back(CpuSeconds(RUSAGE_CHILDREN) - childCpu);
    }
    std::printf("\nOpening %.1f MB (60000 lines of %u signs), median of 5, same run, wall and CPU time:\n",
                size / 1e6, kCellsPerLine);
    std::printf("  LoadTextFile  %7.3f s  %7.3f s CPU  %6.0f MB/s\n", Median(ours), Median(oursCpu),
                size / 1e6 / Median(ours));
    if (Median(vim) > 0)
        std::printf("  vim -es       %7.3f s  %7.3f s CPU  (LoadTextFile / vim: %.2f wall, %.2f CPU)\n",
                    Median(vim), Median(vimCpu), Median(ours) / Median(vim),
                    Median(oursCpu) / Median(vimCpu));
    else
        std::printf("  vim           not available\n");
    std::string report;
    if (RunSeconds({self, "--load", path.string()}, &report) > 0)
        std::printf("  a process that only loads it: %s", report.c_str());
    std::printf("  the cells alone: %.1f MiB\n", 60000.0 * kCellsPerLine * 4 / (1024 * 1024));
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

int LoadOnce(const char* file)
{
    const auto start = Clock::now();
    CFDocument loaded;
    const velmora::FileLoadResult result = velmora::LoadTextFile(file, loaded);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (!result) {
        std::printf("failed: %s\n", result.detail.c_str());
        return 1;
    }
    std::printf("%.3f s, peak memory %.1f MiB\n", seconds, PeakMiB());
    return 0;
}

} // namespace

BENCHMARK(BM_SaveTextFile)->Arg(600)->Arg(6000)->Arg(60000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadTextFile)->Arg(600)->Arg(6000)->Arg(60000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportHtml)->Arg(600)->Arg(6000)->Arg(60000)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--load") == 0)
        return LoadOnce(argv[2]);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    CompareWithVim("/proc/self/exe");
    return 0;
}
