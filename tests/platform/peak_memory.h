// What a piece of work costs in memory at its peak, measured in a child process: its resident memory at
// the highest less what it held when the work began. Pages only reserved cost nothing until touched, as
// on the child's computer.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>

namespace dab_test {

struct PeakOfWork {
    bool measured = false;  // false when the child could not run, or could not reset or read its peak
    int result = 0;         // what the work returned
    int64_t extraBytes = 0;
};

// A field of /proc/self/status in bytes; -1 when it is missing.
inline int64_t StatusBytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::stoll(line.substr(std::strlen(field))) * 1024;
    return -1;
}

// Runs work in a forked child, so that what it costs is the child's alone and the test's process never
// holds it. A child inherits its parent's peak, so the peak is reset to what it holds first.
inline PeakOfWork MeasurePeak(const std::function<int()>& work) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return {};
    pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        bool reset = static_cast<bool>(std::ofstream("/proc/self/clear_refs") << "5");
        int64_t before = StatusBytes("VmRSS:");
        int64_t values[3] = {0, work(), 0};
        int64_t peak = StatusBytes("VmHWM:");
        values[0] = reset && before >= 0 && peak >= 0;
        values[2] = peak - before;
        bool sent = write(pipeEnds[1], values, sizeof values) == ssize_t(sizeof values);
        _exit(sent ? 0 : 1);
    }
    close(pipeEnds[1]);
    int64_t values[3] = {};
    bool received = child > 0 && read(pipeEnds[0], values, sizeof values) == ssize_t(sizeof values);
    close(pipeEnds[0]);
    int status = 1;
    if (child > 0) waitpid(child, &status, 0);
    if (!received || status != 0 || !values[0]) return {};
    return {true, int(values[1]), values[2]};
}

}  // namespace dab_test
