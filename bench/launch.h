#pragma once
// Launches a bench program that prints "shown NANOSECONDS" (the steady clock)
// once its windows are painted, then ends; measures the launch. The start-up
// and the claim benchmarks launch their programs alike.

#include <string>
#include <vector>

namespace corvell::bench {

struct Launch {
    double milliseconds = 0;  // from just before the launch to the windows painted
    double peakMiB = 0;       // max RSS of the process
};

Launch launch(const std::string& program, const std::vector<std::string>& arguments = {});

// "(LOW .. HIGH)" of the values.
std::string range(const std::vector<double>& values, int decimals);

}  // namespace corvell::bench
