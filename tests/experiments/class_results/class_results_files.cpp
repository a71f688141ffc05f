#include "class_results_files.h"

#include <algorithm>
#include <numeric>

#include "experiments/counting_statistics/interval_classes.h"
#include "kernel/number_format.h"
#include "kernel/text_file.h"

namespace noyalis::class_results::test {

std::string ActivityFileText(const std::vector<std::int32_t>& counts, const std::string& lineEnd) {
  const auto n = static_cast<std::int32_t>(counts.size());
  const std::int32_t largest = *std::max_element(counts.begin(), counts.end());
  std::vector<std::int32_t> histogram(static_cast<std::size_t>(std::max(n, largest)) + 1);
  for (std::int32_t c : counts) ++histogram[c];
  const long double mean = std::accumulate(counts.begin(), counts.end(), 0.0L) / n;
  std::string text = "nb de mesures  ; 100 ; " + std::to_string(n) + lineEnd +
                     kernel::ToLatin1("moyenne calculée : ") + kernel::FormatScientific23(mean) + lineEnd +
                     "kk ; ni[kk] ; histo_desinteg =nbdes0[kk]" + lineEnd;
  for (std::size_t kk = 0; kk < histogram.size(); ++kk)
    text += std::to_string(kk) + " ; " + std::to_string(kk >= 1 && kk <= counts.size() ? counts[kk - 1] : 0) +
            " ; " + std::to_string(histogram[kk]) + lineEnd;
  return text;
}

std::string IntervalFileText(const std::vector<std::int64_t>& intervalsUs, std::int32_t classWidthUs) {
  const auto n = static_cast<std::int64_t>(intervalsUs.size());
  const std::int64_t longest = *std::max_element(intervalsUs.begin(), intervalsUs.end());
  const std::int64_t rows =
      std::max<std::int64_t>(counting_statistics::ClassesDrawn(longest, classWidthUs), n);
  std::vector<std::int64_t> classes(static_cast<std::size_t>(rows) + 2), slices(classes.size());
  std::int64_t date = 0;
  for (std::int64_t t : intervalsUs) {
    ++classes[static_cast<std::size_t>(counting_statistics::ClassIndex(t, classWidthUs))];
    date += t;
    ++slices[static_cast<std::size_t>(date / 50'000 + 1)];
  }
  const long double mean = static_cast<long double>(date) / n;
  std::string text =
      "nb de mesures  ; 10000\r\nmoyenne en microseconde : " + kernel::FormatScientific23(mean) +
      "\r\nlargeur des classes de l'histogramme en microseconde ; " + std::to_string(classWidthUs) +
      "\r\nkk ; DeltaT[kk] ; histo_dt_non_desinteg[2,kk] ; nbtr[2,kk]\r\n";
  for (std::int64_t kk = 1; kk <= rows; ++kk)
    text += std::to_string(kk) + " ; " + std::to_string(kk <= n ? intervalsUs[kk - 1] : 0) + " ; " +
            std::to_string(classes[kk]) + " ; " + std::to_string(slices[kk]) + "\r\n";
  return text;
}

}  // namespace noyalis::class_results::test
