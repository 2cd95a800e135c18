// rnd: the banker's rounding every scene position goes through.
#pragma once
#include <cmath>

// Rounds to the nearest integer, a value exactly halfway going to the even
// neighbour (banker's rounding). Every pixel position and size of the scene
// goes through this, so two computations of the same box always agree.
//
// Values from documents may be anything: NaN gives 0 and the result stays
// within +-1e9, so sums of a few such values cannot overflow.
inline int rnd(double x)
{
    if (!(x == x))
        return 0;
    if (x > 1e9)
        return 1000000000;
    if (x < -1e9)
        return -1000000000;
    const double f = std::floor(x);
    const double rest = x - f;
    long long n = static_cast<long long>(f);
    if (rest > 0.5 || (rest == 0.5 && (n % 2 != 0)))
        ++n;
    return static_cast<int>(n);
}
