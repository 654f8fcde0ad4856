#include "fuzz/finiteness.h"

#include <cfloat>
#include <cmath>

namespace corvell::fuzz {
namespace {

// Far enough from the largest double that no rounding of a few steps
// crosses it.
constexpr long double kSurelyFinite = static_cast<long double>(DBL_MAX) / 16;
constexpr long double kSurelyInfinite = static_cast<long double>(DBL_MAX) * 2;

}  // namespace

Finite finiteness(std::initializer_list<long double> figures,
                  std::initializer_list<long double> steps) {
    bool small = true;
    for (const long double figure : figures) {
        if (!(std::fabs(figure) <= kSurelyInfinite)) {
            return Finite::Never;
        }
        small = small && std::fabs(figure) < kSurelyFinite;
    }
    for (const long double step : steps) {
        small = small && std::fabs(step) < kSurelyFinite;
    }
    return small ? Finite::Surely : Finite::EitherWay;
}

}  // namespace corvell::fuzz
