#pragma once

#include <algorithm>
#include <vector>

// The middle of a few timings: one slow round of a loaded machine does not
// move it, as it would a mean.
inline double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}
