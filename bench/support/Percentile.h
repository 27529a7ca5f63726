#pragma once

#include <algorithm>
#include <vector>

namespace halvane::bench {

// The nearest-rank value at fraction p (0.5 median, 0.99 p99) of the samples; 0 when there are
// none.
inline double percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5))];
}

}  // namespace halvane::bench
