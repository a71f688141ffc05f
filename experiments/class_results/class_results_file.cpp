#include "experiments/class_results/class_results_file.h"

#include <algorithm>
#include <optional>

#include "kernel/number_format.h"
#include "kernel/text_file.h"

namespace noyalis::class_results {

namespace {

const std::string kSeparator = " ; ";

std::string Real(long double v) {
  return kernel::FormatScientific23(v);
}

std::string OptionalReal(const std::optional<long double>& v) {
  return v ? Real(*v) : std::string();
}

std::string Flag(bool yes) {
  return yes ? "1" : "0";
}

std::string NameField(std::string name) {
  std::replace(name.begin(), name.end(), ';', ',');
  return name;
}

// A file's row: name ; N ; a ; b ; standardized deviation ; marked ; pooled.
std::string TableRow(const std::vector<ResultsFile>& files, const ClassRow& r, long double a, long double b) {
  return NameField(files[r.file].name) + kSeparator + std::to_string(r.measurements) + kSeparator + Real(a) +
         kSeparator + Real(b) + kSeparator + OptionalReal(r.standardErrors) + kSeparator + Flag(r.marked) +
         kSeparator + Flag(r.pooled);
}

// The pool's row: classe ; N ; a ; b.
std::string PoolRow(std::int64_t measurements, long double a, long double b) {
  return "classe ; " + std::to_string(measurements) + kSeparator + Real(a) + kSeparator + Real(b);
}

void AddTest(std::vector<std::string>& lines, const CommonMeanTest& test) {
  lines.push_back("moyenne commune ; fichiers ; khi2 ; degrés de liberté ; p");
  std::string row = "test ; " + std::to_string(test.files) + kSeparator;
  if (test.outcome == counting_statistics::TestOutcome::NotTestable)
    row += "non testable";
  else
    row += Real(test.chiSquare) + kSeparator + std::to_string(test.degreesOfFreedom) + kSeparator +
           Real(test.pValue);
  lines.push_back(row);
}

std::vector<std::string> ActivityLines(const std::vector<ResultsFile>& files, const ActivityClass& c) {
  std::vector<std::string> lines = {
      "résultats de la classe ; activité",
      "fichier ; mesures ; moyenne ; écart type ; écart réduit ; marqué ; regroupé",
  };
  for (const ActivityRow& r : c.rows) lines.push_back(TableRow(files, r, r.mean, r.deviation));
  AddTest(lines, c.test);
  lines.push_back("regroupement ; mesures ; moyenne ; écart type");
  lines.push_back(PoolRow(c.measurements, c.mean, c.deviation));
  lines.push_back("kk ; histo_desinteg");
  for (std::size_t i = 0; i < c.histogram.size(); ++i)
    lines.push_back(std::to_string(c.firstCount + static_cast<std::int64_t>(i)) + kSeparator +
                    std::to_string(c.histogram[i]));
  return lines;
}

std::vector<std::string> IntervalLines(const std::vector<ResultsFile>& files, const IntervalClass& c) {
  std::vector<std::string> lines = {
      "résultats de la classe ; intervalles",
      "fichier ; intervalles ; moyenne en microseconde ; taux par seconde ; écart réduit ; marqué ; regroupé",
  };
  for (const IntervalRow& r : c.rows) lines.push_back(TableRow(files, r, r.meanUs, r.ratePerSecond));
  AddTest(lines, c.test);
  lines.push_back("regroupement ; intervalles ; moyenne en microseconde ; taux par seconde");
  lines.push_back(PoolRow(c.measurements, c.meanUs, c.ratePerSecond));
  lines.push_back("largeur des classes de l'histogramme en microseconde ; " + std::to_string(c.classWidthUs));
  lines.push_back("ajustement ; pente ; r2 ; taux ajusté par seconde");
  if (c.fit && c.fittedRate)
    lines.push_back("droite ; " + Real(c.fit->slope * 1000) + kSeparator + Real(c.fit->r2) + kSeparator +
                    Real(*c.fittedRate));
  else
    lines.push_back("droite ; non ajustée");
  lines.push_back("kk ; histo_dt_non_desinteg[kk]");
  for (std::int32_t k = 1; k <= c.classesDrawn; ++k) {
    const auto i = static_cast<std::size_t>(k);
    lines.push_back(std::to_string(k) + kSeparator +
                    std::to_string(i < c.classCounts.size() ? c.classCounts[i] : 0));
  }
  return lines;
}

}  // namespace

std::string ClassResultsFileName(const kernel::LocalDateTime& when) {
  return kernel::FormatDateTime("yyyymmdd", when) + "_" + kernel::FormatDateTime("hh_nn", when) +
         "_classe.txt";
}

std::vector<std::string> ClassResultsLines(const ClassResults& results) {
  if (results.pooledKind() == ResultsKind::Activity)
    return ActivityLines(results.files(), results.activityClass());
  return IntervalLines(results.files(), results.intervalClass());
}

void SaveClassResults(const std::string& path, const ClassResults& results) {
  kernel::WriteTextFile(path, ClassResultsLines(results));
}

}  // namespace noyalis::class_results
