#pragma once

#include <string>
#include <vector>

namespace ombrana::bench {

// What one run of a child process took, as its parent sees it.
struct ChildRun {
    bool ok = false;      // started and exited with status 0
    double wallMs = 0;    // from just before the spawn to the reaped exit
    double cpuMs = 0;     // user + system time of the child
    long peakRssKiB = 0;  // the child's peak resident set
    std::string output;   // its standard output
};

// Runs a program with arguments in the current environment and waits for it.
ChildRun runChild(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace ombrana::bench
