#pragma once
// What every benchmark prints: one line per figure, beside its target and
// whether the target is met, and an exit status that says whether all were.

#include <chrono>
#include <string>
#include <vector>

namespace corvell::bench {

using Clock = std::chrono::steady_clock;

double milliseconds(Clock::duration d);
double microseconds(Clock::duration d);

// The middle value (the mean of the two middle ones for an even count).
double median(std::vector<double> values);
// The value below which `fraction` of the values lie (0.99: the 99th percentile).
double percentile(std::vector<double> values, double fraction);

std::string fixed(double value, int decimals);

class Report {
public:
    void heading(const std::string& text);
    // A figure with a target: "met" or "MISSED".
    void figure(const std::string& label, const std::string& value, const std::string& target,
                bool met);
    // A figure shown for context, without a target of its own.
    void note(const std::string& label, const std::string& value);

    int missed() const { return missed_; }
    // 0 when every target was met, 3 when one was missed.
    int exitStatus() const { return missed_ == 0 ? 0 : 3; }

private:
    int missed_ = 0;
};

// Stops the benchmark: what it was about to measure is not what it meant to.
[[noreturn]] void fail(const std::string& why);

}  // namespace corvell::bench
