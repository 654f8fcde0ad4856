#include "shell/keyed.h"

#include <algorithm>
#include <cmath>

#include "shell/format.h"
#include "shell/worksheet.h"

namespace corvell {

Keyed::Keyed(double x)
    : text_(x < 0 ? "(" + figure(x) + ")" : figure(x)), value_(x), scale_(std::fabs(x)) {}

// Every day of the calendar as a date, 12/30/1899 (day 0) included; a date
// is exact.
Keyed Keyed::date(Date d) {
    return Keyed(Format(d, "mm/dd/yyyy"), Shape::Figure, d.day, 0);
}

Keyed Keyed::written(std::string text) {
    return Keyed(std::move(text), Shape::Figure, 0, 0);
}

Keyed Keyed::combine(const Keyed& a, const char* op, const Keyed& b) {
    const char o = op[1];
    const bool product = o == 'x' || o == '/';
    const bool bracketLeft = product && a.shape_ == Shape::Sum;
    std::string text = bracketLeft ? "(" + a.text_ + ")" : a.text_;
    text += op;
    text += b.shape_ == Shape::Figure ? b.text_ : "(" + b.text_ + ")";
    // How errors carry: sums add them, products and quotients scale them.
    double value = 0;
    double scale = 0;
    switch (o) {
        case '+':
        case '-':
            value = o == '+' ? a.value_ + b.value_ : a.value_ - b.value_;
            scale = a.scale_ + b.scale_;
            break;
        case 'x':
            value = a.value_ * b.value_;
            scale = a.scale_ * std::fabs(b.value_) + b.scale_ * std::fabs(a.value_);
            break;
        default:
            value = a.value_ / b.value_;
            scale = a.scale_ / std::fabs(b.value_) +
                    b.scale_ * std::fabs(a.value_) / (b.value_ * b.value_);
            break;
    }
    return Keyed(std::move(text), product ? Shape::Product : Shape::Sum, value, scale);
}

Keyed Int(const Keyed& inner) {
    return Keyed("Int(" + inner.text_ + ")", Keyed::Shape::Figure, std::floor(inner.value_),
                 inner.scale_);
}

}  // namespace corvell
