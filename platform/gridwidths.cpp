#include "gridwidths.h"

#include <cmath>

namespace platform {

std::vector<int> ProportionalWidths(int gridWidth, const std::vector<int> &weights)
{
    long long sum = 0;
    for (const int weight : weights)
        sum += weight > 0 ? weight : 0;
    if (sum <= 0)
        return {};
    const double unit = std::trunc(double(gridWidth - 30) / double(sum));
    if (unit < 1)
        return {};
    std::vector<int> widths;
    widths.reserve(weights.size());
    for (const int weight : weights)
        widths.push_back(weight > 0 ? int(weight * unit) : -1);
    return widths;
}

} // namespace platform
