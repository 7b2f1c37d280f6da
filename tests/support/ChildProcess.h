#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

namespace sockwright::testing {

// How a child process of runInChild ended.
struct ChildOutcome {
    bool finished = false;  // ended by itself (not killed at the deadline or for its memory)
    bool timedOut = false;  // still running at the deadline
    std::string report;     // what the body returned: empty for success
};

// Starts the body in a child process that ends with the status the body returns, and returns its
// process id once the child runs.
inline pid_t startChild(const std::function<int()>& body) {
    int running[2];
    if (::pipe(running) != 0) return -1;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(running[0]);
        ::close(running[1]);  // ends the read the parent waits in
        ::_exit(body());
    }
    ::close(running[1]);
    char none;
    (void)!::read(running[0], &none, 1);
    ::close(running[0]);
    return child;
}

// The resident memory of a process, in bytes; 0 when it cannot be read.
inline std::size_t residentBytes(pid_t process) {
    std::ifstream statm("/proc/" + std::to_string(process) + "/statm");
    std::size_t pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

// Runs the body in a child process, so that a body that blocks forever or takes all memory
// cannot take the test run with it: the child is killed at the deadline or when its resident
// memory has grown by more than mostGrowth beyond this process's. The body returns what went
// wrong, or nothing.
inline ChildOutcome runInChild(const std::function<std::string()>& body,
                               std::chrono::milliseconds deadline,
                               std::size_t mostGrowth = std::size_t{256} << 20) {
    ChildOutcome outcome;
    const std::size_t mostResident = residentBytes(::getpid()) + mostGrowth;
    const auto started = std::chrono::steady_clock::now();
    int report[2];
    const pid_t child = ::pipe(report) != 0 ? -1 : startChild([&] {
        ::close(report[0]);
        std::string said;
        try {
            said = body();
        } catch (const std::exception& error) {
            said = std::string("exception: ") + error.what();
        }
        return ::write(report[1], said.data(), said.size()) < 0 ? 1 : 0;
    });
    if (child < 0) return {false, false, "no child process"};
    ::close(report[1]);
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) != child) {
        outcome.timedOut = std::chrono::steady_clock::now() - started > deadline;
        if (outcome.timedOut || residentBytes(child) > mostResident) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    outcome.finished = WIFEXITED(status) || (WIFSIGNALED(status) && WTERMSIG(status) != SIGKILL);
    char chunk[4096];
    for (ssize_t got; (got = ::read(report[0], chunk, sizeof chunk)) > 0;)
        outcome.report.append(chunk, static_cast<std::size_t>(got));
    ::close(report[0]);
    if (outcome.finished && !(WIFEXITED(status) && WEXITSTATUS(status) == 0))
        outcome.report += " (the child ended abnormally)";
    return outcome;
}

}  // namespace sockwright::testing
