#pragma once
// Whether figures worked out in double precision come out finite, judged from
// their sizes worked out in long double, which holds every size the windows'
// amounts can make. Far below the largest double, every step of any sound
// order of operations stays finite; far above it, a figure the window must
// hold overflows however it is worked out; near it, the window's own order
// decides, and a refusal and a calculation are both right.

#include <initializer_list>

namespace corvell::fuzz {

enum class Finite { Surely, Never, EitherWay };

// `figures`: the sizes of what the window must work out; `steps`: the sizes
// of what any sound order of operations may work out on the way.
Finite finiteness(std::initializer_list<long double> figures,
                  std::initializer_list<long double> steps);

}  // namespace corvell::fuzz
