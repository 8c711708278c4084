#pragma once

#include <climits>
#include <cmath>

namespace gs {

// Nearest integer, halves to the even neighbour (rnd(12.5) = 12, rnd(13.5) = 14). Values beyond
// the range of int are clamped and NaN gives 0, so absurd sizes cannot overflow.
inline int rnd(double x)
{
    if (std::isnan(x))
        return 0;
    if (x > double(INT_MAX) - 1)
        return INT_MAX;
    if (x < double(INT_MIN) + 1)
        return INT_MIN;
    const double below = std::floor(x);
    const double fraction = x - below;
    if (fraction < 0.5)
        return int(below);
    if (fraction > 0.5)
        return int(below) + 1;
    return std::fmod(below, 2.0) == 0.0 ? int(below) : int(below) + 1;
}

} // namespace gs
