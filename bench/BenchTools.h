// Helpers the benchmarks share: reading a book, timing a stretch of work in wall and processor
// time, and timing `fmt -w 80` on the same file as a yardstick measured in the same run.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

namespace Lecterna::Bench {

inline std::string readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline double processCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Wall and processor seconds. On a machine shared with other work the processor time is the
// steadier figure; both are printed.
struct Times {
    double wall = 0;
    double cpu = 0;
};

class Stopwatch {
public:
    Stopwatch() { restart(); }
    void restart() {
        m_wall = std::chrono::steady_clock::now();
        m_cpu = processCpuSeconds();
    }
    Times elapsed() const {
        return {std::chrono::duration<double>(std::chrono::steady_clock::now() - m_wall).count(),
                processCpuSeconds() - m_cpu};
    }

private:
    std::chrono::steady_clock::time_point m_wall;
    double m_cpu = 0;
};

// The faster of `runs` runs by processor time: the least disturbed one.
template <class F> Times bestOf(int runs, F&& run) {
    Times best{1e300, 1e300};
    for (int i = 0; i < runs; ++i) {
        const Stopwatch watch;
        run();
        const Times t = watch.elapsed();
        if (t.cpu < best.cpu)
            best = t;
    }
    return best;
}

// `fmt -w 80 FILE > /dev/null` in the C locale, arguments as a list: the best of `runs` runs by
// processor time (user + system of the child), or a wall time of -1 when fmt could not run.
inline Times timeFmt(const char* path, int runs = 3) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string var(*e);
        if (var.rfind("LC_", 0) != 0 && var.rfind("LANG", 0) != 0)
            env.push_back(var);
    }
    env.emplace_back("LC_ALL=C");
    std::vector<char*> envp;
    for (std::string& s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    std::string prog = "fmt", w = "-w", n = "80", file = path;
    char* argv[] = {prog.data(), w.data(), n.data(), file.data(), nullptr};

    Times best{-1, -1};
    for (int i = 0; i < runs; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        pid_t pid;
        if (posix_spawnp(&pid, "fmt", &actions, nullptr, argv, envp.data()) != 0)
            break;
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            break;
        const Times t{std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count(),
                      static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                          static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6};
        if (best.cpu < 0 || t.cpu < best.cpu)
            best = t;
    }
    posix_spawn_file_actions_destroy(&actions);
    return best;
}

inline long peakRssMb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024;
}

inline double megabytes(size_t bytes) {
    return static_cast<double>(bytes) / 1e6;
}

} // namespace Lecterna::Bench
