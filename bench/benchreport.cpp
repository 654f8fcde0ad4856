#include "bench/benchreport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace corvell::bench {

double milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double microseconds(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

double median(std::vector<double> values) {
    if (values.empty()) {
        throw std::invalid_argument("median of nothing");
    }
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

double percentile(std::vector<double> values, double fraction) {
    if (values.empty()) {
        throw std::invalid_argument("percentile of nothing");
    }
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * double(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

void Report::heading(const std::string& text) {
    std::printf("\n%s\n", text.c_str());
    std::fflush(stdout);
}

void Report::figure(const std::string& label, const std::string& value, const std::string& target,
                    bool met) {
    if (!met) {
        ++missed_;
    }
    std::printf("  %-38s %-26s target %-10s %s\n", label.c_str(), value.c_str(), target.c_str(),
                met ? "met" : "MISSED");
    std::fflush(stdout);
}

void Report::note(const std::string& label, const std::string& value) {
    std::printf("  %-38s %s\n", label.c_str(), value.c_str());
    std::fflush(stdout);
}

void fail(const std::string& why) {
    std::fprintf(stderr, "bench: %s\n", why.c_str());
    std::exit(1);
}

}  // namespace corvell::bench
