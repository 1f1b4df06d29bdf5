// velmora-signs lookup as a whole process: start, load the sign data, look
// the transliteration up, print, end. Prints the median and the 99th
// percentile wall time of many runs, beside a process that does nothing
// (/bin/true) as the floor of starting a program on this machine.
//
// velmora_bench_lookup [SIGN-DATA-FILE [TRANSLITERATION]] [--runs N]
// Without a file it uses the bundled sign data of the build.

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Runs the program with its output thrown away; the wall time in ms, or a
// negative value when it could not be run.
double RunOnce(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& arg : command)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1;
}

struct Figures {
    double median = 0;
    double p99 = 0;
};

bool Measure(const std::vector<std::string>& command, int runs, Figures& figures)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double ms = RunOnce(command);
        if (ms < 0)
            return false;
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    figures.median = times[times.size() / 2];
    figures.p99 = times[std::min(times.size() - 1, std::size_t(0.99 * double(times.size() - 1) + 0.5))];
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    int runs = 101;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else
            positional.push_back(argv[i]);
    }
    const std::string data = positional.size() > 0 ? positional[0] : VELMORA_BUNDLED_SIGNDATA;
    const std::string typed = positional.size() > 1 ? positional[1] : "du3";

    const std::vector<std::string> lookup = {VELMORA_SIGNS_TOOL, "lookup", data, typed};
    Figures tool, floor;
    if (!Measure(lookup, runs, tool)) {
        std::fprintf(stderr, "velmora_bench_lookup: '%s lookup %s %s' did not succeed\n", VELMORA_SIGNS_TOOL,
                     data.c_str(), typed.c_str());
        return 1;
    }
    if (!Measure({"/bin/true"}, runs, floor)) {
        std::fprintf(stderr, "velmora_bench_lookup: /bin/true did not run\n");
        return 1;
    }
    std::printf("velmora-signs lookup %s %s, %d runs\n", data.c_str(), typed.c_str(), runs);
    std::printf("  velmora-signs lookup  median %6.2f ms   p99 %6.2f ms\n", tool.median, tool.p99);
    std::printf("  /bin/true             median %6.2f ms   p99 %6.2f ms\n", floor.median, floor.p99);
    std::printf("  ratio of medians %.2f\n", tool.median / floor.median);
    return 0;
}
