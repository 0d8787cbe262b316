#include "settings/rounding.h"

#include <cmath>

long long RoundHalfEven(double value)
{
    double floor = std::floor(value);
    double diff = value - floor;
    long long result = static_cast<long long>(floor);
    if (diff > 0.5 || (diff == 0.5 && (result % 2) != 0))
        ++result;
    return result;
}
