#pragma once
// Results files made by hand for the class-results tests, in the exact form the activity and
// interval screens write them (their own tests pin that form byte for byte).
#include <cstdint>
#include <string>
#include <vector>

#include "support/scratch_directory.h"

namespace noyalis::class_results::test {

// An activity file of these counts: line 1 with the box and N, the mean, the header, then rows
// kk = 0 … max(N, largest count) with the count of measurement kk and the histogram at kk.
std::string ActivityFileText(const std::vector<std::int32_t>& counts, const std::string& lineEnd = "\r\n");

// An interval file of these intervals [µs] with classes of w [µs]: the boxes, the mean, the
// width, the header, then rows kk = 1 … max(C, N) with interval, class count and 50 ms slice count.
std::string IntervalFileText(const std::vector<std::int64_t>& intervalsUs, std::int32_t classWidthUs);

using noyalis::test::WriteBytes;

}  // namespace noyalis::class_results::test
