#include "experiments/intervals/interval_results_file.h"

#include "kernel/number_format.h"
#include "kernel/text_file.h"

namespace noyalis::intervals {

std::string IntervalResultsFileName(const kernel::LocalDateTime& when) {
  return kernel::FormatDateTime("yyyymmdd", when) + "_" + kernel::FormatDateTime("hh_nn", when) +
         "_intervalles.txt";
}

std::vector<std::string> IntervalResultsLines(std::int32_t measurementsBox, std::int32_t classWidthBox,
                                              const IntervalRunData& data) {
  std::vector<std::string> lines;
  lines.reserve(4 + static_cast<std::size_t>(data.fileRows));
  lines.push_back("nb de mesures  ; " + std::to_string(measurementsBox));
  lines.push_back("moyenne en microseconde : " + kernel::FormatScientific23(data.mean));
  lines.push_back("largeur des classes de l'histogramme en microseconde ; " + std::to_string(classWidthBox));
  lines.push_back("kk ; DeltaT[kk] ; histo_dt_non_desinteg[2,kk] ; nbtr[2,kk]");
  for (std::int32_t kk = 1; kk <= data.fileRows; ++kk)
    lines.push_back(std::to_string(kk) + " ; " + std::to_string(data.DeltaT.at(kk)) + " ; " +
                    std::to_string(data.histo_dt_non_desinteg.at(kk)) + " ; " +
                    std::to_string(data.nbtr.at(kk)));
  return lines;
}

void SaveIntervalResults(const std::string& path, std::int32_t measurementsBox, std::int32_t classWidthBox,
                         const IntervalRunData& data) {
  kernel::WriteTextFile(path, IntervalResultsLines(measurementsBox, classWidthBox, data));
}

}  // namespace noyalis::intervals
