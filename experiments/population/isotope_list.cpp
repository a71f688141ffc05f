#include "experiments/population/isotope_list.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "experiments/population/population_constants.h"

namespace noyalis::population {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsBlankLine(std::string_view line) {
  for (char c : line)
    if (!IsBlank(c)) return false;
  return true;
}

void SkipBlanks(std::string_view& s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
}

// The next run of non-blank characters of s, removed from s.
std::string_view TakeToken(std::string_view& s) {
  SkipBlanks(s);
  std::size_t n = 0;
  while (n < s.size() && !IsBlank(s[n])) ++n;
  const std::string_view token = s.substr(0, n);
  s.remove_prefix(n);
  return token;
}

[[noreturn]] void Malformed(const std::string& fileName, std::size_t line, IsotopeListProblem problem,
                            std::string_view detail = {}) {
  throw IsotopeListError(problem, fileName, line, std::string(detail));
}

AtomRow ParseEntry(std::string_view line, const std::string& fileName, std::size_t number) {
  AtomRow row;
  row.symbol = line.substr(0, 2);  // with its padding blank: "H " is hydrogen
  std::string_view rest = line.size() > 3 ? line.substr(3) : std::string_view{};
  const std::string_view mass = TakeToken(rest);
  const std::string_view lambda = TakeToken(rest);
  if (mass.empty() || lambda.empty()) Malformed(fileName, number, IsotopeListProblem::MissingFields);
  const auto [end, error] = std::from_chars(mass.data(), mass.data() + mass.size(), row.mass);
  if (error != std::errc() || end != mass.data() + mass.size() || row.mass < 0)
    Malformed(fileName, number, IsotopeListProblem::MassNotWhole, mass);
  const std::optional<long double> value = ParseDecimalReal(lambda);
  if (!value || !IsDecayConstant(*value))
    Malformed(fileName, number, IsotopeListProblem::LambdaInvalid, lambda);
  row.lambda = *value;
  return row;
}

}  // namespace

std::vector<AtomRow> ParseIsotopeList(std::string_view content, const std::string& fileName) {
  std::vector<std::string_view> lines;
  while (!content.empty()) {
    const std::size_t end = content.find('\n');
    std::string_view line = content.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    content.remove_prefix(end + 1);
  }
  while (!lines.empty() && IsBlankLine(lines.back())) lines.pop_back();

  std::vector<AtomRow> rows;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    if (rows.size() == static_cast<std::size_t>(kMaxListEntries))
      Malformed(fileName, k + 1, IsotopeListProblem::TooManyEntries, std::to_string(kMaxListEntries));
    if (IsBlankLine(lines[k])) Malformed(fileName, k + 1, IsotopeListProblem::BlankLine);
    rows.push_back(ParseEntry(lines[k], fileName, k + 1));
  }
  return rows;
}

std::vector<AtomRow> ReadIsotopeList(const std::string& path) {
  std::error_code error;
  std::ifstream file;
  if (std::filesystem::is_regular_file(path, error)) file.open(path, std::ios::binary);
  if (!file.is_open()) throw IsotopeListError(IsotopeListProblem::Unreadable, path);
  const std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) throw IsotopeListError(IsotopeListProblem::Unreadable, path);
  return ParseIsotopeList(content, path);
}

std::optional<std::string> FindIsotopeList(const std::vector<std::string>& candidates) {
  for (const std::string& path : candidates) {
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) return path;
  }
  return std::nullopt;
}

}  // namespace noyalis::population
