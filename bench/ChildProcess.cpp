#include "bench/ChildProcess.h"

#include <cerrno>
#include <chrono>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace ombrana::bench {

ChildRun runChild(const std::string& program, const std::vector<std::string>& arguments) {
    ChildRun run;
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return run;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeFds[1]);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return run;
    }

    char buffer[4096];
    for (;;) {
        const ssize_t n = read(pipeFds[0], buffer, sizeof buffer);
        if (n > 0) {
            run.output.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            break;
        }
    }
    close(pipeFds[0]);

    int status = 0;
    rusage usage{};
    pid_t reaped = -1;
    do reaped = wait4(pid, &status, 0, &usage);
    while (reaped < 0 && errno == EINTR);
    const auto end = std::chrono::steady_clock::now();

    run.wallMs = std::chrono::duration<double, std::milli>(end - start).count();
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    run.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    run.peakRssKiB = usage.ru_maxrss;  // KiB on Linux
    run.ok = reaped == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

}  // namespace ombrana::bench
