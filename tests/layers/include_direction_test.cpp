// Every #include of the program points down a layer (kernel; platform and models; screens; menu)
// and never sideways from one experiment's folder into another's but into a neutral model folder.
// Which experiment file is a model or a screen, and which folders are neutral, the CMake lists say
// (the layer manifest the build writes); the rules themselves are checked on a table first.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>

namespace noyalis::test {
namespace {

enum Layer { kKernel, kPlatform, kModels, kScreens, kMenu, kOutside };
const char* const kLayerNames[] = {"the kernel", "the platform", "a model",
                                   "a screen",   "the menu",     "no layer"};
// kMayInclude[from][to]: each layer sees itself and what lies below it; nothing sees outside files.
constexpr bool kMayInclude[5][6] = {
    {1, 0, 0, 0, 0, 0}, {1, 1, 0, 0, 0, 0}, {1, 0, 1, 0, 0, 0}, {1, 1, 1, 1, 0, 0}, {1, 1, 1, 1, 1, 0}};

struct LayerMap {
  std::map<std::string, Layer> experimentFiles;  // "experiments/dice/dice_run.h" → kModels
  std::set<std::string> neutralFolders;          // "experiments/source"

  // Lines "models <path>", "screens <path>", "neutral <folder>", from the repository root.
  explicit LayerMap(std::istream&& manifest) {
    for (std::string kind, path; manifest >> kind >> path;) {
      if (kind == "neutral")
        neutralFolders.insert(path);
      else
        experimentFiles[path] = kind == "models" ? kModels : kScreens;
    }
  }
  Layer layerOf(const std::string& path) const {
    for (const auto& [folder, layer] :
         {std::pair{"kernel/", kKernel}, {"platform/", kPlatform}, {"app/", kMenu}})
      if (path.starts_with(folder)) return layer;
    const auto listed = experimentFiles.find(path);
    return listed == experimentFiles.end() ? kOutside : listed->second;
  }
};

// "experiments/<name>" for a file of an experiment or of its tests; "" for any other.
std::string ExperimentFolder(std::string path) {
  if (path.starts_with("tests/")) path.erase(0, 6);
  const std::size_t slash = path.find('/', 12);
  return path.starts_with("experiments/") && slash != std::string::npos ? path.substr(0, slash) : "";
}

// Qt's headers (<QString>, <QtWidgets>) and QCustomPlot's.
bool IsQt(const std::string& header) {
  return (header.size() > 1 && header[0] == 'Q' && std::isupper(static_cast<unsigned char>(header[1]))) ||
         header.starts_with("Qt") || header.starts_with("qcustomplot");
}

// The name an #include line names and whether in angle brackets; nothing for any other line.
std::optional<std::pair<std::string, bool>> Included(const std::string& line) {
  std::size_t i = line.find_first_not_of(" \t");
  if (i == std::string::npos || line[i] != '#') return std::nullopt;
  i = line.find_first_not_of(" \t", i + 1);
  if (i == std::string::npos || line.compare(i, 7, "include") != 0) return std::nullopt;
  i = line.find_first_not_of(" \t", i + 7);
  if (i == std::string::npos || (line[i] != '<' && line[i] != '"')) return std::nullopt;
  const std::size_t end = line.find(line[i] == '<' ? '>' : '"', i + 1);
  if (end == std::string::npos) return std::nullopt;
  return std::pair{line.substr(i + 1, end - i - 1), line[i] == '<'};
}

// Why `file` may not hold #include <included> (angled) or #include "included"; nothing if it may.
std::optional<std::string> IncludeFault(const LayerMap& map, const std::string& file,
                                        const std::string& included, bool angled) {
  const Layer from = map.layerOf(file);
  if (angled) {
    if ((from == kKernel || from == kModels) && IsQt(included))
      return std::string(kLayerNames[from]) + " includes Qt";
    return std::nullopt;
  }
  if (included.ends_with(".moc")) return std::nullopt;
  // A bare name is a neighbour of the including file.
  const std::string path =
      included.find('/') == std::string::npos ? file.substr(0, file.rfind('/') + 1) + included : included;
  if (path.starts_with("experiments/") && !map.experimentFiles.contains(path))
    return path + " is listed neither as a model nor as a screen in its folder's CMakeLists.txt";
  const Layer to = map.layerOf(path);
  if (from != kOutside && !kMayInclude[from][to])
    return std::string(kLayerNames[from]) + " includes " + kLayerNames[to] + ", which it may not see";
  const std::string fromFolder = ExperimentFolder(file), toFolder = ExperimentFolder(path);
  if (!fromFolder.empty() && !toFolder.empty() && fromFolder != toFolder &&
      !map.neutralFolders.contains(toFolder))
    return "sideways from " + fromFolder + " into " + toFolder +
           ": what two experiments share goes to a neutral model folder (experiments/CMakeLists.txt)";
  return std::nullopt;
}

TEST(IncludeRules, EachRuleRefusesWhatPointsUpOrSideways) {
  const LayerMap map(std::istringstream(
      "neutral experiments/source\nmodels experiments/source/count_means.cpp\n"
      "models experiments/source/count_means.h\nmodels experiments/dice/dice_run.cpp\n"
      "models experiments/dice/dice_run.h\nscreens experiments/dice/dice_texts.cpp\n"
      "models experiments/population/decay_run.h\nscreens experiments/population/UnitReseau.h\n"));
  struct Case {
    const char *file, *included;
    bool angled, refused;
  };
  const Case cases[] = {
      {"kernel/statistics.cpp", "kernel/checked.h", false, false},
      {"kernel/statistics.cpp", "platform/chart.h", false, true},
      {"kernel/statistics.cpp", "QString", true, true},
      {"platform/chart.cpp", "QtWidgets", true, false},
      {"platform/chart.cpp", "experiments/dice/dice_run.h", false, true},
      {"platform/chart.cpp", "app/UnitMenu.h", false, true},
      {"experiments/dice/dice_run.cpp", "vector", true, false},
      {"experiments/dice/dice_run.cpp", "QVector", true, true},
      {"experiments/dice/dice_run.cpp", "qcustomplot.h", true, true},
      {"experiments/dice/dice_run.cpp", "platform/event_pump.h", false, true},
      {"experiments/dice/dice_run.cpp", "experiments/dice/dice_texts.h", false, true},  // unlisted
      {"experiments/dice/dice_run.cpp", "experiments/population/decay_run.h", false, true},
      {"experiments/dice/dice_run.cpp", "experiments/source/count_means.h", false, false},
      {"experiments/source/count_means.cpp", "experiments/dice/dice_run.h", false, true},
      {"experiments/dice/dice_texts.cpp", "platform/text_table.h", false, false},
      {"experiments/dice/dice_texts.cpp", "experiments/population/UnitReseau.h", false, true},
      {"experiments/dice/dice_texts.cpp", "app/menu_layout.h", false, true},
      {"experiments/dice/dice_texts.cpp", "support/stopping_host.h", false, true},
      {"app/menu_layout.cpp", "experiments/population/UnitReseau.h", false, false},
      {"tests/experiments/dice/dice_model_test.cpp", "experiments/population/decay_run.h", false, true},
      {"tests/experiments/dice/dice_model_test.cpp", "support/stopping_host.h", false, false},
      {"tests/experiments/dice/dice_screen_test.cpp", "dice_screen_test.moc", false, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IncludeFault(map, c.file, c.included, c.angled).has_value(), c.refused)
        << c.file << " includes " << c.included;
}

TEST(IncludeDirections, EveryIncludeOfTheTreeIsAllowed) {
  namespace fs = std::filesystem;
  const LayerMap map(std::ifstream(NOYALIS_LAYER_MANIFEST));
  ASSERT_FALSE(map.experimentFiles.empty()) << NOYALIS_LAYER_MANIFEST;
  int includes = 0;
  for (const char* folder : {"kernel", "platform", "experiments", "app", "tests"}) {
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(NOYALIS_SOURCE_ROOT) / folder)) {
      const std::string ext = entry.path().extension().string();
      if (ext != ".h" && ext != ".cpp") continue;
      const std::string file = fs::relative(entry.path(), NOYALIS_SOURCE_ROOT).generic_string();
      if (file.starts_with("experiments/") && map.layerOf(file) == kOutside)
        ADD_FAILURE() << file << ": listed neither as a model nor as a screen in its folder's CMakeLists.txt";
      std::ifstream in(entry.path());
      for (auto [line, number] = std::pair{std::string(), 1}; std::getline(in, line); ++number) {
        const auto included = Included(line);
        if (!included) continue;
        ++includes;
        if (const auto fault = IncludeFault(map, file, included->first, included->second))
          ADD_FAILURE() << file << ":" << number << ": " << line << ": " << *fault;
      }
    }
  }
  EXPECT_GT(includes, 1000);  // the walk reached the tree
}

}  // namespace
}  // namespace noyalis::test
