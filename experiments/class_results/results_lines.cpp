#include "experiments/class_results/results_lines.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace noyalis::class_results {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// The first kilobytes say whether a file is text at all.
constexpr std::size_t kBinaryLookBytes = 4096;
// A whole number from this on is out of every range: it is read as the largest, so that no number
// of many digits wraps round.
constexpr std::uint64_t kLargestRead = std::numeric_limits<std::int64_t>::max() / 10;
constexpr std::uint64_t kSaturated = std::numeric_limits<std::int64_t>::max();

bool IsControl(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u < 0x20 && c != '\t' && c != '\r' && c != '\n') || u == 0x7F;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// The reason for a line that does not hold the numbers it should: Binary when it is not text.
[[noreturn]] void Reject(const ResultsLines& lines, std::string_view line, FileProblem problem) {
  lines.refuseBinary(line);
  lines.fail(problem);
}

}  // namespace

void Raise(FileProblem problem) {
  throw ProblemFound{problem};
}

ResultsLines::ResultsLines(std::string_view text) : text_(text) {
  if (text_.starts_with(kByteOrderMark)) at_ = kByteOrderMark.size();
}

ResultsLines::Scan ResultsLines::scan() const {
  const char* start = text_.data() + at_;
  const auto* end = static_cast<const char*>(std::memchr(start, '\n', text_.size() - at_));
  Scan s;
  s.cut = end == nullptr;
  std::size_t length = s.cut ? text_.size() - at_ : static_cast<std::size_t>(end - start);
  s.after = at_ + length + (s.cut ? 0 : 1);
  if (length > 0 && start[length - 1] == '\r') --length;
  s.line = std::string_view(start, length);
  return s;
}

std::optional<std::string_view> ResultsLines::next() {
  if (at_ >= text_.size()) return std::nullopt;
  const Scan s = scan();
  at_ = s.after;
  cut_ = s.cut;
  ++line_;
  return s.line;
}

std::optional<std::string_view> ResultsLines::peek() const {
  if (at_ >= text_.size()) return std::nullopt;
  return scan().line;
}

void ResultsLines::refuseBinary(std::string_view line) const {
  for (char c : line)
    if (IsControl(c)) throw ProblemFound{{FileProblemKind::Binary, line_}};
}

void ResultsLines::refuseBinaryStart() const {
  const std::string_view start = text_.substr(0, kBinaryLookBytes);
  for (std::size_t i = 0; i < start.size(); ++i)
    if (IsControl(start[i])) {
      const auto line = 1 + static_cast<std::int64_t>(std::count(start.begin(), start.begin() + i, '\n'));
      throw ProblemFound{{FileProblemKind::Binary, line}};
    }
}

void ResultsLines::expectStart(std::string_view line, std::string_view prefix) const {
  refuseBinary(line);
  if (!line.starts_with(prefix)) fail({FileProblemKind::NotAResultsFile, line_});
}

void ResultsLines::fail(FileProblem problem) const {
  if (cut_) throw ProblemFound{{FileProblemKind::Truncated, line_}};
  problem.line = line_;
  throw ProblemFound{problem};
}

void ReadRow(const ResultsLines& lines, std::string_view row, std::span<std::int64_t> values,
             std::span<const std::int64_t> highest) {
  const char* p = row.data();
  const char* const end = p + row.size();
  for (std::size_t f = 0; f < values.size(); ++f) {
    const int field = static_cast<int>(f) + 1;
    while (p < end && IsBlank(*p)) ++p;
    const bool negative = p < end && *p == '-';
    if (negative) ++p;
    const char* const digits = p;
    std::uint64_t v = 0;
    for (; p < end && static_cast<unsigned>(*p - '0') < 10; ++p)
      v = v >= kLargestRead ? kSaturated : v * 10 + static_cast<unsigned>(*p - '0');
    if (p == digits) Reject(lines, row, {FileProblemKind::NotANumber, 0, field});
    while (p < end && IsBlank(*p)) ++p;
    const bool last = f + 1 == values.size();
    // Fields end at the separator; a spreadsheet may leave empty fields after the last one.
    if (!last) {
      if (p == end) Reject(lines, row, {FileProblemKind::NotANumber, 0, field + 1});
      if (*p++ != ';') Reject(lines, row, {FileProblemKind::NotANumber, 0, field});
    }
    if (last)
      for (; p < end; ++p)
        if (!IsBlank(*p) && *p != ';') Reject(lines, row, {FileProblemKind::NotANumber, 0, field});
    const auto value = static_cast<std::int64_t>(v);
    if (negative && value != 0) lines.fail({FileProblemKind::Negative, 0, field, -value});
    if (value > highest[f]) lines.fail({FileProblemKind::OutOfRange, 0, field, value, highest[f]});
    values[f] = value;
  }
}

