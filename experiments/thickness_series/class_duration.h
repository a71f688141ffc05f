#pragma once
// The size of a class experiment: the cap on the number of series, the counting time of one
// series, and how long the whole class experiment would really take.
#include <array>
#include <cstdint>
#include <string>

namespace noyalis::thickness_series {

// S [series], reduced to trunc(1 000 000 / n) when n × S exceeds 1 000 001 measurements.
std::int32_t CapSeries(std::int32_t measurements, std::int32_t series);

// "Durée des mesures = " + n × T / 60 000 with 2 decimals + " min": one series at one thickness.
std::string SeriesDurationText(std::int32_t measurements, std::int32_t countingTimeMs,
                               char decimalSeparator = '.');

// The real duration D = n × S × T / 1000 [s] of the class experiment, shown in seconds (0 decimals),
// minutes (1), hours (3), days (3) and years of 365 days (3), each followed by its unit
// (" s", " min", " h", " j", " an").
std::array<std::string, 5> ClassDurationTexts(std::int32_t measurements, std::int32_t series,
                                              std::int32_t countingTimeMs, char decimalSeparator = '.');

}  // namespace noyalis::thickness_series
