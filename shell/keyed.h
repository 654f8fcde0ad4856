#pragma once
// Arithmetic as a worksheet writes it, so that it reads right both ways: keyed
// into a desk calculator from left to right, and read with multiplication
// first. A compound right operand is always bracketed, a compound left one
// whenever a multiplication or division follows a sum or difference, and a
// negative figure always ("(-60)"): "1,088 - (155 x 7)", "(4 + 1) x 7".

#include <string>

#include "shell/dates.h"

namespace corvell {

class Keyed {
public:
    Keyed(double figure);  // NOLINT(google-explicit-constructor): figures are the common case
    static Keyed date(Date d);
    // Text the worksheet writes as one figure, such as a figure with its
    // rounding noise written as it shows.
    static Keyed written(std::string text);

    friend Keyed operator+(const Keyed& a, const Keyed& b) { return combine(a, " + ", b); }
    friend Keyed operator-(const Keyed& a, const Keyed& b) { return combine(a, " - ", b); }
    friend Keyed operator*(const Keyed& a, const Keyed& b) { return combine(a, " x ", b); }
    friend Keyed operator/(const Keyed& a, const Keyed& b) { return combine(a, " / ", b); }
    // The whole part, as Int rounds down: "Int(52.2857142857143)".
    friend Keyed Int(const Keyed& inner);

    const std::string& text() const { return text_; }
    // How far its value may stray for each part in 10^15 its figures stray:
    // what tells a result's rounding noise from a small figure.
    double scale() const { return scale_; }

private:
    enum class Shape { Figure, Sum, Product };
    Keyed(std::string text, Shape shape, double value, double scale)
        : text_(std::move(text)), shape_(shape), value_(value), scale_(scale) {}
    static Keyed combine(const Keyed& a, const char* op, const Keyed& b);

    std::string text_;
    Shape shape_ = Shape::Figure;
    double value_ = 0;
    double scale_ = 0;
};

}  // namespace corvell