std::int64_t ReadLabelledNumber(const ResultsLines& lines, std::string_view line, int field,
                                std::int64_t lowest, std::int64_t highest) {
  std::string_view rest = line;
  for (int f = 1; f < field; ++f) {
    const std::size_t separator = rest.find(';');
    if (separator == std::string_view::npos) Reject(lines, line, {FileProblemKind::NotANumber, 0, field});
    rest.remove_prefix(separator + 1);
  }
  rest = rest.substr(0, rest.find(';'));
  std::array<std::int64_t, 1> value{};
  const std::array<std::int64_t, 1> any{std::numeric_limits<std::int64_t>::max()};
  try {
    ReadRow(lines, rest, value, any);
  } catch (ProblemFound& found) {
    found.problem.field = field;
    throw;
  }
  if (value[0] < lowest) lines.fail({FileProblemKind::OutOfRange, 0, field, value[0], lowest});
  if (value[0] > highest) lines.fail({FileProblemKind::OutOfRange, 0, field, value[0], highest});
  return value[0];
}

StatedReal ReadStatedMean(const ResultsLines& lines, std::string_view line) {
  const std::size_t colon = line.find(':');
  const std::string_view text = Trimmed(colon == std::string_view::npos ? "" : line.substr(colon + 1));
  std::array<char, 64> buffer{};
  if (text.empty() || text.size() >= buffer.size()) Reject(lines, line, {FileProblemKind::NotANumber, 0, 2});
  std::size_t n = 0;
  for (char c : text.starts_with('+') ? text.substr(1) : text) buffer[n++] = c == ',' ? '.' : c;
  StatedReal stated;
  const auto [end, error] = std::from_chars(buffer.data(), buffer.data() + n, stated.value);
  if (error != std::errc() || end != buffer.data() + n || !std::isfinite(stated.value))
    Reject(lines, line, {FileProblemKind::NotANumber, 0, 2});
  // The last digit written: the decimals of the mantissa, shifted by the exponent.
  const std::string_view written(buffer.data(), n);
  const std::size_t e = written.find_first_of("eE");
  const std::string_view mantissa = written.substr(0, e);
  const std::size_t point = mantissa.find('.');
  const long double decimals = point == std::string_view::npos ? 0 : mantissa.size() - point - 1;
  int exponent = 0;
  if (e != std::string_view::npos) {
    std::string_view digits = written.substr(e + 1);
    if (digits.starts_with('+')) digits.remove_prefix(1);
    std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
  }
  stated.halfUnit = 0.5L * std::pow(10.0L, exponent - decimals);
  return stated;
}

void CheckStatedMean(const StatedReal& stated, long double sum, long double n) {
  const long double mean = sum / n;
  // The mean was written with 15 significant digits from the run's own arithmetic.
  const long double tolerance = stated.halfUnit + 1e-15L * std::fabs(mean);
  if (!(std::fabs(stated.value - mean) <= tolerance)) Raise({FileProblemKind::DisagreesWithMean, 2});
}

std::string_view NextLine(ResultsLines& lines) {
  const auto line = lines.next();
  if (!line) Raise({FileProblemKind::Truncated, lines.lineNumber()});
  return *line;
}

void ExpectOnlyBlankLines(ResultsLines& lines) {
  const std::int64_t blank = lines.lineNumber();
  while (const auto line = lines.next())
    if (!line->empty()) Raise({FileProblemKind::NotANumber, blank, 1});
}

}  // namespace noyalis::class_results
