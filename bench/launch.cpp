#include "bench/launch.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "bench/benchreport.h"

extern char** environ;

namespace corvell::bench {

Launch launch(const std::string& program, const std::vector<std::string>& arguments) {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        fail("no pipe: " + std::string(std::strerror(errno)));
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        fail("cannot start " + program + ": " + std::strerror(spawned));
    }

    std::string printed;
    char buffer[256];
    for (;;) {
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n > 0) {
            printed.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            break;
        }
    }
    close(out[0]);

    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR) {
            fail("lost " + program + ": " + std::strerror(errno));
        }
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        fail(program + " did not end normally");
    }
    long long shownNs = 0;
    if (std::sscanf(printed.c_str(), "shown %lld", &shownNs) != 1) {
        fail(program + " never reported its window shown");
    }
    const Clock::time_point shown{
        std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(shownNs))};
    // ru_maxrss is in KiB on Linux.
    return Launch{milliseconds(shown - start), double(usage.ru_maxrss) / 1024};
}

std::string range(const std::vector<double>& values, int decimals) {
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return "(" + fixed(*low, decimals) + " .. " + fixed(*high, decimals) + ")";
}

}  // namespace corvell::bench
