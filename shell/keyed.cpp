#include "shell/keyed.h"

#include "shell/worksheet.h"

namespace corvell {

Keyed::Keyed(double x) : text_(x < 0 ? "(" + figure(x) + ")" : figure(x)) {}

Keyed Keyed::date(Date d) {
    return Keyed(dateFigure(d), Shape::Figure);
}

Keyed Keyed::written(std::string text) {
    return Keyed(std::move(text), Shape::Figure);
}

Keyed Keyed::combine(const Keyed& a, const char* op, const Keyed& b) {
    const bool product = op[1] == 'x' || op[1] == '/';
    const bool bracketLeft = product && a.shape_ == Shape::Sum;
    std::string text = bracketLeft ? "(" + a.text_ + ")" : a.text_;
    text += op;
    text += b.shape_ == Shape::Figure ? b.text_ : "(" + b.text_ + ")";
    return Keyed(std::move(text), product ? Shape::Product : Shape::Sum);
}

Keyed Int(const Keyed& inner) {
    return Keyed("Int(" + inner.text_ + ")", Keyed::Shape::Figure);
}

}  // namespace corvell
